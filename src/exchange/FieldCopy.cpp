#include "exchange/FieldCopy.h"

#include "store/RecordEditor.h"
#include "store/StoreTable.h"

namespace zendrova {

void copyField(const StoreTable &from, RecordEditor &to, int position)
{
    switch (from.fieldModel().kind(position)) {
    case FieldKind::Numeric:
        if (from.isNull(position))
            to.clear(position);
        else
            to.setNumber(position, from.number(position));
        return;
    case FieldKind::Date:
        to.setDate(position, from.date(position));
        return;
    case FieldKind::Memo:
    case FieldKind::Picture:
        to.setBytes(position, from.bytes(position));
        return;
    case FieldKind::Text:
    case FieldKind::Other:
        break;
    }
    to.setText(position, from.text(position));
}

} // namespace zendrova
