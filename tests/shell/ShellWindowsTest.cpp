#include "InstallationFixture.h"
#include "support/ScriptedInteraction.h"

#include "shell/HelpTopics.h"
#include "shell/LoginForm.h"
#include "shell/ShutdownMarker.h"
#include "shell/ui/HelpViewer.h"
#include "shell/ui/ProgramWindows.h"
#include "shell/ui/TAboutBox.h"
#include "shell/ui/TLoginDlg.h"
#include "shell/ui/TMainDlg.h"
#include "shell/ui/WidgetInteraction.h"

#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <QMainWindow>
#include <QMessageBox>
#include <QPushButton>
#include <QRegularExpression>
#include <QSignalSpy>
#include <QTest>
#include <QTextBrowser>
#include <QTimer>
#include <gtest/gtest.h>

namespace zendrova {
namespace {

using test::InstallationFixture;

template <typename T> T *child(QWidget &parent, const char *name)
{
    T *found = parent.findChild<T *>(QString::fromLatin1(name));
    EXPECT_NE(found, nullptr) << name;
    return found;
}

QWidget *topLevel(const QString &objectName)
{
    for (QWidget *w : QApplication::topLevelWidgets()) {
        if (w->objectName() == objectName && w->isVisible())
            return w;
    }
    return nullptr;
}

// A multi-user installation with the accounts of the fixture.
struct LoginDialogTest : ::testing::Test
{
    void SetUp() override { installation.writeAccounts(installation.state.dataDirectory); }
    // Shows the dialog for the given installation settings.
    TLoginDlg &showDialog(
        PasswordMode mode, UsersCount count, LoginForm::Purpose purpose = LoginForm::Purpose::Login)
    {
        installation.state.systemOptions = { mode, {}, count };
        installation.state.supervisorPassword = QStringLiteral("boss");
        form = std::make_unique<LoginForm>(installation.state, purpose);
        dialog = std::make_unique<TLoginDlg>(*form);
        dialog->show();
        EXPECT_TRUE(QTest::qWaitForWindowExposed(dialog.get()));
        return *dialog;
    }

    InstallationFixture installation;
    std::unique_ptr<LoginForm> form;
    std::unique_ptr<TLoginDlg> dialog;
};

TEST_F(LoginDialogTest, MultiUserWithoutPasswordsAsksOnlyForTheUserId)
{
    TLoginDlg &dialog = showDialog(PasswordMode::NotRequired, UsersCount::MultiUser);

    EXPECT_EQ(dialog.windowTitle(), QStringLiteral("Login"));
    EXPECT_EQ(child<QLabel>(dialog, "Label1")->text(), QStringLiteral("User ID:"));
    auto *userId = child<QLineEdit>(dialog, "UserID_Ed");
    EXPECT_TRUE(userId->isVisible());
    EXPECT_FALSE(child<QLineEdit>(dialog, "Password_Ed")->isVisible());
    EXPECT_FALSE(child<QLabel>(dialog, "Label2")->isVisible());
    EXPECT_EQ(dialog.focusWidget(), userId);
    EXPECT_EQ(child<QPushButton>(dialog, "OKBtn")->text(), QStringLiteral("&OK"));
    EXPECT_EQ(child<QPushButton>(dialog, "CancelBtn")->text(), QStringLiteral("&Cancel"));

    QTest::keyClicks(userId, QStringLiteral("jsmith"));
    QTest::mouseClick(child<QPushButton>(dialog, "OKBtn"), Qt::LeftButton);
    EXPECT_EQ(dialog.result(), QDialog::Accepted);
    EXPECT_EQ(dialog.outcome().result, LoginResult::LoggedIn);
    EXPECT_EQ(dialog.outcome().userFolder, installation.path(QStringLiteral("data0001")));
}

TEST_F(LoginDialogTest, SingleUserAsksForTheSupervisorPasswordOnly)
{
    TLoginDlg &dialog = showDialog(PasswordMode::Required, UsersCount::SingleUser);

    auto *userId = child<QLineEdit>(dialog, "UserID_Ed");
    auto *password = child<QLineEdit>(dialog, "Password_Ed");
    EXPECT_FALSE(userId->isVisible());
    EXPECT_FALSE(child<QLabel>(dialog, "Label1")->isVisible());
    EXPECT_EQ(userId->text(), QStringLiteral("Supervisor"));
    EXPECT_EQ(child<QLabel>(dialog, "Label2")->text(), QStringLiteral("Password:"));
    EXPECT_EQ(password->echoMode(), QLineEdit::Password);
    EXPECT_EQ(dialog.focusWidget(), password);

    QTest::keyClicks(password, QStringLiteral("boss"));
    QTest::keyClick(password, Qt::Key_Return); // OK is the default button
    EXPECT_EQ(dialog.outcome().result, LoginResult::LoggedIn);
    EXPECT_TRUE(dialog.outcome().isSupervisor);
}

TEST_F(LoginDialogTest, EditsTakeTenCharactersAndCancelFailsTheLogin)
{
    TLoginDlg &dialog = showDialog(
        PasswordMode::Required, UsersCount::MultiUser, LoginForm::Purpose::SecurityCheck);
    EXPECT_EQ(dialog.windowTitle(), QStringLiteral("Security Check"));

    auto *userId = child<QLineEdit>(dialog, "UserID_Ed");
    auto *password = child<QLineEdit>(dialog, "Password_Ed");
    QTest::keyClicks(userId, QStringLiteral("jsmith12345678"));
    QTest::keyClicks(password, QStringLiteral("pw1pw1pw1pw1"));
    EXPECT_EQ(userId->text(), QStringLiteral("jsmith1234"));
    EXPECT_EQ(password->text(), QStringLiteral("pw1pw1pw1p"));

    userId->setText(QStringLiteral("jsmith"));
    password->setText(QStringLiteral("pw1"));
    QTest::mouseClick(child<QPushButton>(dialog, "CancelBtn"), Qt::LeftButton);
    EXPECT_EQ(dialog.result(), QDialog::Rejected);
    EXPECT_EQ(dialog.outcome().result, LoginResult::Failed);
}

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
    EXPECT_EQ(child<QLabel>(splash, "Version")->text(), QStringLiteral("Version 2.0 (32-bit)"));
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
    // 20 ms per pixel: well within the limit even on a busy machine.
    for (int i = 0; i < 200 && about.shownIconSize() != full; ++i)
        QTest::qWait(25);
    EXPECT_EQ(about.shownIconSize(), full);

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

TEST(HelpViewerWidget, OpensThePageOfAContextAndTheContentsForAnUnknownOne)
{
    WidgetInteraction dialogs;
    dialogs.showHelp(123);
    auto *viewer = topLevel(QStringLiteral("HelpViewer"));
    ASSERT_NE(viewer, nullptr);
    auto *text = child<QTextBrowser>(*viewer, "HelpText");
    EXPECT_EQ(text->source(), QUrl(QStringLiteral("qrc:/help/topic123.html")));
    EXPECT_TRUE(text->toPlainText().contains(QStringLiteral("Restore")));

    dialogs.showHelp(9999);
    EXPECT_EQ(topLevel(QStringLiteral("HelpViewer")), viewer); // the same window
    EXPECT_EQ(text->source(), QUrl(HelpTopics::kContentsPage));
    viewer->close();
}

TEST(HelpViewerWidget, TheHelpButtonOfAMessageShowsItsTopicAndReturnsToTheMessage)
{
    // Acts as the user on whatever is modal: Help on the box, close the help
    // window, then OK on the box that came back.
    QStringList seen;
    QTimer user;
    user.setInterval(20);
    QObject::connect(&user, &QTimer::timeout, [&] {
        QWidget *modal = QApplication::activeModalWidget();
        if (auto *box = qobject_cast<QMessageBox *>(modal)) {
            const bool helpSeen = !seen.isEmpty();
            seen << QStringLiteral("box");
            box->button(helpSeen ? QMessageBox::Ok : QMessageBox::Help)->click();
        } else if (auto *viewer = qobject_cast<HelpViewer *>(modal)) {
            seen << viewer->findChild<QTextBrowser *>(QStringLiteral("HelpText"))
                        ->source()
                        .fileName();
            viewer->reject();
        }
    });
    user.start();
    WidgetInteraction dialogs;
    const Answer answer = dialogs.message(
        MessageKind::Warning, QStringLiteral("Look it up"), MessageButtons::OkHelp, 123);
    EXPECT_EQ(answer, Answer::Ok);
    EXPECT_EQ(seen, QStringList({ "box", "topic123.html", "box" }));
}

TEST(HelpTopicsPages, EveryContextHasItsOwnPageReachableFromTheContents)
{
    HelpViewer viewer;
    auto *text = child<QTextBrowser>(viewer, "HelpText");
    text->setSource(QUrl(HelpTopics::kContentsPage));
    const QString contents = text->toHtml();
    for (int context : HelpTopics::knownContexts()) {
        SCOPED_TRACE(context);
        ASSERT_TRUE(HelpTopics::hasPage(context));
        const QString page = QStringLiteral("topic%1.html").arg(context);
        EXPECT_TRUE(contents.contains(page));
        viewer.showTopic(context);
        EXPECT_EQ(text->source().fileName(), page);
        EXPECT_FALSE(text->documentTitle().isEmpty());
    }
    EXPECT_FALSE(HelpTopics::hasPage(0));
    EXPECT_EQ(HelpTopics::pageFor(2), HelpTopics::kContentsPage);
}

// The whole run in windows: splash, main window, closing it.
struct ProgramRunTest : ::testing::Test
{
    void SetUp() override
    {
        QApplication::setQuitOnLastWindowClosed(false);
        // The main window opens the database: the program folder needs its templates.
        const QDir templates(QStringLiteral(ZENDROVA_BIN_DIR));
        for (const QString &name : templates.entryList({ QStringLiteral("*.dbf"),
                 QStringLiteral("*.dbt"), QStringLiteral("*.mdx"), QStringLiteral("*.MDX") }))
            QFile::copy(templates.filePath(name), installation.path(name));
    }
    void TearDown() override { QApplication::setQuitOnLastWindowClosed(true); }

    // Closes the main window once the loop has shown it, noting what was up.
    void closeMainWindowSoon()
    {
        QTimer::singleShot(50, [this] {
            QWidget *main = topLevel(QStringLiteral("Form3"));
            mainWindowTitle = main ? main->windowTitle() : QString();
            splashStillUp = topLevel(QStringLiteral("AboutBox")) != nullptr;
            if (main)
                main->close();
            else
                QCoreApplication::quit();
        });
    }

    InstallationFixture installation;
    QString mainWindowTitle;
    bool splashStillUp = true;
    // The first run finds no record table in the public folder.
    const QString newDatabaseText
        = QStringLiteral("Could not Open the database! A new database will be created.");
};

TEST_F(ProgramRunTest, ClosingTheMainWindowEndsTheRunCleanly)
{
    test::ScriptedInteraction dialogs;
    dialogs.expectMessage(newDatabaseText);
    ProgramWindows windows(installation.state);
    closeMainWindowSoon();
    EXPECT_EQ(windows.run(), 0);

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
    dialogs.expectMessage(newDatabaseText);
    dialogs.expectMessage(QStringLiteral(
        "Zendrova was not Closed normally!\rIt is STRONGLY recommended that you Restore the last "
        "used database from your backup. For more information click on Help."));
    ProgramWindows windows(installation.state);
    closeMainWindowSoon();
    EXPECT_EQ(windows.run(), 0);
    EXPECT_EQ(dialogs.shownMessages().size(), 2);
    EXPECT_EQ(test::fileBytes(installation.path(QStringLiteral("DATA/shut.dat"))),
        ShutdownMarker::kClean);
}

TEST_F(ProgramRunTest, AFailedLoginEndsBeforeAnyWindow)
{
    installation.writeSystemOptions(PasswordMode::NotRequired, UsersCount::MultiUser);
    test::ScriptedInteraction dialogs;
    dialogs.expectMessage(QStringLiteral("Incorrect Login!"));
    ProgramWindows windows(installation.state); // the default login prompt cancels
    EXPECT_EQ(windows.run(), 1);
    EXPECT_EQ(topLevel(QStringLiteral("Form3")), nullptr);
    EXPECT_FALSE(QFileInfo::exists(installation.path(QStringLiteral("DATA/shut.dat"))));
}

} // namespace
} // namespace zendrova
