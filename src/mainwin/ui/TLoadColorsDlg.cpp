#include "mainwin/ui/TLoadColorsDlg.h"

namespace zendrova {

TLoadColorsDlg::TLoadColorsDlg(ColorScheme &scheme, const QString &userFolder, QWidget *parent)
    : TLoadTemplateDlg(QStringLiteral("TLoadColorsDlg"),
        { tr("Load Color Template"), tr("Color Templates:"), tr("OK"), tr("Cancel") }, parent)
    , m_scheme(scheme)
    , m_templates(userFolder)
{
    showNames(m_templates.names(), m_templates.selected());
}

void TLoadColorsDlg::OKBtnClick()
{
    m_templates.select(selectedRow());
    m_loaded = m_templates.accept(m_scheme);
    accept();
}

void TLoadColorsDlg::DeleteBtnClick()
{
    m_templates.select(selectedRow());
    if (m_templates.deleteSelected())
        showNames(m_templates.names(), m_templates.selected());
}

} // namespace zendrova
