#pragma once

#include <array>
#include <cstdint>

namespace zendrova {

// The 27 colour elements of the main window, each an index into the 16-colour
// palette, in the order of the options dialog's element list.
struct ColorScheme
{
    static constexpr int kElementCount = 27;
    static constexpr std::uint8_t kPaletteSize = 16;

    std::array<std::uint8_t, kElementCount> elements = defaults();

    static constexpr std::array<std::uint8_t, kElementCount> defaults()
    {
        return { 6, 1, 0, 14, 6, 1, 14, 1, 0, 14, 6, 1, 1, 1, 1, 15, 0, 15, 0, 12, 1, 6, 5, 0, 1, 1,
            1 };
    }

    bool operator==(const ColorScheme &) const = default;
};

} // namespace zendrova
