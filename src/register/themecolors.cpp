#include "themecolors.h"

#include <QGuiApplication>
#include <QPalette>

namespace ThemeColors {

bool isDark()
{
    return QGuiApplication::palette().color(QPalette::Window).lightness() < 128;
}

QColor negativeAmount()
{
    return isDark() ? QColor(0xFF, 0x8A, 0x80) : QColor(0xC6, 0x28, 0x28);
}

QColor positiveAmount()
{
    return isDark() ? QColor(0x66, 0xBB, 0x6A) : QColor(0x2E, 0x7D, 0x32);
}

QColor warning()
{
    return isDark() ? QColor(0xFF, 0xA7, 0x26) : QColor(0xE6, 0x51, 0x00);
}

QColor editLineHighlight()
{
    return isDark() ? QColor(0x1A, 0x2E, 0x28) : QColor(0xE8, 0xF5, 0xE9);
}

QColor muted()
{
    return QColor(0x6E, 0x8A, 0x7E);
}

} // namespace ThemeColors
