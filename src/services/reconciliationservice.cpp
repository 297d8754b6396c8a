#include "reconciliationservice.h"

#include "data/database.h"
#include "data/datetimes.h"
#include "data/identifiers.h"
#include "data/reconciliation.h"
#include "data/reconciliationrepository.h"
#include "data/transactionrepository.h"

ReconciliationService::ReconciliationService(Database *database,
                                             TransactionRepository *transactions,
                                             ReconciliationRepository *reconciliations,
                                             QObject *parent)
    : QObject(parent)
    , m_database(database)
    , m_transactions(transactions)
    , m_reconciliations(reconciliations)
{
}

std::optional<Reconciliation> ReconciliationService::finish(const Statement &statement,
                                                            const QStringList &ticked)
{
    const QDateTime now = DateTimes::nowUtc();
    Reconciliation reconciliation;
    reconciliation.id = Identifiers::newId();
    reconciliation.accountId = statement.accountId;
    reconciliation.statementDate = statement.date;
    reconciliation.statementBalance = statement.endingBalance;
    reconciliation.reconciledBalance = statement.previousBalance;
    reconciliation.completedAt = now;
    reconciliation.createdAt = now;
    reconciliation.updatedAt = now;
    // The marks and the record stand or fall together.
    const bool ok = m_database->inTransaction([&] {
        for (const QString &id : ticked) {
            std::optional<Transaction> t = m_transactions->findById(id);
            if (!t || t->deletedAt || t->accountId != statement.accountId) {
                return false;
            }
            t->cleared = true;
            t->reconciled = true;
            t->version += 1;
            t->updatedAt = now;
            t->syncStatus = SyncStatus::Pending;
            if (!m_transactions->update(*t)) {
                return false;
            }
            reconciliation.reconciledBalance += t->amount;
        }
        return m_reconciliations->insert(reconciliation);
    });
    if (!ok) {
        m_lastError = tr("The reconciliation could not be saved. Nothing was changed.");
        return std::nullopt;
    }
    return reconciliation;
}
