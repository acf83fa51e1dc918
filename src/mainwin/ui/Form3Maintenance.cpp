// The Database Maintenance window and what the main window does after it.
#include "mainwin/ui/TForm3.h"

#include "common/AppState.h"
#include "mainwin/DeleteConfirmation.h"
#include "mainwin/ui/RecordCard.h"
#include "mainwin/ui/RecordCardMenus.h"
#include "common/ui/TDeleteDlg1.h"
#include "query/FilterStorage.h"
#include "store/MaintenanceCommands.h"
#include "store/RecordStore.h"
#include "store/ui/LookupMenuActions.h"
#include "store/ui/TMntnDlg.h"

namespace zendrova {

void TForm3::openMaintenance()
{
    // Most operations need the record table for themselves: the card lets go
    // of it until the window has closed.
    if (!m_cardRelease.release())
        return;
    MaintenanceCommands commands(m_state, m_store);
    commands.hooks.confirmTyped = [this](const QString &firstLine, const QString &warning) {
        const std::optional<QString> typed = TDeleteDlg1::ask(DeleteConfirmation::captionText(), firstLine, warning, this);
        return typed && DeleteConfirmation::confirms(*typed);
    };
    commands.hooks.editLists = [this] { m_card->menus()->lookupActions()->editList(nullptr); };
    commands.hooks.backupDone = backupDone;
    commands.hooks.rebuildDone = rebuildDone;
    {
        TMntnDlg dialog(commands, maintenanceDue && maintenanceDue(), this);
        dialog.exec();
    }
    const MaintenanceResults results = commands.results();
    m_cardRelease.finish([this, results] { afterMaintenance(results); });
}

void TForm3::afterMaintenance(const MaintenanceResults &results)
{
    if (results.listsEdited)
        m_card->menus()->lookupActions()->reloadLookups();
    if (!results.tableChanged)
        return;
    SortOrder &sort = m_store.sortOrder();
    if (results.indexesChanged) {
        // The sort's tag may be gone: Entry Order adds its tag again.
        sort.descriptor.reset();
        sort.writeSortFile(m_state.databaseFolder, m_state.currentTableFile);
    }
    // Opening the database again reads the saved filter back.
    FilterStorage::save(m_filter, m_state);
    m_store.closeAll();
    openDatabase();
}

} // namespace zendrova
