#include "common/TUserList.h"

#include "common/ByteReader.h"
#include "common/ByteWriter.h"
#include "common/FileLookup.h"
#include "common/PasswordHash.h"
#include "common/WholeFile.h"

#include <QSet>

#include <algorithm>

namespace zendrova {

namespace {

// 9999 accounts of four full strings stay far below this.
constexpr qint64 kMaxListBytes = 16 * 1024 * 1024;

// The reader takes a zero byte where an account would start as the list end,
// so a number whose low byte is zero cannot be stored.
bool isStorableNumber(std::uint16_t number)
{
    return number >= 1 && number <= TUserList::kMaxNumber && (number & 0xFF) != 0;
}

bool isStorable(const TUserRec &account)
{
    return isStorableNumber(account.number) && ByteWriter::fitsString(account.name)
        && ByteWriter::fitsString(account.userId) && ByteWriter::fitsString(account.password)
        && ByteWriter::fitsString(account.dataDirectory);
}

} // namespace

std::optional<TUserList> TUserList::decode(const QByteArray &bytes)
{
    ByteReader in(bytes);
    if (in.byte() != kListStart)
        return std::nullopt;
    TUserList list;
    while (in.ok()) {
        const QByteArray low = in.raw(1);
        if (!in.ok() || static_cast<std::uint8_t>(low[0]) == kListEnd)
            break;
        TUserRec account;
        account.number
            = static_cast<std::uint16_t>(static_cast<std::uint8_t>(low[0]) | (in.byte() << 8));
        account.name = in.scrambled(kAccountsKey);
        account.userId = in.scrambled(kAccountsKey);
        account.password = in.scrambled(kAccountsKey);
        account.dataDirectory = in.scrambled(kAccountsKey);
        const std::uint8_t status = in.byte();
        const std::uint8_t access = in.byte();
        if (status > 1 || access > 2)
            return std::nullopt;
        account.status = static_cast<AccountStatus>(status);
        account.access = static_cast<AccountAccess>(access);
        if (in.ok())
            list.m_accounts.append(account);
    }
    if (!in.ok())
        return std::nullopt;
    return list;
}

std::optional<QByteArray> TUserList::encode(const TUserList &list)
{
    ByteWriter out;
    out.byte(kListStart);
    for (const TUserRec &account : list.m_accounts) {
        if (!isStorable(account))
            return std::nullopt;
        out.word(account.number);
        out.scrambled(account.name, kAccountsKey);
        out.scrambled(account.userId, kAccountsKey);
        // A password still in its old form never reaches the disk again.
        out.scrambled(PasswordHash::storable(account.password), kAccountsKey);
        out.scrambled(account.dataDirectory, kAccountsKey);
        out.byte(static_cast<std::uint8_t>(account.status));
        out.byte(static_cast<std::uint8_t>(account.access));
    }
    out.byte(kListEnd);
    return out.bytes();
}

std::optional<TUserList> TUserList::loadAccounts(
    const QString &dataDirectory, const QString &programFolder)
{
    // Only a missing list falls back to the program folder's; a damaged one is a failure.
    const bool inDataDirectory = !findFileCaseInsensitive(dataDirectory, kFileName).isEmpty();
    const auto bytes
        = readFileIn(inDataDirectory ? dataDirectory : programFolder, kFileName, kMaxListBytes);
    return bytes ? decode(*bytes) : std::nullopt;
}

bool TUserList::saveAccounts(const QString &dataDirectory) const
{
    const auto bytes = encode(*this);
    return bytes && writeFileIn(dataDirectory, kFileName, *bytes);
}

bool TUserList::hasOldFormPasswords() const
{
    return std::any_of(m_accounts.begin(), m_accounts.end(),
        [](const TUserRec &account) { return PasswordHash::isOldForm(account.password); });
}

std::optional<int> TUserList::findByName(const QString &name) const
{
    for (int i = 0; i < size(); ++i) {
        if (m_accounts.at(i).name == name)
            return i;
    }
    return std::nullopt;
}

std::optional<int> TUserList::findByUserId(const QString &userId) const
{
    for (int i = 0; i < size(); ++i) {
        if (m_accounts.at(i).userId == userId)
            return i;
    }
    return std::nullopt;
}

std::optional<std::uint16_t> TUserList::freeNumber() const
{
    QSet<std::uint16_t> taken;
    for (const TUserRec &account : m_accounts)
        taken.insert(account.number);
    const auto preferred = static_cast<std::uint16_t>(size() + 1);
    if (isStorableNumber(preferred) && !taken.contains(preferred))
        return preferred;
    // Otherwise the lowest free number, so numbers of deleted accounts are reused.
    for (std::uint16_t number = 1; number <= kMaxNumber; ++number) {
        if (isStorableNumber(number) && !taken.contains(number))
            return number;
    }
    return std::nullopt;
}

bool TUserList::addAccount(const QString &name, const QString &userId, const QString &password,
    AccountStatus status, AccountAccess access)
{
    if (findByName(name))
        return false;
    const auto number = freeNumber();
    if (!number)
        return false;
    m_accounts.append(
        { *number, name, userId, PasswordHash::make(password), defaultFolderName(*number), status,
            access });
    return true;
}

QString TUserList::defaultFolderName(std::uint16_t number)
{
    return QStringLiteral("data%1").arg(number, 4, 10, QLatin1Char('0'));
}

} // namespace zendrova
