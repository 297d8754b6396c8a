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

// The first of "M/d/yyyy", "MM/dd/yyyy", "M/d/yy", "MM/dd/yy" that reads `text` (two-digit
// years fall in 1900-1999); an invalid date when none does.
QDate parse(const QString &text);

} // namespace DateShortcuts
