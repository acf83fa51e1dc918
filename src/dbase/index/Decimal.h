#pragma once

#include <compare>
#include <string>
#include <string_view>

namespace dbase {

// An exact decimal number for key arithmetic: index keys must order money and
// record numbers without the rounding drift of binary floating point.
// value = (negative ? -1 : 1) * digits * 10^exponent; digits hold no leading
// or trailing zeros, so zero has empty digits.
class Decimal
{
public:
    Decimal() = default;

    // Parses an optional sign, digits and an optional fraction, ignoring blanks
    // around it. Returns false for anything else (the value is then zero).
    static bool parse(std::string_view text, Decimal &out);
    // Same, but a blank or unreadable field counts as zero, as stored numbers do.
    static Decimal fromField(std::string_view raw);
    static Decimal fromInteger(long long value);

    bool isZero() const { return digits_.empty(); }
    bool isNegative() const { return negative_; }
    // Significant digits, most significant first, and the power of ten of the last one.
    const std::string &digits() const { return digits_; }
    int exponent() const { return exponent_; }
    // Number of digits before the decimal point (0 when |x| < 1).
    int integerDigits() const;

    Decimal operator-() const;
    friend Decimal operator+(const Decimal &a, const Decimal &b);
    friend Decimal operator-(const Decimal &a, const Decimal &b);
    friend std::strong_ordering operator<=>(const Decimal &a, const Decimal &b);
    friend bool operator==(const Decimal &a, const Decimal &b) = default;

    // Rounded half away from zero to the given number of decimals.
    Decimal rounded(int decimals) const;
    // Fixed notation with exactly the given decimals, e.g. "-12.50"; rounds first.
    std::string toFixed(int decimals) const;

private:
    void normalize();
    static std::strong_ordering compareMagnitude(const Decimal &a, const Decimal &b);
    static Decimal addMagnitudes(const Decimal &a, const Decimal &b);
    static Decimal subtractMagnitudes(const Decimal &big, const Decimal &small);

    bool negative_ = false;
    std::string digits_;
    int exponent_ = 0;
};

} // namespace dbase
