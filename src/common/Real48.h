#pragma once

#include <optional>

namespace zendrova {

// Rounds to what a 6-byte real holds (40 significant bits, 8-bit exponent):
// about 11 to 12 significant decimal digits. Tiny values become 0; nothing
// is returned when the value is too large or not finite.
std::optional<long double> toReal48(long double value);

} // namespace zendrova
