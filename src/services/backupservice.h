#pragma once

#include "data/sqlrunner.h"

#include <QByteArray>
#include <QJsonObject>
#include <QObject>
#include <QStringList>

#include <atomic>
#include <functional>
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
    // The same for the archive in this file, read beside the caller as well.
    ImportResult importBackupFile(const QString &path, ImportMode mode);
    // Asks a running export or import (from a slot of `progress`) to stop; an import rolls back.
    void cancel();

signals:
    // Rows handled so far out of all rows: during an export every 100 rows, during an import
    // every few milliseconds (a total of 0 while the archive is opened), and at the end.
    void progress(int current, int total) const;

private:
    int exportTable(ZipWriter &zip, const QString &table, const QString &folder, int &done,
                    int total);
    void reportProgress(int done, int total) const;
    static QJsonObject rowToJson(const QSqlQuery &query);
    QByteArray exportArchive(bool salvage);
    // On a thread of its own, with a connection of its own to the data file.
    static ImportResult unreadable();
    ImportResult importFrom(const std::function<QByteArray()> &load, ImportMode mode);
    ImportResult restoreBeside(const std::function<QByteArray()> &load, ImportMode mode,
                               const QString &path, qint64 pageLimit);
    // A database no other connection can open (in memory) is restored on its own connection.
    ImportResult restoreHere(const QByteArray &archive, ImportMode mode);
    ImportResult restore(Database *database, const ZipReader &zip, ImportMode mode,
                         const std::function<void(int, int)> &progress);

    Database *m_database;
    SqlRunner m_sql;
    std::atomic<bool> m_cancelRequested = false;
    // How far a running import got, written by the thread it runs on.
    std::atomic<int> m_done = 0;
    std::atomic<int> m_total = 0;
    QString m_exportError;
    QStringList m_exportProblems;
    bool m_salvage = false;
};
