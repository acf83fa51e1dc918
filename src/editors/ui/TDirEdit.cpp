#include "editors/ui/TDirEdit.h"

#include "editors/FolderCheck.h"
#include "editors/FolderCreation.h"
#include "common/Interaction.h"

#include <QDir>
#include <QFocusEvent>

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
    if (changesField(event) && !isUsableFolder(text()))
        refuseLeaving(tr("Invalid directory!"));
}

void TDirEdit::ButtonClick()
{
    const QString previous = QDir::currentPath();
    const QString chosen = Interaction::current().folderName(tr("Select Directory"), text());
    // The browser takes a folder that does not exist yet; it is made here.
    const std::optional<QString> folder
        = chosen.isEmpty() ? std::nullopt : FolderCreation::settle(chosen);
    QDir::setCurrent(previous);
    if (folder)
        setText(QDir::toNativeSeparators(*folder));
}

} // namespace zendrova
