#pragma once

#include "store/LetterTabs.h"

#include <functional>
#include <optional>

namespace zendrova {

class StoreTable;

// The records of the main window's current view (its sort, filter scope and
// letter range) as an export walks them: from the first to the last, or, while
// the list is in letter-tab mode, once for each letter from A to Z, skipping a
// letter whose range cannot be set. The caller puts its own letter back after.
class ViewWalk
{
public:
    struct Letters
    {
        LetterTabs tabs;
        LetterRangeTarget &target;
    };

    // Before each part: its letter (0 for the whole view) and record count.
    using Part = std::function<void(char letter, int count)>;
    using Record = std::function<void(const StoreTable &record)>;

    ViewWalk(StoreTable &table, std::optional<Letters> letters);

    void run(const Part &part, const Record &record);

private:
    void walk(const Record &record);

    StoreTable &m_table;
    std::optional<Letters> m_letters;
};

} // namespace zendrova
