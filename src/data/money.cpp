#include "money.h"

#include <QLocale>

#include <cmath>
#include <limits>

namespace {

// The magnitude is taken as unsigned so that the most negative amount has one too.
quint64 magnitude(qint64 cents)
{
    return cents < 0 ? quint64(0) - quint64(cents) : quint64(cents);
}

QString formatNumber(quint64 value, Currency currency)
{
    const QLocale english(QLocale::English);
    if (!currencyHasCents(currency)) {
        return english.toString(value);
    }
    return QStringLiteral("%1.%2")
        .arg(english.toString(value / 100))
        .arg(value % 100, 2, 10, QLatin1Char('0'));
}

qint64 parseCents(const QString &text, bool *ok)
{
    const double value = text.toDouble(ok);
    if (!*ok) {
        return 0;
    }
    const double scaled = std::round(value * 100.0);
    // 2^63 is exactly representable; anything at or beyond it (or not finite) cannot be held.
    constexpr double limit = 9223372036854775808.0;
    if (!std::isfinite(scaled) || scaled >= limit || scaled < -limit) {
        *ok = false;
        return 0;
    }
    return static_cast<qint64>(scaled);
}

} // namespace

QString formatMoney(qint64 cents, Currency currency)
{
    const QString number = formatNumber(magnitude(cents), currency);
    const QString symbol = currencySymbol(currency);
    return cents < 0 ? QStringLiteral("-%1%2").arg(symbol, number)
                     : QStringLiteral("%1%2").arg(symbol, number);
}

QString formatAmount(qint64 cents, Currency currency)
{
    const QString number = formatNumber(magnitude(cents), currency);
    return cents < 0 ? QStringLiteral("-%1").arg(number) : number;
}

qint64 parseMoney(const QString &text, Currency currency)
{
    return readMoney(text, currency).value_or(0);
}

std::optional<qint64> readMoney(const QString &text, Currency currency)
{
    QString rest = text;
    rest.remove(currencySymbol(currency));
    rest.remove(QLatin1Char(','));
    rest = rest.trimmed();
    if (rest.isEmpty()) {
        return std::nullopt;
    }
    const bool negative = rest.startsWith(QLatin1Char('-'));
    if (negative) {
        rest.remove(0, 1);
    }
    bool ok = false;
    const qint64 value = currencyHasCents(currency) ? parseCents(rest, &ok) : rest.toLongLong(&ok);
    if (!ok || (negative && value == std::numeric_limits<qint64>::min())) {
        return std::nullopt;
    }
    return negative ? -value : value;
}
