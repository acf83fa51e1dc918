#pragma once

#include "common/SystemOptions.h"

#include <QByteArray>
#include <QString>
#include <optional>

namespace zendrova {

class AppState;

// "options.dat" of the installation: in the program folder, with a copy in the
// data directory when that differs. The program folder's copy names the data
// directory; the data directory's copy, when present, supplies the rest.
class SystemOptionsFile
{
public:
    static inline const QString kFileName = QStringLiteral("options.dat");

    struct Record
    {
        SystemOptions options;
        QString dataDirectory;
        // The stored form (PasswordHash); an old form is hashed when written.
        QString supervisorPassword;
    };

    // Fills the state from the program folder's file (and the data directory's
    // copy); returns whether the program folder's file was found and readable.
    // A missing or damaged file changes nothing.
    static bool read(AppState &state);
    // Writes both copies; false when a copy could not be written. A data
    // directory too long to store is not cut: nothing is written then.
    static bool write(const AppState &state);

    static std::optional<Record> decode(const QByteArray &bytes);
    static QByteArray encode(const Record &record);
};

} // namespace zendrova
