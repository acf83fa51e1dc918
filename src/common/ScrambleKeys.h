#pragma once

#include <QByteArray>

#include <array>
#include <cstdint>

namespace zendrova {

// A scrambled string is XOR-ed byte by byte with a repeating 10-byte key; the
// settings files and the account list use different keys. Each key byte lies
// between 1 and 31. Changing a key makes every existing file unreadable.
using ScrambleKey = std::array<std::uint8_t, 10>;

inline constexpr ScrambleKey kSettingsKey { 0x13, 0x07, 0x1C, 0x02, 0x11, 0x0B, 0x1F, 0x05, 0x18,
    0x0E };
inline constexpr ScrambleKey kAccountsKey { 0x0A, 0x19, 0x03, 0x16, 0x01, 0x1D, 0x0C, 0x12, 0x06,
    0x1B };

constexpr bool isValidKey(const ScrambleKey &key)
{
    for (std::uint8_t b : key) {
        if (b < 1 || b > 31)
            return false;
    }
    return true;
}
static_assert(isValidKey(kSettingsKey) && isValidKey(kAccountsKey));
static_assert(kSettingsKey != kAccountsKey);

// Scrambling is its own inverse: the same call encodes and decodes.
inline QByteArray scrambled(QByteArray bytes, const ScrambleKey &key)
{
    for (qsizetype i = 0; i < bytes.size(); ++i)
        bytes[i] = static_cast<char>(bytes[i] ^ key[static_cast<std::size_t>(i) % key.size()]);
    return bytes;
}

} // namespace zendrova
