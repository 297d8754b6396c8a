#pragma once

#include "sqlrunner.h"

#include <QByteArray>
#include <QString>

// The lifecycle and sync statements that every synced table shares, word for word but for the
// table's name: soft deletion (of one row or of an account's rows), restore, and the sync marks.
// Failures are logged as "<Repository>::<operation> failed:" with the driver's error.
class SyncTable
{
public:
    SyncTable(const SqlRunner &sql, const char *table, const char *repository);

    // `logFailure` false for the repositories whose single-row delete fails silently.
    bool softDelete(const QString &id, bool logFailure = true) const;
    int softDeleteByAccount(const QString &accountId, bool *ok = nullptr) const;
    int restoreByAccount(const QString &accountId, const QString &deletedSince,
                         bool *ok = nullptr) const;
    bool markSynced(const QString &id, const QString &serverId) const;
    int markAllPendingForResync() const;

private:
    QString statement(const char *text) const;
    QByteArray failure(const char *operation) const;

    SqlRunner m_sql;
    QString m_table;
    QByteArray m_repository;
};
