#include "dbase/KeyBuffer.h"

#include "dbase/Error.h"

namespace dbase {

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
}

void KeyBuffer::setString(int pos, std::string_view value)
{
    put(pos, value);
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
