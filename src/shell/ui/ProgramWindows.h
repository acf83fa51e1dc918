#pragma once

#include "shell/ReminderDates.h"
#include "shell/StartupSequence.h"

#include <QPointer>
#include <memory>

namespace zendrova {

class AppState;
class RecordStore;
class TAboutBox;
class TForm3;
class TMainDlg;

// The windows of one run around the start-up sequence: the splash, the owner
// window and the main window, and the message loop between start-up and exit.
class ProgramWindows
{
public:
    explicit ProgramWindows(AppState &state);
    ~ProgramWindows();

    // Start-up, the message loop, shutdown; returns the exit code.
    int run();

    const StartupSequence &sequence() const { return m_sequence; }

private:
    StartupHooks hooks();
    void createMainWindow();
    void mainWindowDestroyed();
    // The exit reminder, and the maintenance window when it asked for it.
    void remindAtClose();

    AppState &m_state;
    std::unique_ptr<TAboutBox> m_splash;
    std::unique_ptr<TMainDlg> m_owner;
    // The shared tables outlive the main window: the owner window closes them.
    std::unique_ptr<RecordStore> m_store;
    QPointer<TForm3> m_mainWindow;
    ReminderDates m_reminders;
    // The maintenance window was opened from the reminder: it marks what is due.
    bool m_maintenanceFromReminder = false;
    StartupSequence m_sequence;
};

} // namespace zendrova
