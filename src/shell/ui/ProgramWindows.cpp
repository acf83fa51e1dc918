#include "shell/ui/ProgramWindows.h"

#include "shell/AppState.h"
#include "shell/ui/TAboutBox.h"
#include "shell/ui/TMainDlg.h"

#include <QApplication>
#include <QMainWindow>
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
    // Still to plug in as their parts arrive: the user's template lists and
    // report definitions, the reminders and tips, the main window's files,
    // and closing the shared tables.
    return h;
}

void ProgramWindows::createMainWindow()
{
    // Stand-in until the real main window exists: TForm3 is created here. It
    // opens the current database when it is created and writes its own files
    // (placement, sort file, header, filter) when it is destroyed.
    auto *window = new QMainWindow;
    window->setObjectName(QStringLiteral("Form3"));
    window->setWindowTitle(m_state.productName);
    window->setAttribute(Qt::WA_DeleteOnClose);
    window->resize(800, 600);
    QObject::connect(window, &QObject::destroyed, [this] { mainWindowDestroyed(); });
    m_mainWindow = window;
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
