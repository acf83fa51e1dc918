#pragma once

#include "dbase/index/Decimal.h"

#include <cstdint>
#include <string>
#include <string_view>

namespace dbase {

// The three key forms of a dBASE IV multiple index and their order.
namespace keys {

constexpr int kNumericLength = 12;
constexpr int kDateLength = 8;
constexpr int kMaxCharacterLength = 100;

// 12-byte BCD form: byte 0 = 52 + integer digits (52 - leading fraction zeros
// when |x| < 1), byte 1 = sign bit 0x80 | significant digits << 2 | 0x01,
// then up to 20 digits, two per byte, high nibble first. Trailing zeros are not
// counted as significant digits, as the dBASE IV format has it.
std::string encodeNumber(const Decimal &value);
// IEEE double of the Julian Day Number, little-endian; blank date = 0.
std::string encodeDate(int64_t julianDay);

// Three-way comparison of two keys of the given type (C, N or D).
// C keys compare bytewise on the shorter length, so a partial key compares as a prefix.
int compare(char keyType, std::string_view a, std::string_view b);
// The same key: numbers by value, since writers differ in whether trailing zeros
// count as significant digits (-40 as 36 85 40 or 36 89 40); other keys byte for byte.
bool same(char keyType, std::string_view a, std::string_view b);

} // namespace keys
} // namespace dbase
