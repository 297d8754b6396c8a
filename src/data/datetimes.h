#pragma once

#include <QDate>
#include <QDateTime>
#include <QString>

#include <optional>

// Calendar dates are stored as "yyyy-MM-dd", timestamps as UTC "yyyy-MM-ddTHH:mm:ssZ".
namespace DateTimes {

QString dateToText(const QDate &date);
// An empty or malformed text gives an invalid date.
QDate dateFromText(const QString &text);

// The current time in UTC, cut to whole seconds so that it equals its own stored form.
QDateTime nowUtc();
// nowUtc() in its stored form.
QString nowText();
QString timestampToText(const QDateTime &timestamp);
// An empty or malformed text gives an invalid QDateTime.
QDateTime timestampFromText(const QString &text);

// Optional timestamps (deleted_at): NULL reads as empty, empty writes as NULL.
std::optional<QDateTime> optionalTimestampFromVariant(const QVariant &value);
QVariant optionalTimestampToVariant(const std::optional<QDateTime> &timestamp);

} // namespace DateTimes
