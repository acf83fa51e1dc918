#pragma once

#include "mainwin/CardFields.h"
#include "mainwin/CardValue.h"
#include "mainwin/CardValues.h"

#include <array>

namespace zendrova {

// The card's values without widgets: each control's value kept as the card
// codec loads and writes it, so whoever drives a card without a window (tests,
// benchmarks) runs the program's own mapping.
class HeldCardValues : public CardValues
{
public:
    void clearAll() override;
    void clear(int index) override;
    bool isEmpty() const override;
    void load(int index, const StoreTable &record, bool asTemplate) override;
    void write(int index, RecordEditor &record) const override;
    bool changed() const override { return m_changed; }
    CardValue value(int index) const override { return m_values.at(index); }
    // Held values take whatever is set and keep nothing elsewhere.
    void fitFields(const FieldModel &) override { }
    void keepTyping() override { }

    // What a user does in control index (0-based).
    void setValue(int index, const CardValue &value);
    // For the controls that hold a text: edits, lookups and the memo.
    void setText(int index, const QString &text) { setValue(index, CardValue::ofText(text)); }
    QString text(int index) const { return value(index).text; }

private:
    std::array<CardValue, CardFields::kCount> m_values;
    bool m_changed = false;
};

} // namespace zendrova
