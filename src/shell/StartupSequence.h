#pragma once

#include "shell/RunFiles.h"
#include "shell/StartupHooks.h"

#include <QCoreApplication>
#include <QString>

namespace zendrova {

class AppState;

// The run from the splash to the clean-shutdown marker, on the application
// state. The windows and the other parts plug in through the hooks; the files
// of the shell (system and user options, captions, date formats, shutdown
// marker) are read and written here.
class StartupSequence
{
    Q_DECLARE_TR_FUNCTIONS(StartupSequence)

public:
    enum class Phase { NotStarted, Running, LoginFailed, MainWindowClosed, OwnerClosed, Ended };

    StartupSequence(AppState &state, StartupHooks hooks);

    // Everything before the message loop. False when the login failed: the
    // user has been told and the program ends with nothing written.
    bool start();
    // When the windows are up (the owner window's first activation): focus the
    // main window, warn about an earlier run that ended without its exit steps
    // (not about one still going), mark this run as running.
    void activated();
    // The main window was destroyed: its files, both system options files,
    // the user options file and the report definitions.
    void mainWindowDestroyed();
    // The owner window closed: the shared tables are closed.
    void ownerClosed();
    // After the message loop: reminders and template lists, then the clean
    // marker last, so "@a$)" is only on disk once everything else is. While
    // another run is going, or one ended without its steps, "#10*" stays. Runs the
    // shutdown steps not yet run when the loop ended without the windows
    // closing. Does nothing after a failed login.
    void finish();

    Phase phase() const { return m_phase; }

    static QString incorrectLoginText();
    static QString accountDisabledText();

private:
    void loadUserSettings();

    AppState &m_state;
    StartupHooks m_hooks;
    Phase m_phase = Phase::NotStarted;
    bool m_activated = false;
    RunFiles m_run;
};

} // namespace zendrova
