#pragma once

#include "currency.h"

#include <QString>
#include <QtGlobal>

#include <optional>

// Money is a signed count of the currency's minor unit: payments negative, deposits positive.

// "$1,234.56", "-$0.05", "¥1,500": labels, lists and reports.
QString formatMoney(qint64 cents, Currency currency);
// "1,234.56", "-0.05": register and editor cells.
QString formatAmount(qint64 cents, Currency currency);
// Typed text to cents. Unreadable text, and numbers that do not fit in 64 bits, give 0.
qint64 parseMoney(const QString &text, Currency currency);
// The same reading, with nullopt for text that is not an amount (an empty text included).
std::optional<qint64> readMoney(const QString &text, Currency currency);

// The largest magnitude the program stores: sums of many such amounts still fit in 64 bits.
constexpr qint64 kMaxStoredAmount = 1'000'000'000'000'000; // 10^15 minor units
constexpr bool isStorableAmount(qint64 cents)
{
    return cents <= kMaxStoredAmount && cents >= -kMaxStoredAmount;
}
