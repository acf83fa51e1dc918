#include "dbase/RecordBuffer.h"

#include "dbase/Error.h"
#include "dbase/MemoFile.h"

#include <algorithm>
#include <cctype>
#include <cmath>

namespace dbase {

namespace {

char upper(char c)
{
    return char(std::toupper(static_cast<unsigned char>(c)));
}

bool isLogicalLetter(char c)
{
    return c == 'T' || c == 'F' || c == 'Y' || c == 'N';
}

} // namespace

FieldKind kindOfType(char type)
{
    switch (type) {
    case 'N': case 'F': return FieldKind::Numeric;
    case 'D': return FieldKind::Date;
    case 'L': return FieldKind::Logical;
    case 'M': return FieldKind::Memo;
    case 'B': case 'G': return FieldKind::Picture;
    default: return FieldKind::Text;
    }
}

std::string RecordBuffer::Stored::memo(int field) const
{
    if (!isMemoKind(m_layout.kind(field)))
        return {};
    return m_layout.storedMemo(m_bytes, field);
}

void RecordBuffer::attach(MemoFile *memo, const std::string &path)
{
    m_memo = memo;
    m_path = path;
    m_memoValues.assign(fields().size(), std::nullopt);
    m_memoChanged.assign(fields().size(), false);
    m_originalMemos.assign(fields().size(), std::nullopt);
    clear();
}

std::string RecordBuffer::memo(int field) const
{
    if (!isMemoKind(kind(field)))
        return {};
    return asBlob(field);
}

const FieldInfo &RecordBuffer::field(int pos) const
{
    if (pos < 0 || size_t(pos) >= m_header.fields.size())
        throw Error(ErrorKind::Usage, "Table " + m_path + " has no field at position " + std::to_string(pos));
    return m_header.fields[size_t(pos)];
}

int RecordBuffer::fieldIndex(std::string_view name) const
{
    for (size_t i = 0; i < fields().size(); ++i) {
        const std::string &own = fields()[i].name;
        if (own.size() == name.size()
            && std::equal(own.begin(), own.end(), name.begin(), [](char a, char b) { return upper(a) == upper(b); }))
            return int(i);
    }
    return -1;
}

std::string_view RecordBuffer::fieldBytes(std::string_view record, int pos) const
{
    const FieldInfo &f = field(pos);
    return record.substr(1 + f.offset, f.length);
}

// ---- states -----------------------------------------------------------------

void RecordBuffer::load(std::string_view stored)
{
    m_bytes.assign(stored);
    m_original = m_bytes;
    forgetMemos();
    beginChange();
}

void RecordBuffer::clear()
{
    load(std::string(m_header.recordLength, ' '));
}

void RecordBuffer::revert()
{
    m_bytes = m_original;
    forgetMemos();
    beginChange();
}

void RecordBuffer::accept()
{
    m_original = m_bytes;
    std::fill(m_originalMemos.begin(), m_originalMemos.end(), std::nullopt);
    beginChange();
}

void RecordBuffer::beginChange()
{
    std::fill(m_memoChanged.begin(), m_memoChanged.end(), false);
    m_modified = false;
}

void RecordBuffer::forgetMemos()
{
    std::fill(m_memoValues.begin(), m_memoValues.end(), std::nullopt);
    std::fill(m_originalMemos.begin(), m_originalMemos.end(), std::nullopt);
}

bool RecordBuffer::hasMemoChanges() const
{
    return std::find(m_memoChanged.begin(), m_memoChanged.end(), true) != m_memoChanged.end();
}

// ---- reading ----------------------------------------------------------------

std::string RecordBuffer::asString(int pos) const
{
    switch (kind(pos)) {
    case FieldKind::Memo:
    case FieldKind::Picture:
        return asBlob(pos);
    case FieldKind::Numeric:
        return std::string(codec::trim(raw(pos)));
    case FieldKind::Date:
        return asDate(pos) ? std::string(raw(pos)) : std::string();
    case FieldKind::Logical:
        return isNull(pos) ? std::string() : std::string(asBool(pos) ? "T" : "F");
    case FieldKind::Text:
        break;
    }
    return std::string(codec::trimRight(raw(pos)));
}

double RecordBuffer::asNumber(int pos) const
{
    if (kind(pos) != FieldKind::Numeric)
        wrongKind(pos, "numeric");
    return codec::parseNumber(raw(pos)).value_or(0.0);
}

int64_t RecordBuffer::asInteger(int pos) const
{
    const double value = asNumber(pos);
    if (!(std::fabs(value) < 9.2e18))
        return 0;
    return int64_t(std::trunc(value));
}

std::optional<Date> RecordBuffer::asDate(int pos) const
{
    if (kind(pos) != FieldKind::Date)
        wrongKind(pos, "a date");
    return codec::parseDate(raw(pos));
}

bool RecordBuffer::asBool(int pos) const
{
    const char c = upper(raw(pos)[0]);
    return c == 'T' || c == 'Y';
}

std::string RecordBuffer::asBlob(int pos) const
{
    if (!isMemoKind(kind(pos)))
        wrongKind(pos, "a memo or picture");
    auto &cached = m_memoValues[size_t(pos)];
    if (!cached)
        cached = storedMemo(m_bytes, pos);
    return *cached;
}

bool RecordBuffer::isNull(int pos) const
{
    switch (kind(pos)) {
    case FieldKind::Memo:
    case FieldKind::Picture:
        // Some writers store an empty value in a block of its own.
        return codec::parseBlock(raw(pos)) == 0 && !m_memoChanged[size_t(pos)] ? true : asBlob(pos).empty();
    case FieldKind::Logical:
        return !isLogicalLetter(upper(raw(pos)[0]));
    case FieldKind::Date:
        return !codec::parseDate(raw(pos));
    default:
        return codec::trim(raw(pos)).empty();
    }
}

// ---- writing ----------------------------------------------------------------

void RecordBuffer::wrongKind(int pos, const std::string &what) const
{
    throw Error(ErrorKind::Usage, "Field " + field(pos).name + " of " + m_path + " is not " + what);
}

void RecordBuffer::wrongValue(std::string_view value, const std::string &what, int pos) const
{
    throw Error(ErrorKind::Value,
                "\"" + std::string(value) + "\" is not " + what + " for field " + field(pos).name + " of " + m_path);
}

void RecordBuffer::doesNotFit(const std::string &value, int pos) const
{
    throw Error(ErrorKind::Value, "The value " + value + " does not fit field " + field(pos).name + " of " + m_path);
}

void RecordBuffer::setField(int pos, std::string_view bytes)
{
    const FieldInfo &f = field(pos);
    const size_t used = std::min<size_t>(bytes.size(), f.length);
    char *const at = m_bytes.data() + 1 + f.offset;
    std::copy_n(bytes.data(), used, at);
    std::fill(at + used, at + f.length, ' ');
    m_modified = true;
}

void RecordBuffer::setString(int pos, std::string_view value)
{
    const FieldKind fieldKind = kind(pos);
    if (isMemoKind(fieldKind)) {
        setBlob(pos, value);
    } else if (fieldKind == FieldKind::Text) {
        setField(pos, value);
    } else if (fieldKind == FieldKind::Logical) {
        const char c = value.empty() ? ' ' : upper(value[0]);
        if (!isLogicalLetter(c) && c != ' ' && c != '?')
            wrongValue(value, "a logical value", pos);
        setField(pos, std::string_view(&c, 1));
    } else if (codec::trim(value).empty()) {
        setNull(pos);
    } else if (fieldKind == FieldKind::Numeric) {
        const auto number = codec::parseNumber(value);
        if (!number)
            wrongValue(value, "a number", pos);
        setNumber(pos, *number);
    } else {
        const auto date = codec::parseDate(value);
        if (!date)
            wrongValue(value, "a date (YYYYMMDD)", pos);
        setDate(pos, date);
    }
}

void RecordBuffer::setNumber(int pos, double value)
{
    const FieldInfo &f = field(pos);
    if (kind(pos) != FieldKind::Numeric)
        wrongKind(pos, "numeric");
    const auto text = codec::formatNumber(value, f.length, f.decimals);
    if (!text)
        doesNotFit(std::to_string(value), pos);
    setField(pos, *text);
}

void RecordBuffer::setInteger(int pos, int64_t value)
{
    const FieldInfo &f = field(pos);
    if (f.decimals > 0 || kind(pos) != FieldKind::Numeric) {
        setNumber(pos, double(value));
        return;
    }
    const auto text = codec::formatInteger(value, f.length);
    if (!text)
        doesNotFit(std::to_string(value), pos);
    setField(pos, *text);
}

void RecordBuffer::setDate(int pos, const std::optional<Date> &value)
{
    if (kind(pos) != FieldKind::Date)
        wrongKind(pos, "a date");
    if (value && !codec::isValidDate(*value))
        throw Error(ErrorKind::Value, "Invalid date for field " + field(pos).name + " of " + m_path);
    setField(pos, codec::formatDate(value));
}

void RecordBuffer::setBool(int pos, bool value)
{
    if (kind(pos) != FieldKind::Logical)
        wrongKind(pos, "logical");
    setField(pos, value ? "T" : "F");
}

void RecordBuffer::setBlob(int pos, std::string_view value)
{
    if (!isMemoKind(kind(pos)))
        wrongKind(pos, "a memo or picture");
    if (!m_memo)
        throw Error(ErrorKind::Usage, "Table " + m_path + " has no memo file");
    if (m_memo->format() == MemoFile::Format::Dbase3 && value.find("\x1A\x1A") != std::string_view::npos)
        throw Error(ErrorKind::Value, "A dBASE III memo file cannot hold this value: " + m_memo->path());
    if (!m_memoChanged[size_t(pos)] && holdsStoredMemo(pos, value))
        return; // the memo file keeps its block instead of gaining a copy
    m_memoValues[size_t(pos)] = std::string(value);
    m_memoChanged[size_t(pos)] = true;
    m_modified = true;
}

bool RecordBuffer::holdsStoredMemo(int pos, std::string_view value) const
{
    try {
        return asBlob(pos) == value;
    } catch (const Error &) {
        return false; // an unreadable memo is replaced, which mends it
    }
}

void RecordBuffer::setNull(int pos)
{
    if (isMemoKind(kind(pos)))
        setBlob(pos, {});
    else
        setField(pos, {});
}

// ---- memo values ------------------------------------------------------------

std::string RecordBuffer::storedMemo(std::string_view record, int pos) const
{
    const uint32_t block = codec::parseBlock(fieldBytes(record, pos));
    if (block == 0 || !m_memo)
        return {};
    if (block != codec::parseBlock(fieldBytes(m_original, pos)))
        return m_memo->read(block);
    auto &kept = m_originalMemos[size_t(pos)];
    if (!kept)
        kept = m_memo->read(block);
    return *kept;
}

std::vector<uint32_t> RecordBuffer::storeMemos()
{
    std::vector<uint32_t> replaced;
    for (size_t i = 0; i < m_memoChanged.size(); ++i) {
        if (!m_memoChanged[i])
            continue;
        const int pos = int(i);
        if (const uint32_t old = codec::parseBlock(fieldBytes(m_original, pos)))
            replaced.push_back(old);
        const std::string &value = *m_memoValues[i];
        const uint32_t block = value.empty() ? 0 : m_memo->write(value);
        const FieldInfo &f = field(pos);
        m_bytes.replace(1 + f.offset, f.length, codec::formatBlock(block));
    }
    return replaced;
}

} // namespace dbase
