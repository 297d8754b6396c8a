#pragma once

#include "data/currency.h"

#include <QList>
#include <QString>
#include <QtGlobal>

// A money axis with round ticks: 0, 500, 1,000, 1,500 rather than 1213, 2425, 4275.
struct MoneyAxisScale
{
    qint64 minimum = 0; // minor units, a multiple of step
    qint64 maximum = 0;
    qint64 step = 0;
    QList<qint64> ticks; // from minimum to maximum, step apart

    // The smallest round scale covering low..high (and 0) with about `targetTicks` intervals;
    // steps are 1, 2, 2.5 or 5 times a power of ten of whole currency units.
    static MoneyAxisScale covering(qint64 low, qint64 high, Currency currency, int targetTicks = 5);
    // "$1,500", "-$500", "¥2,000": a tick as money without the cents a round tick never has.
    static QString label(qint64 value, Currency currency);
};
