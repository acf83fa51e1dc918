#include "common/ByteWriter.h"

#include "common/FileText.h"

namespace zendrova {

void ByteWriter::byte(std::uint8_t value)
{
    m_bytes.append(static_cast<char>(value));
}

void ByteWriter::word(std::uint16_t value)
{
    byte(static_cast<std::uint8_t>(value & 0xFF));
    byte(static_cast<std::uint8_t>(value >> 8));
}

void ByteWriter::int32(std::int32_t value)
{
    const auto bits = static_cast<std::uint32_t>(value);
    for (int shift = 0; shift < 32; shift += 8)
        byte(static_cast<std::uint8_t>((bits >> shift) & 0xFF));
}

void ByteWriter::flag(bool value)
{
    byte(value ? 1 : 0);
}

void ByteWriter::raw(const QByteArray &bytes)
{
    m_bytes.append(bytes);
}

bool ByteWriter::fitsString(const QString &text)
{
    return text.toUtf8().size() <= kMaxStringBytes;
}

void ByteWriter::scrambled(const QString &text, const ScrambleKey &key)
{
    const QByteArray bytes = zendrova::scrambled(textToFileBytes(text, kMaxStringBytes), key);
    byte(static_cast<std::uint8_t>(bytes.size()));
    raw(bytes);
}

void ByteWriter::font(const FontRecord &font)
{
    const QByteArray name = textToFileBytes(font.name, kMaxStringBytes);
    QByteArray nameField(FontRecord::kNameFieldBytes, '\0');
    nameField[0] = static_cast<char>(name.size());
    nameField.replace(1, name.size(), name);
    raw(nameField);
    byte(font.style);
    raw(QByteArray(FontRecord::kPaddingBytes, '\0'));
    int32(font.size);
}

} // namespace zendrova
