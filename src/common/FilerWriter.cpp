#include "common/FilerWriter.h"

#include "common/FileText.h"

#include <limits>

namespace zendrova {

void FilerWriter::type(FilerValue value)
{
    m_out.byte(static_cast<std::uint8_t>(value));
}

void FilerWriter::listBegin()
{
    type(FilerValue::List);
}

void FilerWriter::listEnd()
{
    type(FilerValue::Null);
}

void FilerWriter::string(const QString &text)
{
    const QByteArray bytes = text.toUtf8();
    if (bytes.size() <= kMaxShortStringBytes) {
        type(FilerValue::String);
        m_out.byte(static_cast<std::uint8_t>(bytes.size()));
    } else {
        type(FilerValue::LongString);
        m_out.int32(static_cast<std::int32_t>(bytes.size()));
    }
    m_out.raw(bytes);
}

void FilerWriter::integer(std::int32_t value)
{
    using Int8 = std::numeric_limits<std::int8_t>;
    using Int16 = std::numeric_limits<std::int16_t>;
    if (value >= Int8::min() && value <= Int8::max()) {
        type(FilerValue::Int8);
        m_out.byte(static_cast<std::uint8_t>(value));
    } else if (value >= Int16::min() && value <= Int16::max()) {
        type(FilerValue::Int16);
        m_out.word(static_cast<std::uint16_t>(value));
    } else {
        type(FilerValue::Int32);
        m_out.int32(value);
    }
}

void FilerWriter::shortString(const QString &text)
{
    const QByteArray bytes = textToFileBytes(text, kMaxShortStringBytes);
    m_out.byte(static_cast<std::uint8_t>(bytes.size()));
    m_out.raw(bytes);
}

void FilerWriter::raw(const QByteArray &bytes)
{
    m_out.raw(bytes);
}

} // namespace zendrova
