#pragma once

#include "data/sqlrunner.h"

#include <QByteArray>
#include <QHash>
#include <QJsonObject>
#include <QObject>
#include <QSet>
#include <QStringList>

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
        QStringList errors;

        TableCounts &table(int index);
        int totalImported() const;
        int totalSkipped() const;
    };

    // Entries larger than this are not read (reported as invalid JSON).
    static constexpr qint64 kMaxEntrySize = 16 * 1024 * 1024;

    explicit BackupService(Database *database, QObject *parent = nullptr);

    QByteArray exportBackup() const;
    ImportResult importBackup(const QByteArray &archive, ImportMode mode);

signals:
    // Rows handled so far out of all rows, every 100 rows and at the end (long backups).
    void progress(int current, int total) const;

private:
    int exportTable(ZipWriter &zip, const QString &table, const QString &folder, int &done,
                    int total) const;
    void reportProgress(int done, int total) const;
    static QJsonObject rowToJson(const QSqlQuery &query);
    bool importRow(const QString &table, const QJsonObject &document, ImportMode mode);
    static QJsonObject resetSyncFields(QJsonObject document);
    const QSet<QString> &columnsOf(const QString &table);
    void importTable(const ZipReader &zip, const QStringList &names, int table, ImportMode mode,
                     ImportResult &result, int &done, int total);

    SqlRunner m_sql;
    QHash<QString, QSet<QString>> m_columns;
};
