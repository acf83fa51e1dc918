#pragma once

#include <QCoreApplication>
#include <QString>

namespace zendrova {

class AppState;

// Where a user's settings and databases live. The folder of the program file
// is the installation: it may be read only and is replaced whole by an update
// or a rebuild, so it only supplies the template tables. Everything the
// program writes goes to the user's data folder of the XDG base directories.
class UserDataFolder
{
    Q_DECLARE_TR_FUNCTIONS(UserDataFolder)

public:
    static inline const QString kFolderName = QStringLiteral("zendrova");

    // $XDG_DATA_HOME/zendrova; $HOME/.local/share/zendrova when XDG_DATA_HOME
    // is unset, empty or relative (a relative one is not valid there).
    static QString locate();

    // Creates the folder (with missing parents) when it is not there; a new
    // one is for its owner only, as it holds passwords. False, after telling
    // the user, when it cannot be created or written to.
    static bool create(const QString &folder);
    static QString createFailedText(const QString &folder);

    // The folders of a run: the user's data folder is the program folder and
    // installFolder holds the template tables. False, after telling the user,
    // when the data folder cannot be had.
    static bool settle(AppState &state, const QString &installFolder);
};

} // namespace zendrova
