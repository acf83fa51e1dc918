#pragma once

#include "store/LetterCounts.h"
#include "store/LetterRange.h"

namespace zendrova {

// The letter tabs over the current sort: ranging the table to one letter and
// counting the records of every letter.
struct LetterTabs
{
    const SortBytes &sort;
    const FieldModel &fields;
    FilterScope scope = FilterScope::AllRecords;
    bool tagSelected = false;
    bool letterTabsOn = false;

    // The tabs apply while they are on and the primary field is character.
    bool apply() const { return letterTabsOn && fields.isTextLike(sort.primary); }
    // Ranges the table to the letter; false when letter ranges do not apply,
    // in which case only the filter range is set.
    bool letterRange(LetterRangeTarget &table, char letter) const;
    // Recounts every letter when the tabs apply: each count is learnt from the
    // table when first asked (0 for a letter whose range does not apply).
    void letterCounts(LetterRangeTarget &table, LetterCounts &counts) const;
    // Recounts one letter from the table's current range and redraws its tab.
    static void letterCountOf(LetterRangeTarget &table, char letter, LetterCounts &counts);
};

} // namespace zendrova
