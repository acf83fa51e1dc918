#include "editors/ui/TDirEdit.h"

#include "editors/FolderCheck.h"
#include "shell/Interaction.h"

#include <QDir>
#include <QFocusEvent>
#include <QPointer>
#include <QTimer>

namespace zendrova {

TDirEdit::TDirEdit(QWidget *parent)
    : TBtnEdit(parent)
    , m_upperCase(fileSystemIgnoresCase())
{
    setAlignmentCode(0);
    setAutoSelect(false);
    resize(200, 24);
    setButtonHint(tr("Click here to select a directory"));
    connect(this, &QLineEdit::textChanged, this, &TDirEdit::applyCase);
}

void TDirEdit::setUpperCase(bool on)
{
    m_upperCase = on;
    applyCase();
}

void TDirEdit::applyCase()
{
    if (!m_upperCase)
        return;
    const QString upper = text().toUpper();
    if (upper == text())
        return;
    const int caret = cursorPosition();
    setText(upper);
    setCursorPosition(caret);
}

void TDirEdit::focusOutEvent(QFocusEvent *event)
{
    TBtnEdit::focusOutEvent(event);
    if (event->reason() == Qt::PopupFocusReason || event->reason() == Qt::ActiveWindowFocusReason)
        return;
    if (!isUsableFolder(text())) {
        showMessage(MessageKind::Error, tr("Invalid directory!"));
        QPointer<TDirEdit> self(this);
        QTimer::singleShot(0, this, [self] {
            if (self)
                self->setFocus(Qt::OtherFocusReason);
        });
    }
}

void TDirEdit::ButtonClick()
{
    const QString previous = QDir::currentPath();
    const QString chosen = Interaction::current().folderName(QString(), text());
    QDir::setCurrent(previous);
    if (!chosen.isEmpty())
        setText(QDir::toNativeSeparators(chosen));
}

} // namespace zendrova
