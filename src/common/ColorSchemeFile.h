#pragma once

#include "common/ColorScheme.h"

#include <QByteArray>
#include <QString>
#include <optional>

namespace zendrova {

// "color.lst" in the database folder: the 27 palette indexes, one byte each.
class ColorSchemeFile
{
public:
    static inline const QString kFileName = QStringLiteral("color.lst");

    // Nothing when the file is missing, not 27 bytes long, or holds an index
    // outside the palette; the caller keeps its scheme then.
    static std::optional<ColorScheme> read(const QString &databaseFolder);
    static bool write(const QString &databaseFolder, const ColorScheme &scheme);

    static std::optional<ColorScheme> decode(const QByteArray &bytes);
    static QByteArray encode(const ColorScheme &scheme);
};

} // namespace zendrova
