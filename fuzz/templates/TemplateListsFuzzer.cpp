// Feeds arbitrary bytes to the template list readers and to the filer value
// reader. Besides never crashing, hanging or reading out of bounds, whatever
// is read (also from a damaged list) must survive being written and read
// again, and a list reads whole exactly when the strict decoder takes it.
#include "common/ByteWriter.h"
#include "common/FilerReader.h"
#include "common/FilerWriter.h"
#include "common/TColorList.h"
#include "common/TTemplateList.h"

#include <cstdlib>

using namespace zendrova;

namespace {

void check(bool condition)
{
    if (!condition)
        std::abort();
}

template <typename Write, typename Read> void checkRoundTrip(Write write, Read read)
{
    FilerWriter out;
    write(out);
    FilerReader in(out.bytes());
    check(read(in) && in.ok());
}

// Each op byte picks the next read; a value that was read is written again and
// must read back equal. Once the reader fails it must stay failed and end lists.
void walkValues(const QByteArray &ops, const QByteArray &stream)
{
    FilerReader in(stream);
    for (const char op : ops) {
        const auto code = static_cast<std::uint8_t>(op);
        switch (code % 7) {
        case 0:
            in.listBegin();
            break;
        case 1:
            in.endOfList();
            break;
        case 2:
            in.listEnd();
            break;
        case 3: {
            const QString text = in.string();
            if (in.ok())
                checkRoundTrip([&](FilerWriter &w) { w.string(text); },
                    [&](FilerReader &r) { return r.string() == text; });
            break;
        }
        case 4: {
            const std::int32_t value = in.integer();
            if (in.ok())
                checkRoundTrip([&](FilerWriter &w) { w.integer(value); },
                    [&](FilerReader &r) { return r.integer() == value; });
            break;
        }
        case 5: {
            const QString text = in.shortString();
            if (in.ok() && ByteWriter::fitsString(text))
                checkRoundTrip([&](FilerWriter &w) { w.shortString(text); },
                    [&](FilerReader &r) { return r.shortString() == text; });
            break;
        }
        default:
            in.raw(code >> 3);
            break;
        }
        if (!in.ok()) {
            check(in.endOfList() && in.string().isEmpty() && !in.ok());
            return;
        }
    }
}

bool namesFit(const QList<TColorRec> &items)
{
    for (const TColorRec &item : items) {
        if (!ByteWriter::fitsString(item.name))
            return false;
    }
    return true;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    const QByteArray bytes(reinterpret_cast<const char *>(data), static_cast<qsizetype>(size));

    const TTemplateList::Read templates = TTemplateList::readItems(bytes);
    check(templates.whole == TTemplateList::decode(bytes).has_value());
    check(TTemplateList::decode(TTemplateList::encode(templates.items)) == templates.items);
    // Single-byte names can grow past the short string limit when written as UTF-8.
    const TColorList::Read colors = TColorList::readItems(bytes);
    check(colors.whole == TColorList::decode(bytes).has_value());
    if (namesFit(colors.items))
        check(TColorList::decode(TColorList::encode(colors.items)) == colors.items);

    if (!bytes.isEmpty()) {
        const int opCount = static_cast<std::uint8_t>(bytes[0]) % 32;
        walkValues(bytes.mid(1, opCount), bytes.mid(1 + opCount));
    }
    return 0;
}
