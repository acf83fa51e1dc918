#include "store/LetterTabs.h"

namespace zendrova {

bool LetterTabs::letterRange(LetterRangeTarget &table, char letter) const
{
    const LetterRange range
        = LetterRange::forLetter(letter, sort, fields, scope, tagSelected, letterTabsOn);
    table.applyRange(range);
    return range.kind == LetterRange::Kind::Letter;
}

void LetterTabs::letterCounts(LetterRangeTarget &table, LetterCounts &counts) const
{
    if (!apply())
        return;
    for (char letter = 'Z'; letter >= 'A'; --letter) {
        counts.setCount(letter, 0);
        if (letterRange(table, letter))
            counts.setCount(letter, table.recordCount());
    }
}

void LetterTabs::letterCountOf(LetterRangeTarget &table, char letter, LetterCounts &counts)
{
    counts.setCount(letter, table.recordCount());
    if (counts.refreshTab && LetterCounts::isLetter(letter))
        counts.refreshTab(letter);
}

} // namespace zendrova
