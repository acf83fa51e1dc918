#include "common/AppState.h"

#include "common/FileLookup.h"

#include <QDir>

namespace zendrova {

void AppState::setProgramFolder(const QString &folder)
{
    programFolder = folder;
    while (programFolder.size() > 1 && programFolder.endsWith(QLatin1Char('/')))
        programFolder.chop(1);
    installFolder = programFolder;
    dataDirectory = programFolder;
    userFolder = publicFolder();
    databaseFolder = userFolder;
}

QString AppState::publicFolder() const
{
    return joinPath(dataDirectory, kPublicFolderName);
}

bool AppState::isPublicFolder(const QString &path) const
{
    if (path.isEmpty())
        return false;
    return QDir::cleanPath(path).toUpper() == QDir::cleanPath(publicFolder()).toUpper();
}

bool AppState::isReadOnlyMode() const
{
    return accessLevel == AccessLevel::ReadOnly && isPublicFolder(databaseFolder);
}

bool AppState::loginRequired() const
{
    return systemOptions.usersCount == UsersCount::MultiUser
        || (systemOptions.passwordMode == PasswordMode::Required && !supervisorPassword.isEmpty());
}

} // namespace zendrova
