// Switching to another database with the Load Database dialog.
#include "mainwin/ui/TForm3.h"

#include "common/AppState.h"
#include "query/FilterStorage.h"
#include "store/RecordStore.h"
#include "store/ui/TLoadDbDlg.h"

namespace zendrova {

void TForm3::loadDatabase()
{
    TLoadDbDlg dialog(m_state, m_store, this);
    if (dialog.exec() != QDialog::Accepted)
        return;
    const LoadDatabase &chosen = dialog.model();
    if (chosen.isCurrent(dialog.chosenFile()))
        return;
    // The card has already been left; now it lets go of the table too.
    if (!releaseCard())
        return;
    FilterStorage::save(m_filter, m_state);
    m_listRedrawAllowed = false;
    m_store.closeAll();
    m_store.sortOrder().writeSortFile(chosen.previousFolder(), chosen.previousTable());
    m_state.currentTableFile = dialog.chosenFile();
    openDatabase();
    m_listRedrawAllowed = true;
    if (!m_opened)
        return;
    sortChanged();
    reopenCard();
}

} // namespace zendrova
