#include "datetimes.h"

#include <QTimeZone>
#include <QVariant>

namespace {

// Reads `count` decimal digits at `from`; -1 when any is not a digit.
int digits(const QString &text, int from, int count)
{
    int value = 0;
    for (int i = from; i < from + count; ++i) {
        const char16_t c = text[i].unicode();
        if (c < u'0' || c > u'9') {
            return -1;
        }
        value = value * 10 + (c - u'0');
    }
    return value;
}

// The stored forms are read for every row of every list, so their exact shapes are parsed
// directly; anything else goes through Qt's general ISO parser with the same result.
QDate fastDate(const QString &text)
{
    if (text.size() < 10 || text[4] != u'-' || text[7] != u'-') {
        return {};
    }
    const int y = digits(text, 0, 4);
    const int m = digits(text, 5, 2);
    const int d = digits(text, 8, 2);
    return (y < 0 || m < 0 || d < 0) ? QDate() : QDate(y, m, d);
}

// Writes `value` as `width` digits at `out`.
void putDigits(char16_t *out, int value, int width)
{
    for (int i = width - 1; i >= 0; --i) {
        out[i] = char16_t(u'0' + value % 10);
        value /= 10;
    }
}

// The ISO form of years 0..9999, written directly: every insert and update writes dates and
// timestamps, and Qt's general formatter goes through printf.
bool fitsFourDigits(const QDate &date)
{
    return date.isValid() && date.year() >= 0 && date.year() <= 9999;
}

void putDate(char16_t *out, const QDate &date)
{
    putDigits(out, date.year(), 4);
    out[4] = u'-';
    putDigits(out + 5, date.month(), 2);
    out[7] = u'-';
    putDigits(out + 8, date.day(), 2);
}

} // namespace

namespace DateTimes {

QString dateToText(const QDate &date)
{
    if (!fitsFourDigits(date)) {
        return date.toString(Qt::ISODate);
    }
    char16_t text[10];
    putDate(text, date);
    return QString(reinterpret_cast<const QChar *>(text), 10);
}

QDate dateFromText(const QString &text)
{
    if (text.size() == 10) {
        const QDate date = fastDate(text);
        if (date.isValid()) {
            return date;
        }
    }
    return QDate::fromString(text, Qt::ISODate);
}

QDateTime nowUtc()
{
    QDateTime now = QDateTime::currentDateTimeUtc();
    const QTime time = now.time();
    now.setTime(QTime(time.hour(), time.minute(), time.second()));
    return now;
}

QString nowText()
{
    return timestampToText(nowUtc());
}

QString timestampToText(const QDateTime &timestamp)
{
    if (!timestamp.isValid()) {
        return QString();
    }
    const QDateTime utc = timestamp.timeSpec() == Qt::UTC ? timestamp : timestamp.toUTC();
    const QDate date = utc.date();
    if (!fitsFourDigits(date)) {
        return utc.toString(Qt::ISODate);
    }
    const QTime time = utc.time();
    char16_t text[20];
    putDate(text, date);
    text[10] = u'T';
    putDigits(text + 11, time.hour(), 2);
    text[13] = u':';
    putDigits(text + 14, time.minute(), 2);
    text[16] = u':';
    putDigits(text + 17, time.second(), 2);
    text[19] = u'Z';
    return QString(reinterpret_cast<const QChar *>(text), 20);
}

QDateTime timestampFromText(const QString &text)
{
    if (text.size() == 20 && text[10] == u'T' && text[13] == u':' && text[16] == u':' &&
        text[19] == u'Z') {
        const QDate date = fastDate(text);
        const int h = digits(text, 11, 2);
        const int m = digits(text, 14, 2);
        const int s = digits(text, 17, 2);
        if (date.isValid() && h >= 0 && m >= 0 && s >= 0 && QTime::isValid(h, m, s)) {
            return QDateTime(date, QTime(h, m, s), Qt::UTC);
        }
    }
    return QDateTime::fromString(text, Qt::ISODate);
}

std::optional<QDateTime> optionalTimestampFromVariant(const QVariant &value)
{
    if (value.isNull()) {
        return std::nullopt;
    }
    return timestampFromText(value.toString());
}

QVariant optionalTimestampToVariant(const std::optional<QDateTime> &timestamp)
{
    if (!timestamp) {
        return QVariant(QMetaType::fromType<QString>());
    }
    return timestampToText(*timestamp);
}

} // namespace DateTimes
