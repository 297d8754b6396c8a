#pragma once

#include <QString>

// Currencies an account can be kept in. The numeric values are stored nowhere; the text form is
// what the accounts table holds.
enum class Currency
{
    USD = 0,
    EUR = 1,
    GBP = 2,
    CAD = 3,
    AUD = 4,
    JPY = 5
};

QString currencySymbol(Currency currency);
QString currencyToText(Currency currency);
Currency currencyFromText(const QString &text);
// Yen have no minor unit: amounts count whole yen.
bool currencyHasCents(Currency currency);
