#include "support/ScopedEnvironment.h"
#include "support/ScriptedInteraction.h"
#include "support/SettingsFixtures.h"

#include "common/AppState.h"
#include "shell/UserDataFolder.h"

#include <QFileInfo>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace zendrova {
namespace {

using test::ScopedEnvironment;
using test::ScriptedInteraction;

TEST(UserDataFolder, FollowsXdgDataHomeElseTheHomeFolder)
{
    struct Case {
        std::optional<QByteArray> xdgDataHome;
        const char *expected;
    };
    const Case cases[] = {
        { "/srv/xdg", "/srv/xdg/zendrova" },
        { "/srv/xdg//", "/srv/xdg/zendrova" },
        { std::nullopt, "/home/ann/.local/share/zendrova" },
        { "", "/home/ann/.local/share/zendrova" },
        // Relative values are not valid base directories.
        { "xdg/data", "/home/ann/.local/share/zendrova" },
    };
    const ScopedEnvironment home("HOME", "/home/ann");
    for (const Case &c : cases) {
        const ScopedEnvironment xdg("XDG_DATA_HOME", c.xdgDataHome);
        EXPECT_EQ(UserDataFolder::locate().toStdString(), c.expected)
            << (c.xdgDataHome ? c.xdgDataHome->toStdString() : "(unset)");
    }
}

TEST(UserDataFolder, SettlesTheStateInANewOwnerOnlyFolder)
{
    QTemporaryDir dir;
    const ScopedEnvironment xdg("XDG_DATA_HOME", (dir.path() + "/share/deeper").toLocal8Bit());
    ScriptedInteraction dialogs; // no message expected
    AppState state;
    ASSERT_TRUE(UserDataFolder::settle(state, QStringLiteral("/opt/zendrova/bin/")));

    const QString folder = dir.path() + QStringLiteral("/share/deeper/zendrova");
    EXPECT_EQ(state.programFolder, folder);
    EXPECT_EQ(state.dataDirectory, folder);
    EXPECT_EQ(state.databaseFolder, folder + QStringLiteral("/DATA"));
    EXPECT_EQ(state.installFolder, QStringLiteral("/opt/zendrova/bin"));
    const QFile::Permissions others = QFile::ReadGroup | QFile::WriteGroup | QFile::ExeGroup
        | QFile::ReadOther | QFile::WriteOther | QFile::ExeOther;
    EXPECT_EQ(QFileInfo(folder).permissions() & others, QFile::Permissions());

    // A second start finds it.
    AppState again;
    EXPECT_TRUE(UserDataFolder::settle(again, QStringLiteral("/opt/zendrova/bin")));
    EXPECT_EQ(again.programFolder, folder);
}

TEST(UserDataFolder, AFolderThatCannotBeCreatedIsReported)
{
    QTemporaryDir dir;
    // Below a plain file nothing can be created, whoever runs the test.
    test::writeBytes(dir.path() + QStringLiteral("/share"), "not a folder");
    const ScopedEnvironment xdg("XDG_DATA_HOME", (dir.path() + "/share").toLocal8Bit());
    const QString folder = dir.path() + QStringLiteral("/share/zendrova");
    ScriptedInteraction dialogs;
    dialogs.expectMessage(MessageKind::Error,
        "Could not create the folder for your settings and databases:\r" + folder,
        MessageButtons::Ok, test::kNoHelp);
    AppState state;
    EXPECT_FALSE(UserDataFolder::settle(state, QStringLiteral("/opt/zendrova")));
    EXPECT_TRUE(dialogs.allConsumed());
    EXPECT_TRUE(state.programFolder.isEmpty());
}

} // namespace
} // namespace zendrova
