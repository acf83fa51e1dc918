// The filter applied to the whole record table, and a find's match shown on
// the card.
#include "mainwin/ui/TForm3.h"

#include "common/AppState.h"
#include "common/Interaction.h"
#include "common/WaitCursor.h"
#include "common/ui/TPercentDlg.h"
#include "mainwin/RecordCycle.h"
#include "mainwin/ui/RecordCard.h"
#include "query/FilterApply.h"
#include "store/RecordStore.h"
#include "store/RecordTableSort.h"
#include "store/StoreTable.h"

#include <QCoreApplication>
#include <QEventLoop>

namespace zendrova {

QString TForm3::filterNotAppliedText()
{
    return tr("The filter could not be applied to every card; the cards marked so far keep "
              "their marks.");
}

void TForm3::applyFilter()
{
    // Every record is stored again: the card must not hold one of them.
    if (!releaseCard())
        return;
    {
        const WaitCursor hourglass;
        TPercentDlg progress(this);
        progress.setWindowTitle(FilterApply::progressCaption());
        progress.setTotal(100);
        try {
            FilterApply::run(m_filter, m_store.recordTable(), [&progress](int percent) {
                progress.SetPosition(percent);
                // Painting goes on; clicks wait until the table is whole again.
                QCoreApplication::processEvents(QEventLoop::ExcludeUserInputEvents);
                return true;
            });
        } catch (const StoreError &error) {
            showMessage(MessageKind::Error,
                filterNotAppliedText() + QLatin1Char('\r') + QString::fromLocal8Bit(error.what()));
        }
    }
    // The walk left the table in record order: the list shows the new marks.
    {
        const WaitCursor hourglass;
        m_store.sortOrder().chooseFilterScope(m_store.sortTarget(), FilterScope::NormalFilter);
    }
    sortChanged();
    reopenCard();
}

void TForm3::showFindMatch(int listPosition, int control, int memoOffset, int memoLength)
{
    m_cycle->showRecord(listPosition);
    m_card->selectPart(m_card->pageOfControl(control));
    if (!m_state.isReadOnlyMode())
        m_card->controls().at(control)->setFocus();
    m_card->highlightField(control, memoOffset, memoLength);
}

} // namespace zendrova
