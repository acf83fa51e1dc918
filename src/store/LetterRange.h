#pragma once

#include "store/FieldModel.h"
#include "store/FilterScope.h"
#include "store/SortBytes.h"

#include <QString>

namespace zendrova {

// The range a letter tab puts on the current tag. Values are assigned to the
// filter mark and the primary field of the range's key buffers, so the engine
// evaluates the tag's own expression on them. The primary's values are
// prefixes: an end covers every key that starts with it, and an empty one
// every key with the end's filter mark.
struct LetterRange
{
    enum class Kind {
        None, // no range: all records
        FilterOnly, // only the filter mark is ranged
        Letter, // filter mark and the primary field's first letter
    };
    Kind kind = Kind::None;
    QString startMark, endMark;
    QString startValue, endValue; // of the primary field, Letter only

    // What a tab shows: letter ranges apply when a tag is selected, the
    // primary is a character field and the letter tabs are on; otherwise only
    // the filter scope restricts the table.
    static LetterRange forLetter(char letter, const SortBytes &sort, const FieldModel &fields,
        FilterScope scope, bool tagSelected, bool letterTabsOn);

    friend bool operator==(const LetterRange &, const LetterRange &) = default;
};

// What the letter tabs need of the record table; the store implements it.
class LetterRangeTarget
{
public:
    virtual ~LetterRangeTarget();
    // Sets (or, for Kind::None, cancels) the range and moves to its first record.
    virtual void applyRange(const LetterRange &range) = 0;
    // Records visible through the current range.
    virtual int32_t recordCount() = 0;
    // A range of Kind::Letter looked at beside the current one, which stays, as
    // does the table's record: its records, and whether it holds more than n.
    virtual int32_t countOf(const LetterRange &range) = 0;
    virtual bool holdsMoreThan(const LetterRange &range, int32_t n) = 0;
};

} // namespace zendrova
