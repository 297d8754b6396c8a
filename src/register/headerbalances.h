#pragma once

#include "data/registerkey.h"

#include <QDate>
#include <QString>

#include <optional>

class TransactionRepository;

// The balances beside the register's heading: the cleared lines and the lines through today,
// added up from the account index. On a large account that sum is the one cost of a reload that
// grows with the account, so the part dated before a recent pivot is kept from one reload to
// the next while those lines stay unchanged, and only the recent lines are added up again.
class HeaderBalances
{
public:
    static constexpr int kRecentDays = 90;

    explicit HeaderBalances(const TransactionRepository *repository);

    // `unchangedBefore`: no line dated before it changed since the last call for this account
    // (invalid: any line may have). `whole`: the account's totals, when the caller has just read
    // them; the part before the pivot is then what the recent lines leave of them, and the
    // account index is walked once instead of twice.
    RegisterBalances read(const QString &accountId, const QDate &today,
                          const QDate &unchangedBefore,
                          const std::optional<RegisterTotals> &whole = std::nullopt);

private:
    const TransactionRepository *m_repository;
    QString m_accountId;
    QDate m_pivot;
    RegisterBalances m_before;
};
