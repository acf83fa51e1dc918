#include "shell/ui/ProgramWindows.h"

#include "mainwin/ui/TForm3.h"
#include "common/AppState.h"
#include "shell/ui/TAboutBox.h"
#include "shell/ui/TMainDlg.h"
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
    h.createMainWindow = [this] { createMainWindow(); };
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
    // Still to plug in as their parts arrive: the user's template lists, the
    // reminders and tips.
    return h;
}

void ProgramWindows::createMainWindow()
{
    m_store = std::make_unique<RecordStore>(m_state);
    auto *window = new TForm3(m_state, *m_store);
    window->setAttribute(Qt::WA_DeleteOnClose);
    QObject::connect(window, &TForm3::destroying, [this] { mainWindowDestroyed(); });
    window->showAboutBox = [this] { TAboutBox(m_state, TAboutBox::Use::About, m_mainWindow).exec(); };
    m_mainWindow = window;
    // A window whose database did not open closes itself without being shown.
    if (window->databaseOpened())
        window->show();
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
