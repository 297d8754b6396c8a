#include "account/syncapplier.h"

#include "account/syncpayload.h"
#include "data/accountrepository.h"
#include "data/categoryrepository.h"
#include "data/database.h"
#include "data/identifiers.h"
#include "data/money.h"
#include "data/reconciliationrepository.h"
#include "data/recurringrepository.h"
#include "data/transactionrepository.h"

#include <QLoggingCategory>
#include <QSqlQuery>

#include <cmath>

namespace {

Q_LOGGING_CATEGORY(lcApply, "ledgerwell.sync")

bool saneDate(const QDate &date)
{
    return date.isValid() && date.year() >= 2000;
}

QString dateText(const QJsonObject &row, const char *key)
{
    return row.value(QLatin1String(key)).toString();
}

// Money the program cannot hold: beyond the stored range (sums over it would overflow) or not a
// whole number of minor units. Read as it comes, such a value would become 0.
bool storableAmounts(const QJsonObject &row, std::initializer_list<const char *> keys)
{
    for (const char *key : keys) {
        const QJsonValue value = row.value(QLatin1String(key));
        if (!value.isDouble()) {
            continue;
        }
        const double amount = value.toDouble();
        if (!(std::fabs(amount) <= double(kMaxStoredAmount)) || std::trunc(amount) != amount) {
            return false;
        }
    }
    return true;
}

} // namespace

QString SyncApplier::lookupLocalIdByServerId(const QString &table, const QString &serverId) const
{
    QSqlQuery query(m_repos.database->database());
    query.prepare(QStringLiteral("SELECT id FROM %1 WHERE server_id = ?").arg(table));
    query.addBindValue(serverId);
    if (!query.exec() || !query.next()) {
        return QString();
    }
    return query.value(0).toString();
}

template <typename Repository>
QString SyncApplier::resolveId(Repository *repository, const QString &table, const QJsonObject &row)
{
    const QString clientId = row.value(QStringLiteral("client_id")).toString();
    if (!clientId.isEmpty() && repository->findById(clientId)) {
        return clientId;
    }
    const QString serverId = row.value(QStringLiteral("id")).toString();
    if (!serverId.isEmpty()) {
        const QString local = lookupLocalIdByServerId(table, serverId);
        if (!local.isEmpty()) {
            return local;
        }
    }
    return clientId.isEmpty() ? Identifiers::newId() : clientId;
}

template <typename Record, typename Repository>
void SyncApplier::apply(Repository *repository, const QString &table, const QJsonObject &row)
{
    Record record;
    record.id = resolveId(repository, table, row);
    SyncPayload::decode(row, record);
    const auto local = repository->findById(record.id);
    const bool deleted = SyncPayload::isDeleted(row);
    if (!local) {
        if (deleted) {
            ++m_counts.ignored;
            return;
        }
        repository->insert(record);
        ++m_counts.applied;
        return;
    }
    if (record.version < local->version) {
        ++m_counts.ignored;
        return;
    }
    repository->update(record);
    ++m_counts.applied;
    if (deleted && !local->deletedAt) {
        repository->softDelete(record.id);
        ++m_counts.deletions;
    }
}

bool SyncApplier::refuseAmounts(const char *applier, const QJsonObject &row,
                                std::initializer_list<const char *> keys)
{
    if (storableAmounts(row, keys)) {
        return false;
    }
    qCWarning(lcApply) << applier << "skipping server record with an amount out of range:"
                       << row.value(QStringLiteral("client_id")).toString();
    ++m_counts.skipped;
    return true;
}

void SyncApplier::applyAccount(const QJsonObject &row)
{
    if (refuseAmounts("applyAccount:", row, {"starting_balance"})) {
        return;
    }
    apply<Account>(m_repos.accounts, QStringLiteral("accounts"), row);
}

void SyncApplier::applyCategory(const QJsonObject &row)
{
    apply<Category>(m_repos.categories, QStringLiteral("categories"), row);
}

void SyncApplier::applyRecurring(const QJsonObject &row)
{
    const QDate due = SyncPayload::date(row.value(QStringLiteral("next_due_date")));
    if (!saneDate(due)) {
        qCWarning(lcApply) << "applyRecurring: skipping server record with broken nextDueDate:"
                           << row.value(QStringLiteral("client_id")).toString()
                           << row.value(QStringLiteral("payee")).toString()
                           << dateText(row, "next_due_date");
        ++m_counts.skipped;
        return;
    }
    if (refuseAmounts("applyRecurring:", row, {"amount"})) {
        return;
    }
    apply<RecurringTransaction>(m_repos.recurring, QStringLiteral("recurring_transactions"), row);
}

void SyncApplier::applyTransactionChange(const QJsonObject &row)
{
    const QDate date = SyncPayload::date(row.value(QStringLiteral("date")));
    if (!saneDate(date)) {
        qCWarning(lcApply) << "applyTransactionChange: skipping server record with broken date:"
                           << row.value(QStringLiteral("client_id")).toString()
                           << row.value(QStringLiteral("payee")).toString()
                           << dateText(row, "date");
        ++m_counts.skipped;
        return;
    }
    if (refuseAmounts("applyTransactionChange:", row, {"amount"})) {
        return;
    }
    apply<Transaction>(m_repos.transactions, QStringLiteral("transactions"), row);
}

void SyncApplier::applyReconciliation(const QJsonObject &row)
{
    const QDate date = SyncPayload::date(row.value(QStringLiteral("statement_date")));
    if (!saneDate(date)) {
        qCWarning(lcApply)
            << "applyReconciliation: skipping server record with broken statementDate:"
            << row.value(QStringLiteral("client_id")).toString() << dateText(row, "statement_date");
        ++m_counts.skipped;
        return;
    }
    if (refuseAmounts("applyReconciliation:", row, {"statement_balance", "reconciled_balance"})) {
        return;
    }
    // A deletion made on another device is applied here too (the repository has a single-row
    // soft delete for it), so a reconciliation removed there does not linger here.
    apply<Reconciliation>(m_repos.reconciliations, QStringLiteral("reconciliations"), row);
}
