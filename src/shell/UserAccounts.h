#pragma once

#include "common/TUserList.h"

#include <QCoreApplication>
#include <QString>
#include <QStringList>

namespace zendrova {

class AppState;

// What the User Accounts dialog and the account dialog do, without widgets:
// the list of accounts read when the dialog opens, new, edit and delete, and
// saving "users.lst" when it closes.
class UserAccounts
{
    Q_DECLARE_TR_FUNCTIONS(UserAccounts)

public:
    static constexpr int kMaxNameLength = 40;
    static constexpr int kMaxUserIdLength = 10;
    static constexpr int kMaxPasswordLength = 10;

    static QString deleteQuestionText() { return tr("Delete Selected User and his Data?"); }
    static QString confirmDeletionCaption() { return tr("Confirm User Deletion"); }
    static QString typeYesPrompt() { return tr("Type in YES:"); }
    static QString cannotCreateFolderText() { return tr("Could not create data directory!"); }
    static QString badFolderText()
    {
        return tr("The Data Directory must be the name of one folder, without \"/\", \"\\\" "
                  "or \"..\"!");
    }
    static QString cannotSaveText() { return tr("Could not save the User Accounts!"); }

    // What the account dialog shows and gives back. The password is what was
    // typed: the dialog never shows a stored one, and blank leaves it as it is.
    struct Entry
    {
        QString name;
        QString userId;
        QString password;
        QString dataDirectory;
        AccountStatus status = AccountStatus::Active;
        AccountAccess access = AccountAccess::ReadAndWrite;
    };

    // Reads the accounts afresh; a missing list is an empty one.
    explicit UserAccounts(const AppState &state);
    // False when the list on disk is damaged: the dialog then does not open,
    // so closing it cannot overwrite the accounts with an empty list.
    bool loaded() const { return m_loaded; }

    QStringList names() const;
    Entry entryAt(int index) const;

    // OK of the account dialog may close it: a name, a user ID and, when the
    // folder is shown, a folder name that stays inside the data directory
    // (told to the user when it does not).
    static bool accepts(const Entry &entry, bool withFolder);
    // A folder directly under the data directory: no separator, no "." or
    // "..", not the public folder.
    static bool isOwnFolderName(const QString &name);

    // New: adds the account (nothing when the name is taken) and makes its
    // folder with "BACKUP" inside. Returns whether it was added.
    bool add(const Entry &entry);
    // Edit: every field is written back; renaming the folder moves no files.
    void edit(int index, const Entry &entry);
    // Delete, after the question and the typed "YES": removes the account and
    // the files of its own folder and of its "BACKUP". Returns whether it went.
    bool remove(int index);
    // On closing the dialog; tells the user when the list could not be written.
    bool save();

private:
    void deleteFolderOf(const TUserRec &account);

    const AppState &m_state;
    TUserList m_list;
    bool m_loaded = false;
};

} // namespace zendrova
