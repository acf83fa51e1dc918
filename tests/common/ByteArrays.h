#pragma once

#include <QByteArray>
#include <initializer_list>
#include <string>

namespace zendrova::test {

// Expected file bytes written out by hand, one number per byte.
inline QByteArray bytesOf(std::initializer_list<int> values)
{
    QByteArray bytes;
    for (int value : values)
        bytes.append(static_cast<char>(value));
    return bytes;
}

// Spaced hex, so a failed comparison shows which byte differs.
inline std::string hex(const QByteArray &bytes)
{
    return bytes.toHex(' ').toStdString();
}

} // namespace zendrova::test
