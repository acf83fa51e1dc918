#pragma once

#include "store/FieldModel.h"
#include "store/IndexDefinition.h"

#include <QString>

namespace zendrova {

// What the sort needs of the record table: its fields, its production index
// tags and the opens around adding a tag. The store's record table implements
// it; a false result stands for an engine error.
class SortTarget
{
public:
    virtual ~SortTarget();

    // Loaded from the table when not loaded yet.
    virtual const FieldModel &fieldModel() = 0;
    virtual IndexDefinitions indexDefinitions() = 0;
    virtual void refreshIndexDefinitions() = 0;

    // The selected tag's name, empty for none (physical order).
    virtual QString currentTag() const = 0;
    // Takes effect with the next open; an empty name selects no tag.
    virtual void selectTag(const QString &name) = 0;

    // Shared open, or an exclusive one that gives up silently after its retries.
    virtual bool open(bool exclusive) = 0;
    // Closes the table if open and clears its exclusive flag.
    virtual void close() = 0;
    // Adds a tag to the production index of the table opened exclusively.
    virtual bool addTag(const QString &name, const QString &expression, const IndexOptions &options)
        = 0;

    // Re-reads the decimals of the numeric fields after an open.
    virtual void readNumericDecimals() = 0;
};

} // namespace zendrova
