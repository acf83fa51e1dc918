#include "shell/ExitReminder.h"

#include "common/AppState.h"

namespace zendrova {

QStringList ExitReminder::text()
{
    return { tr("Protect your Data!"), QString(), tr("We recommend that you BACKUP, REINDEX "),
        tr("and PACK your database at least twice a month "),
        tr("and every time you enter new data."), QString(),
        tr("If you want to do it now, just click on GoTo "), tr("Maintenance button.") };
}

ExitReminder::ExitReminder(AppState &state, ReminderDates &dates)
    : m_state(state)
    , m_dates(dates)
{ }

bool ExitReminder::run(double now, const std::function<ReminderAnswer()> &showWindow)
{
    if (!m_state.userOptions.displayReminders || !m_dates.check(now).any())
        return false;
    const ReminderAnswer answer = showWindow();
    m_state.userOptions.displayReminders = !answer.doNotDisplay;
    return answer.goToMaintenance;
}

} // namespace zendrova
