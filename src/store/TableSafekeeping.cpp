#include "store/TableSafekeeping.h"

#include "common/AppState.h"
#include "common/FileLookup.h"
#include "store/DatabaseCatalog.h"
#include "store/ListCopy.h"
#include "store/StoreTable.h"
#include "store/TableOpening.h"
#include "store/TableSwap.h"
#include "store/TableTemplates.h"

#include <QDir>

namespace zendrova {

TableSafekeeping::TableSafekeeping(
    StoreTable &records, StoreTable &catalog, const QString &templateFolder)
    : m_records(records)
    , m_catalog(catalog)
    , m_templateFolder(templateFolder)
{ }

QString TableSafekeeping::backupFolder() const
{
    return joinPath(m_records.folder(), AppState::kBackupFolderName);
}

QString TableSafekeeping::inFolder(const QString &name) const
{
    return joinPath(m_records.folder(), name);
}

void TableSafekeeping::finishInterrupted(const QString &databaseFolder, const QString &tableFile)
{
    for (const QString &folder :
        { databaseFolder, joinPath(databaseFolder, AppState::kBackupFolderName) }) {
        if (!QDir(folder).exists())
            continue;
        TableSwap::finishInterrupted(joinPath(folder, kReadyFile), joinPath(folder, tableFile));
        ListCopy::finishInterrupted(folder);
    }
}

bool TableSafekeeping::openBuild(StoreTable &build, const QString &folder, bool keepIndexes)
{
    // Whatever a stopped run left under these names is incomplete or stale.
    TableSwap::discard(joinPath(folder, kBuildFile));
    TableSwap::discard(joinPath(folder, kReadyFile));
    if (!TableTemplates::createFromTemplate(m_templateFolder, folder, kBuildFile, keepIndexes))
        return false;
    build.setFolder(folder);
    build.setFileName(kBuildFile);
    build.setExclusive(true);
    try {
        build.open();
        return true;
    } catch (const StoreError &) {
        return false;
    }
}

RecordCopy::Result TableSafekeeping::copyInto(StoreTable &source, StoreTable &build)
{
    try {
        return RecordCopy::run(source, build, m_progress);
    } catch (...) {
        build.close();
        TableSwap::discard(joinPath(build.folder(), kBuildFile));
        throw;
    }
}

void TableSafekeeping::reopenRecords(bool wasOpen)
{
    if (!wasOpen || m_records.isOpen())
        return;
    m_records.setExclusive(false);
    try {
        m_records.open();
    } catch (const StoreError &) {
        // A rebuilt table has only the template's tags: the caller applies its
        // sort again on the next open.
        m_records.setIndexName(QString());
        try {
            m_records.open();
        } catch (const StoreError &) {
        }
    }
}

TableSafekeeping::Outcome TableSafekeeping::repairTable()
{
    if (!TableOpening::ensureOpen(m_records, m_templateFolder))
        return {};
    return replaceWithCopy(nullptr, [] { });
}

TableSafekeeping::Outcome TableSafekeeping::backupTable()
{
    if (!TableOpening::ensureOpen(m_records, m_templateFolder))
        return {};
    const QString folder = m_records.folder();
    const QString name = m_records.fileName();
    const QString backup = backupFolder();
    if (!QDir().mkpath(backup))
        return {};
    TableSwap::finishInterrupted(joinPath(backup, kReadyFile), joinPath(backup, name));
    StoreTable source;
    if (!TableOpening::openByName(source, folder, name, false, m_templateFolder))
        return {};
    StoreTable build;
    if (!openBuild(build, backup, false))
        return {};
    const RecordCopy::Result copied = copyInto(source, build);
    source.close();
    TableSwap::markReady(joinPath(backup, kBuildFile), joinPath(backup, kReadyFile));
    TableSwap::commit(joinPath(backup, kReadyFile), joinPath(backup, name));
    ListCopy::run(folder, backup);
    return { copied.errors == 0, copied.errors };
}

TableSafekeeping::Outcome TableSafekeeping::restoreTable(bool restoreLists)
{
    if (!TableOpening::ensureOpen(m_records, m_templateFolder))
        return {};
    const QString folder = m_records.folder();
    const QString name = m_records.fileName();
    const QString backup = backupFolder();
    if (QDir(backup).exists())
        TableSwap::finishInterrupted(joinPath(backup, kReadyFile), joinPath(backup, name));
    StoreTable source;
    if (!TableOpening::openByName(source, backup, name, false, m_templateFolder))
        return {};
    return replaceWithCopy(&source, [&] {
        if (restoreLists)
            ListCopy::run(backup, folder);
    });
}

// The table is held for this object alone from before the copy until its
// replacement has taken its name, so nobody works on a table about to go.
TableSafekeeping::Outcome TableSafekeeping::replaceWithCopy(
    StoreTable *otherSource, const std::function<void()> &afterSwap)
{
    const QString folder = m_records.folder();
    const QString name = m_records.fileName();
    StoreTable build;
    if (!openBuild(build, folder, true))
        return {};
    m_records.close();
    StoreTable current;
    if (!TableOpening::openByName(current, folder, name, true, m_templateFolder)) {
        build.close();
        TableSwap::discard(inFolder(kBuildFile));
        reopenRecords(true);
        return { false, 0, true };
    }
    StoreTable &source = otherSource ? *otherSource : current;
    RecordCopy::Result copied;
    try {
        copied = copyInto(source, build);
        if (otherSource)
            otherSource->close();
        TableSwap::markReady(inFolder(kBuildFile), inFolder(kReadyFile));
        TableSwap::commit(inFolder(kReadyFile), inFolder(name), inFolder(kKeptFile));
    } catch (...) {
        current.close();
        reopenRecords(true);
        throw;
    }
    current.close();
    DatabaseCatalog(m_catalog).setRecordCounter(copied.nextNumber, name);
    afterSwap();
    reopenRecords(true);
    return { copied.errors == 0, copied.errors };
}

} // namespace zendrova
