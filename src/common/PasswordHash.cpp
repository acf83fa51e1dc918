#include "common/PasswordHash.h"

#include <QByteArray>
#include <QStringList>

#include <optional>

#include <openssl/crypto.h>
#include <openssl/evp.h>
#include <openssl/rand.h>

#include <algorithm>
#include <atomic>

namespace zendrova {

namespace {

const QString kScheme = QStringLiteral("pbkdf2-sha256");
constexpr int kSaltBytes = 16;
constexpr int kHashBytes = 32;
// More than this is no stored form of ours: it would stall a login for minutes.
constexpr int kMaximumIterations = 100000000;
constexpr auto kBase64 = QByteArray::Base64Encoding | QByteArray::OmitTrailingEquals;

std::atomic<int> newIterations { PasswordHash::kDefaultIterations };

QByteArray derive(const QString &password, const QByteArray &salt, int iterations)
{
    const QByteArray text = password.toUtf8();
    QByteArray out(kHashBytes, Qt::Uninitialized);
    const int ok = PKCS5_PBKDF2_HMAC(text.constData(), int(text.size()),
        reinterpret_cast<const unsigned char *>(salt.constData()), int(salt.size()), iterations,
        EVP_sha256(), kHashBytes, reinterpret_cast<unsigned char *>(out.data()));
    if (ok != 1)
        return {};
    return out;
}

struct Parsed
{
    int iterations = 0;
    QByteArray salt;
    QByteArray hash;
};

std::optional<Parsed> parse(const QString &stored)
{
    const QStringList parts = stored.split(QLatin1Char('$'));
    // "", scheme, iterations, salt, hash
    if (parts.size() != 5 || !parts[0].isEmpty() || parts[1] != kScheme)
        return std::nullopt;
    Parsed parsed;
    bool ok = false;
    parsed.iterations = parts[2].toInt(&ok);
    if (!ok || parsed.iterations < PasswordHash::kMinimumIterations
        || parsed.iterations > kMaximumIterations)
        return std::nullopt;
    const auto salt = QByteArray::fromBase64Encoding(parts[3].toLatin1(), kBase64);
    const auto hash = QByteArray::fromBase64Encoding(parts[4].toLatin1(), kBase64);
    if (!salt || !hash || salt.decoded.size() != kSaltBytes || hash.decoded.size() != kHashBytes)
        return std::nullopt;
    parsed.salt = salt.decoded;
    parsed.hash = hash.decoded;
    return parsed;
}

} // namespace

QString PasswordHash::make(const QString &password)
{
    if (password.isEmpty())
        return {};
    QByteArray salt(kSaltBytes, Qt::Uninitialized);
    if (RAND_bytes(reinterpret_cast<unsigned char *>(salt.data()), kSaltBytes) != 1)
        qFatal("no random bytes for a password salt");
    const int rounds = iterations();
    const QByteArray hash = derive(password, salt, rounds);
    if (hash.isEmpty())
        qFatal("password hashing failed");
    return QLatin1Char('$') + kScheme + QLatin1Char('$') + QString::number(rounds)
        + QLatin1Char('$') + QString::fromLatin1(salt.toBase64(kBase64)) + QLatin1Char('$')
        + QString::fromLatin1(hash.toBase64(kBase64));
}

bool PasswordHash::isHash(const QString &stored)
{
    return parse(stored).has_value();
}

bool PasswordHash::matches(const QString &stored, const QString &typed)
{
    const auto parsed = parse(stored);
    if (!parsed)
        return stored == typed; // empty or the old form: exact, as it always was
    const QByteArray hash = derive(typed, parsed->salt, parsed->iterations);
    return hash.size() == kHashBytes
        && CRYPTO_memcmp(hash.constData(), parsed->hash.constData(), kHashBytes) == 0;
}

QString PasswordHash::storable(const QString &stored)
{
    return isOldForm(stored) ? make(stored) : stored;
}

void PasswordHash::setIterations(int iterations)
{
    newIterations = std::clamp(iterations, kMinimumIterations, kMaximumIterations);
}

int PasswordHash::iterations()
{
    return newIterations;
}

} // namespace zendrova
