#include "support/InstallationFixture.h"
#include "support/MainWindowCloser.h"
#include "support/ScopedEnvironment.h"
#include "support/ScriptedInteraction.h"
#include "support/WidgetLookup.h"

#include "common/AppState.h"
#include "shell/UserDataFolder.h"
#include "shell/ui/ProgramEntry.h"
#include "store/RecordEditor.h"
#include "store/RecordStore.h"

#include <QApplication>
#include <gtest/gtest.h>

namespace zendrova {
namespace {

using test::InstallationFixture;
using test::ScopedEnvironment;
using test::topLevel;

constexpr int kCardNamePosition = 2;

// The program as installed: the build's templates in an installation folder
// ("build/bin"), the user's files in $HOME/.local/share/zendrova.
class InstalledRunTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        QApplication::setQuitOnLastWindowClosed(false);
        InstallationFixture::copyShippedTemplates(install);
        shipped = InstallationFixture::filesBelow(install);
    }
    void TearDown() override
    {
        QApplication::setQuitOnLastWindowClosed(true);
        QDir::setCurrent(workingFolder);
    }

    // One start of the program; its main window is closed once it shows.
    int runOnce()
    {
        test::MainWindowCloser closer;
        return runInstalledProgram(install);
    }

    // The current database as the next start would open it.
    void withStore(const std::function<void(RecordStore &)> &use)
    {
        AppState state;
        ASSERT_TRUE(UserDataFolder::settle(state, install));
        RecordStore store(state);
        ASSERT_TRUE(store.openDatabase());
        use(store);
        store.closeAll();
    }

    QTemporaryDir dir;
    const QString install = dir.path() + QStringLiteral("/build/bin");
    const QString dataFolder = dir.path() + QStringLiteral("/home/.local/share/zendrova");
    const ScopedEnvironment home { "HOME", (dir.path() + QStringLiteral("/home")).toLocal8Bit() };
    const ScopedEnvironment xdgDataHome { "XDG_DATA_HOME", std::nullopt };
    const QString workingFolder = QDir::currentPath();
    QStringList shipped;
    test::ScriptedInteraction dialogs;
};

TEST_F(InstalledRunTest, ACardSurvivesReplacingTheInstallation)
{
    // The first start is a fresh installation: it starts without a message.
    ASSERT_EQ(runOnce(), 0);
    EXPECT_EQ(InstallationFixture::filesBelow(install), shipped);
    for (const char *file : { "options.dat", "DATA/data.dbf", "DATA/master.dbf", "DATA/shut.dat" })
        EXPECT_TRUE(QFileInfo::exists(dataFolder + '/' + file)) << file;
    EXPECT_TRUE(QFileInfo(dataFolder + QStringLiteral("/DATA/BACKUP")).isDir());

    withStore([](RecordStore &store) {
        RecordEditor(store.recordTable()).append();
        RecordEditor(store.recordTable()).setText(kCardNamePosition, QStringLiteral("Willie Mays"));
        RecordEditor(store.recordTable()).post();
    });

    // A clean rebuild: the installation goes and comes back from the build.
    ASSERT_TRUE(QDir(dir.path() + QStringLiteral("/build")).removeRecursively());
    InstallationFixture::copyShippedTemplates(install);
    ASSERT_EQ(runOnce(), 0);
    EXPECT_TRUE(dialogs.shownMessages().isEmpty());
    EXPECT_EQ(InstallationFixture::filesBelow(install), shipped);

    withStore([](RecordStore &store) {
        ASSERT_EQ(store.recordTable().recordCount(), 1);
        store.recordTable().first();
        EXPECT_EQ(store.recordTable().text(kCardNamePosition), QStringLiteral("Willie Mays"));
    });
}

TEST_F(InstalledRunTest, WithoutADataFolderTheRunEndsBeforeAnyWindow)
{
    test::writeBytes(dir.path() + QStringLiteral("/home/.local"), "a file, not a folder");
    dialogs.expectMessage(MessageKind::Error, UserDataFolder::createFailedText(dataFolder),
        MessageButtons::Ok, test::kNoHelp);
    EXPECT_EQ(runInstalledProgram(install), 1);
    EXPECT_TRUE(dialogs.allConsumed());
    EXPECT_EQ(topLevel(QStringLiteral("AboutBox")), nullptr);
    EXPECT_EQ(InstallationFixture::filesBelow(install), shipped);
}

} // namespace
} // namespace zendrova
