#include "shell/ui/ProgramEntry.h"

#include "common/AppState.h"
#include "shell/UserDataFolder.h"
#include "shell/ui/ProgramWindows.h"
#include "common/ui/WidgetInteraction.h"
#include "common/ui/WidgetLoginPrompt.h"
#include "printengine/ui/WidgetReportWindows.h"

#include <QApplication>
#include <QDir>

namespace zendrova {

namespace {
constexpr int kNoDataFolderExitCode = 1;
} // namespace

int runInstalledProgram(const QString &installFolder)
{
    AppState state;
    if (!UserDataFolder::settle(state, installFolder))
        return kNoDataFolderExitCode;
    // Files named without a folder are the program's own.
    QDir::setCurrent(state.programFolder);
    ProgramWindows windows(state);
    return windows.run();
}

int runProgram()
{
    WidgetInteraction dialogs;
    WidgetLoginPrompt loginDialog;
    print::WidgetReportWindows reportWindows;
    Interaction::install(&dialogs);
    print::ReportWindows::install(&reportWindows);
    LoginPrompt::install(&loginDialog);
    QCoreApplication::setApplicationName(AppState::kProductName);
    // The run ends when the owner window closes, after the main window has
    // written its files, not when the last visible window goes.
    QApplication::setQuitOnLastWindowClosed(false);

    const int code = runInstalledProgram(QCoreApplication::applicationDirPath());
    LoginPrompt::install(nullptr);
    print::ReportWindows::install(nullptr);
    Interaction::install(nullptr);
    return code;
}

} // namespace zendrova
