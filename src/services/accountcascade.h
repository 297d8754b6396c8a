#pragma once

#include <QString>

#include <optional>

class AccountRepository;
class Database;
class ReconciliationRepository;
class RecurringRepository;
class TransactionRepository;

// Deletes an account with everything that belongs to it, and restores it again: soft deletions
// in one database transaction each way, so a failure part-way never leaves an account half
// deleted or half restored.
class AccountCascade
{
public:
    struct Counts
    {
        int transactions = 0;
        int recurrings = 0;
        int reconciliations = 0;
    };

    AccountCascade(Database *database, AccountRepository *accounts,
                   TransactionRepository *transactions, RecurringRepository *recurrings,
                   ReconciliationRepository *reconciliations);

    // Transactions, recurring entries, reconciliations, then the account. Nothing on failure.
    std::optional<Counts> softDelete(const QString &accountId);
    // The account and the rows deleted with it (not those deleted before it).
    std::optional<Counts> restore(const QString &accountId);

private:
    Database *m_database;
    AccountRepository *m_accounts;
    TransactionRepository *m_transactions;
    RecurringRepository *m_recurrings;
    ReconciliationRepository *m_reconciliations;
};
