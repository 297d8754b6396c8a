#include "piesummary.h"

#include "chartpalette.h"
#include "data/money.h"

#include <QLocale>

#include <algorithm>

namespace PieSummary {

QList<PieSlice> build(const QList<CategoryAmount> &rows, int maxSlices, const QString &otherName)
{
    QList<PieSlice> spent;
    for (const CategoryAmount &row : rows) {
        if (row.amount < 0) {
            spent.append({row.name, -row.amount, 0, QColor()});
        }
    }
    std::stable_sort(spent.begin(), spent.end(),
                     [](const PieSlice &a, const PieSlice &b) { return a.amount > b.amount; });
    if (spent.size() > maxSlices) {
        qint64 rest = 0;
        for (qsizetype i = maxSlices - 1; i < spent.size(); ++i) {
            rest += spent[i].amount;
        }
        spent.resize(maxSlices - 1);
        spent.append({otherName, rest, 0, QColor()});
    }
    qint64 total = 0;
    for (const PieSlice &slice : spent) {
        total += slice.amount;
    }
    for (qsizetype i = 0; i < spent.size(); ++i) {
        spent[i].share = total > 0 ? double(spent[i].amount) / double(total) : 0;
        spent[i].color = ChartPalette::color(int(i));
    }
    return spent;
}

QString legendText(const PieSlice &slice, Currency currency)
{
    const QString share = slice.share < 0.01 && slice.share > 0
                              ? QStringLiteral("<1%")
                              : QLocale().toString(qRound(slice.share * 100)) + QLatin1Char('%');
    return QStringLiteral("%1  %2  (%3)")
        .arg(slice.name, formatMoney(slice.amount, currency), share);
}

} // namespace PieSummary
