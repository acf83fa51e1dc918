#pragma once

#include <cstdint>

namespace dbase {

// Little-endian integers as every dBASE file stores them.
inline uint16_t getU16(const char *p)
{
    const auto *b = reinterpret_cast<const unsigned char *>(p);
    return uint16_t(b[0] | (b[1] << 8));
}

inline uint32_t getU32(const char *p)
{
    const auto *b = reinterpret_cast<const unsigned char *>(p);
    return uint32_t(b[0]) | (uint32_t(b[1]) << 8) | (uint32_t(b[2]) << 16) | (uint32_t(b[3]) << 24);
}

inline void putU16(char *p, uint16_t v)
{
    p[0] = char(v & 0xFF);
    p[1] = char(v >> 8);
}

inline void putU32(char *p, uint32_t v)
{
    for (int i = 0; i < 4; ++i)
        p[i] = char((v >> (8 * i)) & 0xFF);
}

} // namespace dbase
