#pragma once

#include <cstdint>

namespace zendrova {

// Where the main window was and how wide its record card page was.
struct WindowPlacement
{
    std::int32_t top = 0;
    std::int32_t left = 0;
    std::int32_t width = 0;
    std::int32_t height = 0;
    std::int32_t cardPageWidth = 0;

    // Only a placement with a real size is applied.
    bool isUsable() const { return width > 0 && height > 0 && cardPageWidth > 0; }
    bool operator==(const WindowPlacement &) const = default;
};

} // namespace zendrova
