#pragma once

#include <QDate>
#include <QString>

// How dates read on screen: one short form in tables and dialogs (the register's, "11/3/2026"),
// one long form for headings ("November 3, 2026") and month keys as "Nov 2026".
namespace DisplayDates {

// The register's own form; date fields showing a date use it too.
inline const QString kShortFormat = QStringLiteral("M/d/yyyy");

QString shortDate(const QDate &date);
QString longDate(const QDate &date);
QString month(const QDate &date);
// A stored year-month key ("2026-11") as "Nov 2026"; a text that is not one comes back as it is.
QString monthKey(const QString &yearMonth);

} // namespace DisplayDates
