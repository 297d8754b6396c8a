#include "dateshortcuts.h"

#include <QRegularExpression>

namespace {

int fullYear(int twoDigits)
{
    const int thisYear = QDate::currentDate().year();
    const int year = thisYear - thisYear % 100 + twoDigits;
    return year > thisYear + 19 ? year - 100 : year;
}

} // namespace

namespace DateShortcuts {

bool apply(const QString &keyText, QDate &date)
{
    const QString key = keyText.toLower();
    if (key.size() != 1) {
        return false;
    }
    const QDate start = date.isValid() ? date : QDate::currentDate();
    QDate result;
    switch (key[0].unicode()) {
    case u't':
        result = QDate::currentDate();
        break;
    case u'+':
    case u'=':
        result = start.addDays(1);
        break;
    case u'-':
        result = start.addDays(-1);
        break;
    case u'm':
        result = QDate(start.year(), start.month(), 1);
        break;
    case u'h':
        result = QDate(start.year(), start.month(), start.daysInMonth());
        break;
    case u'y':
        result = QDate(start.year(), 1, 1);
        break;
    case u'r':
        result = QDate(start.year(), 12, 31);
        break;
    case u'w':
        result = start.dayOfWeek() == Qt::Sunday ? start : start.addDays(-start.dayOfWeek());
        break;
    case u'k':
        result = start.addDays(start.dayOfWeek() == Qt::Sunday ? 6 : 6 - start.dayOfWeek());
        break;
    default:
        return false;
    }
    date = result;
    return true;
}

QDate parse(const QString &text)
{
    const QString typed = text.trimmed();
    for (const char *format : {"M/d/yyyy", "MM/dd/yyyy"}) {
        const QDate date = QDate::fromString(typed, QString::fromLatin1(format));
        if (date.isValid()) {
            return date;
        }
    }
    static const QRegularExpression shortYear(QStringLiteral("^(\\d{1,2})/(\\d{1,2})/(\\d{2})$"));
    const QRegularExpressionMatch match = shortYear.match(typed);
    if (!match.hasMatch()) {
        return {};
    }
    return QDate(fullYear(match.captured(3).toInt()), match.captured(1).toInt(),
                 match.captured(2).toInt());
}

} // namespace DateShortcuts
