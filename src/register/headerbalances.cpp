#include "headerbalances.h"

#include "data/transactionrepository.h"

HeaderBalances::HeaderBalances(const TransactionRepository *repository)
    : m_repository(repository)
{
}

RegisterBalances HeaderBalances::read(const QString &accountId, const QDate &today,
                                      const QDate &unchangedBefore,
                                      const std::optional<RegisterTotals> &whole)
{
    const bool keep = accountId == m_accountId && m_pivot.isValid() && unchangedBefore.isValid() &&
                      m_pivot <= unchangedBefore && m_pivot <= today;
    if (!keep) {
        m_accountId = accountId;
        m_pivot = today.addDays(-kRecentDays);
    }
    const RegisterBalances recent =
        m_repository->registerBalancesBetween(accountId, today, m_pivot, QDate());
    if (!keep && whole) {
        // Every line before the pivot is dated before today, now and on later days.
        m_before = RegisterBalances{whole->cleared - recent.cleared, whole->sum - recent.total,
                                    false, whole->sum - recent.total};
    } else if (!keep) {
        m_before = m_repository->registerBalancesBetween(accountId, today, QDate(), m_pivot);
    }
    return RegisterBalances{m_before.cleared + recent.cleared,
                            m_before.throughToday + recent.throughToday,
                            m_before.hasFuture || recent.hasFuture, m_before.total + recent.total};
}
