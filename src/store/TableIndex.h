#pragma once

#include "store/IndexDefinition.h"
#include "store/LetterRange.h"

#include <QString>

namespace dbase {
class Table;
}

namespace zendrova {

// Every call the store makes on a table's production index, in one place.
// Engine failures surface as dbase::Error.
class TableIndex
{
public:
    // The tags in tag-table order; empty for a table without an index.
    static IndexDefinitions definitions(dbase::Table &table);
    // An empty name selects physical order.
    static void select(dbase::Table &table, const QString &name);
    // The table must be open exclusively.
    static void add(dbase::Table &table, const QString &name, const QString &expression,
        const IndexOptions &options);
    // From the last tag to the first; the table must be open exclusively.
    static void deleteAll(dbase::Table &table);
    // Ranges the selected tag (Kind::None cancels the range) and moves to
    // the first record. The primary value goes into the primary position.
    static void setRange(dbase::Table &table, const LetterRange &range, int primaryPosition);
    // A range (not Kind::None) looked at beside the table's own range, which
    // stays, as does its record.
    static uint64_t countInRange(dbase::Table &table, const LetterRange &range, int primaryPosition);
    static bool rangeHoldsMoreThan(
        dbase::Table &table, const LetterRange &range, int primaryPosition, int32_t n);
};

} // namespace zendrova
