#pragma once

#include "data/sqlrunner.h"
#include "reportrecords.h"

#include <QDate>
#include <QList>
#include <QObject>

class Database;

// The six reports, one query each (two for the comparison). Periods include both ends; an empty
// account id means every account. An empty list means no rows or a failed query.
class ReportService final : public QObject
{
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(ReportService)

public:
    explicit ReportService(Database *database, QObject *parent = nullptr);

    // On by default. Off, both sides of every transfer between accounts are left out of the
    // dated reports, so that moving money between one's own accounts is neither income nor
    // spending; the account summary still counts them.
    void setIncludeTransfers(bool include) { m_includeTransfers = include; }
    bool includeTransfers() const { return m_includeTransfers; }

    QList<CategoryAmount> categorySpending(const QDate &from, const QDate &to,
                                           const QString &accountId) const;
    QList<PayeeTotal> payeeSummary(const QDate &from, const QDate &to,
                                   const QString &accountId) const;
    QList<TaxLine> taxReport(const QDate &from, const QDate &to) const;
    QList<MonthlyCashFlow> cashFlowByMonth(const QDate &from, const QDate &to,
                                           const QString &accountId) const;
    QList<CategoryComparison> compareCategories(const QDate &from1, const QDate &to1,
                                                const QDate &from2, const QDate &to2,
                                                const QString &accountId) const;
    QList<AccountSummaryRow> accountSummary() const;

private:
    // Runs a dated report: `head` + account filter + `tail`, bound with the period (and account).
    template <typename Map>
    auto dated(const char *head, const char *tail, const QDate &from, const QDate &to,
               const QString &accountId, Map map) const;

    // The condition that leaves transfers out, or nothing while they are included.
    QLatin1String transferFilter() const;

    SqlRunner m_sql;
    bool m_includeTransfers = true;
};
