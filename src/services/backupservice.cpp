#include "backupservice.h"

#include "backuprestore.h"
#include "backuptables.h"
#include "data/database.h"
#include "data/datetimes.h"
#include "zipreader.h"
#include "zipwriter.h"

#include <QFile>
#include <QJsonDocument>
#include <QLoggingCategory>
#include <QSqlError>
#include <QSqlQuery>
#include <QSqlRecord>
#include <QThread>

#include <chrono>
#include <future>

Q_LOGGING_CATEGORY(lcBackup, "ledgerwell.backup")

namespace {

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
    , m_database(database)
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
    for (const BackupTable &table : kBackupTables) {
        total += m_sql
                     .one(QStringLiteral("SELECT COUNT(*) FROM %1").arg(QLatin1String(table.name)),
                          {}, [](const QSqlQuery &q) { return q.value(0).toInt(); })
                     .value_or(0);
    }
    ZipWriter zip;
    QJsonObject manifest{{QStringLiteral("version"), 1},
                         {QStringLiteral("exportedAt"), DateTimes::nowText()}};
    int done = 0;
    for (const BackupTable &table : kBackupTables) {
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
    zip.addFile(QLatin1String(kBackupManifest),
                QJsonDocument(manifest).toJson(QJsonDocument::Indented));
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
    return importFrom([archive] { return archive; }, mode);
}

BackupService::ImportResult BackupService::importBackupFile(const QString &path, ImportMode mode)
{
    // A large backup takes a moment to read as well: it is read where it is restored. A file
    // that cannot be read is an archive that does not open.
    return importFrom(
        [path] {
            QFile file(path);
            return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
        },
        mode);
}

BackupService::ImportResult BackupService::importFrom(const std::function<QByteArray()> &load,
                                                      ImportMode mode)
{
    m_cancelRequested = false;
    m_done = 0;
    m_total = 0;
    const QString path = m_database->path();
    ImportResult result;
    if (path.isEmpty() || path == QLatin1String(":memory:")) {
        result = restoreHere(load(), mode);
    } else {
        // The whole restore runs beside the caller on a connection of its own, its commit and
        // the copy of the log into the data file included: each of them is one long call into
        // SQLite on a large backup. The caller's thread hears how far it got every few
        // milliseconds, and its own connection reads the file as it was until the commit.
        const qint64 pageLimit =
            m_sql
                .one(QStringLiteral("PRAGMA max_page_count"), {},
                     [](const QSqlQuery &q) { return q.value(0).toLongLong(); })
                .value_or(0);
        result = runBeside([this, &load, mode, path,
                            pageLimit] { return restoreBeside(load, mode, path, pageLimit); },
                           [this] { emit progress(m_done, m_total); });
    }
    if (!result.rolledBack && m_total > 0) {
        emit progress(m_total, m_total);
    }
    return result;
}

BackupService::ImportResult BackupService::unreadable()
{
    // An empty file, or one that could not be read, is no archive at all.
    ImportResult result;
    result.errors << tr("Failed to open ZIP archive");
    return result;
}

BackupService::ImportResult BackupService::restoreBeside(const std::function<QByteArray()> &load,
                                                         ImportMode mode, const QString &path,
                                                         qint64 pageLimit)
{
    const QString name =
        QStringLiteral("ledgerwell-restore-%1").arg(quintptr(QThread::currentThreadId()), 0, 16);
    Database database(name, nullptr);
    if (!database.open(path)) {
        ImportResult result;
        result.errors << tr("The backup could not be imported; nothing was changed.");
        return result;
    }
    // The file may grow no further here than on the caller's connection.
    if (pageLimit > 0) {
        QSqlQuery(database.database())
            .exec(QStringLiteral("PRAGMA max_page_count = %1").arg(pageLimit));
    }
    const QByteArray archive = load();
    if (archive.isEmpty()) {
        return unreadable();
    }
    const ZipReader zip(archive);
    return restore(&database, zip, mode, [this](int done, int total) {
        m_done = done;
        m_total = total;
    });
}

BackupService::ImportResult BackupService::restoreHere(const QByteArray &archive, ImportMode mode)
{
    if (archive.isEmpty()) {
        return unreadable();
    }
    // Opening checks every entry against the archive's directory, a second or more for a large
    // backup: it runs beside the caller, whose listeners see a progress without a total.
    const std::unique_ptr<const ZipReader> zip =
        runBeside([archive] { return std::make_unique<const ZipReader>(archive); },
                  [this] { emit progress(0, 0); });
    return restore(m_database, *zip, mode, [this](int done, int total) {
        m_total = total;
        reportProgress(done, total);
    });
}

BackupService::ImportResult BackupService::restore(Database *database, const ZipReader &zip,
                                                   ImportMode mode,
                                                   const std::function<void(int, int)> &progress)
{
    Database::setCacheSize(database->database(), Database::kBulkCacheKiB);
    const ImportResult result = BackupRestore(database, m_cancelRequested, progress).run(zip, mode);
    Database::setCacheSize(database->database(), Database::kDefaultCacheKiB);
    return result;
}

void BackupService::cancel()
{
    m_cancelRequested = true;
}
