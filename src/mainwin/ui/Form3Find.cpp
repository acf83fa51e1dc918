// The Search window as the main window runs it, and a find's match shown on
// the card.
#include "mainwin/ui/TForm3.h"

#include "common/AppState.h"
#include "mainwin/RecordCycle.h"
#include "mainwin/RecordListModel.h"
#include "mainwin/ui/RecordCard.h"
#include "store/FieldModel.h"
#include "store/RecordStore.h"
#include "store/RecordTableSort.h"
#include "store/ui/TFindDlg.h"

#include <QMenuBar>

namespace zendrova {

TFindDlg *TForm3::findDialog() const
{
    return m_findDialog.data();
}

void TForm3::openFindDialog()
{
    if (m_findDialog) {
        m_findDialog->raise();
        m_findDialog->activateWindow();
        return;
    }
    m_findDialog = new TFindDlg(m_store, m_state.captions, m_findSettings, this);
    FindHooks &hooks = m_findDialog->search().hooks;
    m_findHooks.attach(hooks);
    hooks.suspendFilter = [this] {
        m_store.recordTable().setBeforePost({});
        m_filter.setEvaluation(false);
    };
    hooks.resumeFilter = [this] { m_filter.attach(m_store.recordTable()); };
    m_findDialog->show();
}

WindowFindHooks::Window TForm3::findWindow()
{
    WindowFindHooks::Window window;
    window.mayLeaveRecord = [this] { return mayLeaveRecord(); };
    window.setWorking = [this](bool working) { setWorking(working); };
    window.allowListRedraw = [this](bool allowed) { m_listRedrawAllowed = allowed; };
    window.showLetters = [this] { showLetters(); };
    window.showListStart = [this] {
        m_list->setTop(0);
        m_cycle->showRecord(0);
    };
    window.redrawList = [this] { redrawList(); };
    window.showMarkedRecords = [this] {
        m_store.sortOrder().chooseFilterScope(m_store.sortTarget(), FilterScope::NormalFilter);
    };
    window.showMatch = [this](int position, int field, std::optional<MemoMatch> memo) {
        showFound(position, field, memo);
    };
    return window;
}

void TForm3::setWorking(bool working)
{
    // The card and list wait while the search moves the list cursor.
    m_client->setEnabled(!working);
    menuBar()->setEnabled(!working);
}

void TForm3::showFound(int position, int field, std::optional<MemoMatch> memo)
{
    m_list->showPosition(position);
    showFindMatch(position, field - FieldModel::kFirstUserPosition, memo ? memo->offset : 0,
        memo ? memo->length : 0);
}

void TForm3::showFindMatch(int listPosition, int control, int memoOffset, int memoLength)
{
    // The user stayed on the card's record: the match is not shown.
    if (!m_cycle->showRecord(listPosition))
        return;
    m_card->selectPart(m_card->pageOfControl(control));
    if (!m_state.isReadOnlyMode())
        m_card->controls().at(control)->setFocus();
    m_card->highlightField(control, memoOffset, memoLength);
}

} // namespace zendrova
