#pragma once

#include <QList>
#include <QString>

namespace zendrova {

// Options of an index tag as the sort keys use them.
struct IndexOptions
{
    bool expression = false;
    bool descending = false;

    friend bool operator==(const IndexOptions &, const IndexOptions &) = default;
};

// One tag of a production index.
struct IndexDefinition
{
    QString name;
    QString expression;
    IndexOptions options;

    friend bool operator==(const IndexDefinition &, const IndexDefinition &) = default;
};

using IndexDefinitions = QList<IndexDefinition>;

} // namespace zendrova
