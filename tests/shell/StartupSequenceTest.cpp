#include "support/InstallationFixture.h"
#include "support/ScriptedLoginPrompt.h"
#include "support/ScriptedInteraction.h"

#include "shell/PublicFolderSetup.h"
#include "shell/ShutdownMarker.h"
#include "shell/StartupSequence.h"
#include "common/UserOptionsFile.h"

#include <gtest/gtest.h>

namespace zendrova {
namespace {

using test::fileBytes;
using test::InstallationFixture;
using test::kNoHelp;
using test::ScriptedInteraction;
using test::ScriptedLoginPrompt;

const QString kCrashWarning = QStringLiteral(
    "Zendrova was not Closed normally!\rIt is STRONGLY recommended that you Restore the last "
    "used database from your backup. For more information click on Help.");

// Hooks that note their names in the order they are called.
StartupHooks recordingHooks(QStringList &calls)
{
    StartupHooks h;
    const auto note = [&calls](const char *name) {
        return [&calls, name] { calls << QString::fromLatin1(name); };
    };
    h.showSplash = note("showSplash");
    h.loadUserLists = note("loadUserLists");
    h.createOwnerWindow = note("createOwnerWindow");
    h.readReminders = note("readReminders");
    h.createMainWindow = note("createMainWindow");
    h.closeSplash = note("closeSplash");
    h.showTips = note("showTips");
    h.focusMainWindow = note("focusMainWindow");
    h.beep = note("beep");
    h.writeMainWindowFiles = note("writeMainWindowFiles");
    h.writeReportDefinitions = note("writeReportDefinitions");
    h.closeSharedTables = note("closeSharedTables");
    h.writeReminders = note("writeReminders");
    h.saveUserLists = note("saveUserLists");
    return h;
}

QByteArray markerIn(const QString &folder)
{
    return fileBytes(folder + QStringLiteral("/shut.dat"));
}

TEST(StartupSequence, FreshInstallationRunsInThePublicFolderAndEndsCleanly)
{
    InstallationFixture installation;
    ScriptedInteraction dialogs; // no message expected
    ScriptedLoginPrompt prompt; // no login expected
    QStringList calls;
    StartupHooks hooks = recordingHooks(calls);
    QByteArray markerWhileSavingLists;
    hooks.saveUserLists = [&] {
        calls << QStringLiteral("saveUserLists");
        markerWhileSavingLists = markerIn(installation.path(QStringLiteral("DATA")));
    };
    StartupSequence sequence(installation.state, hooks);

    ASSERT_TRUE(sequence.start());
    const QString publicFolder = installation.path(QStringLiteral("DATA"));
    EXPECT_TRUE(QFileInfo(publicFolder + QStringLiteral("/BACKUP")).isDir());
    EXPECT_EQ(installation.state.userFolder, publicFolder);
    EXPECT_EQ(installation.state.databaseFolder, publicFolder);
    EXPECT_TRUE(installation.state.isSupervisor);
    EXPECT_EQ(calls,
        QStringList({ "showSplash", "loadUserLists", "createOwnerWindow", "readReminders",
            "createMainWindow", "closeSplash", "showTips" }));

    calls.clear();
    sequence.activated();
    EXPECT_EQ(calls, QStringList({ "focusMainWindow" }));
    EXPECT_EQ(markerIn(publicFolder), ShutdownMarker::kRunning);

    calls.clear();
    sequence.mainWindowDestroyed();
    sequence.ownerClosed();
    sequence.finish();
    EXPECT_EQ(calls,
        QStringList({ "writeMainWindowFiles", "writeReportDefinitions", "closeSharedTables",
            "writeReminders", "saveUserLists" }));
    EXPECT_EQ(markerWhileSavingLists, ShutdownMarker::kRunning);
    EXPECT_EQ(markerIn(publicFolder), ShutdownMarker::kClean);
    EXPECT_TRUE(QFileInfo::exists(installation.path(QStringLiteral("options.dat"))));
    EXPECT_TRUE(QFileInfo::exists(publicFolder + QStringLiteral("/options.dat")));
    EXPECT_EQ(sequence.phase(), StartupSequence::Phase::Ended);
}

TEST(StartupSequence, ALoopThatEndsWithoutClosingTheWindowsStillSavesEverything)
{
    InstallationFixture installation;
    QStringList calls;
    StartupSequence sequence(installation.state, recordingHooks(calls));
    ASSERT_TRUE(sequence.start());
    calls.clear();
    sequence.finish();
    EXPECT_EQ(calls,
        QStringList({ "writeMainWindowFiles", "writeReportDefinitions", "closeSharedTables",
            "writeReminders", "saveUserLists" }));
    EXPECT_EQ(markerIn(installation.state.userFolder), ShutdownMarker::kClean);
}

TEST(StartupSequence, WarnsOnceAfterACrashAndMarksTheRunAsRunning)
{
    InstallationFixture installation;
    test::writeBytes(installation.path(QStringLiteral("DATA/shut.dat")), ShutdownMarker::kRunning);
    ScriptedInteraction dialogs;
    dialogs.expectMessage(MessageKind::Warning, kCrashWarning, MessageButtons::OkHelp, 123);
    QStringList calls;
    StartupSequence sequence(installation.state, recordingHooks(calls));
    ASSERT_TRUE(sequence.start());
    calls.clear();

    sequence.activated();
    sequence.activated(); // a later activation does not warn again
    EXPECT_EQ(calls, QStringList({ "focusMainWindow", "beep" }));
    EXPECT_EQ(dialogs.shownMessages().size(), 1);
    EXPECT_EQ(markerIn(installation.state.userFolder), ShutdownMarker::kRunning);
}

TEST(StartupSequence, ADataDirectoryThatDoesNotExistFallsBackToTheProgramFolder)
{
    InstallationFixture installation;
    installation.writeSystemOptions(PasswordMode::NotRequired, UsersCount::SingleUser, {},
        PublicAccessRights::AsSpecifiedInAccounts,
        installation.dir.path() + QStringLiteral("/gone"));
    ScriptedInteraction dialogs;
    StartupSequence sequence(installation.state, {});
    ASSERT_TRUE(sequence.start());
    EXPECT_EQ(installation.state.dataDirectory, installation.programFolder);
    EXPECT_TRUE(QFileInfo(installation.path(QStringLiteral("DATA/BACKUP"))).isDir());
    EXPECT_FALSE(QFileInfo::exists(installation.dir.path() + QStringLiteral("/gone")));
}

TEST(StartupSequence, UsesADataDirectoryElsewhere)
{
    InstallationFixture installation;
    const QString shared = installation.dir.path() + QStringLiteral("/shared");
    QDir().mkpath(shared);
    installation.writeSystemOptions(PasswordMode::NotRequired, UsersCount::SingleUser, {},
        PublicAccessRights::AsSpecifiedInAccounts, shared);
    StartupSequence sequence(installation.state, {});
    ASSERT_TRUE(sequence.start());
    EXPECT_EQ(installation.state.userFolder, shared + QStringLiteral("/DATA"));
    EXPECT_TRUE(QFileInfo(shared + QStringLiteral("/DATA/BACKUP")).isDir());
    EXPECT_FALSE(QFileInfo::exists(installation.path(QStringLiteral("DATA"))));
}

TEST(StartupSequence, MultiUserWithoutPasswordsAsksForTheUserIdAndWorksInTheAccountFolder)
{
    InstallationFixture installation;
    installation.writeSystemOptions(PasswordMode::NotRequired, UsersCount::MultiUser);
    installation.writeAccounts(installation.programFolder);
    // The account's own options turn the tips off: they must be read from its folder.
    UserOptionsFile::Record own;
    own.options.displayTips = false;
    test::writeBytes(installation.path(QStringLiteral("data0001/options.dat")),
        UserOptionsFile::encode(own));
    ScriptedLoginPrompt prompt;
    prompt.expectLogin(QStringLiteral("jsmith"), QString());
    QStringList calls;
    StartupSequence sequence(installation.state, recordingHooks(calls));

    ASSERT_TRUE(sequence.start());
    ASSERT_EQ(prompt.shown().size(), 1u);
    EXPECT_EQ(prompt.shown()[0].caption, QStringLiteral("Login"));
    EXPECT_TRUE(prompt.shown()[0].showsUserId);
    EXPECT_FALSE(prompt.shown()[0].showsPassword);
    EXPECT_EQ(installation.state.userFolder, installation.path(QStringLiteral("data0001")));
    EXPECT_FALSE(calls.contains(QStringLiteral("showTips")));
    sequence.activated();
    EXPECT_EQ(markerIn(installation.path(QStringLiteral("data0001"))), ShutdownMarker::kRunning);
}

TEST(StartupSequence, SingleUserAsksForTheSupervisorPasswordOnlyWhenThereIsOne)
{
    InstallationFixture installation;
    installation.writeSystemOptions(PasswordMode::Required, UsersCount::SingleUser);
    {
        ScriptedLoginPrompt prompt; // no login expected
        StartupSequence sequence(installation.state, {});
        EXPECT_TRUE(sequence.start());
        EXPECT_TRUE(installation.state.isSupervisor); // the one user may back up
        EXPECT_EQ(installation.state.userName, QStringLiteral("Supervisor"));
    }

    InstallationFixture guarded;
    guarded.writeSystemOptions(PasswordMode::Required, UsersCount::SingleUser,
        QStringLiteral("boss"));
    ScriptedLoginPrompt prompt;
    prompt.expectLogin(QString(), QStringLiteral("boss"));
    StartupSequence sequence(guarded.state, {});
    ASSERT_TRUE(sequence.start());
    EXPECT_FALSE(prompt.shown()[0].showsUserId);
    EXPECT_TRUE(guarded.state.isSupervisor);
    EXPECT_EQ(guarded.state.userName, QStringLiteral("Supervisor"));
    EXPECT_EQ(guarded.state.userFolder, guarded.path(QStringLiteral("DATA")));
}

struct FailedLoginCase
{
    const char *name;
    const char *userId; // nullptr: the dialog is cancelled
    const char *password;
    const char *message;
    const char *userFolder;
};

const FailedLoginCase kFailedLogins[] = {
    { "Cancelled", nullptr, nullptr, "Incorrect Login!", "DATA" },
    { "WrongPassword", "jsmith", "pw2", "Incorrect Login!", "DATA" },
    { "InactiveAccount", "mjones", "pw2",
        "Your acount has been disactivated! Please, contact the System Supervisor.",
        "data0002" },
};

void PrintTo(const FailedLoginCase &c, std::ostream *os)
{
    *os << c.name;
}

class FailedLoginTest : public ::testing::TestWithParam<FailedLoginCase>
{ };

TEST_P(FailedLoginTest, TellsTheUserAndEndsWithNothingWritten)
{
    const FailedLoginCase &c = GetParam();
    InstallationFixture installation;
    installation.writeSystemOptions(PasswordMode::Required, UsersCount::MultiUser);
    installation.writeAccounts(installation.programFolder);
    QDir().mkpath(installation.path(QStringLiteral("data0002")));
    const QStringList filesBefore = InstallationFixture::filesBelow(installation.programFolder);
    const QByteArray optionsBefore = fileBytes(installation.path(QStringLiteral("options.dat")));

    ScriptedInteraction dialogs;
    dialogs.expectMessage(
        MessageKind::Error, QString::fromLatin1(c.message), MessageButtons::Ok, kNoHelp);
    ScriptedLoginPrompt prompt;
    if (c.userId)
        prompt.expectLogin(QString::fromLatin1(c.userId), QString::fromLatin1(c.password));
    else
        prompt.expectCancel();
    QStringList calls;
    StartupSequence sequence(installation.state, recordingHooks(calls));

    EXPECT_FALSE(sequence.start());
    EXPECT_EQ(installation.state.userFolder, installation.path(QString::fromLatin1(c.userFolder)));
    // The program's exit path runs all the same; it must leave no trace.
    sequence.activated();
    sequence.mainWindowDestroyed();
    sequence.finish();
    EXPECT_EQ(calls, QStringList({ "showSplash", "closeSplash" }));
    EXPECT_EQ(InstallationFixture::filesBelow(installation.programFolder), filesBefore);
    EXPECT_EQ(fileBytes(installation.path(QStringLiteral("options.dat"))), optionsBefore);
    EXPECT_EQ(sequence.phase(), StartupSequence::Phase::LoginFailed);
}

INSTANTIATE_TEST_SUITE_P(Cases, FailedLoginTest, ::testing::ValuesIn(kFailedLogins),
    [](const auto &info) { return std::string(info.param.name); });

TEST(PublicFolderSetup, ADataDirectoryThatCannotBeEnteredFallsBackWithAWarning)
{
    InstallationFixture installation;
    AppState &state = installation.state;
    // Gone since the options were read, or a file where the folder should be.
    for (const QString &name : { QStringLiteral("removed"), QStringLiteral("plainfile") }) {
        state.setProgramFolder(installation.programFolder);
        state.dataDirectory = installation.dir.path() + QLatin1Char('/') + name;
        state.userFolder = state.databaseFolder = state.publicFolder();
        if (name == QStringLiteral("plainfile"))
            test::writeBytes(state.dataDirectory, "x");
        ScriptedInteraction dialogs;
        dialogs.expectMessage(MessageKind::Warning,
            PublicFolderSetup::dataDirectoryMissingText(state.dataDirectory), MessageButtons::Ok,
            kNoHelp);

        PublicFolderSetup::ensure(state);
        EXPECT_EQ(state.dataDirectory, installation.programFolder);
        EXPECT_EQ(state.userFolder, installation.path(QStringLiteral("DATA")));
        EXPECT_EQ(state.databaseFolder, state.userFolder);
        EXPECT_TRUE(QFileInfo(installation.path(QStringLiteral("DATA/BACKUP"))).isDir());
    }
    EXPECT_TRUE(PublicFolderSetup::dataDirectoryMissingText(QStringLiteral("/x/y"))
                    .startsWith(QStringLiteral("Could not open the Data Directory ")));
}

TEST(PublicFolderSetup, ReportsABackupFolderThatCannotBeMadeAndGoesOn)
{
    InstallationFixture installation;
    // A file named BACKUP stands where the folder must go.
    test::writeBytes(installation.path(QStringLiteral("DATA/BACKUP")), "x");
    ScriptedInteraction dialogs;
    dialogs.expectMessage(MessageKind::Warning, QStringLiteral("Could not Create Data Directory!"),
        MessageButtons::Ok, kNoHelp);
    StartupSequence sequence(installation.state, {});
    EXPECT_TRUE(sequence.start());
    EXPECT_EQ(installation.state.userFolder, installation.path(QStringLiteral("DATA")));
}

TEST(PublicFolderSetup, LeavesExistingFoldersAndTheirFilesAlone)
{
    InstallationFixture installation;
    test::writeBytes(installation.path(QStringLiteral("DATA/BACKUP/data.dbf")), "keep");
    ScriptedInteraction dialogs;
    PublicFolderSetup::ensure(installation.state);
    EXPECT_EQ(fileBytes(installation.path(QStringLiteral("DATA/BACKUP/data.dbf"))), "keep");
}

} // namespace
} // namespace zendrova
