#pragma once

#include <QString>

namespace zendrova {

// The stored form of a password: a salted PBKDF2-HMAC-SHA256 hash written as
// "$pbkdf2-sha256$" + iterations + "$" + salt + "$" + hash (both Base64), about
// 90 characters, so it fits a settings file's 255-byte string slot. It cannot
// be turned back into the password; checking a typed password hashes it again
// with the stored salt and count.
//
// The empty password stays empty: it hides nothing, and "no password" must
// stay visible (the security check and the old-password question skip it).
// Files written before passwords were hashed hold the password text itself;
// such an old form is still recognised and compared exactly, and is replaced
// by a hash the next time its file is written.
class PasswordHash
{
public:
    // What new hashes use; 600,000 rounds of SHA-256 take a noticeable
    // fraction of a second, which is the point.
    static constexpr int kDefaultIterations = 600000;
    static constexpr int kMinimumIterations = 1000;

    // A fresh salt each time: the same password gives different stored forms.
    // Empty for the empty password.
    static QString make(const QString &password);
    // Whether a typed password is the one of a stored form (hash or old form).
    static bool matches(const QString &stored, const QString &typed);
    static bool isHash(const QString &stored);
    // Text that is neither empty nor a hash: a password kept the old way.
    static bool isOldForm(const QString &stored) { return !stored.isEmpty() && !isHash(stored); }
    // The stored form a file gets: an old form is hashed, the rest kept.
    static QString storable(const QString &stored);

    // Rounds for new hashes; test programs lower it to keep their many
    // accounts quick. Never below kMinimumIterations.
    static void setIterations(int iterations);
    static int iterations();
};

} // namespace zendrova
