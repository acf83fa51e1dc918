#pragma once

#include "mainwin/CardValues.h"

#include <QList>
#include <QObject>

class QWidget;

namespace zendrova {

// The record card's 21 controls as the record cycle sees them: each control
// is loaded from and written into its field by the kind of control it is,
// and a user edit of any of them marks the card changed.
class CardWidgetValues : public QObject, public CardValues
{
    Q_OBJECT

public:
    // controls: in field-number order (index tag - 1).
    explicit CardWidgetValues(const QList<QWidget *> &controls, QObject *parent = nullptr);

    void clearAll() override;
    void clear(int index) override;
    bool isEmpty() const override;
    void load(int index, const StoreTable &record, bool asTemplate) override;
    void write(int index, RecordEditor &record) const override;
    bool changed() const override { return m_changed; }

private:
    void watch(QWidget *control);
    void edited();

    QList<QWidget *> m_controls;
    bool m_changed = false;
    // Set while the program fills a control, so only the user's edits count.
    bool m_filling = false;
};

} // namespace zendrova
