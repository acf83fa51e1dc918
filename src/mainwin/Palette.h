#pragma once

#include <QColor>

namespace zendrova {

// The 16 colours every scheme element indexes.
class Palette
{
public:
    static constexpr int kSize = 16;

    // An index outside the palette gives black, the last entry.
    static QColor color(int index);
    // The frame around the current cell of the palette grid: black shows on the
    // light colours 0-11, yellow on the dark ones 12-15.
    static QColor outlineColor(int index);
};

} // namespace zendrova
