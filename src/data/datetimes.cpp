#include "datetimes.h"

#include <QTimeZone>
#include <QVariant>

namespace DateTimes {

QString dateToText(const QDate &date)
{
    return date.toString(Qt::ISODate);
}

QDate dateFromText(const QString &text)
{
    return QDate::fromString(text, Qt::ISODate);
}

QDateTime nowUtc()
{
    QDateTime now = QDateTime::currentDateTimeUtc();
    const QTime time = now.time();
    now.setTime(QTime(time.hour(), time.minute(), time.second()));
    return now;
}

QString timestampToText(const QDateTime &timestamp)
{
    if (!timestamp.isValid()) {
        return QString();
    }
    return timestamp.toUTC().toString(Qt::ISODate);
}

QDateTime timestampFromText(const QString &text)
{
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
