#include "shell/ui/ProgramEntry.h"

#include "common/AppState.h"
#include "shell/ui/ProgramWindows.h"
#include "common/ui/WidgetInteraction.h"
#include "common/ui/WidgetLoginPrompt.h"

#include <QApplication>
#include <QDir>

namespace zendrova {

int runProgram()
{
    WidgetInteraction dialogs;
    WidgetLoginPrompt loginDialog;
    Interaction::install(&dialogs);
    LoginPrompt::install(&loginDialog);
    QCoreApplication::setApplicationName(AppState::kProductName);
    // The run ends when the owner window closes, after the main window has
    // written its files, not when the last visible window goes.
    QApplication::setQuitOnLastWindowClosed(false);

    AppState state(QCoreApplication::applicationDirPath());
    // Files named without a folder are the program's own.
    QDir::setCurrent(state.programFolder);
    int code = 0;
    {
        ProgramWindows windows(state);
        code = windows.run();
    }
    LoginPrompt::install(nullptr);
    Interaction::install(nullptr);
    return code;
}

} // namespace zendrova
