#pragma once

#include "data/currency.h"
#include "services/reportrecords.h"

#include <QColor>
#include <QList>
#include <QString>

// One slice of the spending pie as the chart and its legend show it.
struct PieSlice
{
    QString name;
    qint64 amount = 0; // spent, as a positive count of minor units
    double share = 0;  // of the whole pie, 0 to 1
    QColor color;
};

// Category spending as pie slices: the largest categories each get a slice of their own colour,
// the rest are gathered under `otherName`. Categories with nothing spent are left out.
namespace PieSummary {

QList<PieSlice> build(const QList<CategoryAmount> &rows, int maxSlices, const QString &otherName);
// "Groceries  $412.30  (23%)": the legend's line for a slice.
QString legendText(const PieSlice &slice, Currency currency);
// Slices at least this share of the pie carry their name on the chart itself.
constexpr double kLabelledShare = 0.07;

} // namespace PieSummary
