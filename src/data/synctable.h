#pragma once

#include "sqlrunner.h"

#include <QByteArray>
#include <QList>
#include <QString>

// The lifecycle and sync statements that every synced table shares, word for word but for the
// table's name: soft deletion (of one row or of an account's rows), restore, and the sync marks.
// Failures are logged as "<Repository>::<operation> failed:" with the driver's error.
class SyncTable
{
public:
    // A pending row as the push walks them: its place in the table and its id.
    struct PendingKey
    {
        qint64 rowId = 0;
        QString id;
    };

    SyncTable(const SqlRunner &sql, const char *table, const char *repository);

    // `logFailure` false for the repositories whose single-row delete fails silently.
    bool softDelete(const QString &id, bool logFailure = true) const;
    int softDeleteByAccount(const QString &accountId, bool *ok = nullptr) const;
    int restoreByAccount(const QString &accountId, const QString &deletedSince,
                         bool *ok = nullptr) const;
    bool markSynced(const QString &id, const QString &serverId) const;
    int markAllPendingForResync() const;
    // At most `limit` pending rows (deleted ones included) after `afterRowId`, in the table's
    // own order, so that a walk over them can go a batch at a time and pick up where it stopped.
    QList<PendingKey> pendingAfter(qint64 afterRowId, int limit) const;
    int pendingCount() const;

private:
    QString statement(const char *text) const;
    QByteArray failure(const char *operation) const;

    SqlRunner m_sql;
    QString m_table;
    QByteArray m_repository;
};
