#include "backupservice.h"

#include "data/database.h"
#include "data/datetimes.h"
#include "data/deferredsearchindex.h"
#include "data/money.h"
#include "zipreader.h"
#include "zipwriter.h"

#include <QJsonDocument>
#include <QLoggingCategory>
#include <QSqlError>
#include <QSqlQuery>
#include <QSqlRecord>
#include <QThread>

#include <array>
#include <chrono>
#include <cmath>
#include <future>

Q_LOGGING_CATEGORY(lcBackup, "ledgerwell.backup")

namespace {

struct BackupTable
{
    const char *name;
    const char *folder;
    const char *countKey;
    bool hasSyncColumns;
};

// The archive's order: parents before the rows that reference them.
constexpr std::array<BackupTable, 6> kTables{{
    {"accounts", "accounts", "accountCount", true},
    {"categories", "categories", "categoryCount", true},
    {"transactions", "transactions", "transactionCount", true},
    {"split_lines", "split_lines", "splitLineCount", false},
    {"recurring_transactions", "recurring", "recurringCount", true},
    {"reconciliations", "reconciliations", "reconciliationCount", true},
}};

const QString kManifest = QStringLiteral("manifest.json");

// The columns that hold money; a row with a value beyond what the program stores is refused,
// since sums over it would overflow.
const QStringList kAmountColumns = {QStringLiteral("amount"), QStringLiteral("starting_balance"),
                                    QStringLiteral("statement_balance"),
                                    QStringLiteral("reconciled_balance")};

bool hasStorableAmounts(const QJsonObject &document)
{
    for (const QString &column : kAmountColumns) {
        const QJsonValue value = document.value(column);
        if (value.isDouble() && !(std::fabs(value.toDouble()) <= double(kMaxStoredAmount))) {
            return false;
        }
    }
    return true;
}
constexpr int kRowsPerFlush = 1000;

QVariant bindable(const QJsonValue &value)
{
    if (value.isNull() || value.isUndefined()) {
        return QVariant(QMetaType::fromType<QString>());
    }
    // Numbers are always stored as integers.
    if (value.isDouble()) {
        return QVariant(value.toInteger());
    }
    return value.toVariant();
}

// How often a restore says it is alive while one long step runs on a thread of its own.
constexpr std::chrono::milliseconds kHeartbeat(40);

// Runs `work` on a thread of its own; `heartbeat` is called on the caller's thread at once and
// every few milliseconds while it runs, so that a window listening to the progress keeps painting.
template <typename Work>
auto runBeside(Work work, const std::function<void()> &heartbeat)
{
    auto running = std::async(std::launch::async, std::move(work));
    do {
        heartbeat();
    } while (running.wait_for(kHeartbeat) != std::future_status::ready);
    return running.get();
}

// Copies a large write from the write-ahead log into the data file on a connection of its own
// (its own thread, too): SQLite would otherwise do it inside the commit, in one long call.
void checkpoint(const QString &path)
{
    const QString name =
        QStringLiteral("ledgerwell-checkpoint-%1").arg(quintptr(QThread::currentThreadId()), 0, 16);
    {
        QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), name);
        db.setDatabaseName(path);
        if (db.open()) {
            QSqlQuery query(db);
            if (!query.exec(QStringLiteral("PRAGMA wal_checkpoint(PASSIVE)"))) {
                qCWarning(lcBackup)
                    << "Checkpoint after the restore failed:" << query.lastError().text();
            }
        }
    }
    QSqlDatabase::removeDatabase(name);
}

// Every row is written under its own savepoint, so that a row the schema refuses is left out
// alone; the transactions table's text index is brought up to date every kRowsPerFlush rows
// instead of per row. All of it runs inside the restore's one database transaction.
class RowWriter
{
public:
    RowWriter(const QSqlDatabase &db, bool deferIndex)
        : m_db(db)
    {
        if (deferIndex) {
            m_index.emplace(db);
            if (!m_index->begin()) {
                m_index.reset();
            }
        }
    }

    // A row already written since the last flush is indexed before it can be overwritten.
    bool beginRow(const QString &id)
    {
        if (m_index && (m_ids.contains(id) || m_ids.size() >= kRowsPerFlush)) {
            if (!m_index->flush()) {
                return fail(m_index->lastError());
            }
            m_ids.clear();
        }
        m_ids.insert(id);
        return exec(QStringLiteral("SAVEPOINT backup_row"));
    }

    bool endRow(bool written)
    {
        return (written || exec(QStringLiteral("ROLLBACK TO backup_row"))) &&
               exec(QStringLiteral("RELEASE backup_row"));
    }

    // Indexes what is left and puts the index trigger back.
    bool finish() { return !m_index || m_index->finish() || fail(m_index->lastError()); }

    // Why the writer's own last statement failed (a full disk, say); invalid when none did.
    QSqlError error() const { return m_error; }

private:
    bool exec(const QString &sql)
    {
        QSqlQuery query(m_db);
        return query.exec(sql) || fail(query.lastError());
    }

    bool fail(const QSqlError &error)
    {
        m_error = error;
        return false;
    }

    QSqlDatabase m_db;
    QSqlError m_error;
    std::optional<DeferredSearchIndex> m_index;
    QSet<QString> m_ids;
};

} // namespace

BackupService::TableCounts &BackupService::ImportResult::table(int index)
{
    TableCounts *all[] = {&accounts,   &categories, &transactions,
                          &splitLines, &recurring,  &reconciliations};
    return *all[index];
}

int BackupService::ImportResult::totalImported() const
{
    return accounts.imported + categories.imported + transactions.imported + splitLines.imported +
           recurring.imported + reconciliations.imported;
}

int BackupService::ImportResult::totalSkipped() const
{
    return accounts.skipped + categories.skipped + transactions.skipped + splitLines.skipped +
           recurring.skipped + reconciliations.skipped;
}

BackupService::BackupService(Database *database, QObject *parent)
    : QObject(parent)
    , m_sql(database)
{
}

QByteArray BackupService::exportBackup()
{
    return exportArchive(false);
}

QByteArray BackupService::exportReadable()
{
    return exportArchive(true);
}

QByteArray BackupService::exportArchive(bool salvage)
{
    m_cancelRequested = false;
    m_salvage = salvage;
    m_exportError.clear();
    m_exportProblems.clear();
    int total = 0;
    for (const BackupTable &table : kTables) {
        total += m_sql
                     .one(QStringLiteral("SELECT COUNT(*) FROM %1").arg(QLatin1String(table.name)),
                          {}, [](const QSqlQuery &q) { return q.value(0).toInt(); })
                     .value_or(0);
    }
    ZipWriter zip;
    QJsonObject manifest{{QStringLiteral("version"), 1},
                         {QStringLiteral("exportedAt"), DateTimes::nowText()}};
    int done = 0;
    for (const BackupTable &table : kTables) {
        manifest.insert(QLatin1String(table.countKey),
                        exportTable(zip, QString::fromLatin1(table.name),
                                    QString::fromLatin1(table.folder), done, total));
    }
    if (m_cancelRequested) {
        m_exportError = tr("The export was cancelled.");
        return {};
    }
    if (!m_salvage && !m_exportProblems.isEmpty()) {
        m_exportError = tr("The data file could not be read whole, so no backup was written: "
                           "%1. Check the data file (ledgerwell-cli check).")
                            .arg(m_exportProblems.first());
        return {};
    }
    zip.addFile(kManifest, QJsonDocument(manifest).toJson(QJsonDocument::Indented));
    const QByteArray bytes = zip.finish();
    emit progress(total, total);
    return bytes;
}

void BackupService::reportProgress(int done, int total) const
{
    if (done % 100 == 0) {
        emit progress(done, total);
    }
}

int BackupService::exportTable(ZipWriter &zip, const QString &table, const QString &folder,
                               int &done, int total)
{
    QSqlQuery query(m_sql.database());
    query.setForwardOnly(true);
    if (!query.exec(QStringLiteral("SELECT * FROM %1").arg(table))) {
        qCWarning(lcBackup) << "BackupService export query failed:" << query.lastError().text();
        m_exportProblems << tr("%1: %2").arg(table, query.lastError().text());
        return 0;
    }
    int count = 0;
    while (!m_cancelRequested && (m_salvage || m_exportProblems.isEmpty()) && query.next()) {
        const QJsonObject document = rowToJson(query);
        const QString name = QStringLiteral("%1/%2.json")
                                 .arg(folder, document.value(QStringLiteral("id")).toString());
        if (zip.addFile(name, QJsonDocument(document).toJson(QJsonDocument::Indented))) {
            ++count;
        }
        reportProgress(++done, total);
    }
    // next() also ends at a page that cannot be read: that is a failure, not the last row.
    if (query.lastError().isValid()) {
        qCWarning(lcBackup) << "BackupService export broke off:" << table
                            << query.lastError().text();
        m_exportProblems
            << tr("%1 after %2 rows: %3").arg(table).arg(count).arg(query.lastError().text());
    }
    return count;
}

QJsonObject BackupService::rowToJson(const QSqlQuery &query)
{
    const QSqlRecord record = query.record();
    QJsonObject document;
    for (int i = 0; i < record.count(); ++i) {
        const QVariant value = query.value(i);
        QJsonValue json;
        if (value.isNull()) {
            json = QJsonValue::Null;
        } else {
            switch (value.metaType().id()) {
            case QMetaType::LongLong:
            case QMetaType::Int:
                json = value.toLongLong();
                break;
            case QMetaType::Double:
                json = value.toDouble();
                break;
            case QMetaType::Bool:
                json = value.toBool();
                break;
            default:
                json = value.toString();
                break;
            }
        }
        document.insert(record.fieldName(i), json);
    }
    return document;
}

BackupService::ImportResult BackupService::importBackup(const QByteArray &archive, ImportMode mode)
{
    ImportResult result;
    m_cancelRequested = false;
    const std::unique_ptr<const ZipReader> opened = openArchive(archive);
    const ZipReader &zip = *opened;
    if (m_cancelRequested) {
        result.cancelled = result.rolledBack = true;
        result.errors << tr("Import cancelled; nothing was changed.");
        qCWarning(lcBackup).noquote() << "Backup import rolled back:" << result.errors.first();
        return result;
    }
    if (!zip.isOpen()) {
        result.errors << tr("Failed to open ZIP archive");
        return result;
    }
    const ZipReader::Expansion expansion = zip.expansion();
    if (expansion.totalSize > kMaxTotalSize) {
        result.errors << tr("The backup is too large to restore: it expands to more than 2 GiB.");
        return result;
    }
    if (expansion.worstRatio > kMaxCompressionRatio) {
        result.errors << tr("The backup is not a Ledgerwell backup: its entry %1 expands more "
                            "than 200 times.")
                             .arg(expansion.worstEntry);
        return result;
    }
    const std::optional<QByteArray> manifestBytes = zip.read(kManifest, kMaxEntrySize);
    if (!manifestBytes || manifestBytes->isEmpty()) {
        result.errors << tr("Invalid backup: missing manifest.json");
        return result;
    }
    const int version =
        QJsonDocument::fromJson(*manifestBytes).object().value(QStringLiteral("version")).toInt(0);
    if (version != 1) {
        result.errors << tr("Unsupported backup version: %1").arg(version);
        return result;
    }
    const QStringList names = zip.fileNames();
    const int total = int(names.size()) - 1;
    Database::setCacheSize(m_sql.database(), Database::kBulkCacheKiB);
    // The log is copied into the data file after the commit, beside the caller (see below).
    setAutoCheckpoint(0);
    // One unit: a cancel, a full disk or any other failure leaves the data file as it was.
    int done = 0;
    const bool ok = m_sql.inTransaction([&] {
        for (int i = 0; i < int(kTables.size()); ++i) {
            if (!importTable(zip, names, i, mode, result, done, total)) {
                return false;
            }
        }
        return true;
    });
    Database::setCacheSize(m_sql.database(), Database::kDefaultCacheKiB);
    setAutoCheckpoint(kAutoCheckpointPages);
    if (!ok) {
        const QStringList rowErrors = result.errors;
        result = ImportResult();
        result.rolledBack = true;
        result.cancelled = m_cancelRequested;
        // A failure at the commit (a full disk shows there) has no row to blame.
        result.errors << (m_cancelRequested     ? tr("Import cancelled; nothing was changed.")
                          : m_failure.isEmpty() ? describeFailure()
                                                : m_failure);
        result.errors << rowErrors;
        qCWarning(lcBackup).noquote() << "Backup import rolled back:" << result.errors.first();
        return result;
    }
    const QString path = m_sql.database().databaseName();
    runBeside([path] { checkpoint(path); }, [this] { emit progress(0, 0); });
    emit progress(total, total);
    return result;
}

std::unique_ptr<const ZipReader> BackupService::openArchive(const QByteArray &archive) const
{
    // Opening checks every entry against the archive's directory, a second or more for a large
    // backup: it runs beside the caller, whose listeners see a progress without a total.
    return runBeside([archive] { return std::make_unique<const ZipReader>(archive); },
                     [this] { emit progress(0, 0); });
}

void BackupService::setAutoCheckpoint(int pages) const
{
    QSqlQuery(m_sql.database()).exec(QStringLiteral("PRAGMA wal_autocheckpoint=%1").arg(pages));
}

void BackupService::cancel()
{
    m_cancelRequested = true;
}

bool BackupService::stop(const QString &reason)
{
    m_failure = reason;
    return false;
}

bool BackupService::importTable(const ZipReader &zip, const QStringList &names, int index,
                                ImportMode mode, ImportResult &result, int &done, int total)
{
    const BackupTable &table = kTables[size_t(index)];
    const QString prefix = QString::fromLatin1(table.folder) + QLatin1Char('/');
    const QString name = QString::fromLatin1(table.name);
    TableCounts &counts = result.table(index);
    m_failure.clear();
    RowWriter writer(m_sql.database(), name == QLatin1String("transactions"));
    for (const QString &entry : names) {
        if (!entry.startsWith(prefix) || !entry.endsWith(QLatin1String(".json"))) {
            continue;
        }
        reportProgress(++done, total);
        if (m_cancelRequested) {
            return false;
        }
        const std::optional<QByteArray> bytes = zip.read(entry, kMaxEntrySize);
        const QJsonObject document =
            bytes ? QJsonDocument::fromJson(*bytes).object() : QJsonObject();
        if (document.isEmpty()) {
            result.errors << tr("%1: invalid JSON").arg(entry);
            continue;
        }
        const QJsonObject row = table.hasSyncColumns ? resetSyncFields(document) : document;
        if (!writer.beginRow(row.value(QStringLiteral("id")).toString())) {
            return stop(describeFailure(writer.error()));
        }
        const RowOutcome outcome = importRow(name, row, mode);
        if (outcome == RowOutcome::Refused) {
            result.errors << tr("%1: the amount is larger than Ledgerwell can hold").arg(entry);
        } else if (outcome == RowOutcome::Failed) {
            const QSqlError error = m_sql.lastFailure();
            if (Database::isFatal(error)) {
                return stop(describeFailure());
            }
            result.errors << tr("%1: %2").arg(entry, error.text());
        } else {
            ++(outcome == RowOutcome::Written ? counts.imported : counts.skipped);
        }
        if (!writer.endRow(outcome == RowOutcome::Written)) {
            return stop(describeFailure(writer.error()));
        }
    }
    return writer.finish() || stop(describeFailure(writer.error()));
}

QString BackupService::describeFailure(const QSqlError &error) const
{
    return Database::describe(error.isValid() ? error : m_sql.lastFailure(),
                              tr("The backup could not be imported; nothing was changed."));
}

QJsonObject BackupService::resetSyncFields(QJsonObject document)
{
    document.insert(QStringLiteral("sync_status"), QStringLiteral("pending"));
    document.insert(QStringLiteral("server_id"), QJsonValue::Null);
    document.insert(QStringLiteral("version"), 1);
    return document;
}

const QSet<QString> &BackupService::columnsOf(const QString &table)
{
    auto it = m_columns.find(table);
    if (it == m_columns.end()) {
        const QStringList names =
            m_sql.list(QStringLiteral("SELECT name FROM pragma_table_info(?)"), {table},
                       [](const QSqlQuery &q) { return q.value(0).toString(); });
        it = m_columns.insert(table, QSet<QString>(names.cbegin(), names.cend()));
    }
    return *it;
}

BackupService::RowOutcome BackupService::importRow(const QString &table,
                                                   const QJsonObject &document, ImportMode mode)
{
    const QString id = document.value(QStringLiteral("id")).toString();
    if (id.isEmpty()) {
        return RowOutcome::Skipped;
    }
    // Member names become SQL: only the table's own columns are accepted.
    const QSet<QString> &columns = columnsOf(table);
    const QStringList members = document.keys();
    for (const QString &member : members) {
        if (!columns.contains(member)) {
            return RowOutcome::Skipped;
        }
    }
    if (!hasStorableAmounts(document)) {
        return RowOutcome::Refused;
    }
    const auto local =
        m_sql.one(QStringLiteral("SELECT id, updated_at FROM %1 WHERE id = ?").arg(table), {id},
                  [](const QSqlQuery &q) { return q.value(1).toString(); });
    QVariantList values;
    if (!local) {
        QStringList marks;
        for (const QString &member : members) {
            values << bindable(document.value(member));
            marks << QStringLiteral("?");
        }
        return outcome(m_sql.write(
            QStringLiteral("INSERT INTO %1 (%2) VALUES (%3)")
                .arg(table, members.join(QLatin1String(", ")), marks.join(QLatin1String(", "))),
            values, nullptr));
    }
    const QString incoming = document.value(QStringLiteral("updated_at")).toString();
    // The same row as here (a backup of this very file) is nothing to take over.
    const bool yields =
        mode == ImportMode::Overwrite || (incoming != *local && isUntouchedDefault(table, id));
    if (!yields &&
        (mode == ImportMode::SkipExisting || (!incoming.isEmpty() && !(incoming > *local)))) {
        return RowOutcome::Skipped;
    }
    QStringList assignments;
    for (const QString &member : members) {
        if (member != QLatin1String("id")) {
            assignments << member + QStringLiteral(" = ?");
            values << bindable(document.value(member));
        }
    }
    values << id;
    return outcome(m_sql.write(QStringLiteral("UPDATE %1 SET %2 WHERE id = ?")
                                   .arg(table, assignments.join(QLatin1String(", "))),
                               values, nullptr));
}

bool BackupService::isUntouchedDefault(const QString &table, const QString &id)
{
    if (table != QLatin1String("categories")) {
        return false;
    }
    return m_sql
        .one(QStringLiteral("SELECT 1 FROM categories WHERE id = ? AND is_default = 1 AND "
                            "version = 1 AND server_id IS NULL AND updated_at = created_at AND "
                            "deleted_at IS NULL"),
             {id}, [](const QSqlQuery &) { return true; })
        .value_or(false);
}
