#include "mainwin/HeldCardValues.h"

#include "mainwin/CardCodec.h"

namespace zendrova {

namespace {
const CardField &fieldAt(int index)
{
    return CardFields::all().at(index);
}
} // namespace

void HeldCardValues::clearAll()
{
    m_values.fill(CardValue());
    m_changed = false;
}

void HeldCardValues::clear(int index)
{
    m_values.at(index) = CardValue();
}

bool HeldCardValues::isEmpty() const
{
    for (int index = 0; index < CardFields::kCount; ++index)
        if (!CardCodec::isEmpty(fieldAt(index).kind, m_values.at(index)))
            return false;
    return true;
}

void HeldCardValues::load(int index, const StoreTable &record, bool asTemplate)
{
    const CardField &field = fieldAt(index);
    m_values.at(index) = CardCodec::load(field.kind, record, field.fieldPosition(), asTemplate);
    m_changed = false;
}

void HeldCardValues::write(int index, RecordEditor &record) const
{
    const CardField &field = fieldAt(index);
    CardCodec::write(field.kind, m_values.at(index), record, field.fieldPosition());
}

void HeldCardValues::setValue(int index, const CardValue &value)
{
    m_values.at(index) = value;
    m_changed = true;
}

} // namespace zendrova
