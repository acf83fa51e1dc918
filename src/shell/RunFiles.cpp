#include "shell/RunFiles.h"

#include <QDir>
#include <QFile>
#include <QUuid>

#include <fcntl.h>
#include <unistd.h>

namespace zendrova {

namespace {

// Locks that belong to the open file, not the process: a second look at a file
// from the same process neither sees its own lock as another's nor drops it.
bool lockWhole(int fd)
{
    struct flock lock
    {
    };
    lock.l_type = F_WRLCK;
    lock.l_whence = SEEK_SET;
    return ::fcntl(fd, F_OFD_SETLK, &lock) == 0;
}

bool heldByAnother(const QString &path)
{
    const int fd = ::open(QFile::encodeName(path).constData(), O_RDWR | O_CLOEXEC);
    if (fd < 0)
        return true; // gone meanwhile (its run left) or not ours to judge: not a crash
    struct flock probe
    {
    };
    probe.l_type = F_WRLCK;
    probe.l_whence = SEEK_SET;
    const bool held = ::fcntl(fd, F_OFD_GETLK, &probe) != 0 || probe.l_type != F_UNLCK;
    ::close(fd);
    return held;
}

} // namespace

RunFiles::~RunFiles()
{
    // Without leave() the file stays behind unlocked: the run did not end normally.
    if (m_fd >= 0)
        ::close(m_fd);
}

bool RunFiles::join(const QString &folder)
{
    if (joined())
        return true;
    const QString id = QUuid::createUuid().toString(QUuid::WithoutBraces);
    // Locked under another name first, so no one ever sees the run file unlocked.
    const QString building = QDir(folder).filePath(QStringLiteral("shut-%1.new").arg(id));
    const QString path = QDir(folder).filePath(QStringLiteral("shut-%1.run").arg(id));
    const int fd = ::open(
        QFile::encodeName(building).constData(), O_RDWR | O_CREAT | O_EXCL | O_CLOEXEC, 0600);
    if (fd < 0)
        return false;
    if (!lockWhole(fd)
        || ::rename(QFile::encodeName(building).constData(), QFile::encodeName(path).constData())
            != 0) {
        ::close(fd);
        QFile::remove(building);
        return false;
    }
    m_fd = fd;
    m_path = path;
    return true;
}

RunFiles::Others RunFiles::others(const QString &folder) const
{
    Others found;
    const QDir dir(folder);
    for (const QString &name : dir.entryList({ kPattern }, QDir::Files)) {
        const QString path = dir.filePath(name);
        if (path == m_path)
            continue;
        if (heldByAnother(path))
            ++found.live;
        else
            found.ended.append(path);
    }
    return found;
}

void RunFiles::removeEnded(const Others &others)
{
    for (const QString &path : others.ended)
        QFile::remove(path);
}

void RunFiles::leave()
{
    if (!joined())
        return;
    QFile::remove(m_path);
    ::close(m_fd);
    m_fd = -1;
    m_path.clear();
}

} // namespace zendrova
