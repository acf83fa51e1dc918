#include "support/InstallationFixture.h"
#include "support/ScriptedInteraction.h"

#include "common/PasswordChange.h"
#include "common/PasswordHash.h"
#include "common/ScrambleKeys.h"
#include "common/TUserList.h"

#include <deque>
#include <gtest/gtest.h>

namespace zendrova {
namespace {

using test::InstallationFixture;
using test::kNoHelp;
using test::ScriptedInteraction;

// Answers the password dialogs in turn (nothing = Cancel) and notes their labels.
struct ScriptedPasswords
{
    PasswordChange::Ask ask()
    {
        return [this](const QString &label) -> std::optional<QString> {
            labels << label;
            if (answers.empty()) {
                ADD_FAILURE() << "unexpected password dialog: " << label.toStdString();
                return std::nullopt;
            }
            const auto answer = answers.front();
            answers.pop_front();
            return answer;
        };
    }
    std::deque<std::optional<QString>> answers;
    QStringList labels;
};

const QString kOld = PasswordChange::oldPasswordLabel();
const QString kNew = PasswordChange::newPasswordLabel();
const QString kAgain = PasswordChange::reenterLabel();

struct ChangeCase
{
    const char *name;
    const char *current; // the password now; "" for none
    std::vector<std::optional<QString>> typed;
    QStringList labels;
    const char *message; // the error shown, or "" for none
    bool accepted;
};

class PasswordChangeCases : public ::testing::TestWithParam<ChangeCase>
{ };

TEST_P(PasswordChangeCases, AsksAndDecides)
{
    const ChangeCase &c = GetParam();
    AppState state(QStringLiteral("/nowhere"));
    state.systemOptions.passwordMode = PasswordMode::Required;
    ScriptedInteraction user;
    ScriptedPasswords passwords;
    passwords.answers.assign(c.typed.begin(), c.typed.end());
    if (*c.message)
        user.expectMessage(MessageKind::Error, QString::fromLatin1(c.message), MessageButtons::Ok,
            kNoHelp);
    if (c.accepted)
        user.expectMessage(MessageKind::Information, PasswordChange::acceptedText(),
            MessageButtons::Ok, kNoHelp);

    const QString stored = PasswordHash::make(QString::fromLatin1(c.current));
    const auto result = PasswordChange(state, passwords.ask()).change(stored);
    EXPECT_EQ(passwords.labels, c.labels);
    EXPECT_EQ(result.has_value(), c.accepted);
    if (result) {
        EXPECT_TRUE(PasswordHash::matches(*result, *c.typed.back()));
        EXPECT_EQ(result->isEmpty(), c.typed.back()->isEmpty());
    }
    EXPECT_TRUE(user.allConsumed());
}

const ChangeCase kChangeCases[] = {
    { "Changed", "old", { "old", "new1", "new1" }, { kOld, kNew, kAgain }, "", true },
    { "NoCurrentPasswordSkipsTheOldOne", "", { "new1", "new1" }, { kNew, kAgain }, "", true },
    { "EmptyNewPasswordAllowed", "old", { "old", "", "" }, { kOld, kNew, kAgain }, "", true },
    { "WrongOldPassword", "old", { "OLD" }, { kOld }, "Wrong Password!", false },
    { "ReenteredDiffers", "old", { "old", "new1", "new2" }, { kOld, kNew, kAgain },
        "Reentered Password is different!", false },
    { "CancelOld", "old", { std::nullopt }, { kOld }, "", false },
    { "CancelNew", "", { std::nullopt }, { kNew }, "", false },
    { "CancelReenter", "", { "new1", std::nullopt }, { kNew, kAgain }, "", false },
};

INSTANTIATE_TEST_SUITE_P(Cases, PasswordChangeCases, ::testing::ValuesIn(kChangeCases),
    [](const auto &info) { return std::string(info.param.name); });

TEST(PasswordChange, TheSupervisorMayTurnThePasswordSystemOn)
{
    AppState state(QStringLiteral("/nowhere"));
    state.isSupervisor = true;
    state.systemOptions.passwordMode = PasswordMode::NotRequired;
    ScriptedInteraction user;
    ScriptedPasswords passwords;
    for (const Answer answer : { Answer::No, Answer::Yes }) {
        passwords.answers = { QStringLiteral("boss"), QStringLiteral("boss") };
        if (answer == Answer::Yes)
            passwords.answers.push_front(QStringLiteral("boss")); // the old one now
        user.expectMessage(MessageKind::Information, PasswordChange::acceptedText(),
            MessageButtons::Ok, kNoHelp);
        user.expectMessage(MessageKind::Information, PasswordChange::activateText(),
            MessageButtons::YesNo, kNoHelp, answer);
        PasswordChange(state, passwords.ask()).run();
        EXPECT_TRUE(PasswordHash::matches(state.supervisorPassword, QStringLiteral("boss")));
        EXPECT_EQ(state.systemOptions.passwordMode,
            answer == Answer::Yes ? PasswordMode::Required : PasswordMode::NotRequired);
    }
    EXPECT_TRUE(user.allConsumed());
}

TEST(PasswordChange, AnAccountsNewPasswordIsSavedAsAHash)
{
    InstallationFixture installation;
    AppState &state = installation.state;
    state.systemOptions.passwordMode = PasswordMode::Required;
    installation.writeAccounts(state.dataDirectory);
    state.userName = QStringLiteral("jsmith");
    ScriptedInteraction user;
    ScriptedPasswords passwords;
    passwords.answers = { QStringLiteral("pw1"), QStringLiteral("swordfish"),
        QStringLiteral("swordfish") };
    user.expectMessage(
        MessageKind::Information, PasswordChange::acceptedText(), MessageButtons::Ok, kNoHelp);
    PasswordChange(state, passwords.ask()).run();

    const QByteArray bytes = test::fileBytes(installation.path(QStringLiteral("users.lst")));
    EXPECT_FALSE(bytes.contains("swordfish"));
    EXPECT_FALSE(bytes.contains(scrambled("swordfish", kAccountsKey)));
    const auto accounts = TUserList::loadAccounts(state.dataDirectory, state.programFolder);
    ASSERT_TRUE(accounts);
    EXPECT_TRUE(PasswordHash::matches(accounts->accounts().at(0).password, "swordfish"));
    // The others keep theirs.
    EXPECT_TRUE(PasswordHash::matches(accounts->accounts().at(1).password, "pw2"));
}

} // namespace
} // namespace zendrova
