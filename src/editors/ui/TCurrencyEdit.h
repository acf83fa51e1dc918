#pragma once

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
    void setValue(long double value);
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

    long double m_value = 0.0L;
    bool m_showsNegative = false;
    QString m_displayFormat = QStringLiteral(",0.00");
    QColor m_plusColor = Qt::blue;
    QColor m_negColor = Qt::red;
};

} // namespace zendrova
