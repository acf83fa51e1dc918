#include "dbase/DbfHeader.h"

#include "dbase/ByteOrder.h"
#include "dbase/Error.h"

#include <cctype>
#include <ctime>

namespace dbase {

namespace {

[[noreturn]] void damaged(const std::string &path, const std::string &why)
{
    throw Error(ErrorKind::Corrupt, "File " + path + " is not a valid dBASE table: " + why);
}

bool knownType(char type)
{
    switch (type) {
    case 'C': case 'N': case 'F': case 'D': case 'L': case 'M': case 'B': case 'G':
        return true;
    default:
        return false;
    }
}

bool isMemoType(char type)
{
    return type == 'M' || type == 'B' || type == 'G';
}

// What the engine accepts for a field it creates.
std::string fieldProblem(const FieldInfo &f)
{
    if (f.name.empty() || f.name.size() > 10)
        return "field name \"" + f.name + "\" must have 1 to 10 characters";
    for (char c : f.name)
        if (!(std::isalnum(static_cast<unsigned char>(c)) || c == '_'))
            return "field name \"" + f.name + "\" may hold only letters, digits and _";
    switch (f.type) {
    case 'C':
        return f.length >= 1 && f.length <= 254 ? "" : "text field " + f.name + " must be 1 to 254 wide";
    case 'N': case 'F':
        if (f.length < 1 || f.length > 20)
            return "numeric field " + f.name + " must be 1 to 20 wide";
        return f.decimals == 0 || f.decimals + 2 <= f.length ? "" : "numeric field " + f.name + " has too many decimals";
    case 'D':
        return f.length == 8 ? "" : "date field " + f.name + " must be 8 wide";
    case 'L':
        return f.length == 1 ? "" : "logical field " + f.name + " must be 1 wide";
    case 'M': case 'B': case 'G':
        return f.length == 10 ? "" : "memo field " + f.name + " must be 10 wide";
    default:
        return std::string("field ") + f.name + " has the unknown type " + f.type;
    }
}

} // namespace

FieldInfo makeField(const std::string &name, char type, int length, int decimals)
{
    FieldInfo f;
    f.name = name;
    f.type = type;
    f.length = uint8_t(length);
    f.decimals = uint8_t(decimals);
    return f;
}

bool DbfHeader::hasMemoFields() const
{
    for (const auto &f : fields)
        if (isMemoType(f.type))
            return true;
    return false;
}

DbfHeader DbfHeader::read(const File &file)
{
    std::string start(kFixedSize, '\0');
    start.resize(file.readSome(0, start.data(), start.size()));
    const uint64_t fileSize = file.size();
    if (start.size() == kFixedSize) {
        const size_t declared = getU16(start.data() + 8);
        if (declared > start.size() && declared <= fileSize) {
            start.resize(declared);
            start.resize(file.readSome(0, start.data(), declared));
        }
    }
    return parse(start, fileSize, file.path());
}

DbfHeader DbfHeader::parse(const std::string &bytes, uint64_t fileSize, const std::string &path)
{
    if (bytes.size() < kFixedSize)
        damaged(path, "the header is cut short");
    const char *p = bytes.data();
    DbfHeader h;
    h.version = uint8_t(p[0]);
    if ((h.version & 0x07) < 3 || (h.version & 0x07) > 5)
        damaged(path, "unknown version byte");
    h.year = uint8_t(p[1]);
    h.month = uint8_t(p[2]);
    h.day = uint8_t(p[3]);
    h.recordCount = getU32(p + 4);
    h.headerLength = getU16(p + 8);
    h.recordLength = getU16(p + 10);
    h.productionIndex = uint8_t(p[28]);
    h.languageDriver = uint8_t(p[29]);
    if (h.headerLength < kFixedSize + kDescriptorSize + 1)
        damaged(path, "the header length is impossible");
    if (h.headerLength > fileSize || h.headerLength > bytes.size())
        damaged(path, "the header is longer than the file");
    if (h.recordLength < 2)
        damaged(path, "the record length is impossible");

    uint32_t offset = 0;
    for (size_t at = kFixedSize; at < h.headerLength && p[at] != '\x0D'; at += kDescriptorSize) {
        if (at + kDescriptorSize > h.headerLength)
            damaged(path, "a field descriptor is cut short");
        if (h.fields.size() == kMaxFields)
            damaged(path, "too many fields");
        const char *d = p + at;
        FieldInfo f;
        size_t nameLen = 0;
        while (nameLen < 11 && d[nameLen] != '\0')
            ++nameLen;
        f.name.assign(d, nameLen);
        f.type = char(std::toupper(static_cast<unsigned char>(d[11])));
        f.length = uint8_t(d[16]);
        f.decimals = uint8_t(d[17]);
        f.tagged = d[31] != 0;
        f.offset = offset;
        if (!knownType(f.type))
            damaged(path, "field " + f.name + " has an unknown type");
        if (f.length == 0)
            damaged(path, "field " + f.name + " has no width");
        if (isMemoType(f.type) && f.length != 10)
            damaged(path, "memo field " + f.name + " is not 10 wide");
        offset += f.length;
        h.fields.push_back(std::move(f));
    }
    if (h.fields.empty())
        damaged(path, "no fields");
    if (offset + 1 != h.recordLength)
        damaged(path, "the record length does not match the fields");
    return h;
}

DbfHeader DbfHeader::forFields(std::vector<FieldInfo> fields, const std::string &path)
{
    if (fields.empty() || fields.size() > kMaxFields)
        throw Error(ErrorKind::Value, "Cannot create " + path + ": a table needs 1 to 255 fields");
    DbfHeader h;
    uint32_t offset = 0;
    for (auto &f : fields) {
        for (char &c : f.name)
            c = char(std::toupper(static_cast<unsigned char>(c)));
        if (const std::string problem = fieldProblem(f); !problem.empty())
            throw Error(ErrorKind::Value, "Cannot create " + path + ": " + problem);
        if (f.type != 'N' && f.type != 'F')
            f.decimals = 0;
        f.offset = offset;
        offset += f.length;
    }
    if (offset + 1 > 0xFFFF)
        throw Error(ErrorKind::Value, "Cannot create " + path + ": the record is too long");
    h.fields = std::move(fields);
    h.version = h.hasMemoFields() ? kVersionDbase4Memo : kVersionPlain;
    h.headerLength = uint16_t(kFixedSize + kDescriptorSize * h.fields.size() + 1);
    h.recordLength = uint16_t(offset + 1);
    h.setToday();
    return h;
}

std::string DbfHeader::serialize() const
{
    std::string out(headerLength, '\0');
    char *p = out.data();
    p[0] = char(version);
    p[1] = char(year);
    p[2] = char(month);
    p[3] = char(day);
    putU32(p + 4, recordCount);
    putU16(p + 8, headerLength);
    putU16(p + 10, recordLength);
    p[28] = char(productionIndex);
    p[29] = char(languageDriver);
    size_t at = kFixedSize;
    for (const auto &f : fields) {
        char *d = p + at;
        f.name.copy(d, std::min<size_t>(f.name.size(), 10));
        d[11] = f.type;
        d[16] = char(f.length);
        d[17] = char(f.decimals);
        d[20] = 1;
        d[31] = f.tagged ? 1 : 0;
        at += kDescriptorSize;
    }
    if (at < out.size())
        p[at] = '\x0D';
    return out;
}

void DbfHeader::setToday()
{
    const std::time_t now = std::time(nullptr);
    std::tm local {};
    localtime_r(&now, &local);
    year = uint8_t(local.tm_year);
    month = uint8_t(local.tm_mon + 1);
    day = uint8_t(local.tm_mday);
}

} // namespace dbase
