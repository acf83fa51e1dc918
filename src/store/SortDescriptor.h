#pragma once

#include "store/SortKey.h"

namespace zendrova {

// The sort of the current database: the user's choice, the choice last
// applied (to detect and undo a change), and the keys built from the choice.
class SortDescriptor
{
public:
    SortBytes sort;
    SortBytes applied;
    SortKey key;
    SortKey filteredKey;
    // The filtered key is to be used: a filter is shown.
    bool filtered = false;

    // Entry Order, nothing built, applied copy equal.
    void reset();
    // Called before every change, so a failed change can be undone.
    void rememberApplied() { applied = sort; }
    void restoreApplied() { sort = applied; }
    bool isChanged() const { return sort != applied; }

    // Builds both keys from the choice; false (keys empty) when a position
    // names no field of the table.
    bool buildKeys(const FieldModel &fields);
    // The key in use: the filtered one while a filter is shown.
    const SortKey &keyInUse() const { return filtered ? filteredKey : key; }
};

} // namespace zendrova
