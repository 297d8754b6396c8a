#pragma once

#include <QColor>

// Colours with a dark and a light variant: the dark one is used while the application palette's
// window colour has a lightness below 128. Decided on every call, so a theme change shows on
// the next repaint.
namespace ThemeColors {

bool isDark();
QColor negativeAmount(); // also errors
QColor positiveAmount(); // also success
QColor warning();
QColor editLineHighlight();
QColor muted(); // placeholders, memos, secondary text

} // namespace ThemeColors
