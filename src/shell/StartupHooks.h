#pragma once

#include <functional>

namespace zendrova {

// What start-up and shutdown ask of the windows and of the parts that own
// their own files. Each hook may be left empty while its part does not exist.
struct StartupHooks
{
    // Start-up, in the order they are called.
    std::function<void()> showSplash;
    // The filter, header and caption template lists and the report definitions
    // of the user folder.
    std::function<void()> loadUserLists;
    std::function<void()> createOwnerWindow;
    std::function<void()> readReminders;
    // Creates the main window, which opens the current database.
    std::function<void()> createMainWindow;
    std::function<void()> closeSplash;
    std::function<void()> showTips;
    // Once the windows are up.
    std::function<void()> focusMainWindow;
    std::function<void()> beep;

    // Shutdown, in the order they are called.
    // The window placement, the sort file, "header.dat" and the filter settings.
    std::function<void()> writeMainWindowFiles;
    std::function<void()> writeReportDefinitions;
    std::function<void()> closeSharedTables;
    std::function<void()> writeReminders;
    // The filter, header and caption template lists into the user folder.
    std::function<void()> saveUserLists;
};

} // namespace zendrova
