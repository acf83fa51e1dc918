#pragma once

#include "shell/StartupSequence.h"

#include <QPointer>
#include <memory>

class QMainWindow;

namespace zendrova {

class AppState;
class TAboutBox;
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

    AppState &m_state;
    std::unique_ptr<TAboutBox> m_splash;
    std::unique_ptr<TMainDlg> m_owner;
    QPointer<QMainWindow> m_mainWindow;
    StartupSequence m_sequence;
};

} // namespace zendrova
