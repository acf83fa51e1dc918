#include "mainwin/MainWindowModel.h"

#include "common/AppState.h"
#include "common/WindowPlacementFile.h"
#include "store/RecordStore.h"

#include <algorithm>

namespace zendrova {

QString MainWindowModel::captionFor(
    const QString &productName, const QString &databaseName, bool readOnlyMode)
{
    QString caption = productName + tr(" - Database: ") + databaseName;
    if (readOnlyMode)
        caption += tr(" [Read Only Mode]");
    return caption;
}

MainWindowModel::MainWindowModel(AppState &state, RecordStore &store)
    : m_state(state)
    , m_store(store)
{
    m_state.captions.fillDefaultsIfEmpty();
    m_state.dateFormats.fillDefaultsIfEmpty();
}

bool MainWindowModel::openCurrentDatabase()
{
    if (!m_store.openDatabase())
        return false;
    m_databaseOpen = true;
    QString name;
    try {
        name = m_store.databaseName();
    } catch (const StoreError &) {
        // Another user holds the catalog row: the file name stands in.
        name = m_state.currentTableFile;
    }
    m_caption = captionFor(m_state.productName, name, m_state.isReadOnlyMode());
    return true;
}

std::optional<WindowPlacement> MainWindowModel::savedPlacement() const
{
    auto placement = WindowPlacementFile::read(m_state.userFolder);
    if (!placement || !placement->isUsable())
        return std::nullopt;
    placement->cardPageWidth = std::max(placement->cardPageWidth, kMinimumCardPageWidth);
    return placement;
}

void MainWindowModel::writeFiles(const WindowPlacement &placement)
{
    WindowPlacementFile::write(m_state.userFolder, placement);
    // A database that never opened has no sort of its own to save: writing one
    // would overwrite the saved sort for every user of the database.
    if (m_databaseOpen)
        m_store.sortOrder().writeSortFile(m_state.databaseFolder, m_state.currentTableFile);
}

} // namespace zendrova
