#pragma once

#include <QCoreApplication>

namespace zendrova {

class AppState;

// Makes sure the public folder "DATA" and its "BACKUP" sub-folder exist in the
// data directory before anyone works there.
class PublicFolderSetup
{
    Q_DECLARE_TR_FUNCTIONS(PublicFolderSetup)

public:
    // A data directory that cannot be entered (removed or taken away since
    // the options were read) is replaced by the program folder with a warning,
    // and the user and database folders move along to its public folder.
    // Failing to create "BACKUP" is reported; start-up goes on either way.
    static void ensure(AppState &state);

    static QString dataDirectoryMissingText(const QString &dataDirectory);
    static QString createFailedText();
};

} // namespace zendrova
