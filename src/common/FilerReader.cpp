#include "common/FilerReader.h"

#include "common/FileText.h"

#include <limits>

namespace zendrova {

void FilerReader::expect(FilerValue value)
{
    if (m_in.byte() != static_cast<std::uint8_t>(value))
        m_in.fail();
}

void FilerReader::listBegin()
{
    expect(FilerValue::List);
}

bool FilerReader::endOfList()
{
    const auto next = m_in.peek();
    if (!next) {
        // A list the bytes end inside of is damaged, not empty.
        m_in.fail();
        return true;
    }
    return *next == static_cast<std::uint8_t>(FilerValue::Null);
}

void FilerReader::listEnd()
{
    expect(FilerValue::Null);
}

std::optional<int> FilerReader::stringLength()
{
    std::uint32_t length = 0;
    switch (static_cast<FilerValue>(m_in.byte())) {
    case FilerValue::String:
        length = m_in.byte();
        break;
    case FilerValue::LongString:
        length = static_cast<std::uint32_t>(m_in.int32());
        break;
    default:
        m_in.fail();
        return std::nullopt;
    }
    if (length > static_cast<std::uint32_t>(std::numeric_limits<int>::max())) {
        m_in.fail();
        return std::nullopt;
    }
    return ok() ? std::optional<int>(static_cast<int>(length)) : std::nullopt;
}

QString FilerReader::string()
{
    const auto length = stringLength();
    if (!length)
        return {};
    const QByteArray bytes = m_in.raw(*length);
    return ok() ? textFromFileBytes(bytes) : QString();
}

void FilerReader::skipString()
{
    if (const auto length = stringLength())
        m_in.skip(*length);
}

std::int32_t FilerReader::integer()
{
    switch (static_cast<FilerValue>(m_in.byte())) {
    case FilerValue::Int8:
        return static_cast<std::int8_t>(m_in.byte());
    case FilerValue::Int16:
        return static_cast<std::int16_t>(m_in.word());
    case FilerValue::Int32:
        return m_in.int32();
    default:
        m_in.fail();
        return 0;
    }
}

QString FilerReader::shortString()
{
    const QByteArray bytes = m_in.raw(m_in.byte());
    return ok() ? textFromFileBytes(bytes) : QString();
}

QByteArray FilerReader::raw(int count)
{
    return m_in.raw(count);
}

} // namespace zendrova
