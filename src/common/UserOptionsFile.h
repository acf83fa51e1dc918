#pragma once

#include "common/UserOptions.h"

#include <QByteArray>
#include <QString>
#include <optional>

namespace zendrova {

class AppState;

// The user's "options.dat" in the user folder, with its optional tail (the
// fields after "display tips on start-up").
class UserOptionsFile
{
public:
    static inline const QString kFileName = QStringLiteral("options.dat");

    struct Record
    {
        UserOptions options;
        QString lastTableFile;
        QString lastDatabaseFolder;
    };

    // Reads the user folder's file into the state and restores the last used
    // database when the options ask for it and the user may see it. Returns
    // whether a readable file was found; a missing or damaged file changes nothing.
    static bool read(AppState &state);
    // Writes the file with the current record table and database folder.
    static bool write(const AppState &state);

    // A file without the tail keeps the tail values of current.
    static std::optional<Record> decode(const QByteArray &bytes, const UserOptions &current);
    static QByteArray encode(const Record &record);
};

} // namespace zendrova
