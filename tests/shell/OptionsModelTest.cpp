#include "support/InstallationFixture.h"
#include "support/ScriptedInteraction.h"

#include "common/ColorSchemeFile.h"
#include "common/SystemOptionsFile.h"
#include "common/UserOptionsFile.h"
#include "shell/OptionsModel.h"

#include <gtest/gtest.h>

namespace zendrova {
namespace {

using test::InstallationFixture;
using test::kNoHelp;
using test::ScriptedInteraction;

const QString kSupervisorOnly
    = QStringLiteral("You have to be logged in as Supervisor to access this options page!");

class OptionsModelTest : public ::testing::Test
{
protected:
    OptionsModelTest()
    {
        QDir().mkpath(app.state.userFolder);
        app.state.isSupervisor = true;
        app.state.dateFormats.fillDefaultsIfEmpty();
    }

    void expectDataDirectoryQuestion(Answer answer)
    {
        user.expectMessage(MessageKind::Warning, OptionsModel::dataDirectoryQuestion(),
            MessageButtons::YesNo, kNoHelp, answer);
    }

    InstallationFixture app;
    AppState &state = app.state;
    ScriptedInteraction user;
};

TEST_F(OptionsModelTest, ANonSupervisorIsHeldOnTheFirstFivePages)
{
    state.isSupervisor = false;
    OptionsModel model(state);
    OptionsPages &pages = model.pages();
    EXPECT_FALSE(pages.previousVisible());
    for (int i = 0; i < 6; ++i)
        pages.next();
    EXPECT_EQ(pages.current(), OptionsPages::Fonts);
    EXPECT_FALSE(pages.nextVisible());

    pages.choose(OptionsPages::Data);
    for (const int closed : { OptionsPages::Security, OptionsPages::Users }) {
        user.expectMessage(MessageKind::Warning, kSupervisorOnly, MessageButtons::Ok, kNoHelp);
        EXPECT_FALSE(pages.choose(closed));
        EXPECT_EQ(pages.current(), OptionsPages::Data);
    }
    EXPECT_EQ(OptionsPages::names().size(), OptionsPages::kCount);

    state.isSupervisor = true;
    OptionsModel supervisor(state);
    for (int i = 0; i < 6; ++i)
        supervisor.pages().next();
    EXPECT_EQ(supervisor.pages().current(), OptionsPages::Users);
    EXPECT_FALSE(supervisor.pages().nextVisible());
}

TEST_F(OptionsModelTest, TheOneUserSystemStoresReadAndWriteForPublicFiles)
{
    state.systemOptions.publicAccessRights = PublicAccessRights::None;
    OptionsModel model(state);
    EXPECT_FALSE(model.multiUser());
    EXPECT_EQ(model.choices().accessRights, int(PublicAccessRights::ReadAndWrite));

    model.chooseUsersCount(int(UsersCount::MultiUser));
    model.choices().accessRights = int(PublicAccessRights::ReadOnly);
    model.chooseUsersCount(int(UsersCount::SingleUser));
    model.close();
    EXPECT_EQ(state.systemOptions.publicAccessRights, PublicAccessRights::ReadAndWrite);
    EXPECT_EQ(state.systemOptions.usersCount, UsersCount::SingleUser);
}

TEST_F(OptionsModelTest, ADataDirectoryChangeIsTakenOnlyWhenConfirmed)
{
    const QString before = state.dataDirectory;
    const QString other = app.dir.path() + QStringLiteral("/elsewhere");
    state.userOptions.initialDataFile = 1;
    {
        OptionsModel model(state);
        model.choices().dataDirectory = other;
        expectDataDirectoryQuestion(Answer::No);
        model.close();
    }
    EXPECT_EQ(state.dataDirectory, before);
    EXPECT_EQ(state.userOptions.initialDataFile, 1);

    OptionsModel model(state);
    model.choices().dataDirectory = QDir::toNativeSeparators(other + QLatin1Char('/'));
    expectDataDirectoryQuestion(Answer::Yes);
    user.expectMessage(MessageKind::Information, OptionsModel::dataDirectoryChangedText(),
        MessageButtons::Ok, kNoHelp);
    model.close();
    EXPECT_EQ(state.dataDirectory, other);
    EXPECT_EQ(state.userOptions.initialDataFile, 0);
    EXPECT_TRUE(user.allConsumed());
}

TEST_F(OptionsModelTest, ANewMultiUserSystemWithoutPasswordsAsksToProtectAccounts)
{
    struct Case
    {
        UsersCount before;
        PasswordMode passwords;
        bool asked;
    };
    const Case cases[] = {
        { UsersCount::SingleUser, PasswordMode::NotRequired, true },
        { UsersCount::SingleUser, PasswordMode::Required, false },
        { UsersCount::MultiUser, PasswordMode::NotRequired, false },
    };
    for (const Case &c : cases) {
        state.systemOptions.usersCount = c.before;
        state.systemOptions.passwordMode = c.passwords;
        OptionsModel model(state);
        model.chooseUsersCount(int(UsersCount::MultiUser));
        if (c.asked)
            user.expectMessage(MessageKind::Confirmation, OptionsModel::passwordQuestion(),
                MessageButtons::YesNo, kNoHelp, Answer::Yes);
        model.close();
        EXPECT_EQ(state.systemOptions.passwordMode,
            c.asked ? PasswordMode::Required : c.passwords);
        EXPECT_TRUE(user.allConsumed());
    }
}

TEST_F(OptionsModelTest, CaptionsRefuseBlankAndDuplicateTextsAndKeepTheirOwn)
{
    OptionsModel model(state);
    OptionsLabels &labels = model.labels();
    labels.select(1);
    user.expectMessage(MessageKind::Error, "Duplicate Labels are not Allowed!", MessageButtons::Ok, kNoHelp);
    EXPECT_FALSE(labels.change(QStringLiteral("Team:")));
    user.expectMessage(MessageKind::Error, "Empty Labels are not Allowed!", MessageButtons::Ok, kNoHelp);
    EXPECT_FALSE(labels.change(QStringLiteral("  ")));
    EXPECT_EQ(labels.items().at(1), QStringLiteral("Sport:"));
    // The label's own text is no duplicate; a different case is another text.
    EXPECT_TRUE(labels.change(QStringLiteral("Sport:")));
    EXPECT_TRUE(labels.change(QStringLiteral("TEAM:")));
    EXPECT_EQ(labels.items().at(1), QStringLiteral("TEAM:"));
    EXPECT_EQ(state.captions.caption(2), QStringLiteral("Sport:")) << "a copy until Close";
}

TEST_F(OptionsModelTest, FontStylesReadAsTheirWords)
{
    using F = FontRecord;
    EXPECT_EQ(OptionsModel::styleText(0), QStringLiteral("Regular"));
    EXPECT_EQ(OptionsModel::styleText(F::Bold | F::Italic), QStringLiteral("Bold Italic "));
    EXPECT_EQ(OptionsModel::styleText(F::Underline | F::StrikeOut), QStringLiteral("Underline Strikeout"));
}

// Every setting the dialog edits, changed, closed, written as at exit and read
// back by the next run.
TEST_F(OptionsModelTest, EverySettingChangedSurvivesARestart)
{
    OptionsModel model(state);
    OptionsChoices &c = model.choices();
    c.menusAndSpeedBars = 2;
    c.letterTabs = 1;
    c.letterTabsLocation = 1;
    c.hintMessages = 1;
    c.speedBarLocation = 0;
    c.recordDeleteMode = 1;
    c.displayTips = false;
    c.autoFill = false;
    c.dontDisplayReminders = true;
    c.initialDataFile = 0;
    c.passwordMode = int(PasswordMode::Required);
    model.chooseUsersCount(int(UsersCount::MultiUser));
    c.accessRights = int(PublicAccessRights::ReadOnly);
    model.labels().select(1);
    ASSERT_TRUE(model.labels().change(QStringLiteral("League:")));
    model.selectDateField(0);
    model.chooseDateFormat(2);
    model.selectElement(3);
    model.chooseColor(9);
    const FontRecord chosen { QStringLiteral("Courier New"), FontRecord::Italic, 14 };
    for (int component = 0; component < OptionsModel::kFontComponents; ++component) {
        model.selectFontComponent(component);
        user.expectFont(FontRecord { chosen.name, chosen.style, chosen.size + component });
        ASSERT_TRUE(model.changeFont());
    }
    EXPECT_TRUE(model.close().colorsChanged);
    ASSERT_TRUE(SystemOptionsFile::write(state));
    ASSERT_TRUE(UserOptionsFile::write(state));

    AppState next(app.programFolder);
    ASSERT_TRUE(SystemOptionsFile::read(next));
    next.userFolder = state.userFolder;
    ASSERT_TRUE(UserOptionsFile::read(next));
    next.captions.load(next.userFolder);
    next.dateFormats.load(next.userFolder);

    const UserOptions &u = next.userOptions;
    EXPECT_EQ(u, state.userOptions);
    EXPECT_EQ(u.menusAndSpeedBars, 2);
    EXPECT_EQ(u.letterTabs, 1);
    EXPECT_EQ(u.letterTabsLocation, 1);
    EXPECT_EQ(u.hintMessages, 1);
    EXPECT_EQ(u.speedBarLocation, 0);
    EXPECT_EQ(u.recordDeleteMode, 1);
    EXPECT_FALSE(u.displayTips);
    EXPECT_FALSE(u.autoFill);
    EXPECT_FALSE(u.displayReminders);
    EXPECT_EQ(u.initialDataFile, 0);
    EXPECT_EQ(u.recordButtonsFont, chosen);
    EXPECT_EQ(u.oneLineFieldsFont.size, 15);
    EXPECT_EQ(u.multiLineFieldsFont.size, 16);
    EXPECT_EQ(next.systemOptions,
        (SystemOptions { PasswordMode::Required, PublicAccessRights::ReadOnly, UsersCount::MultiUser }));
    EXPECT_EQ(next.captions.caption(2), QStringLiteral("League:"));
    EXPECT_EQ(next.dateFormats.codeAt(0), 2);
    const std::optional<ColorScheme> colors = ColorSchemeFile::read(state.databaseFolder);
    ASSERT_TRUE(colors);
    EXPECT_EQ(colors->elements[3], 9);
    EXPECT_EQ(*colors, state.colorScheme);
}

} // namespace
} // namespace zendrova
