// Feeds arbitrary bytes to the header file reader, then edits what it read
// with operations chosen by the same bytes read from the end. Besides never
// crashing or reading out of bounds: what is read survives a round trip, every
// edit reports exactly whether it changed the sections, and the sections keep
// their invariants (at least one, widths in range, percents of the width).
#include "common/CaptionList.h"
#include "mainwin/HeaderSections.h"

#include <algorithm>
#include <cmath>
#include <cstdlib>

using namespace zendrova;

namespace {

constexpr int kMaxOps = 64;

void check(bool condition)
{
    if (!condition)
        std::abort();
}

void checkInvariants(const HeaderSections &header)
{
    check(header.count() >= 1);
    for (const HeaderSection &section : header.all()) {
        check(section.width >= 0 && section.width <= HeaderSections::kMaxWidth);
        const long expected = header.headerWidth() > 0
            ? std::min(std::lround(section.width * 100.0 / header.headerWidth()), 32767L)
            : 0;
        check(section.percent == expected);
    }
}

// One edit chosen by op with the arguments a and b.
bool edit(
    HeaderSections &header, CaptionList &captions, std::uint8_t op, std::uint8_t a, std::uint8_t b)
{
    switch (op % 7) {
    case 0:
        return header.setHeaderWidth(((a << 8) | b) % 4000);
    case 1:
        return header.resize(a % (header.count() + 1), b * 4 - 200);
    case 2:
        return header.moveByDrop(a % header.count(), b * 8 - 16);
    case 3:
        return header.insert(a % (CaptionList::kCount + 2) - 1, captions);
    case 4: {
        const QStringList removable = header.removableCaptions(captions);
        return removable.isEmpty() ? false : header.remove(removable.at(a % removable.size()));
    }
    case 5:
        captions.setCaption(a % CaptionList::kCount + 1, QStringLiteral("F%1:").arg(b % 8));
        return header.applyCaptions(captions);
    default:
        return header.bindToCaptions(captions);
    }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    const QByteArray bytes(reinterpret_cast<const char *>(data), static_cast<qsizetype>(size));
    const auto pairs = HeaderSections::decode(bytes);
    if (pairs)
        check(HeaderSections::decode(HeaderSections::encode(*pairs)) == pairs);

    CaptionList captions;
    captions.fillDefaultsIfEmpty();
    HeaderSections header;
    header.setHeaderWidth(300);
    header.setPairs(pairs.value_or(QList<HeaderSection>()), captions);
    checkInvariants(header);
    // Operations stay cheap however many sections a file holds.
    const int ops = header.count() > 256 ? 0 : std::min<int>(kMaxOps, int(size / 3));
    for (int i = 0; i < ops; ++i) {
        const std::size_t at = size - 3 * std::size_t(i) - 3;
        const QList<HeaderSection> before = header.all();
        const int widthBefore = header.headerWidth();
        const bool changed = edit(header, captions, data[at], data[at + 1], data[at + 2]);
        // A new header width is a change even where no percent moves.
        check(changed == (header.all() != before || header.headerWidth() != widthBefore));
        checkInvariants(header);
    }

    // What the edits left is written and read back as the same header.
    const auto written = HeaderSections::decode(HeaderSections::encode(header.all()));
    check(written.has_value());
    HeaderSections reread;
    reread.setHeaderWidth(header.headerWidth());
    reread.setPairs(*written, captions);
    header.bindToCaptions(captions);
    check(reread.all() == header.all());
    return 0;
}
