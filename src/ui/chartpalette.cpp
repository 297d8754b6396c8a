#include "chartpalette.h"

#include <iterator>

namespace {

// Ten hues of even weight, told apart by people with the common colour-vision deficiencies too.
const QRgb kColors[] = {0x4E79A7, 0xF28E2B, 0xE15759, 0x76B7B2, 0x59A14F,
                        0xEDC948, 0xB07AA1, 0xFF9DA7, 0x9C755F, 0x8CD17D};

} // namespace

namespace ChartPalette {

int size()
{
    return int(std::size(kColors));
}

QColor color(int index)
{
    return QColor(kColors[((index % size()) + size()) % size()]);
}

} // namespace ChartPalette
