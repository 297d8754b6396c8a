#pragma once

#include "data/transaction.h"

#include <QObject>
#include <QString>
#include <QStringList>

#include <optional>

class AccountRepository;
class Database;
class TransactionRepository;
struct Account;

// Every change to the lines of an account: adding, editing and deleting a line, transfers as two
// linked lines that are created, converted and deleted together, the cleared mark, and payee
// renames and merges. Each call is one database transaction that stamps the sync columns; on
// failure nothing is stored and lastError() says why in words for the user.
class TransactionService final : public QObject
{
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(TransactionService)

public:
    // The payee prefix that turns a line into a transfer to the account named after it.
    static const QString kTransferPrefix;

    TransactionService(Database *database, TransactionRepository *transactions,
                       AccountRepository *accounts, QObject *parent = nullptr);

    // Stores a new line (a new id when it has none, creation and update time now, version 1,
    // pending). A payee "[Transfer] <account>" makes it a transfer pair instead.
    bool add(Transaction transaction);
    // Stores a transfer pair: `transaction` in its account with the payee "Transfer to <target>",
    // its counterpart in `targetAccountId` with the opposite amount, linked crosswise.
    bool addTransfer(Transaction transaction, const QString &targetAccountId);
    // Stores the edited line; only this line changes, even when it is one side of a transfer.
    // A payee "[Transfer] <account>" on a line that is no transfer yet makes it one. A reconciled
    // line whose amount, date or account changes keeps its cleared mark but loses the reconciled
    // one, so that the next reconciliation sees it (callers ask first: see changesReconciled).
    bool update(Transaction edited);
    // Deletes the line and, for a transfer, its other side.
    bool remove(const QString &id);
    bool toggleCleared(const QString &id);
    // Every live line paid to one of `from` is paid to `to` instead; the number of lines changed,
    // or nullopt when the change failed (then nothing changed).
    std::optional<int> renamePayees(const QStringList &from, const QString &to);

    // True when saving `edited` over `stored` would change a reconciled line's amount, date or
    // account.
    static bool changesReconciled(const Transaction &stored, const Transaction &edited);

    QString lastError() const { return m_lastError; }

private:
    bool fail(const QString &message);
    // The live account named exactly `name`, with lastError set when there is none.
    std::optional<Account> transferTarget(const QString &name);
    bool checkTransfer(const QString &sourceAccountId, const Account &target,
                       std::optional<Account> *source);
    bool insertPair(Transaction &transaction, const Account &source, const Account &target);
    Transaction counterpartOf(const Transaction &transaction, const Account &source,
                              const Account &target) const;

    Database *m_database;
    TransactionRepository *m_transactions;
    AccountRepository *m_accounts;
    QString m_lastError;
};
