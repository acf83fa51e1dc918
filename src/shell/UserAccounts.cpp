#include "shell/UserAccounts.h"

#include "common/AppState.h"
#include "common/FileLookup.h"
#include "common/Interaction.h"
#include "common/PasswordHash.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

namespace zendrova {

namespace {

// Removes the plain files of a folder (no sub-folders), then the folder if empty.
void clearFolder(const QString &path)
{
    QDir dir(path);
    for (const QString &name : dir.entryList(QDir::Files | QDir::Hidden | QDir::System))
        dir.remove(name);
    QDir().rmdir(path);
}

} // namespace

UserAccounts::UserAccounts(const AppState &state)
    : m_state(state)
{
    const bool anyList = !findFileCaseInsensitive(state.dataDirectory, TUserList::kFileName).isEmpty()
        || !findFileCaseInsensitive(state.programFolder, TUserList::kFileName).isEmpty();
    if (!anyList) {
        m_loaded = true;
        return;
    }
    if (auto list = TUserList::loadAccounts(state.dataDirectory, state.programFolder)) {
        m_list = std::move(*list);
        m_loaded = true;
    }
}

QStringList UserAccounts::names() const
{
    QStringList names;
    for (const TUserRec &account : m_list.accounts())
        names << account.name;
    return names;
}

UserAccounts::Entry UserAccounts::entryAt(int index) const
{
    const TUserRec &account = m_list.accounts().at(index);
    return { account.name, account.userId, QString(), account.dataDirectory, account.status,
        account.access };
}

bool UserAccounts::isOwnFolderName(const QString &name)
{
    if (name.trimmed().isEmpty() || name.contains(QLatin1Char('/'))
        || name.contains(QLatin1Char('\\')) || name.contains(QStringLiteral("..")))
        return false;
    if (name == QStringLiteral("."))
        return false;
    // The public databases are everybody's, never one account's data.
    return name.compare(AppState::kPublicFolderName, Qt::CaseInsensitive) != 0;
}

bool UserAccounts::accepts(const Entry &entry, bool withFolder)
{
    if (entry.name.isEmpty() || entry.userId.isEmpty())
        return false;
    if (withFolder && !isOwnFolderName(entry.dataDirectory)) {
        showMessage(MessageKind::Warning, badFolderText());
        return false;
    }
    return true;
}

bool UserAccounts::add(const Entry &entry)
{
    if (!m_list.addAccount(entry.name, entry.userId, entry.password, entry.status, entry.access))
        return false;
    const QString folder = joinPath(m_state.dataDirectory, m_list.accounts().last().dataDirectory);
    if (!QDir().mkpath(joinPath(folder, AppState::kBackupFolderName)))
        showMessage(MessageKind::Warning, cannotCreateFolderText());
    return true;
}

void UserAccounts::edit(int index, const Entry &entry)
{
    TUserRec &account = m_list[index];
    account.name = entry.name;
    account.userId = entry.userId;
    if (!entry.password.isEmpty())
        account.password = PasswordHash::make(entry.password);
    account.dataDirectory = entry.dataDirectory;
    account.status = entry.status;
    account.access = entry.access;
}

bool UserAccounts::remove(int index)
{
    if (!askYesNo(MessageKind::Confirmation, deleteQuestionText()))
        return false;
    const auto typed
        = Interaction::current().inputText(confirmDeletionCaption(), typeYesPrompt(), QString());
    if (!typed || *typed != QLatin1String("YES"))
        return false;
    const TUserRec account = m_list.accounts().at(index);
    m_list.removeAt(index);
    deleteFolderOf(account);
    return true;
}

void UserAccounts::deleteFolderOf(const TUserRec &account)
{
    // Only the account's own folder: a name that leads elsewhere (written by
    // hand or by an older version) or a folder another account still uses
    // loses nothing.
    if (!isOwnFolderName(account.dataDirectory))
        return;
    for (const TUserRec &other : m_list.accounts()) {
        if (other.dataDirectory.compare(account.dataDirectory, Qt::CaseInsensitive) == 0)
            return;
    }
    const QString folder = joinPath(m_state.dataDirectory, account.dataDirectory);
    const QFileInfo info(folder);
    if (!info.isDir() || info.isSymLink()
        || QFileInfo(info.canonicalFilePath()).dir().canonicalPath()
            != QDir(m_state.dataDirectory).canonicalPath())
        return;
    const QString backup = joinPath(folder, AppState::kBackupFolderName);
    if (!QFileInfo(backup).isSymLink())
        clearFolder(backup);
    clearFolder(folder);
}

bool UserAccounts::save()
{
    if (m_list.saveAccounts(m_state.dataDirectory))
        return true;
    showMessage(MessageKind::Error, cannotSaveText());
    return false;
}

} // namespace zendrova
