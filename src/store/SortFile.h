#pragma once

#include "store/SortDescriptor.h"

#include <QString>

namespace zendrova {

// The four sort bytes of a record table, kept beside it under the table's
// name with the extension "idx".
class SortFile
{
public:
    // "data.dbf" gives "data.idx"; a name without an extension gets one.
    static QString fileNameFor(const QString &tableFile);
    // Resets the descriptor to Entry Order, then takes the four bytes from the
    // file when it can be read; a missing or short file leaves Entry Order.
    static void read(const QString &folder, const QString &tableFile, SortDescriptor &descriptor);
    // Writes beside the old file and renames over it; false when nothing was written.
    static bool write(const QString &folder, const QString &tableFile, const SortBytes &sort);
};

} // namespace zendrova
