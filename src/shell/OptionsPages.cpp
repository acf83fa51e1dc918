#include "shell/OptionsPages.h"

#include "common/Interaction.h"

namespace zendrova {

QStringList OptionsPages::names()
{
    return { tr("User Interface"), tr("Data"), tr("Date"), tr("Colors"), tr("Fonts"),
        tr("Security"), tr("Users") };
}

QString OptionsPages::supervisorOnlyText()
{
    return tr("You have to be logged in as Supervisor to access this options page!");
}

OptionsPages::OptionsPages(bool supervisor)
    : m_supervisor(supervisor)
{ }

bool OptionsPages::mayOpen(int page) const
{
    return page >= 0 && page <= lastPage();
}

bool OptionsPages::choose(int page)
{
    if (page < 0 || page >= kCount)
        return false;
    if (!mayOpen(page)) {
        showMessage(MessageKind::Warning, supervisorOnlyText());
        return false;
    }
    m_current = page;
    return true;
}

void OptionsPages::next()
{
    if (nextVisible())
        ++m_current;
}

void OptionsPages::previous()
{
    if (previousVisible())
        --m_current;
}

} // namespace zendrova
