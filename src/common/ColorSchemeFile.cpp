#include "common/ColorSchemeFile.h"

#include "common/WholeFile.h"

namespace zendrova {

std::optional<ColorScheme> ColorSchemeFile::decode(const QByteArray &bytes)
{
    if (bytes.size() != ColorScheme::kElementCount)
        return std::nullopt;
    ColorScheme scheme;
    for (int i = 0; i < ColorScheme::kElementCount; ++i) {
        const auto index = static_cast<std::uint8_t>(bytes[i]);
        if (index >= ColorScheme::kPaletteSize)
            return std::nullopt;
        scheme.elements[static_cast<std::size_t>(i)] = index;
    }
    return scheme;
}

QByteArray ColorSchemeFile::encode(const ColorScheme &scheme)
{
    QByteArray bytes;
    for (std::uint8_t index : scheme.elements)
        bytes.append(static_cast<char>(index));
    return bytes;
}

std::optional<ColorScheme> ColorSchemeFile::read(const QString &databaseFolder)
{
    const auto bytes = readFileIn(databaseFolder, kFileName);
    return bytes ? decode(*bytes) : std::nullopt;
}

bool ColorSchemeFile::write(const QString &databaseFolder, const ColorScheme &scheme)
{
    return writeFileIn(databaseFolder, kFileName, encode(scheme));
}

} // namespace zendrova
