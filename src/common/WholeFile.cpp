#include "common/WholeFile.h"

#include "common/FileLookup.h"

#include <QFile>
#include <QFileInfo>
#include <QSaveFile>

namespace zendrova {

std::optional<QByteArray> readWholeFile(const QString &path, qint64 maxBytes)
{
    const QFileInfo info(path);
    if (path.isEmpty() || !info.isFile() || info.size() > maxBytes)
        return std::nullopt;
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return std::nullopt;
    QByteArray bytes = file.read(maxBytes + 1);
    if (file.error() != QFileDevice::NoError || bytes.size() > maxBytes)
        return std::nullopt;
    return bytes;
}

bool writeWholeFile(const QString &path, const QByteArray &bytes)
{
    if (path.isEmpty())
        return false;
    QSaveFile file(path);
    // Unbuffered, so that a write cut short (a full disk) shows here: a
    // buffered one only fails in the flush inside commit(), which Qt 6.4 does
    // not report, and the cut file would replace the old one.
    if (!file.open(QIODevice::WriteOnly | QIODevice::Unbuffered))
        return false;
    if (file.write(bytes) != bytes.size() || file.error() != QFileDevice::NoError) {
        file.cancelWriting();
        return false;
    }
    return file.commit();
}

std::optional<QByteArray> readFileIn(const QString &folder, const QString &name, qint64 maxBytes)
{
    return readWholeFile(findFileCaseInsensitive(folder, name), maxBytes);
}

bool writeFileIn(const QString &folder, const QString &name, const QByteArray &bytes)
{
    return writeWholeFile(programFilePath(folder, name), bytes);
}

} // namespace zendrova
