#include "store/SortDescriptor.h"

namespace zendrova {

void SortDescriptor::reset()
{
    sort = {};
    applied = {};
    key = {};
    filteredKey = {};
}

bool SortDescriptor::buildKeys(const FieldModel &fields)
{
    key = {};
    filteredKey = {};
    const auto built = buildSortKey(fields, sort);
    if (!built)
        return false;
    key = *built;
    filteredKey = key.filtered(fields);
    return true;
}

} // namespace zendrova
