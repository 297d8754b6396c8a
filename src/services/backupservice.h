#pragma once

#include "data/sqlrunner.h"

#include <QByteArray>
#include <QHash>
#include <QJsonObject>
#include <QObject>
#include <QSet>
#include <QStringList>

#include <memory>

class Database;
class ZipReader;
class ZipWriter;

// Writes the whole data file as a ZIP of JSON documents (one per row) and reads such an archive
// back under one of three merge modes. Works on the connection directly, so no repository emits.
class BackupService final : public QObject
{
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(BackupService)

public:
    enum class ImportMode
    {
        SkipExisting = 0,
        Overwrite = 1,
        KeepNewer = 2
    };

    struct TableCounts
    {
        int imported = 0;
        int skipped = 0;
    };

    // Counts per table, in archive order: accounts, categories, transactions, split lines,
    // recurring entries, reconciliations.
    struct ImportResult
    {
        TableCounts accounts;
        TableCounts categories;
        TableCounts transactions;
        TableCounts splitLines;
        TableCounts recurring;
        TableCounts reconciliations;
        // A row a table refused, or, when the import was rolled back, the reason first.
        QStringList errors;
        // Nothing was stored (every count is 0): cancelled, or stopped by a failure.
        bool rolledBack = false;
        bool cancelled = false;

        TableCounts &table(int index);
        int totalImported() const;
        int totalSkipped() const;
    };

    // Entries larger than this are not read (reported as invalid JSON).
    static constexpr qint64 kMaxEntrySize = 16 * 1024 * 1024;
    // Archives that would expand beyond these are refused before anything is read: a small
    // hostile file must not fill the disk or the memory.
    static constexpr quint64 kMaxTotalSize = quint64(2) * 1024 * 1024 * 1024;
    static constexpr double kMaxCompressionRatio = 200;
    // SQLite's own default, put back after a restore that turned it off.
    static constexpr int kAutoCheckpointPages = 1000;

    explicit BackupService(Database *database, QObject *parent = nullptr);

    // The whole archive; empty when cancel() was called or a table could not be read whole
    // (exportError() says why): a backup that silently lacks rows is worse than none.
    QByteArray exportBackup();
    // What a damaged data file still holds: a table that breaks off part-way keeps the rows
    // read before the break, and exportProblems() lists what was lost.
    QByteArray exportReadable();
    QString exportError() const { return m_exportError; }
    QStringList exportProblems() const { return m_exportProblems; }
    // One database transaction: every row or, after a cancel or a failure that leaves nothing
    // safe to write (a full disk, say), none (every count 0, the reason first in `errors`).
    // Rows a table refuses on their own are left out and listed in `errors`.
    ImportResult importBackup(const QByteArray &archive, ImportMode mode);
    // Asks a running export or import (from a slot of `progress`) to stop; an import rolls back.
    void cancel();

signals:
    // Rows handled so far out of all rows, every 100 rows and at the end (long backups). While
    // an import runs a long step that has no rows to count, a total of 0 every few milliseconds.
    void progress(int current, int total) const;

private:
    int exportTable(ZipWriter &zip, const QString &table, const QString &folder, int &done,
                    int total);
    void reportProgress(int done, int total) const;
    static QJsonObject rowToJson(const QSqlQuery &query);
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
    RowOutcome importRow(const QString &table, const QJsonObject &document, ImportMode mode);
    // A default category as seeded, never edited nor synced: the backup's row of that id wins.
    bool isUntouchedDefault(const QString &table, const QString &id);
    QByteArray exportArchive(bool salvage);
    bool stop(const QString &reason);
    // `error` when valid, else the last statement that failed, in words for the user.
    QString describeFailure(const QSqlError &error = QSqlError()) const;
    static QJsonObject resetSyncFields(QJsonObject document);
    const QSet<QString> &columnsOf(const QString &table);
    std::unique_ptr<const ZipReader> openArchive(const QByteArray &archive) const;
    void setAutoCheckpoint(int pages) const;
    bool importTable(const ZipReader &zip, const QStringList &names, int table, ImportMode mode,
                     ImportResult &result, int &done, int total);

    SqlRunner m_sql;
    QHash<QString, QSet<QString>> m_columns;
    bool m_cancelRequested = false;
    QString m_failure;
    QString m_exportError;
    QStringList m_exportProblems;
    bool m_salvage = false;
};
