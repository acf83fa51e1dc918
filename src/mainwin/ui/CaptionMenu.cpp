#include "mainwin/ui/CaptionMenu.h"

#include "common/AppState.h"
#include "mainwin/CaptionEditing.h"
#include "mainwin/TLabelTemplateList.h"
#include "mainwin/ui/TColorDlg.h"
#include "mainwin/ui/TLoadLabelsDlg.h"

namespace zendrova {

CaptionMenu::CaptionMenu(AppState &state, ColorScheme &scheme, QWidget *parent)
    : QMenu(parent)
    , m_state(state)
    , m_scheme(scheme)
{
    setObjectName(QStringLiteral("PopupMenu4"));
    connect(item("Text1", tr("&Text...")), &QAction::triggered, this, &CaptionMenu::Text1Click);
    connect(item("Color1", tr("&Color...")), &QAction::triggered, this, &CaptionMenu::Color1Click);
    connect(item("LoadFromTemplate1", tr("&Load From Template...")), &QAction::triggered, this,
        &CaptionMenu::LoadFromTemplate1Click);
    connect(item("SaveAsTemplate1", tr("&Save As Template...")), &QAction::triggered, this,
        &CaptionMenu::SaveAsTemplate1Click);
}

QAction *CaptionMenu::item(const char *name, const QString &text)
{
    QAction *action = addAction(text);
    action->setObjectName(QLatin1String(name));
    return action;
}

void CaptionMenu::popupBelow(int fieldNumber, QWidget *label)
{
    m_fieldNumber = fieldNumber;
    popup(label->mapToGlobal(QPoint(0, label->height())));
}

void CaptionMenu::Text1Click()
{
    if (CaptionEditing(m_state.captions, m_state.userFolder).changeCaption(m_fieldNumber))
        emit captionsChanged();
}

void CaptionMenu::Color1Click()
{
    TColorDlg dialog(m_scheme, m_state.databaseFolder, ColorDialogUse::Labels, parentWidget());
    connect(&dialog, &TColorDlg::schemeEdited, this, &CaptionMenu::colorsPreviewed);
    dialog.exec();
    if (dialog.changed())
        emit colorsChanged();
}

void CaptionMenu::LoadFromTemplate1Click()
{
    TLabelTemplateList templates(m_state.captions);
    templates.loadList(m_state.userFolder);
    TLoadLabelsDlg dialog(templates, parentWidget());
    if (dialog.exec() != QDialog::Accepted || dialog.fileName().isEmpty())
        return;
    if (CaptionEditing(m_state.captions, m_state.userFolder).loadFromTemplateFile(dialog.fileName()))
        emit captionsChanged();
}

void CaptionMenu::SaveAsTemplate1Click()
{
    CaptionEditing(m_state.captions, m_state.userFolder).saveAsTemplate();
}

} // namespace zendrova
