#pragma once

namespace zendrova {

// Runs the program inside an existing QApplication; returns the exit code.
int runProgram();

} // namespace zendrova
