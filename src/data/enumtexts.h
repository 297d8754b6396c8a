#pragma once

#include <QString>

#include <array>
#include <utility>

// The stored text forms of an enumeration: unknown text reads as the fallback value, and a value
// outside the table writes the fallback's text.
template <typename Enum, std::size_t Count>
class EnumTexts
{
public:
    constexpr EnumTexts(std::array<std::pair<Enum, const char *>, Count> items, Enum fallback)
        : m_items(items)
        , m_fallback(fallback)
    {
    }

    QString toText(Enum value) const
    {
        for (const auto &[item, text] : m_items) {
            if (item == value) {
                return QString::fromLatin1(text);
            }
        }
        return toText(m_fallback);
    }

    Enum fromText(const QString &text) const
    {
        for (const auto &[item, itemText] : m_items) {
            if (text == QLatin1String(itemText)) {
                return item;
            }
        }
        return m_fallback;
    }

private:
    std::array<std::pair<Enum, const char *>, Count> m_items;
    Enum m_fallback;
};
