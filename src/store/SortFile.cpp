#include "store/SortFile.h"

#include "common/WholeFile.h"

namespace zendrova {

QString SortFile::fileNameFor(const QString &tableFile)
{
    const qsizetype dot = tableFile.lastIndexOf(u'.');
    return (dot < 0 ? tableFile : tableFile.left(dot)) + QStringLiteral(".idx");
}

void SortFile::read(const QString &folder, const QString &tableFile, SortDescriptor &descriptor)
{
    descriptor.reset();
    // Only four bytes belong to the file; anything much larger is not ours.
    const auto bytes = readFileIn(folder, fileNameFor(tableFile), 4096);
    if (!bytes)
        return;
    if (const auto sort = SortBytes::fromBytes(*bytes))
        descriptor.sort = *sort;
}

bool SortFile::write(const QString &folder, const QString &tableFile, const SortBytes &sort)
{
    return writeFileIn(folder, fileNameFor(tableFile), sort.toBytes());
}

} // namespace zendrova
