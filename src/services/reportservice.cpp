#include "reportservice.h"

#include "data/columnvalues.h"
#include "data/datetimes.h"

#include <QCoreApplication>
#include <QMap>

namespace {

const char *const kCategoryTotals =
    "SELECT COALESCE(c.name, 'Uncategorized'), SUM(t.amount) FROM transactions t LEFT JOIN "
    "categories c ON t.category_id = c.id WHERE t.deleted_at IS NULL AND t.date >= ? AND t.date "
    "<= ?";

// The query names spending without a category "Uncategorized"; the user reads it in their language.
CategoryAmount mapCategoryAmount(const QSqlQuery &q)
{
    QString name = q.value(0).toString();
    if (name == QLatin1String("Uncategorized")) {
        name = QCoreApplication::translate("ReportService", "Uncategorized");
    }
    return {name, q.value(1).toLongLong()};
}

} // namespace

ReportService::ReportService(Database *database, QObject *parent)
    : QObject(parent)
    , m_sql(database)
{
}

QLatin1String ReportService::transferFilter() const
{
    return m_includeTransfers
               ? QLatin1String()
               : QLatin1String(" AND (t.transfer_link_id IS NULL OR t.transfer_link_id = '')");
}

template <typename Map>
auto ReportService::dated(const char *head, const char *tail, const QDate &from, const QDate &to,
                          const QString &accountId, Map map) const
{
    QString sql = QString::fromLatin1(head) + transferFilter();
    QVariantList values{DateTimes::dateToText(from), DateTimes::dateToText(to)};
    if (!accountId.isEmpty()) {
        sql += QLatin1String(" AND t.account_id = ?");
        values << accountId;
    }
    return m_sql.list(sql + QLatin1String(tail), values, map);
}

QList<CategoryAmount> ReportService::categorySpending(const QDate &from, const QDate &to,
                                                      const QString &accountId) const
{
    return dated("SELECT COALESCE(c.name, 'Uncategorized'), SUM(t.amount) FROM transactions t "
                 "LEFT JOIN categories c ON t.category_id = c.id WHERE t.deleted_at IS NULL AND "
                 "t.amount < 0 AND t.date >= ? AND t.date <= ?",
                 " GROUP BY COALESCE(c.name, 'Uncategorized') ORDER BY SUM(t.amount) ASC", from, to,
                 accountId, mapCategoryAmount);
}

QList<PayeeTotal> ReportService::payeeSummary(const QDate &from, const QDate &to,
                                              const QString &accountId) const
{
    return dated("SELECT t.payee, SUM(t.amount), COUNT(*) FROM transactions t WHERE "
                 "t.deleted_at IS NULL AND t.date >= ? AND t.date <= ?",
                 " GROUP BY t.payee ORDER BY SUM(t.amount) ASC", from, to, accountId,
                 [](const QSqlQuery &q) {
                     return PayeeTotal{q.value(0).toString(), q.value(1).toLongLong(),
                                       ColumnValues::toInt(q.value(2))};
                 });
}

QList<TaxLine> ReportService::taxReport(const QDate &from, const QDate &to) const
{
    return m_sql.list(
        QStringLiteral("SELECT c.name, c.tax_category, SUM(t.amount) FROM transactions t JOIN "
                       "categories c ON t.category_id = c.id WHERE t.deleted_at IS NULL AND "
                       "c.is_tax_relevant = 1 AND t.date >= ? AND t.date <= ?") +
            transferFilter() +
            QLatin1String(" GROUP BY c.name, c.tax_category ORDER BY c.tax_category, c.name"),
        {DateTimes::dateToText(from), DateTimes::dateToText(to)}, [](const QSqlQuery &q) {
            return TaxLine{q.value(0).toString(), q.value(1).toString(), q.value(2).toLongLong()};
        });
}

QList<MonthlyCashFlow> ReportService::cashFlowByMonth(const QDate &from, const QDate &to,
                                                      const QString &accountId) const
{
    return dated(
        "SELECT strftime('%Y-%m', t.date) AS month, SUM(CASE WHEN t.amount > 0 THEN "
        "t.amount ELSE 0 END) AS income, SUM(CASE WHEN t.amount < 0 THEN t.amount ELSE 0 "
        "END) AS expenses FROM transactions t WHERE t.deleted_at IS NULL AND t.date >= ? "
        "AND t.date <= ?",
        " GROUP BY month ORDER BY month", from, to, accountId, [](const QSqlQuery &q) {
            const qint64 income = q.value(1).toLongLong();
            const qint64 expenses = q.value(2).toLongLong();
            return MonthlyCashFlow{q.value(0).toString(), income, expenses, income + expenses};
        });
}

QList<CategoryComparison> ReportService::compareCategories(const QDate &from1, const QDate &to1,
                                                           const QDate &from2, const QDate &to2,
                                                           const QString &accountId) const
{
    const auto totals = [&](const QDate &from, const QDate &to) {
        QMap<QString, qint64> byName;
        const auto rows = dated(kCategoryTotals, " GROUP BY COALESCE(c.name, 'Uncategorized')",
                                from, to, accountId, mapCategoryAmount);
        for (const CategoryAmount &row : rows) {
            byName.insert(row.name, row.amount);
        }
        return byName;
    };
    const QMap<QString, qint64> first = totals(from1, to1);
    const QMap<QString, qint64> second = totals(from2, to2);
    // QMap keeps its keys in case-sensitive UTF-16 order: the report's own order.
    QMap<QString, CategoryComparison> rows;
    for (auto it = first.cbegin(); it != first.cend(); ++it) {
        rows[it.key()] = {it.key(), it.value(), 0, 0};
    }
    for (auto it = second.cbegin(); it != second.cend(); ++it) {
        CategoryComparison &row = rows[it.key()];
        row.category = it.key();
        row.period2 = it.value();
    }
    QList<CategoryComparison> result;
    for (CategoryComparison row : std::as_const(rows)) {
        row.change = row.period2 - row.period1;
        result.append(row);
    }
    return result;
}

QList<AccountSummaryRow> ReportService::accountSummary() const
{
    return m_sql.list(
        QStringLiteral(
            "SELECT a.name, a.account_type, a.starting_balance, COALESCE(SUM(CASE WHEN t.cleared "
            "= 1 THEN t.amount ELSE 0 END), 0) AS cleared_sum, COALESCE(SUM(CASE WHEN t.cleared "
            "= 0 THEN t.amount ELSE 0 END), 0) AS uncleared_sum, COALESCE(SUM(t.amount), 0) AS "
            "total_sum FROM accounts a LEFT JOIN transactions t ON t.account_id = a.id AND "
            "t.deleted_at IS NULL WHERE a.deleted_at IS NULL GROUP BY a.id ORDER BY "
            "a.sort_order, a.name"),
        {}, [](const QSqlQuery &q) {
            const qint64 start = q.value(2).toLongLong();
            return AccountSummaryRow{q.value(0).toString(), q.value(1).toString(),
                                     start + q.value(3).toLongLong(), q.value(4).toLongLong(),
                                     start + q.value(5).toLongLong()};
        });
}
