#include "accountcascade.h"

#include "data/accountrepository.h"
#include "data/database.h"
#include "data/datetimes.h"
#include "data/identifiers.h"
#include "data/reconciliationrepository.h"
#include "data/recurringrepository.h"
#include "data/transactionrepository.h"

#include <QLoggingCategory>
#include <QSqlDatabase>
#include <QSqlError>
#include <QSqlQuery>

Q_LOGGING_CATEGORY(lcCascade, "ledgerwell.accounts")

namespace {

// Runs body in a database transaction; its result (a bool or an optional) says whether to commit.
template <typename Body>
auto inTransaction(Database *database, Body body) -> decltype(body())
{
    QSqlDatabase db = database->database();
    if (!db.transaction()) {
        return {};
    }
    auto result = body();
    if (!result || !db.commit()) {
        db.rollback();
        return {};
    }
    return result;
}

} // namespace

AccountCascade::AccountCascade(Database *database, AccountRepository *accounts,
                               TransactionRepository *transactions, RecurringRepository *recurrings,
                               ReconciliationRepository *reconciliations)
    : m_database(database)
    , m_accounts(accounts)
    , m_transactions(transactions)
    , m_recurrings(recurrings)
    , m_reconciliations(reconciliations)
{
}

bool AccountCascade::create(Account account, const QDate &asOf)
{
    const qint64 opening = account.startingBalance;
    account.startingBalance = 0;
    return inTransaction(m_database, [&] {
        if (!m_accounts->insert(account)) {
            return false;
        }
        if (opening == 0) {
            return true;
        }
        Transaction t;
        t.id = Identifiers::newId();
        t.accountId = account.id;
        t.date = asOf;
        t.payee = QStringLiteral("Opening Balance");
        t.amount = opening;
        t.cleared = true;
        t.reconciled = true;
        t.createdAt = DateTimes::nowUtc();
        t.updatedAt = t.createdAt;
        return m_transactions->insert(t);
    });
}

std::optional<AccountCascade::Counts> AccountCascade::softDelete(const QString &accountId)
{
    if (!m_accounts->findById(accountId)) {
        return std::nullopt;
    }
    const auto counts = inTransaction(m_database, [&]() -> std::optional<Counts> {
        Counts c;
        bool ok[3] = {};
        c.transactions = m_transactions->softDeleteByAccount(accountId, &ok[0]);
        c.recurrings = m_recurrings->softDeleteByAccount(accountId, &ok[1]);
        c.reconciliations = m_reconciliations->softDeleteByAccount(accountId, &ok[2]);
        if (!ok[0] || !ok[1] || !ok[2] || !m_accounts->softDelete(accountId)) {
            return std::nullopt;
        }
        return c;
    });
    if (counts) {
        qCInfo(lcCascade) << "Cascade delete account" << accountId
                          << "→ transactions:" << counts->transactions
                          << "recurrings:" << counts->recurrings
                          << "reconciliations:" << counts->reconciliations;
    }
    return counts;
}

std::optional<AccountCascade::Counts> AccountCascade::restore(const QString &accountId)
{
    const std::optional<Account> account = m_accounts->findById(accountId);
    if (!account || !account->deletedAt) {
        return std::nullopt;
    }
    const QString since = DateTimes::timestampToText(*account->deletedAt);
    return inTransaction(m_database, [&]() -> std::optional<Counts> {
        if (!m_accounts->restore(accountId)) {
            return std::nullopt;
        }
        Counts c;
        bool ok[3] = {};
        c.transactions = m_transactions->restoreByAccount(accountId, since, &ok[0]);
        c.recurrings = m_recurrings->restoreByAccount(accountId, since, &ok[1]);
        c.reconciliations = m_reconciliations->restoreByAccount(accountId, since, &ok[2]);
        if (!ok[0] || !ok[1] || !ok[2]) {
            return std::nullopt;
        }
        return c;
    });
}
