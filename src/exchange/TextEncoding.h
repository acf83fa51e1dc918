#pragma once

#include <QByteArray>
#include <QString>

#include <optional>

namespace zendrova {

// The bytes of an import file in the tables' Windows-1252. A file that starts
// with a UTF-8 byte-order mark, or is valid UTF-8 holding multi-byte
// characters, is read as UTF-8 and converted; any other file is taken as it
// is. Conversion stops at the first character Windows-1252 cannot hold.
struct ImportText
{
    struct Unmappable
    {
        int line = 0; // 1-based
        QString character;
    };

    // Converted up to the first character that could not be.
    QByteArray bytes;
    bool wasUtf8 = false;
    std::optional<Unmappable> unmappable;

    static ImportText decode(const QByteArray &file);
};

} // namespace zendrova
