// Feeds arbitrary bytes to the readers of one report definition and of the
// template list. Besides never crashing or reading out of bounds, whatever
// reads whole must write back to the same bytes, except for texts that were
// not valid UTF-8 (they read as Latin-1 and so write back differently), and
// must then read again to the same bytes.
#include "common/ByteReader.h"
#include "common/ByteWriter.h"
#include "output/TReportList.h"
#include "output/TReportRec.h"

#include <cstdlib>

using namespace zendrova;

namespace {

void check(bool condition)
{
    if (!condition)
        std::abort();
}

QByteArray written(const TReportRec &definition)
{
    ByteWriter out;
    definition.write(out);
    return out.bytes();
}

void fuzzDefinition(const QByteArray &bytes)
{
    ByteReader in(bytes);
    TReportRec definition;
    definition.read(in);
    if (!in.ok())
        return;
    const QByteArray once = written(definition);
    ByteReader again(once);
    TReportRec reread;
    reread.read(again);
    check(again.ok() && again.atEnd());
    check(written(reread) == once);
}

void fuzzList(const QByteArray &bytes)
{
    TReportList list;
    if (!list.fromBytes(bytes))
        return;
    const QByteArray once = list.toBytes();
    TReportList reread;
    check(reread.fromBytes(once));
    check(reread.count() == list.count());
    check(reread.toBytes() == once);
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, size_t size)
{
    const QByteArray bytes(reinterpret_cast<const char *>(data), static_cast<qsizetype>(size));
    fuzzDefinition(bytes);
    fuzzList(bytes);
    return 0;
}
