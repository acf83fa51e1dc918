#include "support/InstallationFixture.h"
#include "support/MainWindowCloser.h"
#include "support/ScriptedInteraction.h"
#include "support/WidgetLookup.h"

#include "shell/ShutdownMarker.h"
#include "shell/ui/ProgramWindows.h"
#include "shell/ui/TAboutBox.h"
#include "shell/ui/TMainDlg.h"

#include <QApplication>
#include <QLabel>
#include <QMainWindow>
#include <QPushButton>
#include <QRegularExpression>
#include <QSignalSpy>
#include <QTest>
#include <gtest/gtest.h>

namespace zendrova {
namespace {

using test::child;
using test::InstallationFixture;
using test::kNoHelp;
using test::topLevel;

TEST(TAboutBoxWidget, TheSplashSaysWelcomeWithoutOkOrAnimation)
{
    AppState state(QStringLiteral("/nowhere"));
    TAboutBox splash(state, TAboutBox::Use::Splash);
    splash.showAsSplash();
    EXPECT_TRUE(splash.isVisible());
    EXPECT_EQ(splash.windowTitle(), QStringLiteral("Welcome"));
    EXPECT_TRUE(splash.windowFlags() & Qt::FramelessWindowHint);
    EXPECT_FALSE(child<QPushButton>(splash, "OKButton")->isVisible());
    EXPECT_EQ(child<QLabel>(splash, "ProductName")->text(), QStringLiteral("Zendrova"));
    EXPECT_EQ(child<QLabel>(splash, "Version")->text(),
        sizeof(void *) == 8 ? QStringLiteral("Version 2.0 (64-bit)")
                            : QStringLiteral("Version 2.0 (32-bit)"));
    const QSize full = QPixmap(QStringLiteral(":/icons/zendrova.png")).size();
    ASSERT_GT(full.width(), 1);
    EXPECT_EQ(splash.shownIconSize(), full);
}

TEST(TAboutBoxWidget, FromTheMenuTheIconGrowsToItsSizeAndOkCloses)
{
    AppState state(QStringLiteral("/nowhere"));
    TAboutBox about(state, TAboutBox::Use::About);
    EXPECT_EQ(about.windowTitle(), QStringLiteral("About"));
    EXPECT_EQ(about.shownIconSize(), QSize(1, 1));
    about.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&about));
    const QSize full = QPixmap(QStringLiteral(":/icons/zendrova.png")).size();
    // 20 ms per pixel: the limit leaves room for a busy machine.
    EXPECT_TRUE(QTest::qWaitFor([&] { return about.shownIconSize() == full; }, 10000))
        << "the icon stopped at width " << about.shownIconSize().width();

    auto *ok = child<QPushButton>(about, "OKButton");
    EXPECT_TRUE(ok->isVisible());
    QTest::mouseClick(ok, Qt::LeftButton);
    EXPECT_FALSE(about.isVisible());
    EXPECT_EQ(about.result(), QDialog::Accepted);
}

TEST(TMainDlgWidget, IsNeverUsableAndReportsItsClose)
{
    TMainDlg owner;
    EXPECT_EQ(owner.objectName(), QStringLiteral("MainDlg"));
    EXPECT_FALSE(owner.isEnabled());
    EXPECT_EQ(owner.y(), -100);
    QSignalSpy closed(&owner, &TMainDlg::closed);
    owner.close();
    EXPECT_EQ(closed.count(), 1);
}

// The whole run in windows: splash, main window, closing it.
struct ProgramRunTest : ::testing::Test
{
    void SetUp() override
    {
        QApplication::setQuitOnLastWindowClosed(false);
        // The main window opens the database: the program folder needs its templates.
        InstallationFixture::copyShippedTemplates(installation.programFolder);
    }
    void TearDown() override { QApplication::setQuitOnLastWindowClosed(true); }

    // What was up when the main window showed.
    std::function<void(QWidget &)> noteWhatWasUp()
    {
        return [this](QWidget &main) {
            mainWindowTitle = main.windowTitle();
            splashStillUp = topLevel(QStringLiteral("AboutBox")) != nullptr;
        };
    }

    InstallationFixture installation;
    QString mainWindowTitle;
    bool splashStillUp = true;
    // A public folder that exists but holds no record table.
    const QString newDatabaseText
        = QStringLiteral("Could not Open the database! A new database will be created.");
};

TEST_F(ProgramRunTest, ClosingTheMainWindowEndsTheRunCleanly)
{
    // A fresh installation: the run makes the public folder and its first
    // database without a word.
    test::ScriptedInteraction dialogs;
    ProgramWindows windows(installation.state);
    test::MainWindowCloser closer(noteWhatWasUp());
    EXPECT_EQ(windows.run(), 0);

    EXPECT_TRUE(dialogs.shownMessages().isEmpty());
    EXPECT_EQ(mainWindowTitle, QStringLiteral("Zendrova - Database: data.dbf"));
    EXPECT_FALSE(splashStillUp);
    EXPECT_EQ(windows.sequence().phase(), StartupSequence::Phase::Ended);
    EXPECT_EQ(test::fileBytes(installation.path(QStringLiteral("DATA/shut.dat"))),
        ShutdownMarker::kClean);
    EXPECT_TRUE(QFileInfo::exists(installation.path(QStringLiteral("options.dat"))));
}

TEST_F(ProgramRunTest, AfterACrashTheWarningComesOnceTheWindowIsUp)
{
    test::writeBytes(installation.path(QStringLiteral("DATA/shut.dat")), ShutdownMarker::kRunning);
    test::ScriptedInteraction dialogs;
    dialogs.expectMessage(MessageKind::Warning, newDatabaseText, MessageButtons::Ok, kNoHelp);
    dialogs.expectMessage(MessageKind::Warning,
        QStringLiteral("Zendrova was not Closed normally!\rIt is STRONGLY recommended that you "
                       "Restore the last used database from your backup. For more information "
                       "click on Help."),
        MessageButtons::OkHelp, 123);
    ProgramWindows windows(installation.state);
    test::MainWindowCloser closer(noteWhatWasUp());
    EXPECT_EQ(windows.run(), 0);
    EXPECT_EQ(dialogs.shownMessages().size(), 2);
    EXPECT_EQ(test::fileBytes(installation.path(QStringLiteral("DATA/shut.dat"))),
        ShutdownMarker::kClean);
}

TEST_F(ProgramRunTest, AFailedLoginEndsBeforeAnyWindow)
{
    installation.writeSystemOptions(PasswordMode::NotRequired, UsersCount::MultiUser);
    test::ScriptedInteraction dialogs;
    dialogs.expectMessage(
        MessageKind::Error, QStringLiteral("Incorrect Login!"), MessageButtons::Ok, kNoHelp);
    ProgramWindows windows(installation.state); // the default login prompt cancels
    EXPECT_EQ(windows.run(), 1);
    EXPECT_EQ(topLevel(QStringLiteral("Form3")), nullptr);
    EXPECT_FALSE(QFileInfo::exists(installation.path(QStringLiteral("DATA/shut.dat"))));
}

} // namespace
} // namespace zendrova
