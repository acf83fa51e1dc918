#include "editors/FolderCheck.h"

#include <QDir>

namespace zendrova {

bool isUsableFolder(const QString &path)
{
    if (path.trimmed().isEmpty())
        return false;
    const QString previous = QDir::currentPath();
    if (!QDir::setCurrent(path))
        return false;
    QDir::setCurrent(previous);
    return true;
}

bool fileSystemIgnoresCase()
{
#if defined(Q_OS_WIN) || defined(Q_OS_MACOS)
    return true;
#else
    return false;
#endif
}

} // namespace zendrova
