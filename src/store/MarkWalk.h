#pragma once

#include <QString>
#include <functional>

namespace zendrova {

class StoreTable;

// Gives every record of a table the filter mark a test decides: the walk the
// filter's apply and the non-stop search share.
class MarkWalk
{
public:
    static inline const QString kPassMark = QStringLiteral("2");
    static inline const QString kFailMark = QStringLiteral("0");

    // True: the record gets the pass mark.
    using Test = std::function<bool(const StoreTable &record)>;
    // Told the records walked and the total whenever the percentage done
    // changes and every few hundred records, with the index let go, so the
    // caller may paint and read the table; false stops the walk.
    using Progress = std::function<bool(int walked, int total)>;

    // Walks the table in physical order without a range, storing only the
    // records whose mark changes (in short write batches), and ends on the
    // first record. While nobody else has the table open the walk has it for
    // itself, then shares it again (reopened on its tag, without a range). Returns the number of records walked. A record that
    // cannot be stored (another user holds it) ends the walk with its
    // StoreError, its change cancelled first; records stored before keep
    // their new marks.
    static int run(StoreTable &table, const Test &test, const Progress &progress);
};

} // namespace zendrova
