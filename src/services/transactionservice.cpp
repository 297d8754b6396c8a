#include "transactionservice.h"

#include "data/account.h"
#include "data/accountrepository.h"
#include "data/database.h"
#include "data/datetimes.h"
#include "data/identifiers.h"
#include "data/money.h"
#include "data/transactionrepository.h"

#include <QLoggingCategory>

Q_LOGGING_CATEGORY(lcTransactions, "ledgerwell.transactions")

const QString TransactionService::kTransferPrefix = QStringLiteral("[Transfer] ");

namespace {

void stampNew(Transaction &t, const QDateTime &now)
{
    if (t.id.isEmpty()) {
        t.id = Identifiers::newId();
    }
    t.createdAt = now;
    t.updatedAt = now;
    t.version = 1;
    t.syncStatus = SyncStatus::Pending;
    t.deletedAt.reset();
}

} // namespace

TransactionService::TransactionService(Database *database, TransactionRepository *transactions,
                                       AccountRepository *accounts, QObject *parent)
    : QObject(parent)
    , m_database(database)
    , m_transactions(transactions)
    , m_accounts(accounts)
{
}

bool TransactionService::fail(const QString &message)
{
    m_lastError = message;
    return false;
}

bool TransactionService::changesReconciled(const Transaction &stored, const Transaction &edited)
{
    return stored.reconciled && (stored.amount != edited.amount || stored.date != edited.date ||
                                 stored.accountId != edited.accountId);
}

std::optional<Account> TransactionService::transferTarget(const QString &name)
{
    for (const Account &account : m_accounts->findAll()) {
        if (account.name == name) {
            return account;
        }
    }
    fail(tr("Transfer account not found"));
    return std::nullopt;
}

bool TransactionService::checkTransfer(const QString &sourceAccountId, const Account &target,
                                       std::optional<Account> *source)
{
    *source = m_accounts->findById(sourceAccountId);
    if (!*source) {
        return fail(tr("The transaction could not be saved"));
    }
    if (target.id == sourceAccountId) {
        return fail(tr("A transfer needs two different accounts"));
    }
    if ((*source)->currency != target.currency) {
        return fail(tr("Transfers require both accounts to use the same currency"));
    }
    return true;
}

Transaction TransactionService::counterpartOf(const Transaction &t, const Account &source,
                                              const Account &target) const
{
    Transaction other;
    other.id = Identifiers::newId();
    other.accountId = target.id;
    other.date = t.date;
    other.payee = tr("Transfer from %1").arg(source.name);
    other.amount = -t.amount;
    other.cleared = t.cleared;
    other.reconciled = t.reconciled;
    other.createdAt = t.updatedAt;
    other.updatedAt = t.updatedAt;
    other.transferLinkId = t.id;
    other.transferDestAccountId = source.id;
    return other;
}

// Links `transaction` (already stamped) with a new counterpart and writes the counterpart; the
// caller writes `transaction` itself, inside the same database transaction.
bool TransactionService::insertPair(Transaction &transaction, const Account &source,
                                    const Account &target)
{
    const Transaction other = counterpartOf(transaction, source, target);
    transaction.payee = tr("Transfer to %1").arg(target.name);
    transaction.transferLinkId = other.id;
    transaction.transferDestAccountId = target.id;
    return m_transactions->insert(other);
}

bool TransactionService::add(Transaction transaction)
{
    if (transaction.payee.startsWith(kTransferPrefix)) {
        const auto target = transferTarget(transaction.payee.mid(kTransferPrefix.size()));
        return target && addTransfer(std::move(transaction), target->id);
    }
    if (!isStorableAmount(transaction.amount)) {
        return fail(tr("The amount is too large"));
    }
    stampNew(transaction, DateTimes::nowUtc());
    if (!m_database->inTransaction([&] { return m_transactions->insert(transaction); })) {
        return fail(Database::describe(m_database->lastFailure(),
                                       tr("The transaction could not be saved")));
    }
    return true;
}

bool TransactionService::addTransfer(Transaction transaction, const QString &targetAccountId)
{
    const std::optional<Account> target = m_accounts->findById(targetAccountId);
    std::optional<Account> source;
    if (!target || target->deletedAt) {
        return fail(tr("Transfer account not found"));
    }
    if (!checkTransfer(transaction.accountId, *target, &source)) {
        return false;
    }
    if (!isStorableAmount(transaction.amount)) {
        return fail(tr("The amount is too large"));
    }
    stampNew(transaction, DateTimes::nowUtc());
    // Both legs or neither: a failure never leaves one side of a transfer alone.
    const bool ok = m_database->inTransaction([&] {
        return insertPair(transaction, *source, *target) && m_transactions->insert(transaction);
    });
    return ok || fail(Database::describe(m_database->lastFailure(),
                                         tr("The transaction could not be saved")));
}

bool TransactionService::update(Transaction edited)
{
    const std::optional<Transaction> stored = m_transactions->findById(edited.id);
    if (!stored || stored->deletedAt) {
        return fail(tr("The transaction no longer exists"));
    }
    if (!isStorableAmount(edited.amount)) {
        return fail(tr("The amount is too large"));
    }
    std::optional<Account> target;
    std::optional<Account> source;
    const bool becomesTransfer =
        edited.transferLinkId.isEmpty() && edited.payee.startsWith(kTransferPrefix);
    if (becomesTransfer) {
        target = transferTarget(edited.payee.mid(kTransferPrefix.size()));
        if (!target || !checkTransfer(edited.accountId, *target, &source)) {
            return false;
        }
    }
    if (changesReconciled(*stored, edited)) {
        edited.reconciled = false;
        edited.cleared = true;
    }
    edited.createdAt = stored->createdAt;
    edited.version = stored->version + 1;
    edited.updatedAt = DateTimes::nowUtc();
    edited.syncStatus = SyncStatus::Pending;
    const bool ok = m_database->inTransaction([&] {
        if (becomesTransfer && !insertPair(edited, *source, *target)) {
            return false;
        }
        return m_transactions->update(edited);
    });
    return ok || fail(Database::describe(m_database->lastFailure(),
                                         tr("The transaction could not be saved")));
}

bool TransactionService::remove(const QString &id)
{
    const std::optional<Transaction> stored = m_transactions->findById(id);
    if (!stored || stored->deletedAt) {
        return fail(tr("The transaction no longer exists"));
    }
    const bool ok = m_database->inTransaction([&] {
        if (!stored->transferLinkId.isEmpty()) {
            const auto other = m_transactions->findById(stored->transferLinkId);
            if (other && !other->deletedAt && !m_transactions->softDelete(other->id)) {
                return false;
            }
        }
        return m_transactions->softDelete(id);
    });
    return ok || fail(tr("The transaction could not be deleted"));
}

bool TransactionService::toggleCleared(const QString &id)
{
    std::optional<Transaction> t = m_transactions->findById(id);
    if (!t || t->deletedAt) {
        return fail(tr("The transaction no longer exists"));
    }
    // Only the cleared mark flips; the version rises like any change so that another
    // device's edit of the same line cannot silently undo it.
    t->cleared = !t->cleared;
    t->version += 1;
    t->updatedAt = DateTimes::nowUtc();
    t->syncStatus = SyncStatus::Pending;
    const bool ok = m_database->inTransaction([&] { return m_transactions->update(*t); });
    return ok || fail(Database::describe(m_database->lastFailure(),
                                         tr("The transaction could not be saved")));
}

std::optional<int> TransactionService::renamePayees(const QStringList &from, const QString &to)
{
    int changed = 0;
    const bool ok = m_database->inTransaction([&] {
        for (const QString &payee : from) {
            if (payee == to) {
                continue;
            }
            bool renamed = false;
            changed += m_transactions->renamePayee(payee, to, &renamed);
            if (!renamed) {
                return false;
            }
        }
        return true;
    });
    if (!ok) {
        fail(tr("The payees could not be renamed"));
        return std::nullopt;
    }
    qCInfo(lcTransactions) << "Renamed" << from.size() << "payee(s) on" << changed << "line(s)";
    return changed;
}
