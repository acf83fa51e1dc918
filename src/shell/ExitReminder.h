#pragma once

#include "shell/ReminderDates.h"

#include <QCoreApplication>
#include <QStringList>
#include <functional>

namespace zendrova {

class AppState;

// What the user did in the reminder window.
struct ReminderAnswer
{
    bool goToMaintenance = false;
    bool doNotDisplay = false;
};

// The reminder at the main window's close: when reminders are on and a backup
// or a rebuild is due, the reminder window is shown; its box can turn the
// reminders off, its button can ask for the maintenance window.
class ExitReminder
{
    Q_DECLARE_TR_FUNCTIONS(ExitReminder)

public:
    static constexpr int kHelpContext = 28;

    static QStringList text();

    ExitReminder(AppState &state, ReminderDates &dates);

    // True when the user asked for the maintenance window.
    bool run(double now, const std::function<ReminderAnswer()> &showWindow);

private:
    AppState &m_state;
    ReminderDates &m_dates;
};

} // namespace zendrova
