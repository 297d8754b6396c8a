#include "headerbalances.h"

#include "data/transactionrepository.h"

HeaderBalances::HeaderBalances(const TransactionRepository *repository)
    : m_repository(repository)
{
}

RegisterBalances HeaderBalances::read(const QString &accountId, const QDate &today,
                                      const QDate &unchangedBefore)
{
    const bool keep = accountId == m_accountId && m_pivot.isValid() && unchangedBefore.isValid() &&
                      m_pivot <= unchangedBefore && m_pivot <= today;
    if (!keep) {
        // Every line before the pivot is dated before today, now and on later days.
        m_accountId = accountId;
        m_pivot = today.addDays(-kRecentDays);
        m_before = m_repository->registerBalancesBetween(accountId, today, QDate(), m_pivot);
    }
    const RegisterBalances recent =
        m_repository->registerBalancesBetween(accountId, today, m_pivot, QDate());
    return RegisterBalances{m_before.cleared + recent.cleared,
                            m_before.throughToday + recent.throughToday,
                            m_before.hasFuture || recent.hasFuture};
}
