#include "shell/UserDataFolder.h"

#include "common/AppState.h"
#include "common/FileLookup.h"
#include "common/Interaction.h"

#include <QDir>
#include <QFileInfo>

namespace zendrova {

QString UserDataFolder::locate()
{
    QString base = qEnvironmentVariable("XDG_DATA_HOME");
    if (base.isEmpty() || QDir::isRelativePath(base))
        base = QDir::homePath() + QStringLiteral("/.local/share");
    return joinPath(QDir::cleanPath(base), kFolderName);
}

bool UserDataFolder::create(const QString &folder)
{
    if (!QFileInfo::exists(folder)) {
        QDir().mkpath(QFileInfo(folder).absolutePath());
        QDir().mkdir(folder, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    }
    if (canEnterFolder(folder) && QFileInfo(folder).isWritable())
        return true;
    showMessage(MessageKind::Error, createFailedText(folder));
    return false;
}

QString UserDataFolder::createFailedText(const QString &folder)
{
    return tr("Could not create the folder for your settings and databases:\r%1")
        .arg(QDir::toNativeSeparators(folder));
}

bool UserDataFolder::settle(AppState &state, const QString &installFolder)
{
    const QString folder = locate();
    if (!create(folder))
        return false;
    state.setProgramFolder(folder);
    state.installFolder = QDir::cleanPath(installFolder);
    return true;
}

} // namespace zendrova
