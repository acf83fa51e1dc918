// The Summary window on the current database.
#include "mainwin/ui/TForm3.h"

#include "common/AppState.h"
#include "output/ui/TSummaryDlg.h"
#include "store/RecordStore.h"

namespace zendrova {

void TForm3::openSummary()
{
    // The summary reads the table through its own object: the card keeps its record.
    TSummaryDlg dialog(m_state.captions.captions(), m_store.recordTable(),
        m_store.sortOrder().filterScope, this);
    if (printSummary)
        dialog.printSummary = printSummary;
    dialog.exec();
}

} // namespace zendrova
