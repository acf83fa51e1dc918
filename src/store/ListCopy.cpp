#include "store/ListCopy.h"

#include "common/FileLookup.h"
#include "store/StoreError.h"
#include "store/TableSwap.h"

#include <QFile>
#include <QFileInfo>

namespace zendrova {

namespace {

// The list's two files, found without regard to case; empty when missing.
struct ListFiles
{
    QString dbf;
    QString mdx;
    bool complete() const { return !dbf.isEmpty() && !mdx.isEmpty(); }
};

ListFiles listFiles(const QString &folder, int k)
{
    const QString base = QStringLiteral("list") + QString::number(k);
    return { findFileCaseInsensitive(folder, base + QStringLiteral(".dbf")),
        findFileCaseInsensitive(folder, base + QStringLiteral(".mdx")) };
}

void removeFile(const QString &path)
{
    if (!path.isEmpty() && !QFile::remove(path) && QFileInfo::exists(path))
        throw StoreError(StoreErrorKind::Io, "Cannot delete " + path.toStdString());
}

} // namespace

QString ListCopy::listFile(int k)
{
    return QStringLiteral("list") + QString::number(k) + QStringLiteral(".dbf");
}

QString ListCopy::readyFile(int k)
{
    return QStringLiteral("TEMP$L") + QString::number(k) + QStringLiteral(".DBF");
}

void ListCopy::finishInterrupted(const QString &folder)
{
    for (int k = 1; k <= kListCount; ++k) {
        const QString ready = joinPath(folder, readyFile(k));
        TableSwap::finishInterrupted(ready, joinPath(folder, listFile(k)));
        TableSwap::discard(ready);
    }
}

void ListCopy::run(const QString &sourceFolder, const QString &targetFolder)
{
    finishInterrupted(targetFolder);
    int copied = 0;
    for (int k = 1; listFiles(sourceFolder, k).complete(); ++k) {
        TableSwap::copy(listFiles(sourceFolder, k).dbf, joinPath(targetFolder, readyFile(k)));
        copied = k;
    }
    for (int k = 1; k <= copied; ++k)
        TableSwap::commit(joinPath(targetFolder, readyFile(k)), joinPath(targetFolder, listFile(k)));
    for (int k = copied + 1;; ++k) {
        const ListFiles old = listFiles(targetFolder, k);
        if (!old.dbf.isEmpty())
            TableSwap::discard(old.dbf);
        else
            removeFile(old.mdx);
        if (!old.complete())
            break;
    }
}

} // namespace zendrova
