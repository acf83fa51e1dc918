#pragma once

#include "common/WindowPlacement.h"

#include <QByteArray>
#include <QString>
#include <optional>

namespace zendrova {

// "wnd.dat" in the user folder: top, left, width, height and card page width
// as five 32-bit little-endian signed integers.
class WindowPlacementFile
{
public:
    static inline const QString kFileName = QStringLiteral("wnd.dat");
    static constexpr int kSize = 20;

    // Nothing when the file is missing, not 20 bytes long, or not usable.
    static std::optional<WindowPlacement> read(const QString &userFolder);
    static bool write(const QString &userFolder, const WindowPlacement &placement);

    static std::optional<WindowPlacement> decode(const QByteArray &bytes);
    static QByteArray encode(const WindowPlacement &placement);
};

} // namespace zendrova
