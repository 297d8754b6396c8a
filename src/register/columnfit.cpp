#include "columnfit.h"

#include <algorithm>

QList<int> ColumnFit::fit(const QList<Column> &columns, int available)
{
    QList<int> widths(columns.size(), 0);
    QList<int> naturals(columns.size(), 0);
    QList<int> minimums(columns.size(), 0);
    int used = 0;
    for (qsizetype i = 0; i < columns.size(); ++i) {
        const Column &column = columns[i];
        if (column.hidden) {
            continue;
        }
        minimums[i] = column.minimum;
        if (column.flexible) {
            used += column.minimum;
            continue;
        }
        naturals[i] = std::max(column.minimum, column.natural);
        widths[i] = std::max(column.minimum, column.preferred > 0 ? column.preferred : naturals[i]);
        used += widths[i];
    }
    int excess = used - available;
    for (const QList<int> *floors : {&naturals, &minimums}) {
        if (excess > 0) {
            excess -= shrinkFixed(columns, widths, excess, *floors);
        }
    }
    int fixed = 0;
    for (qsizetype i = 0; i < columns.size(); ++i) {
        fixed += columns[i].flexible ? 0 : widths[i];
    }
    share(columns, widths, std::max(0, available - fixed));
    return widths;
}

int ColumnFit::shrinkFixed(const QList<Column> &columns, QList<int> &widths, int excess,
                           const QList<int> &floors)
{
    int slack = 0;
    for (qsizetype i = 0; i < columns.size(); ++i) {
        if (!columns[i].hidden && !columns[i].flexible) {
            slack += std::max(0, widths[i] - floors[i]);
        }
    }
    if (slack <= 0) {
        return 0;
    }
    const int take = std::min(excess, slack);
    int taken = 0;
    qint64 seen = 0;
    for (qsizetype i = 0; i < columns.size(); ++i) {
        if (columns[i].hidden || columns[i].flexible) {
            continue;
        }
        seen += std::max(0, widths[i] - floors[i]);
        // Rounded on the running sums, so that the parts add up to `take` exactly.
        const int upTo = int(take * seen / slack);
        widths[i] -= upTo - taken;
        taken = upTo;
    }
    return take;
}

// Shares `space` among the visible text columns by weight; a column whose share would fall below
// its minimum gets the minimum and leaves the sharing.
void ColumnFit::share(const QList<Column> &columns, QList<int> &widths, int space)
{
    QList<qsizetype> open;
    for (qsizetype i = 0; i < columns.size(); ++i) {
        if (!columns[i].hidden && columns[i].flexible) {
            open << i;
        }
    }
    bool settled = false;
    while (!settled && !open.isEmpty()) {
        settled = true;
        qint64 weights = 0;
        for (const qsizetype i : open) {
            weights += std::max(1, columns[i].preferred);
        }
        for (qsizetype k = 0; k < open.size(); ++k) {
            const qsizetype i = open[k];
            if (qint64(space) * std::max(1, columns[i].preferred) <
                qint64(columns[i].minimum) * weights) {
                widths[i] = columns[i].minimum;
                space -= columns[i].minimum;
                open.removeAt(k);
                settled = false;
                break;
            }
        }
        if (!settled) {
            continue;
        }
        qint64 seen = 0;
        int given = 0;
        for (const qsizetype i : open) {
            seen += std::max(1, columns[i].preferred);
            const int upTo = int(space * seen / weights);
            widths[i] = upTo - given;
            given = upTo;
        }
    }
}

QList<int> ColumnFit::weightsAfterResize(const QList<Column> &columns, const QList<int> &widths,
                                         int resized, int width, int available)
{
    QList<int> weights(columns.size(), 0);
    int fixed = 0;
    int others = 0;
    for (qsizetype i = 0; i < columns.size(); ++i) {
        if (columns[i].hidden) {
            continue;
        }
        if (!columns[i].flexible) {
            fixed += i == resized ? width : widths[i];
        } else if (i != resized) {
            others += widths[i];
        }
    }
    const int space = std::max(0, available - fixed);
    const int kept = columns[resized].flexible ? std::min(width, space) : 0;
    const int rest = std::max(0, space - kept);
    for (qsizetype i = 0; i < columns.size(); ++i) {
        if (columns[i].hidden || !columns[i].flexible) {
            continue;
        }
        weights[i] = i == resized ? kept
                     : others > 0 ? int(qint64(rest) * widths[i] / others)
                                  : rest;
        weights[i] = std::max(1, weights[i]);
    }
    return weights;
}
