#include "common/ui/EditTargetActions.h"

#include <QComboBox>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <functional>

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

namespace {
// Runs the memo's or the line edit's own command, whichever the control is.
template <typename MemoCommand, typename LineCommand>
void onControl(QWidget *component, MemoCommand memoCommand, LineCommand lineCommand)
{
    if (auto *memo = memoOf(component))
        std::invoke(memoCommand, memo);
    else if (auto *line = lineOf(component))
        std::invoke(lineCommand, line);
}
} // namespace

void undo(QWidget *component)
{
    onControl(component, &QPlainTextEdit::undo, &QLineEdit::undo);
}

void cut(QWidget *component)
{
    onControl(component, &QPlainTextEdit::cut, &QLineEdit::cut);
}

void copy(QWidget *component)
{
    onControl(component, &QPlainTextEdit::copy, &QLineEdit::copy);
}

void paste(QWidget *component)
{
    onControl(component, &QPlainTextEdit::paste, &QLineEdit::paste);
}

void deleteSelection(QWidget *component)
{
    onControl(
        component, [](QPlainTextEdit *memo) { memo->textCursor().removeSelectedText(); },
        [](QLineEdit *line) {
            if (line->hasSelectedText())
                line->del();
        });
}

void selectAll(QWidget *component)
{
    onControl(component, &QPlainTextEdit::selectAll, &QLineEdit::selectAll);
}

} // namespace zendrova::EditTargetActions
