#pragma once

#include <functional>

namespace zendrova {

class RecordEditor;
class StoreTable;

// Copies every record of one open table into another, the way repair, backup
// and restore rebuild a table: in the source's physical order, field by field,
// numbering the copies 1, 2, 3 ...
class RecordCopy
{
public:
    struct Result
    {
        // The number the next record would get: records stored + 1.
        int nextNumber = 1;
        // Records with a field that could not be read or that could not be
        // stored; each counts once.
        int errors = 0;
    };
    // Told the number of source records walked so far (from 0), and the total.
    using Progress = std::function<void(int walked, int total)>;

    // The destination must be open exclusively; it is closed at the end. A
    // field that cannot be read (a damaged memo) is left empty and marks its
    // record faulty; a record that cannot be stored is dropped and counted.
    // Other engine errors (a full disk) end the copy with their StoreError.
    static Result run(StoreTable &source, StoreTable &destination, const Progress &progress = {});

    // Gives the record being changed on destination every user field of
    // source's current record: empty fields stay empty, memos and pictures
    // are taken whole. Both tables have the card table's layout. Raises
    // StoreError when a field cannot be read or taken.
    static void copyUserFields(const StoreTable &source, RecordEditor &destination);
};

} // namespace zendrova
