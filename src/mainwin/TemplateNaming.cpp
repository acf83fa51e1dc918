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
    switch (templates.addTemplate(name)) {
    case TTemplateList::AddResult::Added:
        return true;
    case TTemplateList::AddResult::NameTaken:
    case TTemplateList::AddResult::NoFreeFileName:
        showMessage(MessageKind::Error, tr("Duplicate name - Template Not Saved!"));
        return false;
    case TTemplateList::AddResult::NotWritten:
        // The list told the user which file could not be written.
        return false;
    }
    return false;
}

} // namespace zendrova
