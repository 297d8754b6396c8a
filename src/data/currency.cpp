#include "currency.h"

#include <array>

namespace {

struct CurrencyInfo
{
    Currency currency;
    const char *text;
    const char *symbol;
};

constexpr std::array<CurrencyInfo, 6> kCurrencies{{
    {Currency::USD, "USD", "$"},
    {Currency::EUR, "EUR", "\u20AC"},
    {Currency::GBP, "GBP", "\u00A3"},
    {Currency::CAD, "CAD", "$"},
    {Currency::AUD, "AUD", "$"},
    {Currency::JPY, "JPY", "\u00A5"},
}};

// Out-of-range values behave as USD wherever they are shown or written.
const CurrencyInfo &infoFor(Currency currency)
{
    for (const auto &info : kCurrencies) {
        if (info.currency == currency) {
            return info;
        }
    }
    return kCurrencies.front();
}

} // namespace

QString currencySymbol(Currency currency)
{
    return QString::fromUtf8(infoFor(currency).symbol);
}

QString currencyToText(Currency currency)
{
    return QString::fromLatin1(infoFor(currency).text);
}

Currency currencyFromText(const QString &text)
{
    for (const auto &info : kCurrencies) {
        if (text == QLatin1String(info.text)) {
            return info.currency;
        }
    }
    return Currency::USD;
}

bool currencyHasCents(Currency currency)
{
    return infoFor(currency).currency != Currency::JPY;
}
