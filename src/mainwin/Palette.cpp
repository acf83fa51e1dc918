#include "mainwin/Palette.h"

#include <array>

namespace zendrova {

namespace {

// white, silver, aqua, yellow, lime, red, blue, fuchsia, maroon, olive, green,
// teal, navy, purple, gray, black
constexpr std::array<QRgb, Palette::kSize> kColors { 0xFFFFFF, 0xC0C0C0, 0x00FFFF, 0xFFFF00,
    0x00FF00, 0xFF0000, 0x0000FF, 0xFF00FF, 0x800000, 0x808000, 0x008000, 0x008080, 0x000080,
    0x800080, 0x808080, 0x000000 };

constexpr int kFirstDarkIndex = 12;

} // namespace

QColor Palette::color(int index)
{
    if (index < 0 || index >= kSize)
        index = kSize - 1;
    return QColor::fromRgb(kColors[static_cast<std::size_t>(index)]);
}

QColor Palette::outlineColor(int index)
{
    return index >= kFirstDarkIndex ? QColor(Qt::yellow) : QColor(Qt::black);
}

} // namespace zendrova
