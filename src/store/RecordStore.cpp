#include "store/RecordStore.h"

#include "common/AppState.h"
#include "common/Interaction.h"
#include "common/RunHook.h"
#include "store/DatabaseCatalog.h"
#include "store/EngineTable.h"
#include "store/RecordEditor.h"
#include "store/RecordTableSort.h"
#include "store/TableOpening.h"
#include "store/TableSafekeeping.h"
#include "store/TableTemplates.h"

namespace zendrova {

QString RecordStore::catalogFailureText()
{
    return tr("Could not Open the Master.dbf file!");
}

QString RecordStore::copyTableFailureText()
{
    return tr("Could not Open the Copy/Paste file!");
}

QString RecordStore::newDatabaseText()
{
    return tr("Could not Open the database! A new database will be created.");
}

QString RecordStore::newDatabaseFailureText()
{
    return tr("Could not Open the new database!");
}

RecordStore::RecordStore(AppState &state)
    : m_state(state)
{
    // The first open of a run does not complain about a tag it cannot add.
    m_sort.quiet = true;
}

RecordStore::~RecordStore() = default;

void RecordStore::createOpenTables()
{
    m_recordTable = std::make_unique<StoreTable>();
    m_copyTable = std::make_unique<StoreTable>();
    m_catalog = std::make_unique<StoreTable>();
    m_sortTarget = std::make_unique<RecordTableSort>(
        *m_recordTable, m_sort.descriptor.sort, m_state.installFolder);
    m_recordTable->setAfterInsert([this](RecordEditor &record) { assignRecordNumber(record); });
}

bool RecordStore::openDatabase()
{
    if (!tablesCreated())
        createOpenTables();
    if (!openCatalog())
        return false;
    openCopyTable();
    if (!openRecordTable())
        return false;
    try {
        ensureCatalogRow(m_state.currentTableFile);
    } catch (const std::runtime_error &) { // the engine's or the store's
        // Another user holds the catalog; the row is made by the next open.
    }
    m_sort.quiet = false;
    return true;
}

bool RecordStore::openCatalog()
{
    const QString &folder = m_state.databaseFolder;
    DatabaseCatalog::ensureIndex(folder, kCatalogFile, kCatalogIndex);
    m_catalog->setIndexName(kCatalogIndex);
    if (TableOpening::openByName(*m_catalog, folder, kCatalogFile, false, m_state.installFolder))
        return true;
    TableTemplates::createCatalog(m_state.installFolder, folder);
    DatabaseCatalog::ensureIndex(folder, kCatalogFile, kCatalogIndex);
    m_catalog->setFolder(folder);
    m_catalog->setFileName(kCatalogFile);
    m_catalog->setExclusive(false);
    try {
        m_catalog->open();
        return true;
    } catch (const StoreError &) {
        showMessage(MessageKind::Error, catalogFailureText());
        return false;
    }
}

void RecordStore::openCopyTable()
{
    const QString &folder = m_state.databaseFolder;
    StoreTable &table = *m_copyTable;
    try {
        if (!TableOpening::openByName(table, folder, kCopyFile, false, m_state.installFolder)) {
            TableTemplates::createFromTemplate(m_state.installFolder, folder, kCopyFile, false);
            table.setFolder(folder);
            table.setFileName(kCopyFile);
            table.setExclusive(false);
            table.open();
        }
        // The copy buffer is the table's one record.
        if (table.recordCount() == 0) {
            RecordEditor buffer(table);
            buffer.append();
            buffer.post();
        }
    } catch (const std::runtime_error &) { // the engine's or the store's
        table.close();
        showMessage(MessageKind::Error, copyTableFailureText());
    }
}

bool RecordStore::openRecordTable()
{
    StoreTable &table = *m_recordTable;
    table.setIndexName(QString());
    // Every database opens showing all its records: a filter scope left on
    // from another one must not build a filtered tag here.
    m_sort.descriptor.filtered = false;
    m_sort.filterScope = FilterScope::AllRecords;
    finishInterruptedSwap();
    if (TableOpening::openByName(table, m_state.databaseFolder, m_state.currentTableFile, false,
            m_state.installFolder)) {
        m_sortTarget->refreshIndexDefinitions();
        m_sort.readSortFile(m_state.databaseFolder, m_state.currentTableFile);
        applySort();
        runHook(loadSavedFilter);
    } else if (!createRecordTable()) {
        return false;
    }
    table.readNumericDecimals();
    return true;
}

void RecordStore::finishInterruptedSwap()
{
    // A repair, restore or backup stopped between taking the old table away
    // and putting the new one in place: the complete new one takes the name.
    try {
        TableSafekeeping::finishInterrupted(m_state.databaseFolder, m_state.currentTableFile);
    } catch (const StoreError &) {
        // The open below then fails and says so.
    }
}

bool RecordStore::createRecordTable()
{
    StoreTable &table = *m_recordTable;
    // A table another user holds is theirs, not damaged: replacing it would
    // lose their work, so the database stays closed instead.
    if (table.lastOpenError() == StoreErrorKind::Locked) {
        showMessage(MessageKind::Error, newDatabaseFailureText());
        return false;
    }
    // A fresh installation starts its first database silently; a database
    // that went missing or would not open is worth a warning.
    if (!(m_state.publicFolderCreatedThisRun && m_state.isPublicFolder(m_state.databaseFolder)))
        showMessage(MessageKind::Warning, newDatabaseText());
    const QString &folder = m_state.databaseFolder;
    // A table that exists but would not open is kept, as repair keeps the
    // table it replaces, before the fresh one takes its name.
    if (!TableTemplates::keepAside(folder, m_state.currentTableFile)) {
        showMessage(MessageKind::Error, newDatabaseFailureText());
        return false;
    }
    TableTemplates::createFromTemplate(
        m_state.installFolder, folder, m_state.currentTableFile, true);
    table.setFolder(folder);
    table.setFileName(m_state.currentTableFile);
    table.setExclusive(false);
    table.setIndexName(QString());
    m_sort.descriptor.reset();
    if (!TableOpening::ensureOpen(table, m_state.installFolder)) {
        showMessage(MessageKind::Error, newDatabaseFailureText());
        return false;
    }
    m_sortTarget->refreshIndexDefinitions();
    runHook(clearFilter);
    applySort();
    return true;
}

void RecordStore::applySort()
{
    m_sort.applySort(*m_sortTarget);
}

void RecordStore::closeAll()
{
    if (!tablesCreated())
        return;
    m_copyTable->close();
    m_recordTable->close();
    m_catalog->close();
}

void RecordStore::ensureCatalogRow(const QString &tableFile)
{
    DatabaseCatalog(*m_catalog).ensureCatalogRow(tableFile);
}

void RecordStore::setRecordCounter(double count, const QString &tableFile)
{
    DatabaseCatalog(*m_catalog).setRecordCounter(count, tableFile);
}

void RecordStore::assignRecordNumber(RecordEditor &record)
{
    const double number = DatabaseCatalog(*m_catalog).takeRecordNumber(m_state.currentTableFile);
    if (record.isNull(FieldModel::kRecordNumberPosition))
        record.setNumber(FieldModel::kRecordNumberPosition, number);
}

const DateFormatList &RecordStore::dateFormats() const
{
    return m_state.dateFormats;
}

QString RecordStore::databaseName()
{
    return DatabaseCatalog(*m_catalog).databaseName(m_state.currentTableFile);
}

} // namespace zendrova
