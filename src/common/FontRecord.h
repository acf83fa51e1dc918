#pragma once

#include <QString>
#include <cstdint>

namespace zendrova {

// A font as the options files keep it: name, style bits and size in points.
struct FontRecord
{
    // On disk: a length byte and up to 255 name bytes in a 256-byte field, the
    // style byte, 3 padding bytes, the size as a 32-bit little-endian integer.
    static constexpr int kNameFieldBytes = 256;
    static constexpr int kPaddingBytes = 3;
    static constexpr int kRecordBytes = kNameFieldBytes + 1 + kPaddingBytes + 4;

    enum StyleBit : std::uint8_t { Bold = 1, Italic = 2, Underline = 4, StrikeOut = 8 };

    QString name = QStringLiteral("Arial");
    std::uint8_t style = Bold;
    std::int32_t size = 10;

    bool operator==(const FontRecord &) const = default;
};

} // namespace zendrova
