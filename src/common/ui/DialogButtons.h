#pragma once

#include <QIcon>
#include <initializer_list>

class QDialog;
class QPushButton;
class QHBoxLayout;
class QVBoxLayout;
class QRect;
class QWidget;

namespace zendrova {

// Drawn glyphs of the caption-less dialog buttons: a green check mark for
// OK and Yes, a red cross for Cancel.
enum class DialogGlyph { Check, Cross };
QIcon dialogGlyph(DialogGlyph glyph);

// A push button of the popups: placed by hand, never taking the focus or
// reacting to Enter on its own (the popup handles its keys).
QPushButton *popupButton(QWidget *parent, const QString &objectName, const QRect &geometry);

// A dialog's push button with its component name.
QPushButton *namedButton(const QString &objectName, const QString &text);
// The house "&OK" (default), "&Cancel" (rejects) and "&Help" (shows the
// topic) buttons of a dialog; the caller connects OK.
struct OkCancelHelp
{
    QPushButton *ok;
    QPushButton *cancel;
    QPushButton *help;
};
OkCancelHelp okCancelHelp(QDialog &dialog, int helpContext);

// The buttons stacked top down at a dialog's side.
QVBoxLayout *buttonColumn(std::initializer_list<QPushButton *> buttons);
// The buttons side by side at a dialog's foot, to the right.
QHBoxLayout *buttonRow(std::initializer_list<QPushButton *> buttons);

} // namespace zendrova
