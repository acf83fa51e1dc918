#include "mainwin/HeaderTemplates.h"

#include "common/CaptionList.h"
#include "common/Interaction.h"
#include "mainwin/HeaderSections.h"
#include "mainwin/THeaderTemplateList.h"
#include "mainwin/TemplateNaming.h"

namespace zendrova {

HeaderTemplates::HeaderTemplates(
    HeaderSections &header, const CaptionList &captions, QString userFolder)
    : m_header(header)
    , m_captions(captions)
    , m_userFolder(std::move(userFolder))
{ }

QStringList HeaderTemplates::names(const QString &userFolder)
{
    if (userFolder.isEmpty())
        return {};
    // Only the list is read; no template is loaded into these.
    HeaderSections header;
    const CaptionList captions;
    THeaderTemplateList templates(header, captions);
    templates.loadList(userFolder);
    QStringList names;
    for (const TTemplate &item : templates.items())
        names.append(item.name);
    return names;
}

bool HeaderTemplates::loadFromTemplate(const QString &name)
{
    THeaderTemplateList templates(m_header, m_captions);
    templates.loadList(m_userFolder);
    if (templates.loadTemplate(name))
        return true;
    showMessage(MessageKind::Error, tr("Error Loading Template."));
    return false;
}

bool HeaderTemplates::saveAsTemplate()
{
    const auto name = TemplateNaming::askName(tr("Save Header As Template"));
    if (!name)
        return false;
    THeaderTemplateList templates(m_header, m_captions);
    return TemplateNaming::addTemplate(templates, m_userFolder, *name);
}

bool HeaderTemplates::deleteTemplate(const QString &name)
{
    THeaderTemplateList templates(m_header, m_captions);
    templates.loadList(m_userFolder);
    const auto index = templates.find(name);
    if (!index)
        return false;
    return templates.deleteTemplate(*index);
}

} // namespace zendrova
