#include "common/FileLookup.h"

#include <QDir>
#include <QFileInfo>

namespace zendrova {

QString joinPath(const QString &folder, const QString &name)
{
    if (folder.isEmpty() || folder.endsWith(QLatin1Char('/')))
        return folder + name;
    return folder + QLatin1Char('/') + name;
}

QString findFileCaseInsensitive(const QString &folder, const QString &name)
{
    if (folder.isEmpty() || name.isEmpty())
        return {};
    const QString exact = joinPath(folder, name);
    if (QFileInfo::exists(exact))
        return exact;
    const QDir dir(folder);
    const QStringList entries
        = dir.entryList(QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot);
    for (const QString &entry : entries) {
        if (entry.compare(name, Qt::CaseInsensitive) == 0)
            return joinPath(folder, entry);
    }
    return {};
}

QString programFilePath(const QString &folder, const QString &name)
{
    const QString found = findFileCaseInsensitive(folder, name);
    return found.isEmpty() ? joinPath(folder, name) : found;
}

bool canEnterFolder(const QString &folder)
{
    const QFileInfo info(folder);
    return !folder.isEmpty() && info.isDir() && info.isExecutable();
}

} // namespace zendrova
