#include "mainwin/ui/TLoadLabelsDlg.h"

#include "mainwin/CaptionEditing.h"

namespace zendrova {

TLoadLabelsDlg::TLoadLabelsDlg(TLabelTemplateList &templates, QWidget *parent)
    : TLoadTemplateDlg(QStringLiteral("TLoadLabelsDlg"),
        { tr("Load Labels From Template"), tr("Label Templates:"), tr("&OK"), tr("&Cancel") },
        parent)
    , m_templates(templates)
{
    showNames(names(), m_templates.size() > 0 ? 0 : -1);
}

QStringList TLoadLabelsDlg::names() const
{
    QStringList names;
    for (const TTemplate &item : m_templates.items())
        names.append(item.name);
    return names;
}

void TLoadLabelsDlg::OKBtnClick()
{
    const int row = selectedRow();
    if (row >= 0 && row < m_templates.size())
        m_fileName = m_templates.items().at(row).fileName;
    accept();
}

void TLoadLabelsDlg::DeleteBtnClick()
{
    const int row = selectedRow();
    if (CaptionEditing::deleteTemplate(m_templates, row))
        showNames(names(), std::min(row, m_templates.size() - 1));
}

} // namespace zendrova
