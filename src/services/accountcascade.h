#pragma once

#include "data/account.h"

#include <QDate>
#include <QString>

#include <optional>

class AccountRepository;
class Database;
class ReconciliationRepository;
class RecurringRepository;
class TransactionRepository;

// Creates an account with its opening balance, deletes it with everything that belongs to it,
// and restores it again: one database transaction each, so a failure part-way never leaves an
// account without its opening balance, half deleted or half restored.
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

    // Stores the account with a starting balance of zero; a non-zero starting balance becomes a
    // cleared and reconciled "Opening Balance" transaction dated asOf, so the register shows it
    // like any other line. Nothing is stored on failure.
    bool create(Account account, const QDate &asOf);
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
