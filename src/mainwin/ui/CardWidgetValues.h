#pragma once

#include "mainwin/CardValues.h"

#include <QList>
#include <QObject>

namespace zendrova {

class CardControl;
struct CardValue;

// The record card's 21 controls as the record cycle sees them: the card codec
// moves each control's value between its field and the control, and a user
// edit of any of them marks the card changed.
class CardWidgetValues : public QObject, public CardValues
{
    Q_OBJECT

public:
    // controls: in field-number order (index tag - 1), owned by the card.
    explicit CardWidgetValues(const QList<CardControl *> &controls, QObject *parent = nullptr);

    void clearAll() override;
    void clear(int index) override;
    bool isEmpty() const override;
    void load(int index, const StoreTable &record, bool asTemplate) override;
    void write(int index, RecordEditor &record) const override;
    bool changed() const override { return m_changed; }
    CardValue value(int index) const override;
    void fitFields(const FieldModel &fields) override;
    void keepTyping() override;

private:
    void show(int index, const CardValue &value);
    void edited();

    QList<CardControl *> m_controls;
    bool m_changed = false;
    // Set while the program fills a control, so only the user's edits count.
    bool m_filling = false;
};

} // namespace zendrova
