#pragma once

#include <QCoreApplication>
#include <QString>

namespace zendrova {

class AppState;
class RecordStore;
class TFilterList;

// Where the program keeps its one filter between runs: "filter.dat" of the
// user's settings folder, shared by every database of that folder.
class FilterStorage
{
    Q_DECLARE_TR_FUNCTIONS(FilterStorage)

public:
    static QString saveFailureText() { return tr("Error Saving Filter to a file."); }

    // Opening a record table loads the saved filter (a missing or damaged
    // file leaves it empty, silently); creating a replacement table clears it.
    static void connect(RecordStore &store, TFilterList &filter, const AppState &state);
    // Before another database is loaded and at exit; tells the user when the
    // file cannot be written.
    static bool save(const TFilterList &filter, const AppState &state);
};

} // namespace zendrova
