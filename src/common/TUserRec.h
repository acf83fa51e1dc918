#pragma once

#include <QString>
#include <cstdint>

namespace zendrova {

enum class AccountStatus : std::uint8_t { Active = 0, NotActive = 1 };
enum class AccountAccess : std::uint8_t { ReadAndWrite = 0, ReadOnly = 1, None = 2 };

// One user account of "users.lst".
struct TUserRec
{
    std::uint16_t number = 0; // 1..9999, unique; gives the default folder name
    QString name; // unique within the list
    QString userId; // the login name, compared exactly
    // The stored form (PasswordHash): a hash, empty, or in a list written
    // before hashing the password text itself.
    QString password;
    QString dataDirectory; // the account's folder under the data directory
    AccountStatus status = AccountStatus::Active;
    AccountAccess access = AccountAccess::ReadAndWrite;

    bool operator==(const TUserRec &) const = default;
};

} // namespace zendrova
