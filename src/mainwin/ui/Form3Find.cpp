// The Search window and the filter dialog as the main window runs them.
#include "mainwin/ui/TForm3.h"

#include "common/AppState.h"
#include "mainwin/RecordCycle.h"
#include "mainwin/RecordListModel.h"
#include "mainwin/ui/RecordCard.h"
#include "mainwin/ui/RecordListPage.h"
#include "query/FilterApply.h"
#include "query/TFilterTemplateList.h"
#include "query/ui/FilterDialogRun.h"
#include "store/FieldModel.h"
#include "store/RecordStore.h"
#include "store/RecordTableSort.h"
#include "store/ui/TFindDlg.h"

#include <QComboBox>
#include <QMenuBar>

namespace zendrova {

void TForm3::openFilterDialog()
{
    auto lookupItems = [this](int fieldPos) -> std::optional<QStringList> {
        const int control = fieldPos - FieldModel::kFirstUserPosition;
        auto *combo = qobject_cast<QComboBox *>(m_card->controls().value(control));
        if (!combo)
            return std::nullopt;
        QStringList items;
        for (int i = 0; i < combo->count(); ++i)
            items << combo->itemText(i);
        return items;
    };
    const FilterDialogResult result = runFilterDialog(m_filter, *m_filterTemplates, m_store,
        m_state, m_store.sortOrder().filterScope, lookupItems, this);
    if (result.apply)
        applyFilter();
    else if (result.scope)
        chooseFilterScope(int(*result.scope));
}

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
    hooks.beforeNonStop = [this] { return beforeNonStopFind(); };
    hooks.afterNonStop = [this] { afterNonStopFind(); };
    hooks.suspendFilter = [this] {
        m_store.recordTable().setBeforePost({});
        m_filter.setEvaluation(false);
    };
    hooks.resumeFilter = [this] { m_filter.attach(m_store.recordTable()); };
    hooks.beforeStep = [this](bool forward) { return beforeStepFind(forward); };
    hooks.beforeContinue = [this] {
        returnToMatchLetter();
        setWorking(true);
        return true;
    };
    hooks.atEnd = [this](bool forward) { return findReachedEnd(forward); };
    hooks.onMatch = [this](int position, int field, std::optional<MemoMatch> memo) {
        showFound(position, field, memo);
    };
    hooks.onNoMatch = [this] {
        returnToMatchLetter();
        setWorking(false);
    };
    m_findDialog->show();
}

void TForm3::setWorking(bool working)
{
    // The card and list wait while the search moves the list cursor.
    m_client->setEnabled(!working);
    menuBar()->setEnabled(!working);
}

bool TForm3::beforeNonStopFind()
{
    m_nonStopVetoed = !releaseCard();
    if (m_nonStopVetoed)
        return false;
    setWorking(true);
    m_listRedrawAllowed = false;
    return true;
}

void TForm3::afterNonStopFind()
{
    if (m_nonStopVetoed)
        return;
    m_listRedrawAllowed = true;
    setWorking(false);
    // The marks now say which cards matched: the list shows them.
    m_store.sortOrder().chooseFilterScope(m_store.sortTarget(), FilterScope::NormalFilter);
    sortChanged();
    reopenCard();
}

bool TForm3::beforeStepFind(bool forward)
{
    if (!mayLeaveRecord())
        return false;
    m_findLetter = 0;
    if (m_letters.inUse()) {
        m_letters.click(forward ? 'A' : 'Z');
        m_list->setTop(0);
        m_cycle->showRecord(0);
    }
    setWorking(true);
    return true;
}

bool TForm3::findReachedEnd(bool forward)
{
    if (!m_letters.inUse())
        return true;
    // Letter tabs: the search goes on in the next letter that has cards.
    for (char letter = char(m_letters.currentLetter() + (forward ? 1 : -1));
         letter >= 'A' && letter <= 'Z'; letter = char(letter + (forward ? 1 : -1))) {
        if (m_letters.count(letter) > 0) {
            m_letters.click(letter);
            showLetters();
            return false;
        }
    }
    return true;
}

void TForm3::returnToMatchLetter()
{
    if (m_findLetter && m_letters.inUse() && m_letters.currentLetter() != m_findLetter) {
        m_letters.click(m_findLetter);
        showLetters();
    }
}

void TForm3::showFound(int position, int field, std::optional<MemoMatch> memo)
{
    setWorking(false);
    m_findLetter = m_letters.inUse() ? m_letters.currentLetter() : 0;
    showLetters();
    const int rows = std::max(int(m_listPage->rows().size()), 1);
    m_list->setTop(position / rows * rows);
    showFindMatch(position, field - FieldModel::kFirstUserPosition, memo ? memo->offset : 0,
        memo ? memo->length : 0);
}

} // namespace zendrova
