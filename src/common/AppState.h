#pragma once

#include "common/CaptionList.h"
#include "common/ColorScheme.h"
#include "common/DateFormatList.h"
#include "common/SystemOptions.h"
#include "common/UserOptions.h"

#include <QString>

namespace zendrova {

enum class AccessLevel : int { ReadAndWrite = 1, ReadOnly = 2, None = 3 };

// The process-wide values of one run: folders, the logged-in user, the option
// values and the caption and date format lists. Folders are joined with "/";
// Qt maps it to the platform's separator.
class AppState
{
public:
    static inline const QString kPublicFolderName = QStringLiteral("DATA");
    static inline const QString kBackupFolderName = QStringLiteral("BACKUP");
    static inline const QString kDefaultTableFile = QStringLiteral("data.dbf");
    static inline const QString kSupervisorName = QStringLiteral("Supervisor");
    static inline const QString kProductName = QStringLiteral("Zendrova");
    // Names the build's real word size.
    static inline const QString kVersionText = sizeof(void *) == 8
        ? QStringLiteral("Version 2.0 (64-bit)")
        : QStringLiteral("Version 2.0 (32-bit)");

    AppState() = default;
    explicit AppState(const QString &programFolder) { setProgramFolder(programFolder); }

    // Sets the program folder (without a trailing separator) and starts the data
    // directory there, with the user and database folders in its public folder.
    // The shipped files are looked for there too until installFolder is set.
    void setProgramFolder(const QString &folder);

    // data directory + "/DATA"
    QString publicFolder() const;
    // Compares ignoring case and redundant separators.
    bool isPublicFolder(const QString &path) const;
    // Editing is refused: read-only access to a database in the public folder.
    bool isReadOnlyMode() const;
    // The system options ask for a login at start-up.
    bool loginRequired() const;

    // Where the program's own writable files live: settings and, by default,
    // the data directory.
    QString programFolder;
    // The folder of the program file, with the shipped read-only files (the
    // template tables). An installed run keeps its program folder elsewhere.
    QString installFolder;
    QString dataDirectory;
    QString userFolder;
    QString databaseFolder;
    QString currentTableFile = kDefaultTableFile;
    // This run made the public folder: its first database is no surprise.
    bool publicFolderCreatedThisRun = false;

    // The stored form of the Supervisor's password (PasswordHash).
    QString supervisorPassword;
    QString userName;
    bool isSupervisor = false;
    AccessLevel accessLevel = AccessLevel::ReadAndWrite;

    QString productName = kProductName;
    QString versionText = kVersionText;

    SystemOptions systemOptions;
    UserOptions userOptions;
    CaptionList captions;
    DateFormatList dateFormats;
    // The main window's colours, from "color.lst" of the database folder.
    ColorScheme colorScheme;
};

} // namespace zendrova
