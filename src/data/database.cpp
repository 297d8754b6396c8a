#include "database.h"

#include "datalog.h"

#include <QFile>
#include <QSqlError>
#include <QSqlQuery>

#include <array>

namespace {

const QString kConnectionName = QStringLiteral("qt_sql_default_connection");

struct Migration
{
    int version;
    const char *name;
    const char *resource;
};

// Enough for every fixed statement of the program; dynamic texts beyond it start a new cache.
constexpr int kMaxCachedStatements = 256;

constexpr std::array<Migration, 5> kMigrations{{
    {1, "initial", ":/sql/sql/migrations/001_initial.sql"},
    {2, "recon_sync", ":/sql/sql/migrations/002_recon_sync.sql"},
    {3, "account_totals", ":/sql/sql/migrations/003_account_totals.sql"},
    {4, "sync_lookup", ":/sql/sql/migrations/004_sync_lookup.sql"},
    {5, "reconcile_candidates", ":/sql/sql/migrations/005_reconcile_candidates.sql"},
}};

const QString kSchemaVersionDdl = QStringLiteral(
    "CREATE TABLE IF NOT EXISTS schema_version (  version INTEGER PRIMARY KEY,  name    TEXT NOT "
    "NULL,  applied_at TEXT NOT NULL DEFAULT (datetime('now')))");

// Appends the accumulated statement, without its closing semicolon, when it holds anything.
void flushStatement(const QString &accumulator, QStringList &out)
{
    QString s = accumulator.trimmed();
    if (s.isEmpty() || s == QLatin1String(";")) {
        return;
    }
    if (s.endsWith(QLatin1Char(';'))) {
        s.chop(1);
    }
    s = s.trimmed();
    if (!s.isEmpty()) {
        out.append(s);
    }
}

} // namespace

Database::Database(QObject *parent)
    : Database(kConnectionName, parent)
{
}

Database::Database(const QString &connectionName, QObject *parent)
    : QObject(parent)
    , m_connectionName(connectionName)
{
}

Database::~Database()
{
    m_statements.clear();
    if (!m_db.isValid()) {
        return;
    }
    if (m_open) {
        m_db.close();
    }
    // Release the handle before removing the connection, or Qt warns that it is still in use.
    // Removing it lets a later Database (tests open many in turn) add the name afresh.
    m_db = QSqlDatabase();
    QSqlDatabase::removeDatabase(m_connectionName);
}

bool Database::open(const QString &path)
{
    m_db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), m_connectionName);
    m_db.setDatabaseName(path);
    // Another Ledgerwell process may hold the write lock for a while (an import, a restore):
    // wait for it rather than fail the user's write at once.
    m_db.setConnectOptions(QStringLiteral("QSQLITE_BUSY_TIMEOUT=%1").arg(kBusyTimeoutMs));
    if (!m_db.open()) {
        m_errorText = m_db.lastError().text();
        qCCritical(lcData) << "Failed to open database:" << m_db.lastError().text();
        return false;
    }
    QSqlQuery pragma(m_db);
    pragma.exec(QStringLiteral("PRAGMA journal_mode=WAL"));
    pragma.exec(QStringLiteral("PRAGMA foreign_keys=ON"));
    setCacheSize(m_db, kDefaultCacheKiB);
    m_open = true;
    return true;
}

bool Database::openReadOnly(const QString &path)
{
    m_db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), m_connectionName);
    m_db.setDatabaseName(path);
    m_db.setConnectOptions(QStringLiteral("QSQLITE_OPEN_READONLY"));
    if (!m_db.open()) {
        qCWarning(lcData) << "Failed to open a read-only connection:" << m_db.lastError().text();
        return false;
    }
    setCacheSize(m_db, kDefaultCacheKiB);
    m_open = true;
    return true;
}

void Database::setCacheSize(const QSqlDatabase &db, int kib)
{
    QSqlQuery pragma(db);
    pragma.exec(QStringLiteral("PRAGMA cache_size=-%1").arg(kib));
}

std::shared_ptr<QSqlQuery> Database::prepared(const QString &sql, bool *ok)
{
    *ok = true;
    const auto found = m_statements.constFind(sql);
    if (found != m_statements.constEnd()) {
        return *found;
    }
    auto query = std::make_shared<QSqlQuery>(m_db);
    query->setForwardOnly(true);
    if (!query->prepare(sql)) {
        *ok = false;
        return query;
    }
    if (m_statements.size() >= kMaxCachedStatements) {
        m_statements.clear();
    }
    m_statements.insert(sql, query);
    return query;
}

int Database::currentVersion()
{
    QSqlQuery query(m_db);
    if (query.exec(QStringLiteral("SELECT MAX(version) FROM schema_version")) && query.next()) {
        return query.value(0).toInt();
    }
    return 0;
}

// A file we cannot safely write: one from a newer program, or another program's SQLite file.
bool Database::refuseForeignFile()
{
    QSqlQuery tables(m_db);
    tables.exec(QStringLiteral(
        "SELECT SUM(name = 'schema_version'), COUNT(*) FROM sqlite_master WHERE type = 'table'"));
    if (!tables.next() || tables.value(1).toInt() == 0) {
        return false;
    }
    if (tables.value(0).toInt() == 0) {
        m_errorText = tr("%1 is not a Ledgerwell data file.").arg(m_db.databaseName());
    } else if (const int version = currentVersion(); version > int(kMigrations.size())) {
        m_errorText = tr("The data file was written by a newer version of Ledgerwell (schema %1; "
                         "this version knows up to %2). Update Ledgerwell to open it.")
                          .arg(version)
                          .arg(kMigrations.size());
    } else {
        return false;
    }
    qCCritical(lcData).noquote() << "Refusing to open:" << m_errorText;
    return true;
}

bool Database::runMigrations()
{
    if (refuseForeignFile()) {
        return false;
    }
    QSqlQuery ddl(m_db);
    if (!ddl.exec(kSchemaVersionDdl)) {
        qCCritical(lcData) << "Failed to create schema_version table:" << ddl.lastError().text();
        return false;
    }
    const int current = currentVersion();
    for (const auto &migration : kMigrations) {
        if (migration.version <= current) {
            continue;
        }
        const QString resource = QString::fromLatin1(migration.resource);
        QFile file(resource);
        if (!file.open(QIODevice::ReadOnly | QIODevice::Text)) {
            const QString message = QStringLiteral("Cannot read migration file: %1").arg(resource);
            qCCritical(lcData).noquote() << message;
            emit migrationError(migration.version, message);
            return false;
        }
        const QString sql = QString::fromUtf8(file.readAll());
        if (!applyMigration(migration.version, QString::fromLatin1(migration.name), sql)) {
            return false;
        }
    }
    return true;
}

bool Database::applyMigration(int version, const QString &name, const QString &sql)
{
    m_db.transaction();
    const QStringList statements = splitStatements(sql);
    for (const QString &statement : statements) {
        QSqlQuery query(m_db);
        if (!query.exec(statement)) {
            const QString error = query.lastError().text();
            qCCritical(lcData) << "Migration" << version << "failed:" << error
                               << "\nStatement:" << statement.left(200);
            m_db.rollback();
            m_errorText = error;
            emit migrationError(version, error);
            return false;
        }
    }
    QSqlQuery record(m_db);
    record.prepare(QStringLiteral("INSERT INTO schema_version (version, name) VALUES (?, ?)"));
    record.addBindValue(version);
    record.addBindValue(name);
    if (!record.exec()) {
        const QString error = record.lastError().text();
        m_db.rollback();
        m_errorText = error;
        emit migrationError(version, error);
        return false;
    }
    m_db.commit();
    qCInfo(lcData) << "Applied migration" << version << name;
    emit migrationApplied(version, name);
    return true;
}

bool Database::inTransaction(const std::function<bool()> &body)
{
    if (m_transactionDepth > 0) {
        ++m_transactionDepth;
        const bool ok = body();
        --m_transactionDepth;
        m_transactionFailed = m_transactionFailed || !ok;
        return ok;
    }
    m_lastFailure = QSqlError();
    QSqlQuery begin(m_db);
    if (!beginImmediate(begin)) {
        m_lastFailure = begin.lastError();
        qCWarning(lcData) << "Database::inTransaction could not begin:" << begin.lastError().text();
        return false;
    }
    m_transactionDepth = 1;
    m_transactionFailed = false;
    const bool ok = body() && !m_transactionFailed;
    m_transactionDepth = 0;
    // COMMIT as a statement of its own: the driver's commit() drops SQLite's error code, and a
    // full disk often shows only here, when the pages are written.
    QSqlQuery commit(m_db);
    if (ok && commit.exec(QStringLiteral("COMMIT"))) {
        return true;
    }
    if (ok) {
        m_lastFailure = commit.lastError();
        qCWarning(lcData) << "Database::inTransaction commit failed:" << commit.lastError().text();
    } else {
        qCInfo(lcData) << "Database::inTransaction rolled back";
    }
    m_db.rollback();
    return false;
}

namespace {

// SQLite's primary result code (the low byte of the extended code the driver reports).
int primaryCode(const QSqlError &error)
{
    bool ok = false;
    const int code = error.nativeErrorCode().toInt(&ok);
    return ok ? (code & 0xff) : -1;
}

} // namespace

// Tries for the write lock without waiting first, so that a wait can be announced; then waits
// for it as every statement does.
bool Database::beginImmediate(QSqlQuery &begin)
{
    QSqlQuery pragma(m_db);
    pragma.exec(QStringLiteral("PRAGMA busy_timeout=0"));
    bool ok = begin.exec(QStringLiteral("BEGIN IMMEDIATE"));
    pragma.exec(QStringLiteral("PRAGMA busy_timeout=%1").arg(kBusyTimeoutMs));
    if (!ok && primaryCode(begin.lastError()) == 5) { // SQLITE_BUSY
        qCInfo(lcData) << "Waiting for another process's write lock";
        emit waitingForLock();
        ok = begin.exec(QStringLiteral("BEGIN IMMEDIATE"));
    }
    return ok;
}

void Database::noteReadFailure(const QSqlError &error)
{
    if (!error.isValid()) {
        return;
    }
    qCCritical(lcData).noquote() << "A read failed:" << error.text();
    const bool first = !m_readFailure.isValid();
    m_readFailure = error;
    if (first) {
        emit readFailed(
            describe(error, tr("Part of the data file could not be read (%1).").arg(error.text())));
    }
}

bool Database::isFatal(const QSqlError &error)
{
    switch (primaryCode(error)) {
    case 5:  // SQLITE_BUSY
    case 6:  // SQLITE_LOCKED
    case 7:  // SQLITE_NOMEM
    case 8:  // SQLITE_READONLY
    case 10: // SQLITE_IOERR
    case 11: // SQLITE_CORRUPT
    case 13: // SQLITE_FULL
    case 14: // SQLITE_CANTOPEN
    case 26: // SQLITE_NOTADB
        return true;
    default:
        return false;
    }
}

QString Database::describe(const QSqlError &error, const QString &fallback)
{
    switch (primaryCode(error)) {
    case 13:
        return tr("The disk is full. Nothing was changed.");
    case 8:
        return tr("The data file is read-only. Nothing was changed.");
    case 5:
    case 6:
        return tr("The data file is busy (another Ledgerwell program is writing). Nothing was "
                  "changed; try again.");
    case 10:
    case 14:
        return tr("The data file could not be written (a disk error). Nothing was changed.");
    case 11:
    case 26:
        return tr("The data file is damaged. Nothing was changed.");
    default:
        return fallback;
    }
}

QStringList Database::splitStatements(const QString &sql)
{
    QStringList result;
    QString accumulator;
    int depth = 0;
    const QStringList lines = sql.split(QLatin1Char('\n'));
    for (const QString &line : lines) {
        const QString t = line.trimmed();
        if (t.startsWith(QLatin1String("--"))) {
            continue;
        }
        accumulator += line + QLatin1Char('\n');
        const QString upper = t.toUpper();
        if (upper.contains(QLatin1String("BEGIN"))) {
            ++depth;
        }
        if (upper.startsWith(QLatin1String("END")) && depth >= 1) {
            --depth;
        }
        if (depth != 0 || !t.endsWith(QLatin1Char(';'))) {
            continue;
        }
        flushStatement(accumulator, result);
        accumulator.clear();
    }
    flushStatement(accumulator, result);
    return result;
}
