#include "editors/FolderCreation.h"

#include "common/Interaction.h"

#include <QDir>
#include <QFileInfo>

namespace zendrova {

QString FolderCreation::createQuestion(const QString &path)
{
    return tr("The folder %1 does not exist.\rDo you want to create it?")
        .arg(QDir::toNativeSeparators(path));
}

QString FolderCreation::notCreatedText(const QString &path)
{
    return tr("Could not create the folder %1!").arg(QDir::toNativeSeparators(path));
}

std::optional<QString> FolderCreation::settle(const QString &path)
{
    const QString folder = QDir::cleanPath(QDir::fromNativeSeparators(path.trimmed()));
    if (folder.isEmpty())
        return std::nullopt;
    const QFileInfo info(folder);
    if (info.isDir())
        return folder;
    if (!askYesNo(MessageKind::Confirmation, createQuestion(folder)))
        return std::nullopt;
    // A file of that name is no folder either.
    if (info.exists() || !QDir().mkpath(folder)) {
        showMessage(MessageKind::Error, notCreatedText(folder));
        return std::nullopt;
    }
    return folder;
}

} // namespace zendrova
