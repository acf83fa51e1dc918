#pragma once

#include "mainwin/ColorTemplates.h"
#include "mainwin/ui/TLoadTemplateDlg.h"

namespace zendrova {

// Chooses a colour template for the scheme; Delete removes templates, which
// takes effect in "color_t.tml" only when the dialog closes with OK.
class TLoadColorsDlg : public TLoadTemplateDlg
{
    Q_OBJECT
public:
    TLoadColorsDlg(ColorScheme &scheme, const QString &userFolder, QWidget *parent = nullptr);

    // OK copied a template into the scheme.
    bool schemeLoaded() const { return m_loaded; }

protected:
    void OKBtnClick() override;
    void DeleteBtnClick() override;

private:
    ColorScheme &m_scheme;
    ColorTemplates m_templates;
    bool m_loaded = false;
};

} // namespace zendrova
