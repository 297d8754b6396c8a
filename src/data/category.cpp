#include "category.h"

#include "enumtexts.h"

namespace {

constexpr EnumTexts<CategoryType, 3> kTexts({{
                                                {CategoryType::Income, "income"},
                                                {CategoryType::Expense, "expense"},
                                                {CategoryType::Transfer, "transfer"},
                                            }},
                                            CategoryType::Expense);

} // namespace

QString categoryTypeToText(CategoryType type)
{
    return kTexts.toText(type);
}

CategoryType categoryTypeFromText(const QString &text)
{
    return kTexts.fromText(text);
}
