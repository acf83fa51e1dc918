// Feeds arbitrary bytes to the page stream reader. Whatever it accepts must
// be written back to exactly the same bytes.
#include "printengine/PageStreamFile.h"

#include <cstdint>
#include <cstdlib>

using namespace zendrova::print;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    const QByteArray bytes(reinterpret_cast<const char *>(data), static_cast<qsizetype>(size));
    const std::optional<PageStream> stream = PageStreamFile::decode(bytes);
    if (!stream)
        return 0;
    const QByteArray again = PageStreamFile::encode(*stream);
    const std::optional<PageStream> back = PageStreamFile::decode(again);
    if (!back || back->pages.size() != stream->pages.size())
        std::abort();
    // Pictures are re-encoded as PNG, so only streams without them compare byte for byte.
    bool pictures = false;
    for (const Page &page : stream->pages)
        for (const PageOp &op : page.ops)
            pictures = pictures || std::holds_alternative<PagePicture>(op);
    if (!pictures && again != bytes)
        std::abort();
    return 0;
}
