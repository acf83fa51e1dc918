#include "mainwin/ui/CardWidgetValues.h"

#include "mainwin/CardCodec.h"
#include "mainwin/ui/CardControl.h"
#include "store/FieldModel.h"

#include <QScopedValueRollback>

namespace zendrova {

CardWidgetValues::CardWidgetValues(const QList<CardControl *> &controls, QObject *parent)
    : QObject(parent)
    , m_controls(controls)
{
    for (const CardControl *control : std::as_const(m_controls))
        control->onChange(this, [this] { edited(); });
}

void CardWidgetValues::edited()
{
    if (!m_filling)
        m_changed = true;
}

void CardWidgetValues::show(int index, const CardValue &value)
{
    const QScopedValueRollback filling(m_filling, true);
    m_controls.at(index)->setValue(value);
}

void CardWidgetValues::clearAll()
{
    for (int index = 0; index < m_controls.size(); ++index)
        clear(index);
    m_changed = false;
}

void CardWidgetValues::clear(int index)
{
    show(index, CardValue());
}

bool CardWidgetValues::isEmpty() const
{
    for (const CardControl *control : m_controls)
        if (!CardCodec::isEmpty(control->field().kind, control->value()))
            return false;
    return true;
}

void CardWidgetValues::load(int index, const StoreTable &record, bool asTemplate)
{
    const CardField &field = m_controls.at(index)->field();
    show(index, CardCodec::load(field.kind, record, field.fieldPosition(), asTemplate));
    m_changed = false;
}

void CardWidgetValues::write(int index, RecordEditor &record) const
{
    const CardControl *control = m_controls.at(index);
    CardCodec::write(
        control->field().kind, control->value(), record, control->field().fieldPosition());
}

CardValue CardWidgetValues::value(int index) const
{
    return m_controls.at(index)->value();
}

void CardWidgetValues::keepTyping()
{
    for (CardControl *control : std::as_const(m_controls))
        control->keepTyping();
}

void CardWidgetValues::fitFields(const FieldModel &fields)
{
    for (CardControl *control : std::as_const(m_controls)) {
        const int position = control->field().fieldPosition();
        if (fields.kind(position) == FieldKind::Numeric)
            control->fitField(fields.width(position), fields.decimals(position));
    }
}

} // namespace zendrova
