#pragma once

#include <cstdint>
#include <span>

namespace dbase::cardgen {

// A small generator of our own (splitmix64): the standard distributions may
// differ between library versions, and generated tables must not.
class CardRandom
{
public:
    explicit CardRandom(uint64_t seed)
        : m_state(seed)
    { }

    uint64_t next()
    {
        uint64_t z = (m_state += 0x9E3779B97F4A7C15ull);
        z = (z ^ (z >> 30)) * 0xBF58476D1CE4E5B9ull;
        z = (z ^ (z >> 27)) * 0x94D049BB133111EBull;
        return z ^ (z >> 31);
    }

    // 0 ... n - 1 (n > 0).
    uint64_t below(uint64_t n)
    {
        return uint64_t((static_cast<unsigned __int128>(next()) * n) >> 64);
    }
    // low ... high, both included.
    int64_t between(int64_t low, int64_t high)
    {
        return low + int64_t(below(uint64_t(high - low + 1)));
    }
    // True in percent cases out of 100.
    bool percent(int percent) { return below(100) < uint64_t(percent); }

    template <typename T> const T &pick(std::span<const T> items)
    {
        return items[below(items.size())];
    }

private:
    uint64_t m_state;
};

} // namespace dbase::cardgen
