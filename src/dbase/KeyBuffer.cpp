#include "dbase/KeyBuffer.h"

#include "dbase/Error.h"
#include "dbase/index/KeyExpression.h"

#include <algorithm>

namespace dbase {

namespace {

// Fills the rest of a prefix field for a second look at the key; unlike a blank, no
// expression turns it into nothing.
constexpr char kOtherFill = '~';

} // namespace

KeyBuffer::KeyBuffer(std::vector<FieldInfo> fields) : m_fields(std::move(fields))
{
    clear();
}

void KeyBuffer::clear()
{
    size_t length = 0;
    for (const FieldInfo &f : m_fields)
        length = std::max<size_t>(length, f.offset + f.length);
    m_bytes.assign(length, ' ');
    m_prefix.reset();
}

const FieldInfo &KeyBuffer::field(int pos) const
{
    if (pos < 0 || size_t(pos) >= m_fields.size())
        throw Error(ErrorKind::Usage, "The key buffer has no field at position " + std::to_string(pos));
    return m_fields[size_t(pos)];
}

std::string_view KeyBuffer::raw(int pos) const
{
    const FieldInfo &f = field(pos);
    return std::string_view(m_bytes).substr(f.offset, f.length);
}

void KeyBuffer::put(int pos, std::string_view bytes)
{
    const FieldInfo &f = field(pos);
    std::string padded(bytes.substr(0, f.length));
    padded.resize(f.length, ' ');
    m_bytes.replace(f.offset, f.length, padded);
    if (m_prefix && m_prefix->pos == pos)
        m_prefix.reset();
}

void KeyBuffer::setString(int pos, std::string_view value)
{
    put(pos, value);
}

void KeyBuffer::setPrefix(int pos, std::string_view prefix)
{
    const FieldInfo &f = field(pos);
    if (f.type != 'C')
        throw Error(ErrorKind::Usage, "Field " + f.name + " of the key buffer is not a character field");
    put(pos, prefix);
    m_prefix = Prefix{pos, std::min<size_t>(prefix.size(), f.length)};
}

std::string KeyBuffer::keyOf(const KeyExpression &expression) const
{
    std::string key = expression.evaluate(*this);
    if (!m_prefix || expression.keyType() != 'C')
        return key;
    // The prefix ends in the key where the key starts to change with what fills the rest.
    KeyBuffer other = *this;
    const FieldInfo &f = field(m_prefix->pos);
    other.m_bytes.replace(f.offset + m_prefix->length, f.length - m_prefix->length,
                          f.length - m_prefix->length, kOtherFill);
    const std::string changed = expression.evaluate(other);
    const auto cut = std::mismatch(key.begin(), key.end(), changed.begin(), changed.end()).first;
    key.erase(cut, key.end());
    return key;
}

void KeyBuffer::setNumber(int pos, double value)
{
    const FieldInfo &f = field(pos);
    if (f.type != 'N' && f.type != 'F')
        throw Error(ErrorKind::Usage, "Field " + f.name + " of the key buffer is not numeric");
    const auto text = codec::formatNumber(value, f.length, f.decimals);
    if (!text)
        throw Error(ErrorKind::Value, "The value " + std::to_string(value) + " does not fit field " + f.name);
    put(pos, *text);
}

void KeyBuffer::setDate(int pos, std::optional<Date> value)
{
    const FieldInfo &f = field(pos);
    if (f.type != 'D')
        throw Error(ErrorKind::Usage, "Field " + f.name + " of the key buffer is not a date");
    if (value && !codec::isValidDate(*value))
        throw Error(ErrorKind::Value, "Invalid date for field " + f.name);
    put(pos, codec::formatDate(value));
}

} // namespace dbase
