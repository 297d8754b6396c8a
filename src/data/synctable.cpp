#include "synctable.h"

#include "datetimes.h"

SyncTable::SyncTable(const SqlRunner &sql, const char *table, const char *repository)
    : m_sql(sql)
    , m_table(QString::fromLatin1(table))
    , m_repository(repository)
{
}

QString SyncTable::statement(const char *text) const
{
    return QString::fromLatin1(text).arg(m_table);
}

QByteArray SyncTable::failure(const char *operation) const
{
    return m_repository + "::" + operation + " failed:";
}

bool SyncTable::softDelete(const QString &id, bool logFailure) const
{
    const QString time = DateTimes::nowText();
    const QByteArray failureText = failure("softDelete");
    return m_sql.write(
        statement("UPDATE %1 SET deleted_at=?, sync_status='pending', updated_at=?, version = "
                  "version + 1 WHERE id=?"),
        {time, time, id}, logFailure ? failureText.constData() : nullptr);
}

int SyncTable::softDeleteByAccount(const QString &accountId, bool *ok) const
{
    const QString time = DateTimes::nowText();
    return m_sql.writeCount(
        statement("UPDATE %1 SET deleted_at = ?, updated_at = ?, sync_status "
                  "= 'pending', version = version + 1 WHERE account_id = ? AND deleted_at IS NULL"),
        {time, time, accountId}, failure("softDeleteByAccount").constData(), ok);
}

int SyncTable::restoreByAccount(const QString &accountId, const QString &deletedSince,
                                bool *ok) const
{
    return m_sql.writeCount(
        statement("UPDATE %1 SET deleted_at = NULL, updated_at = ?, "
                  "sync_status = 'pending', version = version + 1 WHERE account_id = ? AND "
                  "deleted_at >= ?"),
        {DateTimes::nowText(), accountId, deletedSince}, failure("restoreByAccount").constData(),
        ok);
}

bool SyncTable::markSynced(const QString &id, const QString &serverId) const
{
    return m_sql.write(statement("UPDATE %1 SET sync_status='synced', server_id=? WHERE id=?"),
                       {serverId, id}, nullptr);
}

int SyncTable::markAllPendingForResync() const
{
    return m_sql.writeCount(statement("UPDATE %1 SET sync_status = 'pending' WHERE deleted_at IS "
                                      "NULL AND sync_status != 'pending'"),
                            {}, failure("markAllPendingForResync").constData());
}

QList<SyncTable::PendingKey> SyncTable::pendingAfter(qint64 afterRowId, int limit) const
{
    return m_sql.list(statement("SELECT rowid, id FROM %1 WHERE sync_status = 'pending' AND "
                                "rowid > ? ORDER BY rowid LIMIT ?"),
                      {afterRowId, limit}, [](const QSqlQuery &query) {
                          return PendingKey{query.value(0).toLongLong(), query.value(1).toString()};
                      });
}

int SyncTable::pendingCount() const
{
    return m_sql
        .one(statement("SELECT COUNT(*) FROM %1 WHERE sync_status = 'pending'"), {},
             [](const QSqlQuery &query) { return query.value(0).toInt(); })
        .value_or(0);
}
