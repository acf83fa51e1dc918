#include "common/Real48.h"

#include <cmath>

namespace zendrova {

std::optional<long double> toReal48(long double value)
{
    if (!std::isfinite(value))
        return std::nullopt;
    if (value == 0.0L)
        return 0.0L;
    int exponent = 0;
    const long double mantissa = std::frexp(value, &exponent); // 0.5 <= |m| < 1
    const long double rounded = std::ldexp(std::round(std::ldexp(mantissa, 40)), exponent - 40);
    // The biased exponent byte 1..255 (bias 129) spans 2^-129 <= |x| < 2^127.
    if (std::fabs(rounded) >= std::ldexp(1.0L, 127))
        return std::nullopt;
    if (std::fabs(rounded) < std::ldexp(1.0L, -129))
        return 0.0L;
    return rounded;
}

} // namespace zendrova
