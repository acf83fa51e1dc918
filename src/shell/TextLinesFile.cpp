#include "shell/TextLinesFile.h"

#include "shell/FileText.h"
#include "shell/WholeFile.h"

namespace zendrova {

std::optional<QStringList> readTextLines(const QString &path)
{
    const auto bytes = readWholeFile(path, kMaxSettingsFileBytes);
    if (!bytes || bytes->contains('\0'))
        return std::nullopt;
    QStringList lines;
    if (bytes->isEmpty())
        return lines;
    QList<QByteArray> pieces = bytes->split('\n');
    if (pieces.last().isEmpty())
        pieces.removeLast();
    for (QByteArray &piece : pieces) {
        if (piece.endsWith('\r'))
            piece.chop(1);
        lines.append(textFromFileBytes(piece));
    }
    return lines;
}

bool writeTextLines(const QString &path, const QStringList &lines)
{
    QByteArray bytes;
    for (const QString &line : lines)
        bytes += line.toUtf8() + "\r\n";
    return writeWholeFile(path, bytes);
}

} // namespace zendrova
