#pragma once

#include <QCoreApplication>
#include <QString>

namespace zendrova {

class StoreTable;

// The operations that rework a whole table in place under exclusive use:
// rebuilding or deleting its index tags, packing and emptying it. Each one
// leaves the table object open (shared) or closed as it found it, with the tag
// it had; when another user holds the table it shows the exclusive-use message
// and changes nothing.
class TableMaintenance
{
    Q_DECLARE_TR_FUNCTIONS(TableMaintenance)

public:
    // The two tags of the template index, which Delete Indexes keeps.
    static inline const QStringList kTemplateTags { QStringLiteral("IDX0"), QStringLiteral("IDX1") };

    static QString exclusiveUseText();

    // Rebuilds every tag of the production index. True when the engine
    // reported no error.
    static bool regenIndexes(StoreTable &table, const QString &templateFolder);
    // Removes the deleted records and rebuilds the tags for the rest.
    static bool packTable(StoreTable &table, const QString &templateFolder);
    // Drops every record; the tags stay, empty.
    static bool emptyTable(StoreTable &table);
    // Deletes every tag but those of the template index.
    static bool deleteAddedIndexes(StoreTable &table, const QString &templateFolder);
};

} // namespace zendrova
