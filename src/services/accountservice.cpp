#include "accountservice.h"

#include "data/accountrepository.h"
#include "data/database.h"
#include "data/datetimes.h"
#include "data/identifiers.h"
#include "data/money.h"
#include "data/reconciliationrepository.h"
#include "data/recurringrepository.h"
#include "data/transactionrepository.h"

#include <QLoggingCategory>

Q_LOGGING_CATEGORY(lcAccounts, "ledgerwell.accounts")

const QString AccountService::kOpeningBalancePayee = QStringLiteral("Opening Balance");

namespace {

Transaction openingLine(const QString &accountId, qint64 amount, const QDate &asOf)
{
    Transaction t;
    t.id = Identifiers::newId();
    t.accountId = accountId;
    t.date = asOf;
    t.payee = AccountService::kOpeningBalancePayee;
    t.amount = amount;
    t.cleared = true;
    t.reconciled = true;
    t.createdAt = DateTimes::nowUtc();
    t.updatedAt = t.createdAt;
    return t;
}

} // namespace

AccountService::AccountService(Database *database, AccountRepository *accounts,
                               TransactionRepository *transactions, RecurringRepository *recurrings,
                               ReconciliationRepository *reconciliations, QObject *parent)
    : QObject(parent)
    , m_database(database)
    , m_accounts(accounts)
    , m_transactions(transactions)
    , m_recurrings(recurrings)
    , m_reconciliations(reconciliations)
{
}

bool AccountService::fail(const QString &message)
{
    m_lastError = message;
    return false;
}

bool AccountService::create(Account account, const QDate &asOf)
{
    if (account.name.trimmed().isEmpty()) {
        return fail(tr("The account needs a name"));
    }
    if (!isStorableAmount(account.startingBalance)) {
        return fail(tr("The amount is too large"));
    }
    const qint64 opening = account.startingBalance;
    account.startingBalance = 0;
    if (account.id.isEmpty()) {
        account.id = Identifiers::newId();
    }
    if (!account.createdAt.isValid()) {
        account.createdAt = DateTimes::nowUtc();
        account.updatedAt = account.createdAt;
    }
    const bool ok = m_database->inTransaction([&] {
        return m_accounts->insert(account) &&
               (opening == 0 || m_transactions->insert(openingLine(account.id, opening, asOf)));
    });
    return ok || fail(Database::describe(m_database->lastFailure(),
                                         tr("The account could not be saved")));
}

AccountService::OpeningBalance AccountService::openingBalance(const QString &accountId) const
{
    if (const auto line = m_transactions->latestByPayee(kOpeningBalancePayee, accountId)) {
        return {line->amount, line->date, line->id};
    }
    const auto account = m_accounts->findById(accountId);
    return {account ? account->startingBalance : 0, QDate(), QString()};
}

bool AccountService::writeOpeningBalance(const Account &account, const OpeningBalance &current,
                                         qint64 opening, const QDate &asOf)
{
    if (current.transactionId.isEmpty()) {
        return opening == 0 || m_transactions->insert(openingLine(account.id, opening, asOf));
    }
    if (opening == current.amount && asOf == current.date) {
        return true;
    }
    std::optional<Transaction> line = m_transactions->findById(current.transactionId);
    if (!line) {
        return false;
    }
    if (opening == 0) {
        return m_transactions->softDelete(line->id);
    }
    line->amount = opening;
    line->date = asOf;
    line->version += 1;
    line->updatedAt = DateTimes::nowUtc();
    line->syncStatus = SyncStatus::Pending;
    return m_transactions->update(*line);
}

bool AccountService::edit(Account edited, qint64 opening, const QDate &asOf)
{
    const std::optional<Account> stored = m_accounts->findById(edited.id);
    if (!stored || stored->deletedAt) {
        return fail(tr("The account no longer exists"));
    }
    if (edited.name.trimmed().isEmpty()) {
        return fail(tr("The account needs a name"));
    }
    if (!isStorableAmount(opening)) {
        return fail(tr("The amount is too large"));
    }
    const OpeningBalance current = openingBalance(edited.id);
    // An account made before opening balances became lines keeps its starting balance, and the
    // form edits that; every other account has at most its one "Opening Balance" line.
    const bool legacy = current.transactionId.isEmpty() && stored->startingBalance != 0;
    edited.startingBalance = legacy ? opening : stored->startingBalance;
    edited.createdAt = stored->createdAt;
    edited.version = stored->version + 1;
    edited.updatedAt = DateTimes::nowUtc();
    edited.syncStatus = SyncStatus::Pending;
    const bool ok = m_database->inTransaction([&] {
        return m_accounts->update(edited) &&
               (legacy || writeOpeningBalance(edited, current, opening, asOf));
    });
    return ok || fail(Database::describe(m_database->lastFailure(),
                                         tr("The account could not be saved")));
}

std::optional<AccountService::Counts> AccountService::remove(const QString &accountId)
{
    if (!m_accounts->findById(accountId)) {
        fail(tr("The account no longer exists"));
        return std::nullopt;
    }
    Counts c;
    const bool ok = m_database->inTransaction([&] {
        bool done[3] = {};
        c.transactions = m_transactions->softDeleteByAccount(accountId, &done[0]);
        c.recurrings = m_recurrings->softDeleteByAccount(accountId, &done[1]);
        c.reconciliations = m_reconciliations->softDeleteByAccount(accountId, &done[2]);
        return done[0] && done[1] && done[2] && m_accounts->softDelete(accountId);
    });
    if (!ok) {
        fail(tr("The account could not be deleted"));
        return std::nullopt;
    }
    qCInfo(lcAccounts) << "Cascade delete account" << accountId
                       << "→ transactions:" << c.transactions << "recurrings:" << c.recurrings
                       << "reconciliations:" << c.reconciliations;
    return c;
}

std::optional<AccountService::Counts> AccountService::restore(const QString &accountId)
{
    const std::optional<Account> account = m_accounts->findById(accountId);
    if (!account || !account->deletedAt) {
        fail(tr("The account is not deleted"));
        return std::nullopt;
    }
    // The rows of one cascade carry timestamps taken a moment apart; the margin keeps every one
    // of them, while a line deleted on its own before the account stays deleted.
    const QString since =
        DateTimes::timestampToText(account->deletedAt->addSecs(-kRestoreMarginSeconds));
    Counts c;
    const bool ok = m_database->inTransaction([&] {
        bool done[3] = {};
        c.transactions = m_transactions->restoreByAccount(accountId, since, &done[0]);
        c.recurrings = m_recurrings->restoreByAccount(accountId, since, &done[1]);
        c.reconciliations = m_reconciliations->restoreByAccount(accountId, since, &done[2]);
        return done[0] && done[1] && done[2] && m_accounts->restore(accountId);
    });
    if (!ok) {
        fail(tr("The account could not be restored"));
        return std::nullopt;
    }
    return c;
}

bool AccountService::updateSortOrders(const QList<QPair<QString, int>> &orders)
{
    const bool ok = m_database->inTransaction([&] { return m_accounts->updateSortOrders(orders); });
    return ok || fail(Database::describe(m_database->lastFailure(),
                                         tr("The account order could not be saved")));
}
