#pragma once

#include <QDate>
#include <QList>
#include <QString>

// The reports screen's period choices, computed from "today".
namespace ReportPresets {

struct Period
{
    QString label;
    QDate from;
    QDate to;
};

struct Comparison
{
    QString label;
    QDate from1;
    QDate to1;
    QDate from2;
    QDate to2;
};

// This Month ... All Time, then Custom (with no dates): eleven entries.
QList<Period> periods(const QDate &today);
// This Year vs Last Year ... then Custom: four entries.
QList<Comparison> comparisons(const QDate &today);

} // namespace ReportPresets
