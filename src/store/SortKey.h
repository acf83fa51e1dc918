#pragma once

#include "store/FieldModel.h"
#include "store/IndexDefinition.h"
#include "store/SortBytes.h"

#include <QString>
#include <optional>

namespace zendrova {

// A dBASE key expression and the options its tag is made with. An empty
// expression means the sort has no key (for instance a picture field).
struct SortKey
{
    static constexpr int kMaxLength = 100;

    QString expression;
    IndexOptions options;

    bool isEmpty() const { return expression.isEmpty(); }
    // The same key led by the filter mark, so a range on the mark picks the
    // records that pass or fail the filter.
    SortKey filtered(const FieldModel &fields) const;

    friend bool operator==(const SortKey &, const SortKey &) = default;
};

// Nothing when a sort position names no field of the table.
std::optional<SortKey> buildSortKey(const FieldModel &fields, const SortBytes &sort);

} // namespace zendrova
