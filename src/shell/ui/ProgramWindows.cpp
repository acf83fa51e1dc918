#include "shell/ui/ProgramWindows.h"

#include "mainwin/ui/TForm3.h"
#include "common/AppState.h"
#include "shell/ExitReminder.h"
#include "shell/ui/THintsDlg.h"
#include "shell/ui/TAboutBox.h"
#include "shell/ui/TMainDlg.h"
#include "shell/ui/TOptionsDlg.h"
#include "shell/ui/TReminderDlg.h"
#include "store/RecordStore.h"

#include <QApplication>
#include <QTimer>

namespace zendrova {

namespace {
constexpr int kLoginFailedExitCode = 1;
} // namespace

ProgramWindows::ProgramWindows(AppState &state)
    : m_state(state)
    , m_sequence(state, hooks())
{ }

ProgramWindows::~ProgramWindows()
{
    delete m_mainWindow;
}

StartupHooks ProgramWindows::hooks()
{
    StartupHooks h;
    h.showSplash = [this] {
        m_splash = std::make_unique<TAboutBox>(m_state, TAboutBox::Use::Splash);
        m_splash->showAsSplash();
    };
    h.closeSplash = [this] { m_splash.reset(); };
    h.createOwnerWindow = [this] {
        m_owner = std::make_unique<TMainDlg>();
        QObject::connect(m_owner.get(), &TMainDlg::closed, [this] {
            m_sequence.ownerClosed();
            QCoreApplication::quit();
        });
    };
    h.readReminders = [this] { m_reminders.load(m_state.userFolder); };
    h.createMainWindow = [this] { createMainWindow(); };
    h.showTips = [this] { THintsDlg::run(m_state, nullptr); };
    h.focusMainWindow = [this] {
        if (m_mainWindow) {
            m_mainWindow->raise();
            m_mainWindow->activateWindow();
        }
    };
    h.beep = [] { QApplication::beep(); };
    // The one place the main window's files are written: as it goes, or when
    // the loop ended with it still open.
    h.writeMainWindowFiles = [this] {
        if (m_mainWindow)
            m_mainWindow->writeFiles();
    };
    h.writeReportDefinitions = [this] {
        if (m_mainWindow)
            m_mainWindow->writeReportDefinition();
    };
    h.closeSharedTables = [this] {
        if (m_store)
            m_store->closeAll();
    };
    h.writeReminders = [this] { m_reminders.save(m_state.userFolder, ReminderDates::nowSerial()); };
    // Still to plug in as its part arrives: the user's template lists.
    return h;
}

void ProgramWindows::createMainWindow()
{
    m_store = std::make_unique<RecordStore>(m_state);
    auto *window = new TForm3(m_state, *m_store);
    window->setAttribute(Qt::WA_DeleteOnClose);
    QObject::connect(window, &TForm3::destroying, [this] { mainWindowDestroyed(); });
    window->showAboutBox = [this] { TAboutBox(m_state, TAboutBox::Use::About, m_mainWindow).exec(); };
    window->showOptions = [this] {
        TOptionsDlg dialog(m_state, m_mainWindow);
        dialog.exec();
        return dialog.closed().colorsChanged;
    };
    window->showTips = [this] { THintsDlg::run(m_state, m_mainWindow); };
    window->beforeClose = [this] { remindAtClose(); };
    window->maintenanceDue = [this] { return m_maintenanceFromReminder; };
    window->backupDone = [this] { m_reminders.backupDone(ReminderDates::nowSerial()); };
    window->rebuildDone = [this] { m_reminders.rebuildDone(ReminderDates::nowSerial()); };
    m_mainWindow = window;
    // A window whose database did not open closes itself without being shown.
    if (window->databaseOpened())
        window->show();
}

void ProgramWindows::remindAtClose()
{
    const bool goToMaintenance = ExitReminder(m_state, m_reminders)
                                     .run(ReminderDates::nowSerial(),
                                         [this] { return TReminderDlg::ask(m_mainWindow); });
    if (!goToMaintenance || !m_mainWindow)
        return;
    m_maintenanceFromReminder = true;
    m_mainWindow->runCommand({ MainCommand::Maintenance });
    m_maintenanceFromReminder = false;
}

void ProgramWindows::mainWindowDestroyed()
{
    m_sequence.mainWindowDestroyed();
    if (m_owner)
        m_owner->close();
}

int ProgramWindows::run()
{
    if (!m_sequence.start())
        return kLoginFailedExitCode;
    // The owner window's first activation, once the loop shows the windows.
    QTimer::singleShot(0, [this] { m_sequence.activated(); });
    const int code = QApplication::exec();
    m_sequence.finish();
    return code;
}

} // namespace zendrova
