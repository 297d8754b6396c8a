#include "moneyaxis.h"

#include "data/money.h"

#include <algorithm>
#include <cmath>

namespace {

// The round step nearest above `raw`, in minor units, never below one whole unit.
qint64 roundStep(double raw, qint64 unit)
{
    const double units = std::max(raw / double(unit), 1.0);
    const double magnitude = std::pow(10.0, std::floor(std::log10(units)));
    for (const double factor : {1.0, 2.0, 2.5, 5.0, 10.0}) {
        if (factor * magnitude >= units) {
            return std::max<qint64>(1, qint64(std::llround(factor * magnitude))) * unit;
        }
    }
    return qint64(std::llround(10 * magnitude)) * unit;
}

qint64 floorTo(qint64 value, qint64 step)
{
    const qint64 q = value / step;
    return (value % step != 0 && value < 0 ? q - 1 : q) * step;
}

qint64 ceilTo(qint64 value, qint64 step)
{
    const qint64 q = value / step;
    return (value % step != 0 && value > 0 ? q + 1 : q) * step;
}

} // namespace

MoneyAxisScale MoneyAxisScale::covering(qint64 low, qint64 high, Currency currency, int targetTicks)
{
    low = std::min<qint64>(low, 0);
    high = std::max<qint64>(high, 0);
    const qint64 unit = currencyHasCents(currency) ? 100 : 1;
    MoneyAxisScale scale;
    scale.step = roundStep(double(high - low) / double(std::max(1, targetTicks)), unit);
    scale.minimum = floorTo(low, scale.step);
    scale.maximum = std::max(ceilTo(high, scale.step), scale.minimum + scale.step);
    for (qint64 tick = scale.minimum; tick <= scale.maximum; tick += scale.step) {
        scale.ticks << tick;
    }
    return scale;
}

QString MoneyAxisScale::label(qint64 value, Currency currency)
{
    QString text = formatMoney(value, currency);
    if (currencyHasCents(currency) && value % 100 == 0) {
        text.chop(3); // the decimal separator and "00"
    }
    return text;
}
