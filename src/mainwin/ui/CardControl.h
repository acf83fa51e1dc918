#pragma once

#include "mainwin/CardFieldColors.h"
#include "mainwin/CardFields.h"
#include "mainwin/CardValue.h"
#include "mainwin/ColorDialogModel.h"

#include <QPalette>

#include <functional>
#include <memory>

class QObject;
class QWidget;

namespace zendrova {

class AppState;

// One field control of the record card whatever widget shows it: its value in
// the card codec's form, its change signal and its colours. The widget for each
// kind of control is chosen in one place, create().
class CardControl
{
public:
    // The field's control on parent: named "L" + its field number, with its
    // hint and its tag. The card owns the adapter, parent the widget.
    static std::unique_ptr<CardControl> create(
        const CardField &field, AppState &state, QWidget *parent);

    virtual ~CardControl();
    CardControl(const CardControl &) = delete;
    CardControl &operator=(const CardControl &) = delete;

    const CardField &field() const { return m_field; }
    QWidget *widget() const { return m_widget; }

    virtual CardValue value() const = 0;
    // Shows value; the widget's change signal fires as for any change.
    virtual void setValue(const CardValue &value) = 0;
    // Calls changed on every change of the control's content, for as long as
    // context lives.
    virtual void onChange(QObject *context, const std::function<void()> &changed) const = 0;

    // The control's field in the open table is width characters wide with
    // decimals places: a control that takes typed numbers keeps to it.
    virtual void fitField(int width, int decimals);

    // The record is stored while the control may still have the focus: it
    // keeps what leaving it would keep (a lookup's new item goes into its list).
    virtual void keepTyping() { }

    // Takes the scheme's colours meant for this kind of control.
    virtual void applyColors(const CardColors &colors);
    // Which colours the control's "C&olor..." item edits.
    virtual ColorDialogUse colorUse() const { return ColorDialogUse::SingleLineFields; }

protected:
    CardControl(const CardField &field, QWidget *widget);

private:
    const CardField &m_field;
    QWidget *m_widget;
};

// A field's palette with its text and background; disabled fields are drawn in
// the system's colours whatever the scheme, so they look unavailable.
QPalette fieldPalette(QPalette palette, const QColor &text, const QColor &background);

} // namespace zendrova
