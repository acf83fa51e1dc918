#include "editors/ui/TBtnEdit.h"

#include "editors/ui/EditAlignment.h"
#include "editors/ui/TEditButton.h"
#include "common/Interaction.h"

#include <QApplication>
#include <QKeyEvent>
#include <QPointer>
#include <QTimer>

namespace zendrova {

TBtnEdit::TBtnEdit(QWidget *parent)
    : QLineEdit(parent)
    , m_button(new TEditButton(this))
{
    connect(m_button, &QAbstractButton::clicked, this, [this] { ButtonClick(); });
    layoutButton();
}

void TBtnEdit::setButtonVisible(bool visible)
{
    m_buttonVisible = visible;
    layoutButton();
}

int TBtnEdit::AlignmentCode() const
{
    return codeOfAlignment(alignment());
}

void TBtnEdit::setAlignmentCode(int code)
{
    setAlignment(alignmentOfCode(code));
}

QString TBtnEdit::ButtonHint() const
{
    return m_button->toolTip();
}

void TBtnEdit::setButtonHint(const QString &hint)
{
    m_button->setToolTip(hint);
}

int TBtnEdit::minimumHeightFor(int fontHeight, int systemFontHeight, int borderHeight)
{
    return fontHeight + std::min(systemFontHeight, fontHeight) / 4 + 4 * borderHeight;
}

void TBtnEdit::layoutButton()
{
    m_button->setVisible(m_buttonVisible);
    setTextMargins(0, 0, m_buttonVisible ? TEditButton::kWidth + 1 : 0, 0);
    m_button->setGeometry(width() - TEditButton::kWidth, 0, TEditButton::kWidth, height());
    const int least = minimumHeightFor(fontMetrics().height(),
                                       QFontMetrics(QApplication::font()).height());
    if (minimumHeight() < least)
        setMinimumHeight(least);
}

void TBtnEdit::resizeEvent(QResizeEvent *event)
{
    QLineEdit::resizeEvent(event);
    layoutButton();
}

void TBtnEdit::changeEvent(QEvent *event)
{
    QLineEdit::changeEvent(event);
    if (event->type() == QEvent::FontChange || event->type() == QEvent::EnabledChange) {
        layoutButton();
        m_button->update();
    }
}

void TBtnEdit::placeCaretOnEntry()
{
    if (m_autoSelect)
        selectAll();
    else {
        deselect();
        setCursorPosition(0);
    }
}

void TBtnEdit::focusInEvent(QFocusEvent *event)
{
    QLineEdit::focusInEvent(event);
    if (event->reason() != Qt::PopupFocusReason)
        placeCaretOnEntry();
}

bool TBtnEdit::isEnterKey(const QKeyEvent *event)
{
    return event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter;
}

bool TBtnEdit::changesField(const QFocusEvent *event)
{
    return event->reason() != Qt::PopupFocusReason && event->reason() != Qt::ActiveWindowFocusReason;
}

void TBtnEdit::refuseLeaving(const QString &message)
{
    showMessage(MessageKind::Error, message);
    // Queued: the focus is still moving while the focus-out event runs.
    QPointer<TBtnEdit> self(this);
    QTimer::singleShot(0, this, [self] {
        if (self)
            self->setFocus(Qt::OtherFocusReason);
    });
}

void TBtnEdit::keyPressEvent(QKeyEvent *event)
{
    if (isEnterKey(event)) {
        QApplication::beep();
        event->ignore();
        return;
    }
    QLineEdit::keyPressEvent(event);
}

} // namespace zendrova
