#include "store/TableIndex.h"

#include "dbase/Table.h"

namespace zendrova {

// Until the engine reads production indexes the table has no tags: sorts fall
// back to physical order and adding a tag fails like a refused exclusive use.

IndexDefinitions TableIndex::definitions(dbase::Table &)
{
    return {};
}

void TableIndex::select(dbase::Table &, const QString &name)
{
    if (!name.isEmpty())
        throw dbase::Error(dbase::ErrorKind::NotFound, "No index tag " + name.toStdString());
}

void TableIndex::add(dbase::Table &, const QString &name, const QString &, const IndexOptions &)
{
    throw dbase::Error(dbase::ErrorKind::Usage, "Cannot add index tag " + name.toStdString());
}

void TableIndex::deleteAll(dbase::Table &) { }

void TableIndex::setRange(dbase::Table &table, const LetterRange &, int)
{
    table.first();
}

} // namespace zendrova
