#include "backuprestore.h"

#include "backuptables.h"
#include "data/database.h"
#include "data/deferredsearchindex.h"
#include "data/money.h"
#include "zipreader.h"

#include <QJsonDocument>
#include <QSqlError>
#include <QSqlQuery>

#include <cmath>
#include <optional>

namespace {

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

BackupRestore::BackupRestore(Database *database, const std::atomic<bool> &cancelled,
                             Progress progress)
    : m_sql(database)
    , m_cancelled(cancelled)
    , m_progress(std::move(progress))
{
}

BackupRestore::ImportResult BackupRestore::run(const ZipReader &zip, ImportMode mode)
{
    if (m_cancelled) {
        return rolledBack({});
    }
    ImportResult result;
    const QString refused = refusal(zip);
    if (!refused.isEmpty()) {
        result.errors << refused;
        return result;
    }
    const QStringList names = zip.fileNames();
    const int total = int(names.size()) - 1;
    // One unit: a cancel, a full disk or any other failure leaves the data file as it was.
    int done = 0;
    const bool ok = m_sql.inTransaction([&] {
        for (int i = 0; i < int(kBackupTables.size()); ++i) {
            if (!importTable(zip, names, i, mode, result, done, total)) {
                return false;
            }
        }
        return true;
    });
    if (!ok) {
        return rolledBack(result.errors);
    }
    m_progress(total, total);
    return result;
}

QString BackupRestore::refusal(const ZipReader &zip) const
{
    if (!zip.isOpen()) {
        return tr("Failed to open ZIP archive");
    }
    const ZipReader::Expansion expansion = zip.expansion();
    if (expansion.totalSize > BackupService::kMaxTotalSize) {
        return tr("The backup is too large to restore: it expands to more than 2 GiB.");
    }
    if (expansion.worstRatio > BackupService::kMaxCompressionRatio) {
        return tr("The backup is not a Ledgerwell backup: its entry %1 expands more "
                  "than 200 times.")
            .arg(expansion.worstEntry);
    }
    const std::optional<QByteArray> manifestBytes =
        zip.read(QLatin1String(kBackupManifest), BackupService::kMaxEntrySize);
    if (!manifestBytes || manifestBytes->isEmpty()) {
        return tr("Invalid backup: missing manifest.json");
    }
    const int version =
        QJsonDocument::fromJson(*manifestBytes).object().value(QStringLiteral("version")).toInt(0);
    if (version != 1) {
        return tr("Unsupported backup version: %1").arg(version);
    }
    return {};
}

BackupRestore::ImportResult BackupRestore::rolledBack(const QStringList &rowErrors) const
{
    ImportResult result;
    result.rolledBack = true;
    result.cancelled = m_cancelled;
    // A failure at the commit (a full disk shows there) has no row to blame.
    result.errors << (m_cancelled           ? tr("Import cancelled; nothing was changed.")
                      : m_failure.isEmpty() ? describeFailure()
                                            : m_failure);
    result.errors << rowErrors;
    qCWarning(lcBackup).noquote() << "Backup import rolled back:" << result.errors.first();
    return result;
}

bool BackupRestore::importTable(const ZipReader &zip, const QStringList &names, int index,
                                ImportMode mode, ImportResult &result, int &done, int total)
{
    const BackupTable &table = kBackupTables[size_t(index)];
    const QString prefix = QString::fromLatin1(table.folder) + QLatin1Char('/');
    const QString name = QString::fromLatin1(table.name);
    BackupService::TableCounts &counts = result.table(index);
    m_failure.clear();
    RowWriter writer(m_sql.database(), name == QLatin1String("transactions"));
    for (const QString &entry : names) {
        if (!entry.startsWith(prefix) || !entry.endsWith(QLatin1String(".json"))) {
            continue;
        }
        m_progress(++done, total);
        if (m_cancelled) {
            return false;
        }
        const std::optional<QByteArray> bytes = zip.read(entry, BackupService::kMaxEntrySize);
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

bool BackupRestore::stop(const QString &reason)
{
    m_failure = reason;
    return false;
}

QString BackupRestore::describeFailure(const QSqlError &error) const
{
    return Database::describe(error.isValid() ? error : m_sql.lastFailure(),
                              tr("The backup could not be imported; nothing was changed."));
}

QJsonObject BackupRestore::resetSyncFields(QJsonObject document)
{
    document.insert(QStringLiteral("sync_status"), QStringLiteral("pending"));
    document.insert(QStringLiteral("server_id"), QJsonValue::Null);
    document.insert(QStringLiteral("version"), 1);
    return document;
}

const QSet<QString> &BackupRestore::columnsOf(const QString &table)
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

BackupRestore::RowOutcome BackupRestore::importRow(const QString &table,
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

bool BackupRestore::isUntouchedDefault(const QString &table, const QString &id)
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
