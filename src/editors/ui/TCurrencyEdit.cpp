#include "editors/ui/TCurrencyEdit.h"

#include "editors/CurrencyText.h"
#include "editors/PopupPlacement.h"
#include "editors/ui/TCalcDlg.h"

#include <QApplication>
#include <QKeyEvent>
#include <QPointer>
#include <QScreen>
#include <cmath>

namespace zendrova {

TCurrencyEdit::TCurrencyEdit(QWidget *parent)
    : TBtnEdit(parent)
{
    setAlignmentCode(1);
    resize(120, 22);
    setButtonHint(tr("Click here to display a Calculator"));
    showValue();
    connect(this, &QLineEdit::textEdited, this, [this] { m_blank = false; });
}

void TCurrencyEdit::setValue(long double value)
{
    m_blank = false;
    if (value == m_value && text() == CurrencyText::format(m_value, m_displayFormat))
        return;
    m_value = value;
    showValue();
}

long double TCurrencyEdit::shownValue() const
{
    return CurrencyText::parse(text()).value_or(m_value);
}

void TCurrencyEdit::setBlank()
{
    m_value = 0.0L;
    showValue();
    m_blank = true;
}

void TCurrencyEdit::setDisplayFormat(const QString &format)
{
    const QString cut = format.left(20);
    if (cut == m_displayFormat)
        return;
    m_displayFormat = cut;
    showValue();
}

void TCurrencyEdit::setPlusColor(const QColor &colour)
{
    m_plusColor = colour;
    if (!m_showsNegative)
        setTextColor(colour);
}

void TCurrencyEdit::setNegColor(const QColor &colour)
{
    m_negColor = colour;
    if (m_showsNegative)
        setTextColor(colour);
}

QColor TCurrencyEdit::textColor() const
{
    return palette().color(QPalette::Text);
}

void TCurrencyEdit::setTextColor(const QColor &colour)
{
    QPalette pal = palette();
    pal.setColor(QPalette::Text, colour);
    setPalette(pal);
}

void TCurrencyEdit::showValue()
{
    // The colour follows the amount shown, so a value set in code or kept after
    // a text that did not convert is coloured by its own sign.
    m_showsNegative = std::signbit(m_value);
    setTextColor(m_showsNegative ? m_negColor : m_plusColor);
    setText(CurrencyText::format(m_value, m_displayFormat));
}

void TCurrencyEdit::parseAndShow()
{
    if (const auto parsed = CurrencyText::parse(text()))
        m_value = *parsed;
    else
        QApplication::beep();
    showValue();
}

void TCurrencyEdit::keyPressEvent(QKeyEvent *event)
{
    if (isEnterKey(event)) {
        event->ignore();
        return;
    }
    const QString typed = event->text();
    const bool isCharacter = !typed.isEmpty() && (typed[0].isPrint() || typed[0] == QChar(8));
    if (isCharacter && !(event->modifiers() & Qt::ControlModifier)) {
        if (!CurrencyText::isAcceptedCharacter(typed[0]))
            return; // dropped without a sound
        // A digit, sign or point the field could not store goes the same way.
        if (typed[0] != QChar(8) && !CurrencyText::fitsWhileTyping(textAfterTyping(typed), m_field))
            return;
    }
    QLineEdit::keyPressEvent(event);
}

QString TCurrencyEdit::textAfterTyping(const QString &typed) const
{
    QString after = text();
    if (hasSelectedText())
        after.replace(selectionStart(), selectedText().size(), typed);
    else
        after.insert(cursorPosition(), typed);
    return after;
}

void TCurrencyEdit::focusOutEvent(QFocusEvent *event)
{
    TBtnEdit::focusOutEvent(event);
    if (changesField(event))
        parseAndShow();
}

void TCurrencyEdit::ButtonClick()
{
    const QString remembered = text();
    setTextColor(Qt::black);
    QPointer<TCurrencyEdit> self(this);
    int result = QDialog::Rejected;
    {
        TCalcDlg calculator(this);
        const QRect editor(mapToGlobal(QPoint(0, 0)), size());
        const QScreen *screen = this->screen();
        calculator.move(
            popupPosition(editor, calculator.size(), screen ? screen->geometry() : QRect()));
        calculator.clear();
        result = calculator.exec();
    }
    if (!self)
        return;
    setFocus(Qt::OtherFocusReason);
    if (result != QDialog::Accepted)
        setText(remembered);
    else
        m_blank = false; // the calculator's result is the user's amount
    parseAndShow();
}

} // namespace zendrova
