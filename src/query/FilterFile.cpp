#include "query/FilterFile.h"

#include "query/TFilterList.h"

#include "store/StoreTable.h"

#include "common/ByteReader.h"
#include "common/ByteWriter.h"
#include "common/WholeFile.h"

namespace zendrova::FilterFile {

namespace {

constexpr std::uint8_t kListStart = 0x01;
constexpr std::uint8_t kListEnd = 0x00;
constexpr std::uint8_t kShortString = 0x06;
constexpr std::uint8_t kLongString = 0x0C;
// Far above any filter a user can build; keeps a stray huge file out.
constexpr qint64 kMaxFileBytes = 16 * 1024 * 1024;

void writeString(ByteWriter &out, const QString &text)
{
    const QByteArray bytes = QByteArray::fromStdString(toCp1252(text));
    if (bytes.size() < 256) {
        out.byte(kShortString);
        out.byte(static_cast<std::uint8_t>(bytes.size()));
    } else {
        out.byte(kLongString);
        out.int32(static_cast<std::int32_t>(bytes.size()));
    }
    out.raw(bytes);
}

// Either tag is accepted for any length.
QString readString(ByteReader &in)
{
    const std::uint8_t tag = in.byte();
    int length = 0;
    if (tag == kShortString)
        length = in.byte();
    else if (tag == kLongString)
        length = in.int32();
    else
        in.fail();
    return fromCp1252(in.raw(length).toStdString());
}

// True when the next byte ends the list (and takes it).
bool listEnds(ByteReader &in)
{
    const std::optional<std::uint8_t> next = in.peek();
    if (!next) {
        in.fail();
        return true;
    }
    if (*next == kListEnd)
        in.byte();
    return *next == kListEnd;
}

void readEntry(ByteReader &in, TFilter &entry)
{
    entry.FieldPos = in.byte();
    entry.Kind = in.byte();
    entry.Unset = in.byte() != 0;
    entry.Condition = in.byte();
    entry.Value1 = readString(in);
    entry.Value2 = readString(in);
    if (in.byte() != kListStart)
        in.fail();
    while (in.ok() && !listEnds(in))
        entry.Values << readString(in);
}

bool loadBytes(TFilterList &filter, const std::optional<QByteArray> &bytes)
{
    filter.clear();
    if (!bytes)
        return false;
    std::optional<std::vector<TFilter>> entries = decode(*bytes);
    if (!entries)
        return false;
    filter.entries() = std::move(*entries);
    filter.prepareAll();
    return true;
}

} // namespace

QByteArray encode(const std::vector<TFilter> &entries)
{
    ByteWriter out;
    out.byte(kListStart);
    for (const TFilter &entry : entries) {
        out.byte(entry.FieldPos);
        out.byte(entry.Kind);
        out.byte(entry.Unset ? 1 : 0);
        out.byte(entry.Condition);
        writeString(out, entry.Value1);
        writeString(out, entry.Value2);
        out.byte(kListStart);
        for (const QString &value : entry.Values)
            writeString(out, value);
        out.byte(kListEnd);
    }
    out.byte(kListEnd);
    return out.bytes();
}

std::optional<std::vector<TFilter>> decode(const QByteArray &bytes)
{
    ByteReader in(bytes);
    if (in.byte() != kListStart)
        return std::nullopt;
    std::vector<TFilter> entries;
    while (in.ok() && !listEnds(in)) {
        entries.emplace_back();
        readEntry(in, entries.back());
    }
    if (!in.ok())
        return std::nullopt;
    return entries;
}

bool load(TFilterList &filter, const QString &path)
{
    return loadBytes(filter, readWholeFile(path, kMaxFileBytes));
}

bool save(const TFilterList &filter, const QString &path)
{
    return writeWholeFile(path, encode(filter.entries()));
}

bool loadSaved(TFilterList &filter, const QString &settingsFolder)
{
    return loadBytes(filter, readFileIn(settingsFolder, kFileName, kMaxFileBytes));
}

bool saveSaved(const TFilterList &filter, const QString &settingsFolder)
{
    return writeFileIn(settingsFolder, kFileName, encode(filter.entries()));
}

} // namespace zendrova::FilterFile
