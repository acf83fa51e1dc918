#pragma once

#include <QString>

namespace zendrova {

// A record table's whole family on disk (.DBF with its .DBT and .MDX), by
// folder and .DBF name: whether it exists, whether nobody holds it, and
// deleting it. Every member goes together, so no table is left without its
// memo file or with another table's index.
class TableFiles
{
public:
    static bool exists(const QString &folder, const QString &name);
    // Opens the table exclusively and closes it again: false while another
    // table object or program has it open. A missing table is free.
    static bool isFree(const QString &folder, const QString &name);
    // Deletes every member; false when one could not be deleted. A missing
    // family is no error.
    static bool remove(const QString &folder, const QString &name);
    // Removes deleted records and rebuilds the index; false when the table is
    // in use or the pack failed.
    static bool pack(const QString &folder, const QString &name);
};

} // namespace zendrova
