#pragma once

#include "editors/CurrencyText.h"
#include "editors/ui/TBtnEdit.h"

#include <QColor>

namespace zendrova {

// An amount field: digits, "-" and the decimal point only, shown with a
// display format and coloured by sign; its button opens the calculator.
class TCurrencyEdit : public TBtnEdit
{
    Q_OBJECT
    Q_PROPERTY(double Value READ valueAsDouble WRITE setValueAsDouble)
    Q_PROPERTY(QString DisplayFormat READ DisplayFormat WRITE setDisplayFormat)
    Q_PROPERTY(QColor PlusColor READ PlusColor WRITE setPlusColor)
    Q_PROPERTY(QColor NegColor READ NegColor WRITE setNegColor)
public:
    explicit TCurrencyEdit(QWidget *parent = nullptr);

    long double Value() const { return m_value; }
    // Shows the value again whenever the text is not that value formatted,
    // so text typed over it goes.
    void setValue(long double value);
    // The amount the text reads as now, before the editor is left; Value when
    // the text does not convert.
    long double shownValue() const;
    // Shows no amount (0 formatted) for a field that holds none; the editor
    // stays blank until the user changes its text.
    void setBlank();
    bool isBlank() const { return m_blank; }
    // The field the amount goes to: typing that would not fit it is dropped.
    void setNumberField(const NumberField &field) { m_field = field; }
    const NumberField &numberField() const { return m_field; }
    QString DisplayFormat() const { return m_displayFormat; }
    void setDisplayFormat(const QString &format);
    QColor PlusColor() const { return m_plusColor; }
    void setPlusColor(const QColor &colour);
    QColor NegColor() const { return m_negColor; }
    void setNegColor(const QColor &colour);
    // The colour the text is drawn in now.
    QColor textColor() const;

    // Reads the text into Value (a beep and no change when it does not
    // convert), then shows Value formatted and coloured.
    void parseAndShow();

protected:
    void ButtonClick() override;
    void keyPressEvent(QKeyEvent *event) override;
    void focusOutEvent(QFocusEvent *event) override;

private:
    double valueAsDouble() const { return static_cast<double>(m_value); }
    void setValueAsDouble(double value) { setValue(value); }
    void showValue();
    void setTextColor(const QColor &colour);

    // The text as it would be after the key, for the field's limits.
    QString textAfterTyping(const QString &typed) const;

    long double m_value = 0.0L;
    bool m_blank = false;
    NumberField m_field;
    bool m_showsNegative = false;
    QString m_displayFormat = QStringLiteral(",0.00");
    QColor m_plusColor = Qt::blue;
    QColor m_negColor = Qt::red;
};

} // namespace zendrova
