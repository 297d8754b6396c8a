#include "account.h"

#include "enumtexts.h"

namespace {

constexpr EnumTexts<AccountType, 6> kTexts({{
                                               {AccountType::Checking, "checking"},
                                               {AccountType::Savings, "savings"},
                                               {AccountType::CreditCard, "credit_card"},
                                               {AccountType::Cash, "cash"},
                                               {AccountType::Investment, "investment"},
                                               {AccountType::Other, "other"},
                                           }},
                                           AccountType::Other);

} // namespace

QString accountTypeToText(AccountType type)
{
    return kTexts.toText(type);
}

AccountType accountTypeFromText(const QString &text)
{
    return kTexts.fromText(text);
}
