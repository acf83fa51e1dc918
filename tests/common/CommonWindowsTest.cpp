#include "support/InstallationFixture.h"
#include "support/ScriptedInteraction.h"
#include "support/WidgetLookup.h"

#include "common/HelpTopics.h"
#include "common/LoginForm.h"
#include "common/ui/HelpViewer.h"
#include "common/ui/TDirBrowseDlg.h"
#include "common/ui/TLoginDlg.h"
#include "common/ui/TPercentDlg.h"
#include "common/ui/WidgetInteraction.h"

#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <QMainWindow>
#include <QScreen>
#include <QMessageBox>
#include <QPushButton>
#include <QTest>
#include <QTextBrowser>
#include <QTemporaryDir>
#include <QTimer>
#include <gtest/gtest.h>

namespace zendrova {
namespace {

using test::child;
using test::InstallationFixture;
using test::topLevel;
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

TEST(FolderBrowser, TakesATypedFolderThatDoesNotExistYet)
{
    QTemporaryDir dir;
    TDirBrowseDlg browser(QString(), dir.path());
    browser.show();
    auto *path = child<QLineEdit>(browser, "DirEdit");
    EXPECT_EQ(browser.focusWidget(), path);
    EXPECT_EQ(path->text(), QDir::toNativeSeparators(dir.path()));
    path->selectAll();
    QTest::keyClicks(path, dir.path() + QStringLiteral("/new/cards"));
    QTest::mouseClick(child<QPushButton>(browser, "OKBtn"), Qt::LeftButton);
    EXPECT_EQ(browser.result(), QDialog::Accepted);
    EXPECT_EQ(browser.folder(), dir.path() + QStringLiteral("/new/cards"));
    EXPECT_FALSE(QFileInfo::exists(dir.path() + QStringLiteral("/new")))
        << "the browser only names it; its caller asks before making it";
}

TEST(WidgetInteractionPlacement, MessagesAndProgressSitOverTheProgramWindowWithTheirWholeTitle)
{
    // The program window away from the screen's centre, and not the active one
    // (the window manager may have given the focus elsewhere).
    QMainWindow main;
    main.setGeometry(460, 330, 300, 200);
    main.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&main));
    const QRect over = main.frameGeometry();
    ASSERT_FALSE(over.contains(main.screen()->geometry().center()));

    struct Seen
    {
        QRect geometry;
        QString title;
    };
    QList<Seen> seen;
    QTimer user;
    user.setInterval(20);
    QObject::connect(&user, &QTimer::timeout, [&] {
        if (auto *box = qobject_cast<QMessageBox *>(QApplication::activeModalWidget())) {
            seen.append({ box->frameGeometry(), box->windowTitle() });
            box->button(box->buttons().first() == box->button(QMessageBox::Yes) ? QMessageBox::Yes
                                                                                : QMessageBox::Ok)
                ->click();
        }
    });
    user.start();
    WidgetInteraction dialogs;
    for (const MessageKind kind : { MessageKind::Information, MessageKind::Confirmation }) {
        QApplication::setActiveWindow(nullptr);
        dialogs.message(kind, QStringLiteral("Text Not Found!"),
            kind == MessageKind::Confirmation ? MessageButtons::YesNo : MessageButtons::Ok, 0);
    }
    ASSERT_EQ(seen.size(), 2);
    for (const Seen &box : seen) {
        EXPECT_TRUE(over.contains(box.geometry.center())) << qPrintable(box.title);
        // Room for the title beside the window manager's icon and buttons.
        EXPECT_GE(box.geometry.width(),
            QFontMetrics(QApplication::font()).horizontalAdvance(box.title) + 120)
            << qPrintable(box.title);
    }

    QApplication::setActiveWindow(nullptr);
    TPercentDlg progress;
    EXPECT_TRUE(over.contains(progress.frameGeometry().center()));
}

} // namespace
} // namespace zendrova
