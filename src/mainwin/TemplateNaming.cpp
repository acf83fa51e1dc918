#include "mainwin/TemplateNaming.h"

#include "common/Interaction.h"
#include "common/TTemplateList.h"

namespace zendrova {

std::optional<QString> TemplateNaming::askName(const QString &caption)
{
    const auto name = Interaction::current().inputText(caption, tr("Template Name:"), QString());
    if (!name || name->isEmpty())
        return std::nullopt;
    return name;
}

bool TemplateNaming::addTemplate(
    TTemplateList &templates, const QString &userFolder, const QString &name)
{
    templates.loadList(userFolder);
    if (!templates.addTemplate(name)) {
        showMessage(MessageKind::Error, tr("Duplicate name - Template Not Saved!"));
        return false;
    }
    templates.saveList(userFolder);
    return true;
}

} // namespace zendrova
