#include "support/InstallationFixture.h"
#include "support/ScriptedLoginPrompt.h"

#include "common/ByteWriter.h"
#include "common/LoginPrompt.h"
#include "common/PasswordHash.h"
#include "common/ScrambleKeys.h"
#include "common/SystemOptionsFile.h"
#include "common/TUserList.h"

#include <gtest/gtest.h>

namespace zendrova {
namespace {

using test::InstallationFixture;
using test::ScriptedLoginPrompt;

// Whether the file holds the text, plainly or scrambled with either key.
bool holdsText(const QByteArray &bytes, const char *text)
{
    return bytes.contains(text) || bytes.contains(scrambled(text, kSettingsKey))
        || bytes.contains(scrambled(text, kAccountsKey));
}

TEST(PasswordHash, SaltedSlowAndOneWay)
{
    const QString first = PasswordHash::make(QStringLiteral("boss"));
    const QString second = PasswordHash::make(QStringLiteral("boss"));
    EXPECT_NE(first, second); // a fresh salt each time
    EXPECT_FALSE(first.contains(QStringLiteral("boss")));
    for (const QString &stored : { first, second }) {
        EXPECT_TRUE(PasswordHash::isHash(stored));
        EXPECT_TRUE(PasswordHash::matches(stored, QStringLiteral("boss")));
        EXPECT_FALSE(PasswordHash::matches(stored, QStringLiteral("Boss")));
        EXPECT_FALSE(PasswordHash::matches(stored, QStringLiteral("boss ")));
        EXPECT_FALSE(PasswordHash::matches(stored, QString()));
    }
    // The old form and the empty password compare exactly.
    EXPECT_TRUE(PasswordHash::matches(QStringLiteral("boss"), QStringLiteral("boss")));
    EXPECT_FALSE(PasswordHash::matches(QStringLiteral("boss"), QStringLiteral("BOSS")));
    EXPECT_TRUE(PasswordHash::matches(QString(), QString()));
    EXPECT_FALSE(PasswordHash::matches(QString(), QStringLiteral("x")));
    EXPECT_EQ(PasswordHash::make(QString()), QString());
    // A damaged hash is no hash: it is compared as text and so matches nothing typed.
    QString damaged = first;
    damaged.chop(2);
    EXPECT_FALSE(PasswordHash::isHash(damaged));
    EXPECT_FALSE(PasswordHash::matches(damaged, QStringLiteral("boss")));
}

TEST(PasswordHash, TheProgramsCountIsRecordedAndFitsTheStringSlot)
{
    const int lowered = PasswordHash::iterations();
    PasswordHash::setIterations(PasswordHash::kDefaultIterations);
    // The longest password the dialogs take.
    const QString stored = PasswordHash::make(QString(20, QLatin1Char('w')));
    PasswordHash::setIterations(lowered);
    EXPECT_TRUE(stored.startsWith(QStringLiteral("$pbkdf2-sha256$600000$"))) << stored.toStdString();
    EXPECT_TRUE(ByteWriter::fitsString(stored));
    EXPECT_TRUE(PasswordHash::matches(stored, QString(20, QLatin1Char('w'))));
}

// An installation written before passwords were hashed: the options hold the
// Supervisor's password and "users.lst" the accounts' passwords as text.
class OldFormFiles : public ::testing::Test
{
protected:
    void SetUp() override
    {
        ByteWriter options;
        options.word(std::uint16_t(PasswordMode::Required));
        options.word(std::uint16_t(PublicAccessRights::AsSpecifiedInAccounts));
        options.scrambled(installation.programFolder, kSettingsKey);
        options.word(std::uint16_t(UsersCount::MultiUser));
        options.scrambled(QStringLiteral("boss"), kSettingsKey);
        test::writeBytes(optionsPath(), options.bytes());
        // alice "pw1", bob "longpassword" (not active), "supervisor" with none.
        test::copyFixture(QStringLiteral("users.lst"), installation.programFolder,
            QStringLiteral("users.lst"));
        ASSERT_TRUE(holdsText(test::fileBytes(optionsPath()), "boss"));
        ASSERT_TRUE(holdsText(test::fileBytes(usersPath()), "pw1"));
        ASSERT_TRUE(SystemOptionsFile::read(state()));
    }

    AppState &state() { return installation.state; }
    QString optionsPath() const { return installation.path(QStringLiteral("options.dat")); }
    QString usersPath() const { return installation.path(QStringLiteral("users.lst")); }
    void expectNoPasswordText()
    {
        const QByteArray options = test::fileBytes(optionsPath());
        const QByteArray users = test::fileBytes(usersPath());
        for (const char *password : { "boss", "pw1", "longpassword" }) {
            EXPECT_FALSE(holdsText(options, password)) << password;
            EXPECT_FALSE(holdsText(users, password)) << password;
        }
    }

    InstallationFixture installation;
    ScriptedLoginPrompt prompt;
};

TEST_F(OldFormFiles, AnAccountLogsInOnceAndBothFilesAreRewrittenWithHashes)
{
    prompt.expectLogin(QStringLiteral("alice"), QStringLiteral("wrong"));
    EXPECT_EQ(login(state()), LoginResult::Failed);
    // A failed login changes no file.
    EXPECT_TRUE(holdsText(test::fileBytes(usersPath()), "pw1"));

    prompt.expectLogin(QStringLiteral("alice"), QStringLiteral("pw1"));
    ASSERT_EQ(login(state()), LoginResult::LoggedIn);
    expectNoPasswordText();
    const auto accounts = TUserList::loadAccounts(state().dataDirectory, state().programFolder);
    ASSERT_TRUE(accounts);
    EXPECT_FALSE(accounts->hasOldFormPasswords());
    EXPECT_TRUE(PasswordHash::isHash(state().supervisorPassword));

    // Every password goes on working, and only it.
    AppState fresh(installation.programFolder);
    ASSERT_TRUE(SystemOptionsFile::read(fresh));
    EXPECT_TRUE(PasswordHash::isHash(fresh.supervisorPassword));
    prompt.expectLogin(QStringLiteral("alice"), QStringLiteral("pw1"));
    prompt.expectLogin(QStringLiteral("alice"), QStringLiteral("PW1"));
    prompt.expectLogin(QStringLiteral("bob"), QStringLiteral("longpassword"));
    prompt.expectLogin(QStringLiteral("supervisor"), QString());
    prompt.expectLogin(QStringLiteral("Supervisor"), QStringLiteral("boss"));
    prompt.expectLogin(QStringLiteral("Supervisor"), QStringLiteral("bos"));
    EXPECT_EQ(login(fresh), LoginResult::LoggedIn);
    EXPECT_EQ(login(fresh), LoginResult::Failed);
    EXPECT_EQ(login(fresh), LoginResult::AccountDisabled);
    EXPECT_EQ(login(fresh), LoginResult::LoggedIn);
    EXPECT_EQ(login(fresh), LoginResult::LoggedIn);
    EXPECT_TRUE(fresh.isSupervisor);
    EXPECT_EQ(login(fresh), LoginResult::Failed);
}

TEST_F(OldFormFiles, TheSupervisorsOldPasswordIsHashedWhenTheOptionsAreWritten)
{
    // The 1-User System asks for no login; the options written at the end of
    // the run carry the hash all the same.
    ASSERT_TRUE(SystemOptionsFile::write(state()));
    EXPECT_FALSE(holdsText(test::fileBytes(optionsPath()), "boss"));
    AppState reread(installation.programFolder);
    ASSERT_TRUE(SystemOptionsFile::read(reread));
    EXPECT_TRUE(PasswordHash::matches(reread.supervisorPassword, QStringLiteral("boss")));
}

} // namespace
} // namespace zendrova
