#include "account/syncoutbox.h"

#include "account/syncpayload.h"
#include "data/accountrepository.h"
#include "data/categoryrepository.h"
#include "data/reconciliationrepository.h"
#include "data/recurringrepository.h"
#include "data/transactionrepository.h"

namespace {

template <typename Repository>
QJsonObject changeOf(const Repository *repository, const QString &entityType, const QString &id)
{
    const auto row = repository->findById(id);
    if (!row) {
        return {};
    }
    return SyncPayload::change(entityType, row->id, row->version, row->deletedAt.has_value(),
                               SyncPayload::encode(*row));
}

} // namespace

SyncOutbox::SyncOutbox(const SyncRepositories &repositories)
    : m_repos(repositories)
{
    const SqlRunner sql(m_repos.database);
    m_sources.push_back({QStringLiteral("account"), SyncTable(sql, "accounts", "SyncOutbox")});
    m_sources.push_back({QStringLiteral("category"), SyncTable(sql, "categories", "SyncOutbox")});
    m_sources.push_back(
        {QStringLiteral("recurring"), SyncTable(sql, "recurring_transactions", "SyncOutbox")});
    m_sources.push_back(
        {QStringLiteral("transaction"), SyncTable(sql, "transactions", "SyncOutbox")});
    m_sources.push_back(
        {QStringLiteral("reconciliation"), SyncTable(sql, "reconciliations", "SyncOutbox")});
}

int SyncOutbox::restart()
{
    m_source = 0;
    m_lastRowId = 0;
    int pending = 0;
    for (const Source &source : m_sources) {
        pending += source.table.pendingCount();
    }
    return pending;
}

QJsonArray SyncOutbox::next(int limit)
{
    QJsonArray batch;
    while (batch.size() < limit && m_source < m_sources.size()) {
        const QList<SyncTable::PendingKey> keys =
            m_sources[m_source].table.pendingAfter(m_lastRowId, limit - int(batch.size()));
        for (const SyncTable::PendingKey &key : keys) {
            m_lastRowId = key.rowId;
            const QJsonObject row = change(m_source, key.id);
            if (!row.isEmpty()) {
                batch.append(row);
            }
        }
        if (keys.isEmpty()) {
            ++m_source;
            m_lastRowId = 0;
        }
    }
    return batch;
}

QJsonObject SyncOutbox::change(size_t index, const QString &id) const
{
    const QString &type = m_sources[index].entityType;
    switch (index) {
    case 0:
        return changeOf(m_repos.accounts, type, id);
    case 1:
        return changeOf(m_repos.categories, type, id);
    case 2:
        return changeOf(m_repos.recurring, type, id);
    case 3:
        return changeOf(m_repos.transactions, type, id);
    default:
        return changeOf(m_repos.reconciliations, type, id);
    }
}
