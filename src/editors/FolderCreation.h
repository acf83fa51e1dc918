#pragma once

#include <QCoreApplication>
#include <QString>
#include <optional>

namespace zendrova {

// A folder typed into the folder browser may not exist yet: it is created
// once the user agrees.
class FolderCreation
{
    Q_DECLARE_TR_FUNCTIONS(FolderCreation)

public:
    // The folder browser's help page.
    static constexpr int kHelpContext = 114;

    static QString createQuestion(const QString &path);
    static QString notCreatedText(const QString &path);

    // An existing folder is returned as it is. For a missing one the user is
    // asked; Yes creates it with the folders above it. Nothing when the user
    // said No or it could not be created (the user is told).
    static std::optional<QString> settle(const QString &path);
};

} // namespace zendrova
