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
    // Each template has a file of its own, and file names ignore case.
    if (templates.names().contains(*name, Qt::CaseInsensitive)) {
        showMessage(MessageKind::Error, tr("Duplicate name - Template Not Saved!"));
        return false;
    }
    return templates.save(*name);
}

void FilterTemplateMenu::remove(FilterTemplateSource &templates, int index)
{
    if (index >= 0 && index < templates.names().size())
        templates.remove(index);
}

} // namespace zendrova
