#include "store/LoadDatabase.h"

#include "common/AppState.h"
#include "common/FileLookup.h"
#include "common/Interaction.h"
#include "common/LoginPrompt.h"
#include "common/TypedYes.h"
#include "store/RecordStore.h"
#include "store/StoreTable.h"
#include "store/TableFiles.h"
#include "store/TableOpening.h"
#include "store/TableTemplates.h"

#include <QDir>

namespace zendrova {

namespace {

bool sameFolder(const QString &a, const QString &b)
{
    return QDir::cleanPath(a) == QDir::cleanPath(b);
}

} // namespace

LoadDatabase::LoadDatabase(AppState &state, RecordStore &store)
    : m_state(state)
    , m_store(store)
    , m_previousFolder(state.databaseFolder)
    , m_previousTable(state.currentTableFile)
    , m_public(showsPublicAtStart())
{
    refill();
}

bool LoadDatabase::showsPublicAtStart() const
{
    if (m_state.isSupervisor)
        return true;
    if (m_state.accessLevel == AccessLevel::None)
        return false;
    return m_state.isPublicFolder(m_state.databaseFolder);
}

bool LoadDatabase::folderChoiceEnabled() const
{
    return !m_state.isSupervisor && m_state.accessLevel != AccessLevel::None;
}

bool LoadDatabase::newEnabled() const
{
    return !m_public || m_state.isSupervisor;
}

bool LoadDatabase::editEnabled() const
{
    return newEnabled() && !m_rows.isEmpty();
}

bool LoadDatabase::reopenCatalog()
{
    StoreTable &catalog = m_store.catalog();
    catalog.close();
    catalog.setIndexName(RecordStore::kCatalogIndex);
    return TableOpening::openByName(catalog, m_state.databaseFolder, RecordStore::kCatalogFile,
        false, m_state.installFolder);
}

void LoadDatabase::refill()
{
    m_rows.clear();
    if (!m_store.catalog().isOpen())
        return;
    try {
        m_rows = DatabaseCatalog(m_store.catalog()).rows();
    } catch (const StoreError &) {
        m_rows.clear();
    }
}

bool LoadDatabase::showFolder(bool publicFolder)
{
    m_public = publicFolder;
    m_state.databaseFolder = publicFolder ? m_state.publicFolder() : m_state.userFolder;
    if (!reopenCatalog()) {
        showMessage(MessageKind::Error, catalogFailureText());
        return false;
    }
    refill();
    return true;
}

std::optional<QString> LoadDatabase::load(int index)
{
    if (index < 0 || index >= m_rows.size())
        return std::nullopt;
    const QString fileName = m_rows.at(index).fileName;
    try {
        if (!DatabaseCatalog(m_store.catalog()).findRow(fileName))
            return std::nullopt;
    } catch (const StoreError &) {
        return std::nullopt;
    }
    // A catalogued database whose files went missing starts again empty.
    if (!TableFiles::exists(m_state.databaseFolder, fileName))
        TableTemplates::createFromTemplate(
            m_state.installFolder, m_state.databaseFolder, fileName, true);
    return fileName.left(DatabaseCatalog::kMaxFileNameLength);
}

bool LoadDatabase::isCurrent(const QString &fileName) const
{
    return fileName.compare(m_previousTable, Qt::CaseInsensitive) == 0
        && sameFolder(m_state.databaseFolder, m_previousFolder);
}

void LoadDatabase::cancel()
{
    m_state.databaseFolder = m_previousFolder;
    reopenCatalog();
}

void LoadDatabase::finish()
{
    if (!m_store.catalog().isOpen())
        return;
    try {
        DatabaseCatalog(m_store.catalog()).findRow(m_state.currentTableFile);
    } catch (const StoreError &) {
        // Positioning is a courtesy; the next open finds the row itself.
    }
}

std::optional<int> LoadDatabase::addNew(const QString &name, const QString &description)
{
    DatabaseCatalog catalog(m_store.catalog());
    const QString fileName = catalog.nextFreeFileName();
    if (fileName.isEmpty()) {
        showMessage(MessageKind::Information, limitText());
        return std::nullopt;
    }
    catalog.appendRow({ fileName, name, description });
    // A file of that name without a row is taken over as it is.
    if (!TableFiles::exists(m_state.databaseFolder, fileName))
        TableTemplates::createFromTemplate(
            m_state.installFolder, m_state.databaseFolder, fileName, true);
    m_rows.append({ fileName, name, description });
    return int(m_rows.size()) - 1;
}

void LoadDatabase::edit(int index, const QString &name, const QString &description)
{
    DatabaseCatalog::Row &row = m_rows[index];
    if (!DatabaseCatalog(m_store.catalog()).updateRow({ row.fileName, name, description }))
        return;
    row.name = name;
    row.description = description;
}

bool LoadDatabase::remove(int index, const AskTypedYes &askTypedYes)
{
    if (index < 0 || index >= m_rows.size())
        return false;
    const QString fileName = m_rows.at(index).fileName;
    const QString &folder = m_state.databaseFolder;
    if (!TableFiles::isFree(folder, fileName)) {
        showMessage(MessageKind::Information, inUseText());
        return false;
    }
    const auto typed = askTypedYes();
    if (!typed || !TypedYes::confirms(*typed) || !securityCheck(m_state))
        return false;
    try {
        if (!DatabaseCatalog(m_store.catalog()).deleteRow(fileName)) {
            showMessage(MessageKind::Error, notDeletedText());
            return false;
        }
    } catch (const StoreError &) {
        showMessage(MessageKind::Error, notDeletedText());
        return false;
    }
    TableFiles::remove(folder, fileName);
    TableFiles::remove(joinPath(folder, AppState::kBackupFolderName), fileName);
    // The deleted row leaves the catalog file only with a pack, which needs
    // the catalog to itself.
    m_store.catalog().close();
    if (!TableFiles::pack(folder, RecordStore::kCatalogFile))
        showMessage(MessageKind::Error, packFailedText());
    reopenCatalog();
    m_rows.removeAt(index);
    showMessage(MessageKind::Information, deletedText());
    return true;
}

} // namespace zendrova
