#pragma once

#include "common/FontRecord.h"
#include "common/ScrambleKeys.h"

#include <QByteArray>
#include <QString>
#include <cstdint>
#include <optional>

namespace zendrova {

// Reads the little-endian encodings of the program's binary settings files from
// a byte buffer. Reading past the end never touches memory outside the buffer:
// it yields zeros and marks the reader failed, so a caller checks ok() once at
// the end instead of after every field.
class ByteReader
{
public:
    explicit ByteReader(const QByteArray &bytes, qsizetype start = 0)
        : m_bytes(bytes)
        , m_pos(start)
    { }

    std::uint8_t byte();
    std::uint16_t word();
    std::int32_t int32();
    // A flag byte must be 0 or 1; anything else marks the data damaged.
    bool flag();
    // A word holding a radio index in 0..maxValue; larger values mark the data damaged.
    std::uint16_t choice(std::uint16_t maxValue);
    QString scrambled(const ScrambleKey &key);
    FontRecord font();
    QByteArray raw(int count);
    // Passes over count bytes without copying them.
    void skip(int count);
    // The next byte without taking it; nothing at the end or after a failure.
    std::optional<std::uint8_t> peek() const;

    bool atEnd() const { return m_pos >= m_bytes.size(); }
    qsizetype position() const { return m_pos; }
    bool ok() const { return !m_failed; }
    void fail() { m_failed = true; }

private:
    bool take(int count);

    // Held by value: the copy shares the caller's data, and a reader made
    // from a temporary buffer stays valid.
    const QByteArray m_bytes;
    qsizetype m_pos = 0;
    bool m_failed = false;
};

} // namespace zendrova
