#include "dateshortcuts.h"

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
    for (const char *format : {"M/d/yyyy", "MM/dd/yyyy", "M/d/yy", "MM/dd/yy"}) {
        const QDate date = QDate::fromString(text.trimmed(), QString::fromLatin1(format));
        if (date.isValid()) {
            return date;
        }
    }
    return {};
}

} // namespace DateShortcuts
