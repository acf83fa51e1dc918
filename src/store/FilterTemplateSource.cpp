#include "store/FilterTemplateSource.h"

#include "common/Interaction.h"

namespace zendrova {

FilterTemplateSource::~FilterTemplateSource() = default;

bool FilterTemplateMenu::load(FilterTemplateSource &templates, int index)
{
    if (index >= 0 && index < templates.names().size() && templates.load(index))
        return true;
    showMessage(MessageKind::Error, tr("Error Loading Template."));
    return false;
}

bool FilterTemplateMenu::saveAs(FilterTemplateSource &templates)
{
    const auto name = Interaction::current().inputText(
        tr("Save Filter As Template"), tr("Template Name:"), QString());
    if (!name || name->isEmpty())
        return false;
    // A taken name, no free file name and an unwritable file all end the same way.
    if (templates.names().contains(*name) || !templates.save(*name)) {
        showMessage(MessageKind::Error, tr("Duplicate name - Template Not Saved!"));
        return false;
    }
    return true;
}

void FilterTemplateMenu::remove(FilterTemplateSource &templates, int index)
{
    if (index >= 0 && index < templates.names().size())
        templates.remove(index);
}

} // namespace zendrova
