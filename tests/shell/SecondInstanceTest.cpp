// Two runs of the program for the same user at once: the first is the real
// program in a process of its own, the second runs here under the test.
#include "support/InstallationFixture.h"
#include "support/MainWindowCloser.h"
#include "support/ScopedEnvironment.h"
#include "support/ScriptedInteraction.h"

#include "common/UserOptionsFile.h"
#include "shell/ShutdownMarker.h"
#include "shell/ui/ProgramEntry.h"

#include <QApplication>
#include <QProcess>
#include <QTest>
#include <gtest/gtest.h>

namespace zendrova {
namespace {

using test::InstallationFixture;
using test::ScopedEnvironment;

const QString kCrashWarning
    = QStringLiteral("Zendrova was not Closed normally!\rIt is STRONGLY recommended that you "
                     "Restore the last used database from your backup. For more information "
                     "click on Help.");

class SecondInstanceTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        QApplication::setQuitOnLastWindowClosed(false);
        InstallationFixture::copyShippedTemplates(install);
        // The program started beside the tests has no one to close its
        // start-up tips: a run of its own makes the user's folders and
        // database, then the tips are turned off.
        {
            test::ScriptedInteraction dialogs;
            ASSERT_EQ(runHere(), 0);
        }
        const QString optionsFile = dataFolder + QStringLiteral("/DATA/options.dat");
        std::optional<UserOptionsFile::Record> options
            = UserOptionsFile::decode(test::fileBytes(optionsFile), UserOptions());
        ASSERT_TRUE(options);
        options->options.displayTips = false;
        test::writeBytes(optionsFile, UserOptionsFile::encode(*options));
    }
    void TearDown() override
    {
        if (first.state() != QProcess::NotRunning) {
            first.kill();
            first.waitForFinished();
        }
        QApplication::setQuitOnLastWindowClosed(true);
        QDir::setCurrent(workingFolder);
    }

    // The program as built, for the same user, headless.
    void startFirstRun()
    {
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        environment.insert(QStringLiteral("HOME"), home);
        environment.remove(QStringLiteral("XDG_DATA_HOME"));
        environment.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
        first.setProcessEnvironment(environment);
        first.setProcessChannelMode(QProcess::ForwardedErrorChannel);
        first.start(QStringLiteral(ZENDROVA_BIN_DIR "/zendrova"), {});
        ASSERT_TRUE(first.waitForStarted());
        // Up once its run is marked as running.
        ASSERT_TRUE(QTest::qWaitFor([this] { return marker() == ShutdownMarker::kRunning; }, 30000))
            << "the first run never came up";
    }

    int runHere()
    {
        test::MainWindowCloser closer;
        return runInstalledProgram(install);
    }

    QByteArray marker() const
    {
        QFile file(dataFolder + QStringLiteral("/DATA/shut.dat"));
        return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
    }

    QTemporaryDir dir;
    const QString install = dir.path() + QStringLiteral("/bin");
    const QString home = dir.path() + QStringLiteral("/home");
    const QString dataFolder = home + QStringLiteral("/.local/share/zendrova");
    const ScopedEnvironment homeVariable { "HOME", home.toLocal8Bit() };
    const ScopedEnvironment xdgDataHome { "XDG_DATA_HOME", std::nullopt };
    const QString workingFolder = QDir::currentPath();
    QProcess first;
};

TEST_F(SecondInstanceTest, ARunningFirstInstanceIsNoCrashButAKilledOneIs)
{
    startFirstRun();
    {
        // The first run's "#10*" is in the marker, yet it is alive.
        test::ScriptedInteraction dialogs;
        ASSERT_EQ(runHere(), 0);
        EXPECT_TRUE(dialogs.shownMessages().isEmpty());
    }
    // This run ended cleanly, but the first one still runs.
    EXPECT_EQ(marker(), ShutdownMarker::kRunning);

    first.kill(); // SIGKILL: no exit step runs
    ASSERT_TRUE(first.waitForFinished());
    {
        test::ScriptedInteraction dialogs;
        dialogs.expectMessage(MessageKind::Warning, kCrashWarning, MessageButtons::OkHelp, 123);
        ASSERT_EQ(runHere(), 0);
        EXPECT_TRUE(dialogs.allConsumed());
    }
    EXPECT_EQ(marker(), ShutdownMarker::kClean);

    // Warned once: the next start is quiet.
    test::ScriptedInteraction dialogs;
    ASSERT_EQ(runHere(), 0);
    EXPECT_TRUE(dialogs.shownMessages().isEmpty());
}

TEST_F(SecondInstanceTest, ARunKilledWhileAnotherRunsIsStillReported)
{
    const QDir data(dataFolder + QStringLiteral("/DATA"));
    const auto runFiles = [&] { return data.entryList({ QStringLiteral("shut-*.run") }).size(); };
    {
        // While this run is up, the program starts a second time and is killed.
        test::ScriptedInteraction dialogs;
        test::MainWindowCloser closer([&](QWidget &) {
            startFirstRun();
            EXPECT_TRUE(QTest::qWaitFor([&] { return runFiles() == 2; }, 30000));
            first.kill();
            EXPECT_TRUE(first.waitForFinished());
        });
        ASSERT_EQ(runInstalledProgram(install), 0);
        EXPECT_TRUE(dialogs.shownMessages().isEmpty());
    }
    // This run closed normally, the other did not: the marker says so.
    EXPECT_EQ(marker(), ShutdownMarker::kRunning);

    test::ScriptedInteraction dialogs;
    dialogs.expectMessage(MessageKind::Warning, kCrashWarning, MessageButtons::OkHelp, 123);
    ASSERT_EQ(runHere(), 0);
    EXPECT_TRUE(dialogs.allConsumed());
    EXPECT_EQ(runFiles(), 0);
    EXPECT_EQ(marker(), ShutdownMarker::kClean);
}

} // namespace
} // namespace zendrova
