#include "dbase/szdd/Szdd.h"

#include <array>
#include <cstdio>
#include <cstring>
#include <fcntl.h>
#include <unistd.h>

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

bool readWholeFile(const std::string &path, std::string &out)
{
    std::FILE *f = std::fopen(path.c_str(), "rb");
    if (!f)
        return false;
    std::array<char, 65536> buffer;
    std::size_t n;
    while ((n = std::fread(buffer.data(), 1, buffer.size(), f)) > 0)
        out.append(buffer.data(), n);
    const bool ok = !std::ferror(f);
    std::fclose(f);
    return ok;
}

bool writeAll(int fd, const char *data, std::size_t size)
{
    while (size > 0) {
        const ssize_t n = ::write(fd, data, size);
        if (n < 0)
            return false;
        data += n;
        size -= std::size_t(n);
    }
    return true;
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
    std::string content;
    if (!readWholeFile(source, content))
        return false;
    if (isSzdd(content.data(), content.size())) {
        try {
            content = expandSzdd(content.data(), content.size());
        } catch (const SzddError &) {
            return false;
        }
    }
    const std::string temporary = target + ".part";
    const int fd = ::open(temporary.c_str(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0644);
    if (fd < 0)
        return false;
    const bool written = writeAll(fd, content.data(), content.size()) && ::fsync(fd) == 0;
    if (::close(fd) != 0 || !written || std::rename(temporary.c_str(), target.c_str()) != 0) {
        std::remove(temporary.c_str());
        return false;
    }
    return true;
}

} // namespace dbase
