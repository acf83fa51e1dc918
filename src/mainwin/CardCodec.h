#pragma once

#include "mainwin/CardFields.h"
#include "mainwin/CardValue.h"

namespace zendrova {

class FieldModel;
class RecordEditor;
class StoreTable;

// How a value moves between a record field and a card control, by the kind of
// control: the one mapping the card uses, whatever shows the values. Each
// control sits on a field its kind can hold (the card table's layout): a
// currency control on a numeric field, a date control on a date field, a
// picture control on a picture field. Reading or storing may raise StoreError.
class CardCodec
{
public:
    // The date value 1.0 (31 December 1899): in a record template it stands
    // for the day the template is used.
    static QDate todayMarker();

    // The field at position as a control of this kind shows it: a memo's
    // text, a date field's date (with asTemplate, the today marker gives
    // today's date), a picture's bytes, a currency control's amount (none for
    // a blank field), any other control the field's display text.
    static CardValue load(
        CardControlKind kind, const StoreTable &record, int position, bool asTemplate);

    // Stores what a control of this kind holds into the field at position: a
    // numeric field takes a currency control's amount (none clears it), or another control's
    // text read as a number once its thousands separators are gone (blank
    // clears the field, a text that is no number raises StoreError); a date
    // field takes a date control's date or is cleared; an empty picture clears
    // its field; anything else stores the control's text.
    static void write(
        CardControlKind kind, const CardValue &value, RecordEditor &record, int position);

    // No picture, no text, an amount of 0 or none, or no date, by the kind of
    // control.
    static bool isEmpty(CardControlKind kind, const CardValue &value);

    // Why the field at position cannot take what a control of this kind
    // holds, naming the field by its caption; empty when it can. A date
    // control's text that reads as no date, an amount too long for the field.
    static QString refusal(CardControlKind kind, const CardValue &value, const FieldModel &fields,
        int position, const QString &caption);
};

} // namespace zendrova
