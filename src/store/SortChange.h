#pragma once

#include "store/SortDescriptor.h"

namespace zendrova {

// An item of the sort button's field or direction submenu. Field items carry
// Tag 0 for "Entry Order" / "NONE" and k for the k-th caption (position k + 1);
// direction items carry 0 for "Ascending" and 1 for "Descending".
struct SortMenuChoice
{
    enum class Part { Field, Direction };
    Part part = Part::Field;
    int tag = 0;
};

// How a choice from the sort button's menus or the Sort Options dialog changes
// the descriptor. Each remembers the applied sort first; applying is left to
// the caller (SortOrder::applyChange).
class SortChange
{
public:
    static void choosePrimaryField(SortDescriptor &d, const FieldModel &fields, int tag);
    static void chooseSecondaryField(SortDescriptor &d, const FieldModel &fields, int tag);
    static void choosePrimaryDirection(
        SortDescriptor &d, const FieldModel &fields, bool descending);
    static void chooseSecondaryDirection(SortDescriptor &d, bool descending);
    static void choosePrimary(SortDescriptor &d, const FieldModel &fields, SortMenuChoice choice);
    static void chooseSecondary(SortDescriptor &d, const FieldModel &fields, SortMenuChoice choice);
    // The whole choice of the Sort Options dialog.
    static void chooseAll(SortDescriptor &d, const SortBytes &sort);

    // Two character fields share the tag's one direction.
    static bool bothTextLike(const SortBytes &sort, const FieldModel &fields);
};

} // namespace zendrova
