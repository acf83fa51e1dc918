#pragma once

#include <QCoreApplication>
#include <QStringList>

namespace zendrova {

// The filter template list as the filter button's menu uses it. The filter
// subsystem implements it.
class FilterTemplateSource
{
public:
    virtual ~FilterTemplateSource();
    virtual QStringList names() const = 0;
    // Makes the template at this index of the list the current filter.
    virtual bool load(int index) = 0;
    // Keeps the current filter as a new template.
    virtual bool save(const QString &name) = 0;
    virtual void remove(int index) = 0;
};

// What the template items of the filter menu do, with the user's answers and
// messages.
class FilterTemplateMenu
{
    Q_DECLARE_TR_FUNCTIONS(FilterTemplateMenu)

public:
    // True when the template became the filter (the caller then shows it).
    static bool load(FilterTemplateSource &templates, int index);
    // Asks for a name; an empty answer does nothing, a name in use (exact
    // comparison) or a template that cannot be written is refused with a message.
    static bool saveAs(FilterTemplateSource &templates);
    static void remove(FilterTemplateSource &templates, int index);
};

} // namespace zendrova
