#include "mainwin/ui/TForm3.h"

#include "common/AppState.h"
#include "exchange/ui/ExchangeCommands.h"
#include "mainwin/CardTextCodec.h"
#include "mainwin/CopyBuffer.h"
#include "mainwin/RecordCycle.h"
#include "store/LetterTabs.h"
#include "store/RecordStore.h"
#include "store/RecordTableSort.h"

#include <algorithm>

namespace zendrova {

namespace {

// The letter tabs' ranges of the current sort, while they are in use.
std::optional<ViewWalk::Letters> exportLetters(
    const LetterColumnModel &letters, RecordStore &store, const AppState &state)
{
    if (!letters.inUse())
        return std::nullopt;
    const SortOrder &order = store.sortOrder();
    const LetterTabs tabs { order.descriptor.sort, store.fields(), order.filterScope,
        !store.sortTarget().currentTag().isEmpty(), state.userOptions.letterTabs == 0 };
    return ViewWalk::Letters { tabs, store.sortTarget() };
}

} // namespace

void TForm3::exportRecords()
{
    ExchangeCommands commands({ m_state, m_store, this, CardTextCodec::make(),
        exportLetters(m_letters, m_store, m_state), {} });
    commands.exportRecords();
    // The walk ranged the list letter by letter: back to the tab shown.
    m_letters.restoreRestriction();
    redrawList();
    if (m_cycle)
        m_cycle->showRecord(std::max(0, m_cycle->card().position - 1));
}

void TForm3::importRecords()
{
    // An import runs while the card has let go of the table; what was copied
    // before it may no longer be what the buffer table holds.
    ExchangeCommands commands({ m_state, m_store, this, CardTextCodec::make(), std::nullopt,
        [this](const std::function<void()> &work) {
            m_copyBuffer->forget();
            m_cardRelease.run(work);
        } });
    commands.importRecords();
}

} // namespace zendrova
