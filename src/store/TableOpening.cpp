#include "store/TableOpening.h"

#include "store/EngineTable.h"

#include "dbase/szdd/Szdd.h"
#include "common/FileLookup.h"
#include "common/Interaction.h"
#include "store/StoreTable.h"

#include <QFileInfo>

namespace zendrova {

namespace {

bool tryOpen(StoreTable &table)
{
    try {
        table.open();
        return true;
    } catch (const StoreError &) {
        return false;
    }
}

// Puts the program's index template where the table's own index should be.
bool restoreProductionIndex(const StoreTable &table, const QString &templateFolder)
{
    const QString target = TableOpening::indexPathOf(table);
    if (!findFileCaseInsensitive(table.folder(), QFileInfo(target).fileName()).isEmpty())
        return false;
    const QString source = findFileCaseInsensitive(templateFolder, TableOpening::kIndexTemplate);
    if (source.isEmpty())
        return false;
    if (!dbase::copyFileExpanding(toEnginePath(source), toEnginePath(target)))
        return false;
    // The template's tags hold none of this table's records: rebuild them from
    // the table so no order or range shows a partial list.
    try {
        dbase::Table engine;
        engine.open(table.enginePath(), true);
        engine.regenerateIndexes();
        engine.close();
    } catch (const dbase::Error &) {
        // The retry below then reports whatever keeps the table shut.
    }
    return true;
}

} // namespace

QString TableOpening::cannotOpenText(const QString &fileName)
{
    return tr("Cannot open the file: ") + fileName + QStringLiteral("\r") + tr("Retry?");
}

QString TableOpening::indexPathOf(const StoreTable &table)
{
    return joinPath(table.folder(), QFileInfo(table.fileName()).completeBaseName() + ".MDX");
}

bool TableOpening::ensureOpen(StoreTable &table, const QString &templateFolder)
{
    if (table.isOpen())
        return true;
    if (tryOpen(table))
        return true;
    // Without an index to put back a second try would fail the same way.
    return restoreProductionIndex(table, templateFolder) && tryOpen(table);
}

bool TableOpening::openByName(StoreTable &table, const QString &folder, const QString &fileName,
    bool exclusive, const QString &templateFolder)
{
    if (findFileCaseInsensitive(folder, fileName).isEmpty())
        return false;
    table.close();
    table.setFolder(folder);
    table.setFileName(fileName);
    table.setExclusive(exclusive);
    for (int failures = 0;; ++failures) {
        if (ensureOpen(table, templateFolder))
            return true;
        if (failures < kSilentRetries)
            continue;
        if (exclusive || !askYesNo(MessageKind::Warning, cannotOpenText(fileName)))
            return false;
    }
}

} // namespace zendrova
