#include "server/storage.h"

#include "server/migrations.h"

#include <QDateTime>
#include <QDir>
#include <QSqlError>
#include <QUrl>
#include <QUrlQuery>
#include <QUuid>

namespace {

// Text columns are NOT NULL: an unset QString is bound as the empty text it stands for.
void bindAll(QSqlQuery &query, const QVariantList &values)
{
    for (const QVariant &value : values) {
        if (value.typeId() == QMetaType::QString && value.toString().isNull()) {
            query.addBindValue(QStringLiteral(""));
        } else {
            query.addBindValue(value);
        }
    }
}

// PostgreSQL prepares only queries and row changes, not schema statements: a statement without
// values runs directly.
bool run(QSqlQuery &query, const QString &sql, const QVariantList &values)
{
    if (values.isEmpty()) {
        return query.exec(sql);
    }
    query.prepare(sql);
    bindAll(query, values);
    return query.exec();
}

} // namespace

Storage::Storage()
    : m_connection(QStringLiteral("server-") + QUuid::createUuid().toString(QUuid::WithoutBraces))
    , m_thread(QThread::currentThread())
{
}

Storage::~Storage()
{
    if (QSqlDatabase::contains(m_connection)) {
        QSqlDatabase::database(m_connection, false).close();
        QSqlDatabase::removeDatabase(m_connection);
    }
}

QSqlDatabase Storage::database() const
{
    if (QThread::currentThread() == m_thread) {
        return QSqlDatabase::database(m_connection, false);
    }
    const QString name =
        m_connection + QStringLiteral("-") +
        QString::number(reinterpret_cast<quintptr>(QThread::currentThreadId()), 16);
    if (!QSqlDatabase::contains(name)) {
        QSqlDatabase db = QSqlDatabase::cloneDatabase(m_connection, name);
        if (db.open()) {
            configure(db);
        } else {
            qWarning("Storage::database failed: %s", qPrintable(db.lastError().text()));
        }
    }
    return QSqlDatabase::database(name, false);
}

void Storage::configure(QSqlDatabase &db)
{
    QSqlQuery query(db);
    if (db.driverName() == QLatin1String("QPSQL")) {
        // Notices ("already exists, skipping") would go to standard error between the log lines.
        query.exec(QStringLiteral("SET client_min_messages TO WARNING"));
        return;
    }
    query.exec(QStringLiteral("PRAGMA foreign_keys = ON"));
    query.exec(QStringLiteral("PRAGMA busy_timeout = 5000"));
    // With WAL, NORMAL keeps the file consistent on a crash and spares an fsync per write.
    query.exec(QStringLiteral("PRAGMA synchronous = NORMAL"));
}

bool Storage::open(const QString &dataDir, const QString &databaseUrl, QString *error)
{
    const bool opened =
        databaseUrl.isEmpty() ? openSqlite(dataDir, error) : openPostgres(databaseUrl, error);
    if (!opened) {
        return false;
    }
    return Migrations::apply(*this, error);
}

bool Storage::openSqlite(const QString &dataDir, QString *error)
{
    if (!QDir().mkpath(dataDir)) {
        *error = QStringLiteral("cannot create the data directory %1").arg(dataDir);
        return false;
    }
    QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), m_connection);
    db.setDatabaseName(QDir(dataDir).filePath(QStringLiteral("ledgerwell-server.db")));
    if (!db.open()) {
        *error = db.lastError().text();
        return false;
    }
    QSqlQuery(db).exec(QStringLiteral("PRAGMA journal_mode = WAL"));
    configure(db);
    return true;
}

bool Storage::openPostgres(const QString &url, QString *error)
{
    const QUrl parsed(url, QUrl::StrictMode);
    if (!parsed.isValid() || (parsed.scheme() != QLatin1String("postgresql") &&
                              parsed.scheme() != QLatin1String("postgres"))) {
        *error = QStringLiteral("not a postgresql:// URL: %1").arg(parsed.toDisplayString());
        return false;
    }
    m_postgres = true;
    QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QPSQL"), m_connection);
    // A socket folder may be given as ?host=/path, as libpq's own URLs allow.
    const QString socketHost = QUrlQuery(parsed).queryItemValue(QStringLiteral("host"));
    db.setHostName(socketHost.isEmpty() ? parsed.host() : socketHost);
    db.setPort(parsed.port(5432));
    db.setUserName(parsed.userName());
    db.setPassword(parsed.password());
    const QString name = parsed.path().mid(1);
    db.setDatabaseName(name.isEmpty() ? QStringLiteral("postgres") : name);
    db.setConnectOptions(QStringLiteral("connect_timeout=5"));
    if (!db.open()) {
        *error = db.lastError().text();
        return false;
    }
    configure(db);
    return true;
}

bool Storage::exec(const QString &sql, const QVariantList &values, const char *what,
                   int *rowsAffected) const
{
    QSqlQuery query(database());
    if (!run(query, sql, values)) {
        qWarning("%s failed: %s", what, qPrintable(query.lastError().text()));
        return false;
    }
    if (rowsAffected) {
        *rowsAffected = query.numRowsAffected();
    }
    return true;
}

bool Storage::select(const QString &sql, const QVariantList &values, const char *what,
                     const std::function<void(const QSqlQuery &)> &row) const
{
    QSqlQuery query(database());
    query.setForwardOnly(true);
    if (!run(query, sql, values)) {
        qWarning("%s failed: %s", what, qPrintable(query.lastError().text()));
        return false;
    }
    while (query.next()) {
        row(query);
    }
    return true;
}

bool Storage::transaction(const std::function<bool()> &work) const
{
    QSqlDatabase db = database();
    if (!db.transaction()) {
        return false;
    }
    if (!work()) {
        db.rollback();
        return false;
    }
    return db.commit();
}

QString Storage::now()
{
    return QDateTime::currentDateTimeUtc().toString(Qt::ISODateWithMs);
}
