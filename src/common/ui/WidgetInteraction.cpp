#include "common/ui/WidgetInteraction.h"

#include "common/FontConversion.h"
#include "common/ui/DialogOwner.h"
#include "common/ui/HelpViewer.h"
#include "common/ui/TDirBrowseDlg.h"

#include <QApplication>
#include <QFileDialog>
#include <QFontDialog>
#include <QInputDialog>
#include <QMessageBox>

namespace zendrova {

namespace {

QString captionFor(MessageKind kind)
{
    switch (kind) {
    case MessageKind::Warning:
        return QObject::tr("Warning");
    case MessageKind::Error:
        return QObject::tr("Error");
    case MessageKind::Information:
        return QObject::tr("Information");
    case MessageKind::Confirmation:
        return QObject::tr("Confirm");
    }
    return {};
}

QMessageBox::Icon iconFor(MessageKind kind)
{
    switch (kind) {
    case MessageKind::Warning:
        return QMessageBox::Warning;
    case MessageKind::Error:
        return QMessageBox::Critical;
    case MessageKind::Information:
        return QMessageBox::Information;
    case MessageKind::Confirmation:
        return QMessageBox::Question;
    }
    return QMessageBox::NoIcon;
}

} // namespace

Answer WidgetInteraction::message(
    MessageKind kind, const QString &text, MessageButtons buttons, int helpContext)
{
    QString shown = text;
    shown.replace(QLatin1Char('\r'), QLatin1Char('\n'));
    QWidget *owner = DialogOwner::find();
    QMessageBox box(iconFor(kind), captionFor(kind), shown, QMessageBox::NoButton, owner);
    switch (buttons) {
    case MessageButtons::Ok:
        box.setStandardButtons(QMessageBox::Ok);
        break;
    case MessageButtons::YesNo:
        box.setStandardButtons(QMessageBox::Yes | QMessageBox::No);
        break;
    case MessageButtons::OkHelp:
        box.setStandardButtons(QMessageBox::Ok | QMessageBox::Help);
        // Escape and the close box answer OK, as with a single OK button.
        box.setEscapeButton(QMessageBox::Ok);
        break;
        box.setStandardButtons(QMessageBox::Ok | QMessageBox::Help);
        break;
    }
    DialogOwner::fitTitle(box);
    box.adjustSize();
    DialogOwner::placeOver(box, owner);
    for (;;) {
        const int pressed = box.exec();
        if (pressed == QMessageBox::Help) {
            // The box comes back once help is closed.
            HelpViewer::showModal(helpContext, box.parentWidget());
            continue;
        }
        if (pressed == QMessageBox::Yes)
            return Answer::Yes;
        if (pressed == QMessageBox::No)
            return Answer::No;
        return Answer::Ok;
    }
}

std::optional<QString> WidgetInteraction::inputText(
    const QString &caption, const QString &prompt, const QString &initial)
{
    bool ok = false;
    const QString text = QInputDialog::getText(
        DialogOwner::find(), caption, prompt, QLineEdit::Normal, initial, &ok);
    if (!ok)
        return std::nullopt;
    return text;
}

QString WidgetInteraction::openFileName(
    const QString &caption, const QString &folder, const QString &filter)
{
    return QFileDialog::getOpenFileName(DialogOwner::find(), caption, folder, filter);
}

QString WidgetInteraction::saveFileName(
    const QString &caption, const QString &folder, const QString &filter)
{
    return QFileDialog::getSaveFileName(DialogOwner::find(), caption, folder, filter);
}

QString WidgetInteraction::folderName(const QString &caption, const QString &folder)
{
    // The toolkit's own browser refuses a folder that does not exist yet.
    TDirBrowseDlg dialog(caption, folder, DialogOwner::find());
    return dialog.exec() == QDialog::Accepted ? dialog.folder() : QString();
}

std::optional<FontRecord> WidgetInteraction::chooseFont(const FontRecord &current)
{
    bool ok = false;
    const QFont chosen = QFontDialog::getFont(&ok, toQFont(current), DialogOwner::find());
    if (!ok)
        return std::nullopt;
    return fontRecordOf(chosen);
}

void WidgetInteraction::showHelp(int helpContext)
{
    HelpViewer::open(helpContext);
}

} // namespace zendrova
