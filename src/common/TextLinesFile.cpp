#include "common/TextLinesFile.h"

#include "common/FileText.h"
#include "common/WholeFile.h"

namespace zendrova {

std::optional<QStringList> readTextLines(const QString &folder, const QString &name)
{
    const auto bytes = readFileIn(folder, name);
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

bool writeTextLines(const QString &folder, const QString &name, const QStringList &lines)
{
    QByteArray bytes;
    for (const QString &line : lines)
        bytes += line.toUtf8() + "\r\n";
    return writeFileIn(folder, name, bytes);
}

} // namespace zendrova
