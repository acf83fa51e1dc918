#pragma once

#include "mainwin/CardValue.h"

namespace zendrova {

class FieldModel;
class RecordEditor;
class StoreTable;

// The record card's 21 field controls as the record cycle sees them: control
// i (0..20) is bound to field position i + 2 of the record table. Loading and
// writing may raise StoreError (a memo or picture the table cannot read or
// store).
class CardValues
{
public:
    virtual ~CardValues();

    virtual void clearAll() = 0;
    virtual void clear(int index) = 0;
    // Every control empty: no text, no picture, no date, a currency value of 0.
    virtual bool isEmpty() const = 0;
    // asTemplate: a stored date of 1.0 stands for today.
    virtual void load(int index, const StoreTable &record, bool asTemplate) = 0;
    virtual void write(int index, RecordEditor &record) const = 0;
    // What control index shows now, as the card codec would write it.
    virtual CardValue value(int index) const = 0;
    // The card is about to be stored: whatever leaving its controls would
    // keep is kept, also for the control that still has the focus.
    virtual void keepTyping() = 0;
    // The card's table opened: its fields' sizes limit what may be typed.
    virtual void fitFields(const FieldModel &fields) = 0;
    // The user changed a control since the last load or clear.
    virtual bool changed() const = 0;
};

} // namespace zendrova
