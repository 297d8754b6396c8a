#include "displaydates.h"

#include <QLocale>

namespace DisplayDates {

QString shortDate(const QDate &date)
{
    return date.isValid() ? date.toString(kShortFormat) : QString();
}

QString longDate(const QDate &date)
{
    return date.isValid() ? QLocale().toString(date, QStringLiteral("MMMM d, yyyy")) : QString();
}

QString month(const QDate &date)
{
    return date.isValid() ? QLocale().toString(date, QStringLiteral("MMM yyyy")) : QString();
}

QString monthKey(const QString &yearMonth)
{
    const QDate first = QDate::fromString(yearMonth + QStringLiteral("-01"), Qt::ISODate);
    return first.isValid() && yearMonth.size() == 7 ? month(first) : yearMonth;
}

} // namespace DisplayDates
