#pragma once

#include <QColor>

// Slice and series colours that stay apart from each other and readable on both the light and the
// dark theme: mid-lightness hues, no near-white and no near-black.
namespace ChartPalette {

int size();
// The colour of the index-th slice; the palette repeats after size() colours.
QColor color(int index);

} // namespace ChartPalette
