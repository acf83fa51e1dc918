#include "mainwin/LetterColumnModel.h"

#include "common/AppState.h"
#include "store/LetterTabs.h"
#include "store/RecordStore.h"
#include "store/RecordTableSort.h"
#include "store/StoreTable.h"

namespace zendrova {

namespace {
constexpr char kFirstLetter = 'A';

LetterTabs tabsOf(const AppState &state, RecordStore &store)
{
    const SortOrder &order = store.sortOrder();
    return LetterTabs { order.descriptor.sort, store.fields(), order.filterScope,
        !store.sortTarget().currentTag().isEmpty(), state.userOptions.letterTabs == 0 };
}
} // namespace

LetterColumnModel::LetterColumnModel(AppState &state, RecordStore &store)
    : m_state(state)
    , m_store(store)
{
    m_counts.refreshTab = [this](char letter) {
        if (refreshTab)
            refreshTab(letter);
    };
}

char LetterColumnModel::letterOf(const StoreTable &record) const
{
    return LetterCounts::firstLetter(record.text(m_store.sortOrder().descriptor.sort.primary));
}

bool LetterColumnModel::active() const
{
    return m_store.tablesCreated() && m_store.recordTable().isOpen()
        && tabsOf(m_state, m_store).apply();
}

void LetterColumnModel::reset()
{
    m_letter = kFirstLetter;
    m_counts.clear();
    m_rangeFailed = false;
    if (!m_store.tablesCreated() || !m_store.recordTable().isOpen())
        return;
    tabsOf(m_state, m_store).letterCounts(m_store.sortTarget(), m_counts);
    restrictTo(m_letter);
}

bool LetterColumnModel::click(char letter)
{
    if (!LetterCounts::isLetter(letter))
        return false;
    m_letter = letter;
    m_rangeFailed = !restrictTo(letter);
    return !m_rangeFailed;
}

void LetterColumnModel::liftRestriction()
{
    if (!m_store.tablesCreated() || !m_store.recordTable().isOpen())
        return;
    LetterTabs tabs = tabsOf(m_state, m_store);
    tabs.letterTabsOn = false;
    tabs.letterRange(m_store.sortTarget(), m_letter);
}

void LetterColumnModel::restoreRestriction()
{
    if (m_store.tablesCreated() && m_store.recordTable().isOpen())
        restrictTo(m_letter);
}

bool LetterColumnModel::restrictTo(char letter)
{
    const LetterTabs tabs = tabsOf(m_state, m_store);
    const bool ranged = tabs.letterRange(m_store.sortTarget(), letter);
    // Without letters the list shows the whole scope, which is no failure.
    return ranged || !tabs.apply();
}

} // namespace zendrova
