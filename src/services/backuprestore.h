#pragma once

#include "backupservice.h"
#include "data/sqlrunner.h"

#include <QCoreApplication>
#include <QHash>
#include <QJsonObject>
#include <QLoggingCategory>
#include <QSet>
#include <QString>

#include <atomic>
#include <functional>

class ZipReader;

Q_DECLARE_LOGGING_CATEGORY(lcBackup)

// One restore of a backup archive into one connection, as one database transaction. It runs on
// whichever thread owns that connection; it reports how far it got through `progress` and stops
// (rolling everything back) once `cancelled` turns true.
class BackupRestore
{
    Q_DECLARE_TR_FUNCTIONS(BackupService)

public:
    using ImportMode = BackupService::ImportMode;
    using ImportResult = BackupService::ImportResult;
    // Rows handled so far out of all rows; a total of 0 while the archive is being opened.
    using Progress = std::function<void(int done, int total)>;

    BackupRestore(Database *database, const std::atomic<bool> &cancelled, Progress progress);

    ImportResult run(const ZipReader &zip, ImportMode mode);

private:
    enum class RowOutcome
    {
        Written,
        Skipped, // present and kept, or not a row of ours
        Refused, // an amount beyond what the program stores
        Failed
    };
    static RowOutcome outcome(bool written)
    {
        return written ? RowOutcome::Written : RowOutcome::Failed;
    }
    // Refuses an archive that is not one of ours, or would expand beyond what may be restored.
    QString refusal(const ZipReader &zip) const;
    ImportResult rolledBack(const QStringList &rowErrors) const;
    bool importTable(const ZipReader &zip, const QStringList &names, int table, ImportMode mode,
                     ImportResult &result, int &done, int total);
    RowOutcome importRow(const QString &table, const QJsonObject &document, ImportMode mode);
    // A default category as seeded, never edited nor synced: the backup's row of that id wins.
    bool isUntouchedDefault(const QString &table, const QString &id);
    const QSet<QString> &columnsOf(const QString &table);
    bool stop(const QString &reason);
    // `error` when valid, else the last statement that failed, in words for the user.
    QString describeFailure(const QSqlError &error = QSqlError()) const;
    static QJsonObject resetSyncFields(QJsonObject document);

    SqlRunner m_sql;
    const std::atomic<bool> &m_cancelled;
    Progress m_progress;
    QHash<QString, QSet<QString>> m_columns;
    QString m_failure;
};
