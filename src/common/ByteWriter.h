#pragma once

#include "common/FontRecord.h"
#include "common/ScrambleKeys.h"

#include <QByteArray>
#include <QString>
#include <cstdint>

namespace zendrova {

// Builds the byte image of a binary settings file; the counterpart of ByteReader.
class ByteWriter
{
public:
    // Longest text a scrambled string or a font name can hold.
    static constexpr int kMaxStringBytes = 255;

    void byte(std::uint8_t value);
    void word(std::uint16_t value);
    void int32(std::int32_t value);
    void flag(bool value);
    // Texts longer than kMaxStringBytes are cut; callers that must not lose
    // characters check fitsString() first.
    void scrambled(const QString &text, const ScrambleKey &key);
    void font(const FontRecord &font);
    void raw(const QByteArray &bytes);

    static bool fitsString(const QString &text);
    const QByteArray &bytes() const { return m_bytes; }

private:
    QByteArray m_bytes;
};

} // namespace zendrova
