#include "shell/ui/ProgramEntry.h"

#include "shell/ui/WidgetInteraction.h"

#include <QApplication>
#include <QMainWindow>

namespace zendrova {

int runProgram()
{
    WidgetInteraction dialogs;
    Interaction::install(&dialogs);
    QMainWindow window;
    window.setWindowTitle(QStringLiteral("Zendrova"));
    window.resize(800, 600);
    window.show();
    const int code = QApplication::exec();
    Interaction::install(nullptr);
    return code;
}

} // namespace zendrova
