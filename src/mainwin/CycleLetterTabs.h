#pragma once

namespace zendrova {

class StoreTable;

// What the window's letter tabs offer the record cycle.
class CycleLetterTabs
{
public:
    virtual ~CycleLetterTabs() = default;

    // The list is ranged by letter now.
    virtual bool inUse() const = 0;
    // The first sort field allows letter tabs, so counts are kept even while
    // the tabs are off.
    virtual bool counted() const = 0;
    // The tab the record's sort key belongs to.
    virtual char letterOf(const StoreTable &record) const = 0;
    virtual char currentLetter() const = 0;
    virtual int count(char letter) const = 0;
    // Cheaper than a count when only emptiness matters.
    virtual bool holdsRecords(char letter) const = 0;
    // Whether the letter's count is the position (its last record stands there).
    virtual bool endsAt(char letter, int position) const = 0;
    // Ranges the list cursor to the letter without redrawing anything.
    virtual void rangeList(char letter) = 0;
    // A record moved between tabs: from 0 for a new record, to 0 for a deleted one.
    virtual void moveCount(char from, char to) = 0;
    // Switches the list to the letter's tab (selecting it), without redrawing yet.
    virtual void selectLetter(char letter) = 0;
};

} // namespace zendrova
