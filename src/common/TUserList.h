#pragma once

#include "common/TUserRec.h"

#include <QByteArray>
#include <QList>
#include <QString>
#include <optional>

namespace zendrova {

// The user accounts, kept in "users.lst": the byte 0x0E, then per account its
// number (16-bit little-endian), name, user ID, password and folder as
// scrambled strings, its status byte and access byte; then the byte 0x00.
class TUserList
{
public:
    static inline const QString kFileName = QStringLiteral("users.lst");
    static constexpr std::uint8_t kListStart = 0x0E;
    static constexpr std::uint8_t kListEnd = 0x00;
    static constexpr std::uint16_t kMaxNumber = 9999;

    // Reads the data directory's list, or the program folder's when the data
    // directory has none. Nothing when neither exists or the file is damaged.
    static std::optional<TUserList> loadAccounts(
        const QString &dataDirectory, const QString &programFolder);
    // Writes the list into the data directory; false when it was not written.
    bool saveAccounts(const QString &dataDirectory) const;

    std::optional<int> findByName(const QString &name) const;
    std::optional<int> findByUserId(const QString &userId) const;
    // Refuses a name already in the list or a full list; otherwise appends an
    // account with a free number and the default folder name. The password is
    // the typed text; the account keeps only its hash.
    bool addAccount(const QString &name, const QString &userId, const QString &password,
        AccountStatus status, AccountAccess access);
    void removeAt(int index) { m_accounts.removeAt(index); }

    const QList<TUserRec> &accounts() const { return m_accounts; }
    TUserRec &operator[](int index) { return m_accounts[index]; }
    int size() const { return static_cast<int>(m_accounts.size()); }

    // "data" and the number with four digits: 7 gives "data0007".
    static QString defaultFolderName(std::uint16_t number);

    // Whether an account still holds a password in its old, readable form.
    bool hasOldFormPasswords() const;

    static std::optional<TUserList> decode(const QByteArray &bytes);
    // Nothing when an account cannot be stored so that it reads back the same.
    // Old-form passwords are written as hashes.
    static std::optional<QByteArray> encode(const TUserList &list);

private:
    std::optional<std::uint16_t> freeNumber() const;

    QList<TUserRec> m_accounts;
};

} // namespace zendrova
