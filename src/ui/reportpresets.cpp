#include "reportpresets.h"

#include <QCoreApplication>

namespace {

QString tr(const char *text)
{
    return QCoreApplication::translate("ReportPresets", text);
}

QDate quarterStart(const QDate &today)
{
    return QDate(today.year(), (today.month() - 1) / 3 * 3 + 1, 1);
}

} // namespace

namespace ReportPresets {

QList<Period> periods(const QDate &today)
{
    const int y = today.year();
    const QDate month(y, today.month(), 1);
    const QDate quarter = quarterStart(today);
    return {
        {tr("This Month"), month, today},
        {tr("Last Month"), month.addMonths(-1), month.addDays(-1)},
        {tr("This Quarter"), quarter, today},
        {tr("Last Quarter"), quarter.addMonths(-3), quarter.addDays(-1)},
        {tr("This Year"), QDate(y, 1, 1), today},
        {tr("Last Year"), QDate(y - 1, 1, 1), QDate(y - 1, 12, 31)},
        {tr("Last 30 Days"), today.addDays(-30), today},
        {tr("Last 90 Days"), today.addDays(-90), today},
        {tr("Last 12 Months"), today.addYears(-1), today},
        {tr("All Time"), QDate(2000, 1, 1), today},
        {tr("Custom"), QDate(), QDate()},
    };
}

QList<Comparison> comparisons(const QDate &today)
{
    const int y = today.year();
    const QDate quarter = quarterStart(today);
    return {
        {tr("This Year vs Last Year"), QDate(y - 1, 1, 1), QDate(y - 1, 12, 31), QDate(y, 1, 1),
         today},
        {tr("Last Year vs Year Before"), QDate(y - 2, 1, 1), QDate(y - 2, 12, 31),
         QDate(y - 1, 1, 1), QDate(y - 1, 12, 31)},
        {tr("This Quarter vs Last Quarter"), quarter.addMonths(-3), quarter.addDays(-1), quarter,
         today},
        {tr("Custom"), QDate(), QDate(), QDate(), QDate()},
    };
}

} // namespace ReportPresets
