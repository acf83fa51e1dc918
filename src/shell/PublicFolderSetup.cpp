#include "shell/PublicFolderSetup.h"

#include "common/AppState.h"
#include "common/FileLookup.h"
#include "common/Interaction.h"

#include <QDir>

namespace zendrova {

namespace {

QString backupFolder(const AppState &state)
{
    return joinPath(state.publicFolder(), AppState::kBackupFolderName);
}

bool publicFoldersExist(const AppState &state)
{
    return canEnterFolder(state.publicFolder()) && canEnterFolder(backupFolder(state));
}

} // namespace

QString PublicFolderSetup::dataDirectoryMissingText(const QString &dataDirectory)
{
    return tr("Could not open the Data Directory %1!\rThe program folder is used as the Data "
              "Directory instead.")
        .arg(QDir::toNativeSeparators(dataDirectory));
}

QString PublicFolderSetup::createFailedText()
{
    return tr("Could not Create Data Directory!");
}

void PublicFolderSetup::ensure(AppState &state)
{
    if (publicFoldersExist(state))
        return;
    if (!canEnterFolder(state.dataDirectory) && state.dataDirectory != state.programFolder) {
        showMessage(MessageKind::Warning, dataDirectoryMissingText(state.dataDirectory));
        state.dataDirectory = state.programFolder;
        state.userFolder = state.publicFolder();
        state.databaseFolder = state.userFolder;
        if (publicFoldersExist(state))
            return;
    }
    // "DATA" may exist already; only the outcome for "BACKUP" below matters.
    state.publicFolderCreatedThisRun = QDir(state.dataDirectory).mkdir(AppState::kPublicFolderName);
    QDir(state.publicFolder()).mkdir(AppState::kBackupFolderName);
    if (!canEnterFolder(backupFolder(state)))
        showMessage(MessageKind::Warning, createFailedText());
}

} // namespace zendrova
