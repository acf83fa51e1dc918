#pragma once

#include <QString>

namespace zendrova {

// Runs the program inside an existing QApplication; returns the exit code.
int runProgram();

// The run after the dialogs are installed, with the template tables taken
// from installFolder and everything else kept in the user's data folder.
int runInstalledProgram(const QString &installFolder);

} // namespace zendrova
