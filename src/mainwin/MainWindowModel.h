#pragma once

#include "common/WindowPlacement.h"

#include <QCoreApplication>
#include <QString>
#include <optional>

namespace zendrova {

class AppState;
class RecordStore;

// What the main window does with the current database and its own files,
// without widgets: opening the database, the caption, the placement file and
// the sort file written when the window goes.
class MainWindowModel
{
    Q_DECLARE_TR_FUNCTIONS(MainWindowModel)

public:
    static constexpr int kMinimumCardPageWidth = 230;

    // A fresh installation has no caption or date format file yet: the card
    // and every menu naming fields start from the built-in captions and the
    // first date format.
    MainWindowModel(AppState &state, RecordStore &store);

    static QString captionFor(const QString &productName, const QString &databaseName,
        bool readOnlyMode);

    // Opens the current database; false (the user has been told) means the
    // main window is to close.
    bool openCurrentDatabase();
    // The product name and the database's name, marked in read-only mode.
    QString caption() const { return m_caption; }

    // "wnd.dat" of the user folder when it gives a usable size; the card page
    // is never narrower than 230 pixels.
    std::optional<WindowPlacement> savedPlacement() const;
    // The placement file and the current database's sort file.
    void writeFiles(const WindowPlacement &placement);

private:
    AppState &m_state;
    RecordStore &m_store;
    QString m_caption;
    bool m_databaseOpen = false;
};

} // namespace zendrova
