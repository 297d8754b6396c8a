#pragma once

#include <QDate>
#include <QString>

// Single-key date shortcuts of the date fields: t today, + or = next day, - previous day,
// m/h first/last day of the month, y/r first/last day of the year, w/k Sunday before/Saturday
// after (the week of these two always runs Sunday to Saturday).
namespace DateShortcuts {

// Applies the shortcut of `keyText` to `date` (an invalid date first becomes today); false and
// no change when the key is no shortcut.
bool apply(const QString &keyText, QDate &date);

// The date typed as "M/d/yyyy" (months and days with or without a leading zero) or "M/d/yy"; an
// invalid date when the text is neither. A two-digit year is the nearest one ending in those
// digits: at most 19 years ahead of this year, else in the century before (so in 2026, "26" is
// 2026, "45" is 2045 and "95" is 1995), as people write dates on cheques and statements.
QDate parse(const QString &text);

} // namespace DateShortcuts
