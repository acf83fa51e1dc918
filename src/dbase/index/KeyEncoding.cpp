#include "dbase/index/KeyEncoding.h"

#include <algorithm>
#include <cstring>

namespace dbase::keys {

namespace {

constexpr int kMaxBcdDigits = 20;

// Digits of an encoded number, sign and magnitude order: -1 negative, 0 zero, 1 positive.
int signOf(std::string_view key)
{
    const auto flags = static_cast<uint8_t>(key[1]);
    if ((flags >> 2 & 0x1F) == 0)
        return 0;
    return (flags & 0x80) ? -1 : 1;
}

double readDouble(std::string_view key)
{
    double value = 0;
    std::memcpy(&value, key.data(), sizeof value);
    return value;
}

} // namespace

std::string encodeNumber(const Decimal &input)
{
    // More digits than the key holds: round to the 20 that fit.
    Decimal value = input;
    if (value.digits().size() > kMaxBcdDigits) {
        const int decimals = kMaxBcdDigits - static_cast<int>(value.digits().size()) -
                             value.exponent();
        value = value.rounded(decimals);
    }
    std::string key(kNumericLength, '\0');
    const std::string &digits = value.digits();
    const int count = std::min<int>(static_cast<int>(digits.size()), kMaxBcdDigits);
    // Position of the leading digit: digits before the point, or minus the zeros after it.
    const int lead = static_cast<int>(digits.size()) + value.exponent();
    key[0] = static_cast<char>(value.isZero() ? 52 : 52 + lead);
    key[1] = static_cast<char>((value.isNegative() ? 0x80 : 0) | (count << 2) | 0x01);
    for (int i = 0; i < count; ++i) {
        const int nibble = digits[static_cast<size_t>(i)] - '0';
        auto &byte = key[static_cast<size_t>(2 + i / 2)];
        byte = static_cast<char>(static_cast<uint8_t>(byte) | (i % 2 == 0 ? nibble << 4 : nibble));
    }
    return key;
}

std::string encodeDate(int64_t julianDay)
{
    const double value = static_cast<double>(julianDay);
    std::string key(kDateLength, '\0');
    std::memcpy(key.data(), &value, sizeof value);
    return key;
}

int compare(char keyType, std::string_view a, std::string_view b)
{
    if (keyType == 'N' && a.size() >= kNumericLength && b.size() >= kNumericLength) {
        const int sa = signOf(a), sb = signOf(b);
        if (sa != sb)
            return sa < sb ? -1 : 1;
        if (sa == 0)
            return 0;
        int magnitude = static_cast<uint8_t>(a[0]) - static_cast<uint8_t>(b[0]);
        if (magnitude == 0)
            magnitude = std::memcmp(a.data() + 2, b.data() + 2, kNumericLength - 2);
        magnitude = magnitude < 0 ? -1 : magnitude > 0 ? 1 : 0;
        return sa < 0 ? -magnitude : magnitude;
    }
    if (keyType == 'D' && a.size() >= kDateLength && b.size() >= kDateLength) {
        const double x = readDouble(a), y = readDouble(b);
        return x < y ? -1 : x > y ? 1 : 0;
    }
    const size_t n = std::min(a.size(), b.size());
    const int c = std::memcmp(a.data(), b.data(), n);
    if (c != 0)
        return c < 0 ? -1 : 1;
    return 0;
}

bool same(char keyType, std::string_view a, std::string_view b)
{
    if (keyType == 'N' && a.size() >= kNumericLength && b.size() >= kNumericLength)
        return compare(keyType, a, b) == 0;
    return a == b;
}

} // namespace dbase::keys
