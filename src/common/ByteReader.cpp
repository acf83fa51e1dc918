#include "common/ByteReader.h"

#include "common/FileText.h"

namespace zendrova {

namespace {
constexpr std::uint8_t kKnownStyleBits = 0x0F;
} // namespace

bool ByteReader::take(int count)
{
    if (m_failed || count < 0 || count > m_bytes.size() - m_pos) {
        m_failed = true;
        return false;
    }
    return true;
}

std::uint8_t ByteReader::byte()
{
    if (!take(1))
        return 0;
    return static_cast<std::uint8_t>(m_bytes[m_pos++]);
}

std::uint16_t ByteReader::word()
{
    const std::uint16_t low = byte();
    const std::uint16_t high = byte();
    return static_cast<std::uint16_t>(low | (high << 8));
}

std::int32_t ByteReader::int32()
{
    std::uint32_t value = 0;
    for (int shift = 0; shift < 32; shift += 8)
        value |= static_cast<std::uint32_t>(byte()) << shift;
    return static_cast<std::int32_t>(value);
}

bool ByteReader::flag()
{
    const std::uint8_t value = byte();
    if (value > 1)
        fail();
    return value == 1;
}

std::uint16_t ByteReader::choice(std::uint16_t maxValue)
{
    const std::uint16_t value = word();
    if (value > maxValue) {
        fail();
        return 0;
    }
    return value;
}

std::optional<std::uint8_t> ByteReader::peek() const
{
    if (m_failed || atEnd())
        return std::nullopt;
    return static_cast<std::uint8_t>(m_bytes[m_pos]);
}

void ByteReader::skip(int count)
{
    if (take(count))
        m_pos += count;
}

QByteArray ByteReader::raw(int count)
{
    if (!take(count))
        return {};
    QByteArray bytes = m_bytes.mid(m_pos, count);
    m_pos += count;
    return bytes;
}

QString ByteReader::scrambled(const ScrambleKey &key)
{
    return textFromFileBytes(zendrova::scrambled(raw(byte()), key));
}

FontRecord ByteReader::font()
{
    const QByteArray nameField = raw(FontRecord::kNameFieldBytes);
    FontRecord font;
    if (!ok())
        return font;
    const int length = static_cast<unsigned char>(nameField[0]);
    font.name = textFromFileBytes(nameField.mid(1, length));
    font.style = byte();
    raw(FontRecord::kPaddingBytes);
    font.size = int32();
    if ((font.style & ~kKnownStyleBits) != 0 || font.size <= 0)
        fail();
    return font;
}

} // namespace zendrova
