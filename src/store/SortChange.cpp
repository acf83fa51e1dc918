#include "store/SortChange.h"

namespace zendrova {
namespace {

// Tag k of a field item names position k + 1; anything else names no field.
bool isFieldTag(int tag)
{
    return tag >= 1 && tag <= 254;
}

void secondaryFollowsPrimary(SortDescriptor &d, const FieldModel &fields)
{
    if (SortChange::bothTextLike(d.sort, fields))
        d.sort.secondaryDescending = d.sort.primaryDescending;
}

} // namespace

bool SortChange::bothTextLike(const SortBytes &sort, const FieldModel &fields)
{
    return sort.primary >= FieldModel::kFirstUserPosition
        && sort.secondary >= FieldModel::kFirstUserPosition && fields.isTextLike(sort.primary)
        && fields.isTextLike(sort.secondary);
}

void SortChange::choosePrimaryField(SortDescriptor &d, const FieldModel &fields, int tag)
{
    d.rememberApplied();
    if (tag == 0) {
        d.sort.primary = 0;
        d.sort.secondary = 0;
    } else if (isFieldTag(tag)) {
        d.sort.primary = static_cast<uint8_t>(tag + 1);
        if (d.sort.secondary == d.sort.primary)
            d.sort.secondary = 0;
    }
    secondaryFollowsPrimary(d, fields);
}

void SortChange::chooseSecondaryField(SortDescriptor &d, const FieldModel &fields, int tag)
{
    d.rememberApplied();
    if (tag == 0)
        d.sort.secondary = 0;
    else if (isFieldTag(tag))
        d.sort.secondary = static_cast<uint8_t>(tag + 1);
    secondaryFollowsPrimary(d, fields);
}

void SortChange::choosePrimaryDirection(
    SortDescriptor &d, const FieldModel &fields, bool descending)
{
    d.rememberApplied();
    if (d.sort.primaryDescending == descending)
        return;
    d.sort.primaryDescending = descending;
    secondaryFollowsPrimary(d, fields);
}

void SortChange::chooseSecondaryDirection(SortDescriptor &d, bool descending)
{
    d.rememberApplied();
    if (!d.sort.hasSecondary() || d.sort.secondaryDescending == descending)
        return;
    d.sort.secondaryDescending = descending;
}

void SortChange::choosePrimary(SortDescriptor &d, const FieldModel &fields, SortMenuChoice choice)
{
    if (choice.part == SortMenuChoice::Part::Field)
        choosePrimaryField(d, fields, choice.tag);
    else
        choosePrimaryDirection(d, fields, choice.tag != 0);
}

void SortChange::chooseSecondary(SortDescriptor &d, const FieldModel &fields, SortMenuChoice choice)
{
    if (choice.part == SortMenuChoice::Part::Field)
        chooseSecondaryField(d, fields, choice.tag);
    else
        chooseSecondaryDirection(d, choice.tag != 0);
}

void SortChange::chooseAll(SortDescriptor &d, const SortBytes &sort)
{
    d.rememberApplied();
    d.sort = sort;
}

} // namespace zendrova
