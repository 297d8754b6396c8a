#include "reconciliationrepository.h"

#include "database.h"
#include "datetimes.h"
#include "synccolumns.h"

namespace {

const QString kColumns = QStringLiteral(
    "id, account_id, statement_date, statement_balance, reconciled_balance, completed_at, "
    "version, sync_status, server_id, created_at, updated_at, deleted_at");

Reconciliation mapReconciliation(const QSqlQuery &q)
{
    Reconciliation r;
    r.id = q.value(0).toString();
    r.accountId = q.value(1).toString();
    r.statementDate = DateTimes::dateFromText(q.value(2).toString());
    r.statementBalance = q.value(3).toLongLong();
    r.reconciledBalance = q.value(4).toLongLong();
    r.completedAt = DateTimes::timestampFromText(q.value(5).toString());
    SyncColumns::read(r, q, 6);
    return r;
}

QString select(const char *rest)
{
    return QStringLiteral("SELECT %1 FROM reconciliations ").arg(kColumns) + QLatin1String(rest);
}

QString timestampOrNow(const QDateTime &timestamp)
{
    return DateTimes::timestampToText(timestamp.isValid() ? timestamp : DateTimes::nowUtc());
}

} // namespace

ReconciliationRepository::ReconciliationRepository(Database *database, QObject *parent)
    : QObject(parent)
    , m_sql(database)
    , m_table(m_sql, "reconciliations", "ReconciliationRepository")
{
}

bool ReconciliationRepository::notify(bool ok)
{
    if (ok) {
        emit reconciliationsChanged();
    }
    return ok;
}

QList<Reconciliation> ReconciliationRepository::findByAccount(const QString &accountId) const
{
    return m_sql.list(select("WHERE account_id = ? AND deleted_at IS NULL ORDER BY "
                             "statement_date DESC"),
                      {accountId}, mapReconciliation);
}

std::optional<Reconciliation> ReconciliationRepository::findById(const QString &id) const
{
    return m_sql.one(select("WHERE id = ?"), {id}, mapReconciliation);
}

std::optional<Reconciliation>
ReconciliationRepository::latestForAccount(const QString &accountId) const
{
    return m_sql.one(select("WHERE account_id = ? AND deleted_at IS NULL ORDER BY statement_date "
                            "DESC LIMIT 1"),
                     {accountId}, mapReconciliation);
}

QList<Reconciliation> ReconciliationRepository::findPending() const
{
    return m_sql.list(select("WHERE sync_status = 'pending'"), {}, mapReconciliation);
}

bool ReconciliationRepository::insert(const Reconciliation &r)
{
    const QVariantList values =
        QVariantList{r.id,
                     r.accountId,
                     DateTimes::dateToText(r.statementDate),
                     r.statementBalance,
                     r.reconciledBalance,
                     DateTimes::timestampToText(r.completedAt)} +
        SyncColumns::state(r) +
        QVariantList{timestampOrNow(r.createdAt), timestampOrNow(r.updatedAt)};
    return notify(m_sql.write(
        QStringLiteral("INSERT INTO reconciliations (id, account_id, statement_date, "
                       "statement_balance, reconciled_balance, completed_at, version, sync_status, "
                       "server_id, created_at, updated_at) VALUES (?, ?, ?, ?, ?, ?, ?, ?, ?, ?, "
                       "?)"),
        values, "ReconciliationRepository::insert failed:"));
}

bool ReconciliationRepository::update(const Reconciliation &r)
{
    const QVariantList values =
        QVariantList{r.accountId, DateTimes::dateToText(r.statementDate), r.statementBalance,
                     r.reconciledBalance, DateTimes::timestampToText(r.completedAt)} +
        SyncColumns::state(r) + QVariantList{DateTimes::timestampToText(r.updatedAt), r.id};
    return notify(m_sql.write(
        QStringLiteral("UPDATE reconciliations SET account_id=?, statement_date=?, "
                       "statement_balance=?, reconciled_balance=?, completed_at=?, version=?, "
                       "sync_status=?, server_id=?, updated_at=? WHERE id=?"),
        values, "ReconciliationRepository::update failed:"));
}

bool ReconciliationRepository::softDelete(const QString &id)
{
    return notify(m_table.softDelete(id));
}

int ReconciliationRepository::softDeleteByAccount(const QString &accountId, bool *ok)
{
    const int changed = m_table.softDeleteByAccount(accountId, ok);
    notify(changed > 0);
    return changed;
}

int ReconciliationRepository::restoreByAccount(const QString &accountId,
                                               const QString &deletedSince, bool *ok)
{
    const int changed = m_table.restoreByAccount(accountId, deletedSince, ok);
    notify(changed > 0);
    return changed;
}

bool ReconciliationRepository::markSynced(const QString &id, const QString &serverId)
{
    return m_table.markSynced(id, serverId);
}

int ReconciliationRepository::markAllPendingForResync()
{
    const int changed = m_table.markAllPendingForResync();
    notify(changed > 0);
    return changed;
}
