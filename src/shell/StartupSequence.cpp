#include "shell/StartupSequence.h"

#include "common/AppState.h"
#include "common/Interaction.h"
#include "common/LoginPrompt.h"
#include "shell/PublicFolderSetup.h"
#include "common/RunHook.h"
#include "shell/ShutdownMarker.h"
#include "common/SystemOptionsFile.h"
#include "common/UserOptionsFile.h"

namespace zendrova {

StartupSequence::StartupSequence(AppState &state, StartupHooks hooks)
    : m_state(state)
    , m_hooks(std::move(hooks))
{ }

QString StartupSequence::incorrectLoginText()
{
    return tr("Incorrect Login!");
}

QString StartupSequence::accountDisabledText()
{
    return tr("Your acount has been disactivated! Please, contact the System Supervisor.");
}

bool StartupSequence::start()
{
    runHook(m_hooks.showSplash);

    const bool optionsFound = SystemOptionsFile::read(m_state);
    m_state.userFolder = m_state.publicFolder();
    m_state.databaseFolder = m_state.userFolder;
    PublicFolderSetup::ensure(m_state);

    if (optionsFound && m_state.loginRequired()) {
        const LoginResult result = login(m_state);
        if (result != LoginResult::LoggedIn) {
            showMessage(MessageKind::Error,
                result == LoginResult::AccountDisabled ? accountDisabledText()
                                                       : incorrectLoginText());
            runHook(m_hooks.closeSplash);
            m_phase = Phase::LoginFailed;
            return false;
        }
    } else {
        // Without a login the one user of a 1-User System is its Supervisor: the
        // maintenance, the database catalog and the options are theirs.
        m_state.userName = AppState::kSupervisorName;
        m_state.isSupervisor = true;
    }

    loadUserSettings();
    runHook(m_hooks.createOwnerWindow);
    runHook(m_hooks.readReminders);
    runHook(m_hooks.createMainWindow);
    runHook(m_hooks.closeSplash);
    if (m_state.userOptions.displayTips)
        runHook(m_hooks.showTips);
    m_phase = Phase::Running;
    return true;
}

void StartupSequence::loadUserSettings()
{
    // The database folder starts as the user folder settled by the login.
    m_state.databaseFolder = m_state.userFolder;
    UserOptionsFile::read(m_state);
    runHook(m_hooks.loadUserLists);
    m_state.captions.load(m_state.userFolder);
    m_state.dateFormats.load(m_state.userFolder);
}

void StartupSequence::activated()
{
    if (m_phase != Phase::Running || m_activated)
        return;
    m_activated = true;
    runHook(m_hooks.focusMainWindow);
    // Joined before looking, so two runs starting together see each other.
    m_run.join(m_state.userFolder);
    const RunFiles::Others others = m_run.others(m_state.userFolder);
    ShutdownMarker::checkAtStartUp(m_state.userFolder, m_state.productName, others, m_hooks.beep);
    RunFiles::removeEnded(others);
}

void StartupSequence::mainWindowDestroyed()
{
    if (m_phase != Phase::Running)
        return;
    runHook(m_hooks.writeMainWindowFiles);
    SystemOptionsFile::write(m_state);
    UserOptionsFile::write(m_state);
    runHook(m_hooks.writeReportDefinitions);
    m_phase = Phase::MainWindowClosed;
}

void StartupSequence::ownerClosed()
{
    mainWindowDestroyed();
    if (m_phase != Phase::MainWindowClosed)
        return;
    runHook(m_hooks.closeSharedTables);
    m_phase = Phase::OwnerClosed;
}

void StartupSequence::finish()
{
    ownerClosed();
    if (m_phase != Phase::OwnerClosed)
        return;
    runHook(m_hooks.writeReminders);
    runHook(m_hooks.saveUserLists);
    m_run.leave();
    if (m_run.others(m_state.userFolder).none())
        ShutdownMarker::writeClean(m_state.userFolder);
    m_phase = Phase::Ended;
}

} // namespace zendrova
