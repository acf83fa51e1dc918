#pragma once

#include "mainwin/TLabelTemplateList.h"
#include "mainwin/ui/TLoadTemplateDlg.h"

namespace zendrova {

// Chooses a caption template; OK gives its file name, which the caller loads.
// Delete removes a template and its file at once.
class TLoadLabelsDlg : public TLoadTemplateDlg
{
    Q_OBJECT
public:
    // templates must have read its list from the user folder.
    explicit TLoadLabelsDlg(TLabelTemplateList &templates, QWidget *parent = nullptr);

    // Empty unless OK was pressed with a template selected.
    QString fileName() const { return m_fileName; }

protected:
    void OKBtnClick() override;
    void DeleteBtnClick() override;

private:
    QStringList names() const;

    TLabelTemplateList &m_templates;
    QString m_fileName;
};

} // namespace zendrova
