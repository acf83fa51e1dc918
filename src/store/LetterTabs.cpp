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
    const LetterTabs tabs = *this;
    const auto range = [tabs](char letter) {
        return LetterRange::forLetter(letter, tabs.sort, tabs.fields, tabs.scope,
            tabs.tagSelected, tabs.letterTabsOn);
    };
    counts.recountFrom({
        [&table, range](char letter) {
            const LetterRange r = range(letter);
            return r.kind == LetterRange::Kind::Letter ? table.countOf(r) : 0;
        },
        [&table, range](char letter, int32_t n) {
            const LetterRange r = range(letter);
            return r.kind == LetterRange::Kind::Letter && table.holdsMoreThan(r, n);
        },
    });
}

void LetterTabs::letterCountOf(LetterRangeTarget &table, char letter, LetterCounts &counts)
{
    counts.setCount(letter, table.recordCount());
    if (counts.refreshTab && LetterCounts::isLetter(letter))
        counts.refreshTab(letter);
}

} // namespace zendrova
