#include "editors/ui/TFilterEdit.h"

#include "editors/ui/EditAlignment.h"

#include <QApplication>
#include <QKeyEvent>

namespace zendrova {

TFilterEdit::TFilterEdit(QWidget *parent)
    : QLineEdit(parent)
{
    resize(120, 22);
}

void TFilterEdit::setValidChars(const QString &literal)
{
    m_literal = literal;
    m_allowed = CharSet(literal);
    const QString kept = m_allowed.filtered(text());
    if (kept != text())
        setText(kept);
}

int TFilterEdit::AlignmentCode() const
{
    return codeOfAlignment(alignment());
}

void TFilterEdit::setAlignmentCode(int code)
{
    setAlignment(alignmentOfCode(code));
}

void TFilterEdit::keyPressEvent(QKeyEvent *event)
{
    if (event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) {
        event->ignore();
        return;
    }
    const QString typed = event->text();
    if (!typed.isEmpty() && typed[0].isPrint() && !(event->modifiers() & Qt::ControlModifier)) {
        for (QChar c : typed) {
            if (!m_allowed.contains(c)) {
                QApplication::beep();
                return;
            }
        }
    }
    QLineEdit::keyPressEvent(event);
}

} // namespace zendrova
