#include "support/InstallationFixture.h"
#include "support/ScriptedLoginPrompt.h"

#include "common/LoginForm.h"
#include "common/LoginPrompt.h"
#include "common/LoginRules.h"

#include <gtest/gtest.h>

namespace zendrova {
namespace {

using test::InstallationFixture;
using test::ScriptedLoginPrompt;

struct LoginCase
{
    const char *name;
    PasswordMode passwordMode;
    PublicAccessRights rights;
    const char *userId;
    const char *password;
    LoginResult result;
    bool supervisor;
    const char *folder; // below the data directory; empty for no check
    AccessLevel access;
};

constexpr auto Required = PasswordMode::Required;
constexpr auto NotRequired = PasswordMode::NotRequired;
constexpr auto AsAccounts = PublicAccessRights::AsSpecifiedInAccounts;

const LoginCase kLoginCases[] = {
    { "SupervisorWithPassword", Required, AsAccounts, "Supervisor", "boss",
        LoginResult::LoggedIn, true, "DATA", AccessLevel::ReadAndWrite },
    { "SupervisorWrongPassword", Required, AsAccounts, "Supervisor", "Boss", LoginResult::Failed,
        false, "", AccessLevel::ReadAndWrite },
    { "SupervisorPasswordNotRequired", NotRequired, AsAccounts, "Supervisor", "", 
        LoginResult::LoggedIn, true, "DATA", AccessLevel::ReadAndWrite },
    { "LowerCaseSupervisorIsNoAccount", Required, AsAccounts, "supervisor", "boss",
        LoginResult::Failed, false, "", AccessLevel::ReadAndWrite },
    { "AccountWithPassword", Required, AsAccounts, "jsmith", "pw1", LoginResult::LoggedIn, false,
        "data0001", AccessLevel::ReadAndWrite },
    { "AccountWrongPassword", Required, AsAccounts, "jsmith", "PW1", LoginResult::Failed, false,
        "", AccessLevel::ReadAndWrite },
    { "AnyPasswordWhenNotRequired", NotRequired, AsAccounts, "jsmith", "whatever",
        LoginResult::LoggedIn, false, "data0001", AccessLevel::ReadAndWrite },
    { "UserIdIsCaseSensitive", NotRequired, AsAccounts, "JSMITH", "pw1", LoginResult::Failed,
        false, "", AccessLevel::ReadAndWrite },
    { "UnknownUserId", NotRequired, AsAccounts, "guest", "", LoginResult::Failed, false, "",
        AccessLevel::ReadAndWrite },
    { "InactiveAccountWithRightPassword", Required, AsAccounts, "mjones", "pw2",
        LoginResult::AccountDisabled, false, "data0002", AccessLevel::ReadAndWrite },
    { "AccountReadOnly", Required, AsAccounts, "rreader", "", LoginResult::LoggedIn, false,
        "data0003", AccessLevel::ReadOnly },
    { "AccountNoPublicAccess", Required, AsAccounts, "nobody", "pw4", LoginResult::LoggedIn,
        false, "data0004", AccessLevel::None },
    { "SystemWideReadOnlyOverridesAccount", Required, PublicAccessRights::ReadOnly, "jsmith",
        "pw1", LoginResult::LoggedIn, false, "data0001", AccessLevel::ReadOnly },
    { "SystemWideReadAndWriteOverridesAccount", Required, PublicAccessRights::ReadAndWrite,
        "nobody", "pw4", LoginResult::LoggedIn, false, "data0004", AccessLevel::ReadAndWrite },
};

void PrintTo(const LoginCase &c, std::ostream *os)
{
    *os << c.name;
}

class LoginRulesTest : public ::testing::TestWithParam<LoginCase>
{ };

TEST_P(LoginRulesTest, DecidesByTheTypedValues)
{
    const LoginCase &c = GetParam();
    InstallationFixture installation;
    AppState &state = installation.state;
    state.systemOptions = { c.passwordMode, c.rights, UsersCount::MultiUser };
    state.supervisorPassword = QStringLiteral("boss");
    installation.writeAccounts(state.dataDirectory);

    const LoginOutcome outcome = LoginRules::check(
        state, QString::fromLatin1(c.userId), QString::fromLatin1(c.password));
    EXPECT_EQ(outcome.result, c.result);
    EXPECT_EQ(outcome.isSupervisor, c.supervisor);
    EXPECT_EQ(outcome.accessLevel, c.access);
    if (*c.folder) {
        EXPECT_EQ(outcome.userFolder, installation.path(QString::fromLatin1(c.folder)));
        EXPECT_EQ(outcome.userName, QString::fromLatin1(c.userId));
    }
}

INSTANTIATE_TEST_SUITE_P(Cases, LoginRulesTest, ::testing::ValuesIn(kLoginCases),
    [](const auto &info) { return std::string(info.param.name); });

TEST(LoginRules, AccountsComeFromTheProgramFolderOnlyWhenTheDataDirectoryHasNone)
{
    InstallationFixture installation;
    AppState &state = installation.state;
    state.systemOptions.usersCount = UsersCount::MultiUser;
    state.dataDirectory = installation.dir.path() + QStringLiteral("/shared");
    QDir().mkpath(state.dataDirectory);
    installation.writeAccounts(state.programFolder);
    EXPECT_EQ(LoginRules::check(state, QStringLiteral("jsmith"), {}).result, LoginResult::LoggedIn);

    // A damaged list in the data directory lets nobody in.
    test::writeBytes(state.dataDirectory + QStringLiteral("/users.lst"),
        test::settingsFixture(QStringLiteral("BrokenUsersNoEnd.lst")));
    EXPECT_EQ(LoginRules::check(state, QStringLiteral("jsmith"), {}).result, LoginResult::Failed);
}

TEST(LoginForm, ShowsWhatTheInstallationAsksFor)
{
    AppState state(QStringLiteral("/nowhere"));
    state.systemOptions = { PasswordMode::NotRequired, {}, UsersCount::MultiUser };
    const LoginForm multiUserNoPasswords(state, LoginForm::Purpose::Login);
    EXPECT_EQ(multiUserNoPasswords.caption(), QStringLiteral("Login"));
    EXPECT_TRUE(multiUserNoPasswords.showsUserId());
    EXPECT_FALSE(multiUserNoPasswords.showsPassword());
    EXPECT_EQ(multiUserNoPasswords.initialUserId(), QString());

    state.systemOptions = { PasswordMode::Required, {}, UsersCount::SingleUser };
    state.supervisorPassword = QStringLiteral("boss");
    const LoginForm singleUser(state, LoginForm::Purpose::SecurityCheck);
    EXPECT_EQ(singleUser.caption(), QStringLiteral("Security Check"));
    EXPECT_FALSE(singleUser.showsUserId());
    EXPECT_TRUE(singleUser.showsPassword());
    EXPECT_EQ(singleUser.initialUserId(), QStringLiteral("Supervisor"));
    // Whatever the hidden user ID edit holds, the 1-User System asks for the Supervisor.
    EXPECT_EQ(singleUser.submit(QStringLiteral("jsmith"), QStringLiteral("boss")).result,
        LoginResult::LoggedIn);
    EXPECT_EQ(LoginForm::cancelled().result, LoginResult::Failed);
}

TEST(Login, TakesOverTheAccountOrLeavesTheStateAsItWas)
{
    InstallationFixture installation;
    AppState &state = installation.state;
    state.systemOptions = { PasswordMode::Required, {}, UsersCount::MultiUser };
    installation.writeAccounts(state.dataDirectory);
    ScriptedLoginPrompt prompt;

    prompt.expectLogin(QStringLiteral("jsmith"), QStringLiteral("wrong"));
    EXPECT_EQ(login(state), LoginResult::Failed);
    EXPECT_EQ(state.userFolder, installation.path(QStringLiteral("DATA")));
    EXPECT_EQ(state.userName, QString());

    prompt.expectLogin(QStringLiteral("rreader"), QString());
    EXPECT_EQ(login(state), LoginResult::LoggedIn);
    EXPECT_EQ(state.userName, QStringLiteral("rreader"));
    EXPECT_EQ(state.userFolder, installation.path(QStringLiteral("data0003")));
    EXPECT_EQ(state.databaseFolder, state.userFolder);
    EXPECT_EQ(state.accessLevel, AccessLevel::ReadOnly);
    EXPECT_FALSE(state.isSupervisor);
}

TEST(SecurityCheck, AsksOnlyWhenPasswordsGuardTheSupervisor)
{
    InstallationFixture installation;
    AppState &state = installation.state;
    ScriptedLoginPrompt prompt; // any unexpected dialog fails the test

    state.systemOptions.passwordMode = PasswordMode::NotRequired;
    state.supervisorPassword = QStringLiteral("boss");
    EXPECT_TRUE(securityCheck(state));
    state.systemOptions.passwordMode = PasswordMode::Required;
    state.supervisorPassword.clear();
    EXPECT_TRUE(securityCheck(state));
    EXPECT_TRUE(prompt.shown().empty());
}

TEST(SecurityCheck, PassesOnlyALoginAndLeavesTheLoggedInUserAlone)
{
    InstallationFixture installation;
    AppState &state = installation.state;
    state.systemOptions = { PasswordMode::Required, {}, UsersCount::MultiUser };
    state.supervisorPassword = QStringLiteral("boss");
    installation.writeAccounts(state.dataDirectory);
    // Logged in as a read-only user in the account's folder.
    state.userName = QStringLiteral("rreader");
    state.userFolder = state.databaseFolder = installation.path(QStringLiteral("data0003"));
    state.accessLevel = AccessLevel::ReadOnly;

    ScriptedLoginPrompt prompt;
    prompt.expectLogin(QStringLiteral("Supervisor"), QStringLiteral("boss"));
    prompt.expectLogin(QStringLiteral("mjones"), QStringLiteral("pw2")); // not active
    prompt.expectLogin(QStringLiteral("jsmith"), QStringLiteral("nope"));
    prompt.expectCancel();
    EXPECT_TRUE(securityCheck(state));
    EXPECT_FALSE(securityCheck(state));
    EXPECT_FALSE(securityCheck(state));
    EXPECT_FALSE(securityCheck(state));

    ASSERT_EQ(prompt.shown().size(), 4u);
    EXPECT_EQ(prompt.shown()[0].caption, QStringLiteral("Security Check"));
    EXPECT_EQ(state.userName, QStringLiteral("rreader"));
    EXPECT_FALSE(state.isSupervisor);
    EXPECT_EQ(state.userFolder, installation.path(QStringLiteral("data0003")));
    EXPECT_EQ(state.databaseFolder, state.userFolder);
    EXPECT_EQ(state.accessLevel, AccessLevel::ReadOnly);
}

} // namespace
} // namespace zendrova
