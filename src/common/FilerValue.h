#pragma once

#include <cstdint>

namespace zendrova {

// The type bytes of the component filer's value stream, which our header, list
// and template files use without any file header.
enum class FilerValue : std::uint8_t {
    Null = 0, // ends a list
    List = 1,
    Int8 = 2,
    Int16 = 3,
    Int32 = 4,
    String = 6, // one length byte
    LongString = 12, // four length bytes, for 256 bytes or more
};

// The longest text a one-byte length can hold.
inline constexpr int kMaxShortStringBytes = 255;

} // namespace zendrova
