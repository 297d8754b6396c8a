#pragma once

#include "currency.h"

#include <QString>
#include <QtGlobal>

// Money is a signed count of the currency's minor unit: payments negative, deposits positive.

// "$1,234.56", "-$0.05", "¥1,500": labels, lists and reports.
QString formatMoney(qint64 cents, Currency currency);
// "1,234.56", "-0.05": register and editor cells.
QString formatAmount(qint64 cents, Currency currency);
// Typed text to cents. Unreadable text, and numbers that do not fit in 64 bits, give 0.
qint64 parseMoney(const QString &text, Currency currency);
