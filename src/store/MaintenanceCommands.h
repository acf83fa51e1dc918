#pragma once

#include <QCoreApplication>
#include <QString>
#include <functional>

namespace zendrova {

class AppState;
class RecordStore;
class TableSafekeeping;

// What the Database Maintenance window tells the main window when it closes.
struct MaintenanceResults
{
    // The record table was rebuilt, emptied or replaced: reopen the database.
    bool tableChanged = false;
    // Its tags changed: the sort goes back to Entry Order first.
    bool indexesChanged = false;
    // The lookup lists changed: the lookup fields reload them.
    bool listsEdited = false;
};

// The behaviour behind the buttons of the Database Maintenance window on the
// current record table: the questions, the typed-YES confirmation and the
// security check, the work and its messages, and the results. Every message
// goes through Interaction; the window supplies the parts that are widgets.
class MaintenanceCommands
{
    Q_DECLARE_TR_FUNCTIONS(MaintenanceCommands)

public:
    static constexpr int kBackupHelpContext = 123;

    struct Hooks
    {
        // The typed-YES confirmation with this first line and warning line;
        // true when the user confirmed.
        std::function<bool(const QString &firstLine, const QString &warning)> confirmTyped;
        // The security check; when empty, the program's own (the Login
        // dialog captioned "Security Check" when passwords are in force).
        std::function<bool()> securityCheck;
        // The progress window of a long copy: shown with its caption, moved
        // once per record, taken down at the end.
        std::function<void(const QString &caption)> showProgress;
        std::function<void(int position, int total)> progress;
        std::function<void()> hideProgress;
        // While an operation runs the window cannot be closed.
        std::function<void(bool running)> running;
        // Opens the Edit Lists window.
        std::function<void()> editLists;
        // The reminder dates of a backup and of a rebuild or pack.
        std::function<void()> backupDone;
        std::function<void()> rebuildDone;
    };

    static QString warningText();
    static QString reindexQuestion();
    static QString deleteIndexesQuestion();
    static QString packQuestion();
    static QString deleteAllPrompt();
    static QString allDeletedText();
    static QString noFilterText();
    static QString deleteSelectedPrompt();
    static QString selectedDeletedText();
    static QString repairPrompt();
    static QString repairProgressCaption();
    static QString repairedText();
    static QString repairFailedText();
    static QString notRecoveredText(int count);
    static QString backupPrompt();
    static QString backupProgressCaption();
    static QString backedUpText();
    static QString backupFailedText();
    static QString notBackedUpText(int count);
    static QString restorePrompt();
    static QString restoreListsQuestion();
    static QString restoreProgressCaption();
    static QString restoredText();
    static QString backupNotFoundText();
    static QString notRestoredText(int count);

    MaintenanceCommands(AppState &state, RecordStore &store);

    Hooks hooks;
    const MaintenanceResults &results() const { return m_results; }

    void reindex();
    void deleteIndexes();
    void pack();
    void deleteAllRecords();
    void deleteSelectedRecords();
    void repair();
    void backup();
    void restore();
    void editLists();

private:
    // Asked twice before what cannot be undone: typed YES, then the security check.
    bool confirmedTwice(const QString &firstLine);
    TableSafekeeping makeSafekeeping();
    // Runs a long copy with the progress window and the window's Close
    // disabled; an engine error (a full disk, say) ends it with the engine's
    // message. False when it ended so.
    template<typename Work>
    bool runCopy(const QString &caption, Work &&work);

    AppState &m_state;
    RecordStore &m_store;
    MaintenanceResults m_results;
};

} // namespace zendrova
