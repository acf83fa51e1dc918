#include "dbase/szdd/Szdd.h"

#include "dbase/File.h"

#include <array>
#include <cstdio>
#include <cstring>

namespace dbase {

namespace {

constexpr unsigned char kMagic[8] = {0x53, 0x5A, 0x44, 0x44, 0x88, 0xF0, 0x27, 0x33};
constexpr std::size_t kHeaderSize = 14;
constexpr unsigned kWindowSize = 4096;
constexpr unsigned kWindowStart = kWindowSize - 16;
// The best case of this coder is a flag byte and eight 2-byte matches of 18
// bytes each; a header claiming more than that is lying.
constexpr std::size_t kMaxRatio = 9;

uint32_t readLe32(const unsigned char *p)
{
    return uint32_t(p[0]) | uint32_t(p[1]) << 8 | uint32_t(p[2]) << 16 | uint32_t(p[3]) << 24;
}

} // namespace

bool isSzdd(const void *data, std::size_t size)
{
    return size >= kHeaderSize && std::memcmp(data, kMagic, sizeof kMagic) == 0;
}

std::string expandSzdd(const void *data, std::size_t size)
{
    if (!isSzdd(data, size))
        throw SzddError("not an SZDD compressed file");
    const auto *in = static_cast<const unsigned char *>(data);
    if (in[8] != 'A')
        throw SzddError("unknown SZDD compression mode");
    const std::size_t expected = readLe32(in + 10);
    if (expected > (size - kHeaderSize) * kMaxRatio)
        throw SzddError("SZDD header gives an impossible length");

    std::array<unsigned char, kWindowSize> window;
    window.fill(' ');
    unsigned pos = kWindowStart;
    std::string out;
    out.reserve(expected);
    std::size_t i = kHeaderSize;
    auto put = [&](unsigned char c) {
        out.push_back(char(c));
        window[pos] = c;
        pos = (pos + 1) % kWindowSize;
    };
    while (out.size() < expected) {
        if (i >= size)
            throw SzddError("SZDD data is cut short");
        const unsigned flags = in[i++];
        for (int bit = 0; bit < 8 && out.size() < expected; ++bit) {
            if (flags & (1u << bit)) {
                if (i >= size)
                    throw SzddError("SZDD data is cut short");
                put(in[i++]);
            } else {
                if (i + 1 >= size)
                    throw SzddError("SZDD data is cut short");
                unsigned from = in[i] | (unsigned(in[i + 1] & 0xF0) << 4);
                const unsigned length = (in[i + 1] & 0x0F) + 3;
                i += 2;
                for (unsigned k = 0; k < length && out.size() < expected; ++k) {
                    put(window[from]);
                    from = (from + 1) % kWindowSize;
                }
            }
        }
    }
    return out;
}

bool copyFileExpanding(const std::string &source, const std::string &target)
{
    const std::string temporary = target + ".part";
    try {
        std::string content;
        {
            const File in(source, File::Mode::ReadOnly);
            content.resize(size_t(in.size()));
            content.resize(in.readSome(0, content.data(), content.size()));
        }
        if (isSzdd(content.data(), content.size()))
            content = expandSzdd(content.data(), content.size());
        File out(temporary, File::Mode::Create);
        out.write(0, content.data(), content.size());
        out.sync();
        out.close();
        if (std::rename(temporary.c_str(), target.c_str()) != 0)
            throw Error(ErrorKind::Io, "Cannot rename " + temporary);
        return true;
    } catch (const Error &) {
        std::remove(temporary.c_str());
        return false;
    }
}

} // namespace dbase
