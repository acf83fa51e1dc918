#pragma once

#include "store/FindMatch.h"

#include <functional>
#include <optional>

namespace zendrova {

class CardRelease;
class CycleLetterTabs;
struct FindHooks;

// The main window's side of a search of the Search window. A non-stop search
// marks every record, so the card lets go of the table for it. A step search
// starts at the first (or last) letter tab, goes on into the next letter that
// has records when it reaches the end of one, and puts back the letter of its
// last match before it continues or when it ends without one.
class WindowFindHooks
{
public:
    // What the window does for the hooks; each may be left empty.
    struct Window
    {
        // Leaves the record for a command; false when the user stays on it.
        std::function<bool()> mayLeaveRecord;
        // The card, list and menu wait while the search moves the list cursor.
        std::function<void(bool working)> setWorking;
        // Off while a non-stop search walks the table.
        std::function<void(bool allowed)> allowListRedraw;
        // The letter column follows the current letter.
        std::function<void()> showLetters;
        // The list from its first row, its first record on the card.
        std::function<void()> showListStart;
        // The list's rows follow a letter put back.
        std::function<void()> redrawList;
        // The list is restricted to the records the non-stop search marked.
        std::function<void()> showMarkedRecords;
        // The record at the list position on the card, the field highlighted.
        std::function<void(int listPosition, int fieldPosition, std::optional<MemoMatch> memo)>
            showMatch;
    };

    WindowFindHooks(CycleLetterTabs &letters, CardRelease &card, Window window);

    // Registers every hook but the filter's own pair.
    void attach(FindHooks &hooks);

    bool beforeNonStop();
    // Runs after every non-stop search, also one vetoed by beforeNonStop.
    void afterNonStop();
    bool beforeStep(bool forward);
    bool beforeContinue();
    // True at the true end; false when the scan goes on in another letter.
    bool atEnd(bool forward);
    void onMatch(int listPosition, int fieldPosition, std::optional<MemoMatch> memo);
    void onNoMatch();

    // The letter a search puts back: the last match's, or before the first
    // match the one that was current when the search started; 0 for none.
    char matchLetter() const { return m_matchLetter; }

private:
    void call(const std::function<void()> &step) const;
    void setWorking(bool working) const;
    bool putBackMatchLetter();

    CycleLetterTabs &m_letters;
    CardRelease &m_card;
    Window m_window;
    char m_matchLetter = 0;
    // The search began at the first or last letter (not from a match).
    bool m_fromStart = false;
};

} // namespace zendrova
