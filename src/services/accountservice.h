#pragma once

#include "data/account.h"

#include <QDate>
#include <QObject>
#include <QPair>
#include <QString>

#include <optional>

class AccountRepository;
class Database;
class ReconciliationRepository;
class RecurringRepository;
class TransactionRepository;

// Every change to the accounts: creating one with its opening balance, editing it (its one
// opening balance included), deleting it with everything that belongs to it and restoring it
// again, and the sidebar's order. One database transaction each, so a failure part-way never
// leaves an account without its opening balance, half deleted or half restored.
class AccountService final : public QObject
{
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(AccountService)

public:
    struct Counts
    {
        int transactions = 0;
        int recurrings = 0;
        int reconciliations = 0;
    };

    // An account's opening balance as its form shows it: the "Opening Balance" line when it has
    // one, otherwise its starting balance (then `date` is invalid).
    struct OpeningBalance
    {
        qint64 amount = 0;
        QDate date;
        QString transactionId;
    };

    static const QString kOpeningBalancePayee;
    // Rows deleted this long before their account count as deleted with it.
    static constexpr int kRestoreMarginSeconds = 10;

    AccountService(Database *database, AccountRepository *accounts,
                   TransactionRepository *transactions, RecurringRepository *recurrings,
                   ReconciliationRepository *reconciliations, QObject *parent = nullptr);

    // Stores the account with a starting balance of zero; a non-zero starting balance becomes a
    // cleared and reconciled "Opening Balance" transaction dated asOf, so the register shows it
    // like any other line. Nothing is stored on failure.
    bool create(Account account, const QDate &asOf);
    OpeningBalance openingBalance(const QString &accountId) const;
    // Stores the edited fields and sets the account's one opening balance to `opening` as of
    // `asOf`: the "Opening Balance" line changes when there is one (it is created when the
    // account had none and `opening` is not zero), never added a second time.
    bool edit(Account edited, qint64 opening, const QDate &asOf);
    // Transactions, recurring entries, reconciliations, then the account. Nothing on failure.
    std::optional<Counts> remove(const QString &accountId);
    // The account and the rows deleted with it (from kRestoreMarginSeconds before the account),
    // not those deleted on their own earlier.
    std::optional<Counts> restore(const QString &accountId);
    // All or nothing: every pair (id, sort order) is written in one transaction.
    bool updateSortOrders(const QList<QPair<QString, int>> &orders);

    QString lastError() const { return m_lastError; }

private:
    bool fail(const QString &message);
    bool writeOpeningBalance(const Account &account, const OpeningBalance &current, qint64 opening,
                             const QDate &asOf);

    Database *m_database;
    AccountRepository *m_accounts;
    TransactionRepository *m_transactions;
    RecurringRepository *m_recurrings;
    ReconciliationRepository *m_reconciliations;
    QString m_lastError;
};
