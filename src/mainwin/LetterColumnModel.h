#pragma once

#include "mainwin/CycleLetterTabs.h"
#include "store/LetterCounts.h"

#include <functional>

namespace zendrova {

class AppState;
class RecordStore;

// The letter column's state over the store's record table: which letter is
// current, whether the tabs are active, the per-letter counts, and the range
// the record list is restricted to.
class LetterColumnModel : public CycleLetterTabs
{
public:
    LetterColumnModel(AppState &state, RecordStore &store);

    // The option is on and the first sort field allows letters.
    bool active() const;
    const LetterCounts &counts() const { return m_counts; }
    // The tab ranges could not be set: every letter button is disabled.
    bool buttonsDisabled() const { return !active() || m_rangeFailed; }

    // Letter 'A', counts rebuilt and the list restricted to 'A' (or only to
    // the filter scope when letters do not apply).
    void reset();
    // The list shows the records of this letter; false when that failed.
    bool click(char letter);
    // The list shows every record of the order and filter (before printing)
    // and goes back to the current letter afterwards.
    void liftRestriction();
    void restoreRestriction();

    // What the record cycle needs when it steps across letters.
    bool inUse() const override { return active() && !m_rangeFailed; }
    bool counted() const override { return active(); }
    char letterOf(const StoreTable &record) const override;
    char currentLetter() const override { return m_letter; }
    int count(char letter) const override { return m_counts.count(letter); }
    bool holdsRecords(char letter) const override { return m_counts.holdsRecords(letter); }
    bool endsAt(char letter, int position) const override
    {
        return m_counts.endsAt(letter, position);
    }
    void rangeList(char letter) override { restrictTo(letter); }
    void moveCount(char from, char to) override { m_counts.moveLetterCount(from, to); }
    void selectLetter(char letter) override { click(letter); }

    // Redraws a tab after its count changed.
    std::function<void(char)> refreshTab;

private:
    bool restrictTo(char letter);

    AppState &m_state;
    RecordStore &m_store;
    LetterCounts m_counts;
    char m_letter = 'A';
    bool m_rangeFailed = false;
};

} // namespace zendrova
