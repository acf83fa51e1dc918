#pragma once

#include "exchange/ExchangeSettings.h"
#include "exchange/FieldTextCodec.h"
#include "exchange/ViewWalk.h"

#include <QCoreApplication>

#include <functional>
#include <optional>

class QWidget;

namespace zendrova {

class AppState;
class RecordStore;

// Export and import as the main window starts them: the source or target
// dialog, the options or table dialog, the file prompt, then the run with the
// hourglass and the progress window.
class ExchangeCommands
{
    Q_DECLARE_TR_FUNCTIONS(ExchangeCommands)

public:
    // What the commands need of the main window.
    struct Window
    {
        AppState &state;
        RecordStore &store;
        QWidget *widget;
        FieldTextCodec codec;
        // The letter tabs' ranges while the list is in letter-tab mode.
        std::optional<ViewWalk::Letters> letters;
        // Runs an import while the card has let go of the record table; it
        // moves to the first record and letter A afterwards.
        std::function<void(const std::function<void()> &)> whileCardReleased;
    };

    static QString textFilter();
    static QString exportPrompt();
    static QString importPrompt();

    explicit ExchangeCommands(Window window);

    // After the record on the card was stored.
    void exportRecords();
    void importRecords();

private:
    void exportText();
    void exportTable();
    void importText();
    void importTable();
    // The settings of the options dialog; nothing when cancelled.
    std::optional<ExchangeSettings> askOptions(bool exporting, const ExchangeSettings *preset);
    // The main window is disabled while a table is exported or records imported.
    void disabledWhile(const std::function<void()> &work);

    Window m_window;
};

} // namespace zendrova
