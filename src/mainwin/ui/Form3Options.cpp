// What the main window does after the Options dialog.
#include "mainwin/ui/TForm3.h"

#include "store/RecordStore.h"
#include "store/RecordTableSort.h"

namespace zendrova {

void TForm3::applyOptions(bool colorsChanged)
{
    // The letter tabs may have been turned on or off: the list's range follows
    // with the sort applied again while the card has let go of the table. The
    // letter tabs are reset on the way.
    if (m_opened)
        m_cardRelease.run([this] { m_store.sortOrder().applySort(m_store.sortTarget()); });
    else
        resetLetterTabs();
    applyInterfaceOptions();
    if (colorsChanged)
        applyColors();
    applyFonts();
}

} // namespace zendrova
