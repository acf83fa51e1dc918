#include "editors/ui/EditTargetActions.h"

#include <QComboBox>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QTextEdit>

namespace zendrova::EditTargetActions {

namespace {

QLineEdit *lineOf(QWidget *component)
{
    if (auto *combo = qobject_cast<QComboBox *>(component))
        return combo->lineEdit();
    return qobject_cast<QLineEdit *>(component);
}

QPlainTextEdit *memoOf(QWidget *component)
{
    return qobject_cast<QPlainTextEdit *>(component);
}

} // namespace

EditMenuInput inspect(QWidget *component)
{
    EditMenuInput input;
    if (auto *memo = memoOf(component)) {
        input.target = EditTarget::Memo;
        input.textEmpty = memo->document()->isEmpty();
        input.hasSelection = memo->textCursor().hasSelection();
        input.canUndo = memo->document()->isUndoAvailable();
    } else if (auto *combo = qobject_cast<QComboBox *>(component)) {
        input.target = EditTarget::Combo;
        input.textEmpty = combo->currentText().isEmpty();
        input.hasSelection = combo->lineEdit() && combo->lineEdit()->hasSelectedText();
    } else if (auto *line = lineOf(component)) {
        input.textEmpty = line->text().isEmpty();
        input.hasSelection = line->hasSelectedText();
        input.canUndo = line->isUndoAvailable();
    }
    return input;
}

void undo(QWidget *component)
{
    if (auto *memo = memoOf(component))
        memo->undo();
    else if (auto *line = lineOf(component))
        line->undo();
}

void cut(QWidget *component)
{
    if (auto *memo = memoOf(component))
        memo->cut();
    else if (auto *line = lineOf(component))
        line->cut();
}

void copy(QWidget *component)
{
    if (auto *memo = memoOf(component))
        memo->copy();
    else if (auto *line = lineOf(component))
        line->copy();
}

void paste(QWidget *component)
{
    if (auto *memo = memoOf(component))
        memo->paste();
    else if (auto *line = lineOf(component))
        line->paste();
}

void deleteSelection(QWidget *component)
{
    if (auto *memo = memoOf(component))
        memo->textCursor().removeSelectedText();
    else if (auto *line = lineOf(component); line && line->hasSelectedText())
        line->del();
}

void selectAll(QWidget *component)
{
    if (auto *memo = memoOf(component))
        memo->selectAll();
    else if (auto *line = lineOf(component))
        line->selectAll();
}

} // namespace zendrova::EditTargetActions
