#include "support/InstallationFixture.h"
#include "support/ScriptedInteraction.h"
#include "support/WidgetLookup.h"

#include "common/ui/TRadioGroup.h"
#include "mainwin/ui/TColorDlgGrid.h"
#include "shell/ExitReminder.h"
#include "shell/ui/THintsDlg.h"
#include "shell/ui/TOptionsDlg.h"
#include "shell/ui/TReminderDlg.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTabBar>
#include <QTest>
#include <gtest/gtest.h>

namespace zendrova {
namespace {

using test::child;
using test::InstallationFixture;
using test::kNoHelp;
using test::ScriptedInteraction;

class OptionsDialogTest : public ::testing::Test
{
protected:
    OptionsDialogTest()
    {
        QDir().mkpath(app.state.userFolder);
        app.state.isSupervisor = true;
        app.state.dateFormats.fillDefaultsIfEmpty();
    }

    void click(QWidget &dialog, const char *name)
    {
        QTest::mouseClick(child<QPushButton>(dialog, name), Qt::LeftButton);
    }
    void choose(QWidget &dialog, const char *group, int item)
    {
        child<TRadioGroup>(dialog, group)->item(item)->click();
    }

    InstallationFixture app;
    AppState &state = app.state;
    ScriptedInteraction user;
};

TEST_F(OptionsDialogTest, ANonSupervisorSeesSevenTabsButIsRefusedTheLastTwo)
{
    state.isSupervisor = false;
    TOptionsDlg dialog(state);
    dialog.show();
    auto *tabs = child<QTabBar>(dialog, "TabSet1");
    ASSERT_EQ(tabs->count(), 7);
    EXPECT_EQ(tabs->tabText(5), QStringLiteral("Security"));
    EXPECT_TRUE(child<QPushButton>(dialog, "PrevBtn")->isHidden());
    for (int i = 0; i < 4; ++i)
        click(dialog, "NextBtn");
    EXPECT_EQ(tabs->currentIndex(), 4);
    EXPECT_TRUE(child<QPushButton>(dialog, "NextBtn")->isHidden());
    EXPECT_FALSE(child<QPushButton>(dialog, "PrevBtn")->isHidden());

    user.expectMessage(MessageKind::Warning,
        QStringLiteral("You have to be logged in as Supervisor to access this options page!"),
        MessageButtons::Ok, kNoHelp);
    tabs->setCurrentIndex(6);
    EXPECT_EQ(tabs->currentIndex(), 4);
    EXPECT_EQ(child<QWidget>(dialog, "Fonts_Page")->isVisible(), true);
    EXPECT_TRUE(user.allConsumed());

    // Escape is no way out: only Close keeps (and ends) the changes.
    QTest::keyClick(&dialog, Qt::Key_Escape);
    EXPECT_TRUE(dialog.isVisible());
}

TEST_F(OptionsDialogTest, UsersCountRulesTheAccessRightsAndTheAccountsButton)
{
    state.systemOptions.publicAccessRights = PublicAccessRights::ReadOnly;
    TOptionsDlg dialog(state);
    auto *access = child<TRadioGroup>(dialog, "AccessMode_GB");
    auto *accounts = child<QPushButton>(dialog, "UserAccts_Btn");
    EXPECT_FALSE(access->isEnabled());
    EXPECT_FALSE(accounts->isEnabled());
    EXPECT_EQ(access->ItemIndex(), int(PublicAccessRights::ReadAndWrite));

    choose(dialog, "UserCount_GB", 1);
    EXPECT_TRUE(access->isEnabled());
    EXPECT_TRUE(accounts->isEnabled());
    choose(dialog, "AccessMode_GB", 3);
    choose(dialog, "UserCount_GB", 0);
    EXPECT_FALSE(access->isEnabled());
    EXPECT_EQ(access->ItemIndex(), int(PublicAccessRights::ReadAndWrite));
}

TEST_F(OptionsDialogTest, CloseStoresTheControlsAndTellsWhetherColorsChanged)
{
    TOptionsDlg dialog(state);
    choose(dialog, "SpeedBar_GB", 0);
    choose(dialog, "LTabsLoc_GB", 1);
    child<QCheckBox>(dialog, "Remind_CB")->click();

    auto *labels = child<QListWidget>(dialog, "Labels_Lst");
    labels->setCurrentRow(4);
    EXPECT_EQ(child<QLineEdit>(dialog, "Label_Ed")->text(), QStringLiteral("Team:"));
    child<QLineEdit>(dialog, "Label_Ed")->setText(QStringLiteral("Club:"));
    click(dialog, "Update_Btn");
    EXPECT_EQ(labels->item(4)->text(), QStringLiteral("Club:"));

    child<QListWidget>(dialog, "Elements_Lst")->setCurrentRow(13);
    auto *grid = child<TColorDlgGrid>(dialog, "Color_Lst");
    dialog.show();
    QTest::mouseClick(grid, Qt::LeftButton, {}, grid->cellRect(12).center());
    EXPECT_EQ(state.colorScheme.elements[13], 12) << "colours change at once";

    click(dialog, "CloseBtn");
    EXPECT_EQ(dialog.result(), QDialog::Accepted);
    EXPECT_FALSE(dialog.isVisible());
    EXPECT_TRUE(dialog.closed().colorsChanged);
    EXPECT_EQ(state.userOptions.speedBarLocation, 0);
    EXPECT_EQ(state.userOptions.letterTabsLocation, 1);
    EXPECT_FALSE(state.userOptions.displayReminders);
    EXPECT_EQ(state.captions.caption(5), QStringLiteral("Club:"));
}

TEST_F(OptionsDialogTest, FontsPageShowsTheChosenComponentsFont)
{
    state.userOptions.multiLineFieldsFont = { QStringLiteral("Times"), 0, 12 };
    TOptionsDlg dialog(state);
    EXPECT_EQ(child<QLineEdit>(dialog, "FontEd")->text(), QStringLiteral("Arial"));
    EXPECT_EQ(child<QLineEdit>(dialog, "StyleEd")->text(), QStringLiteral("Bold "));
    auto *component = child<QComboBox>(dialog, "FontComponent_CB");
    component->setCurrentIndex(2);
    emit component->activated(2);
    EXPECT_EQ(child<QLineEdit>(dialog, "FontEd")->text(), QStringLiteral("Times"));
    EXPECT_EQ(child<QLineEdit>(dialog, "StyleEd")->text(), QStringLiteral("Regular"));
    EXPECT_EQ(child<QLineEdit>(dialog, "SizeEd")->text(), QStringLiteral("12"));
}

TEST(TipsWindow, OneTipDisablesPagingAndTheBoxDecidesTheNextStart)
{
    QTemporaryDir dir;
    const QString path = dir.path() + QStringLiteral("/hints.txt");
    test::writeBytes(path, "1\r\n[1]\r\nThe only tip\r\n");
    AppState state;
    THintsDlg dialog(state, path);
    EXPECT_EQ(dialog.windowTitle(), QStringLiteral("Tips"));
    EXPECT_EQ(child<QPlainTextEdit>(dialog, "Memo1")->toPlainText(), QStringLiteral("The only tip"));
    EXPECT_FALSE(child<QPushButton>(dialog, "PrevBtn")->isEnabled());
    EXPECT_FALSE(child<QPushButton>(dialog, "NextBtn")->isEnabled());
    child<QCheckBox>(dialog, "DoNotDisplay_CB")->setChecked(true);
    dialog.reject();
    EXPECT_FALSE(state.userOptions.displayTips);
}

TEST(ReminderWindow, SaysItsEightLinesAndAnswersWithItsBox)
{
    TReminderDlg dialog;
    EXPECT_EQ(dialog.windowTitle(), QStringLiteral("Reminder"));
    EXPECT_EQ(child<QPlainTextEdit>(dialog, "Memo1")->toPlainText().split(QLatin1Char('\n')),
        QStringList({ "Protect your Data!", "", "We recommend that you BACKUP, REINDEX ",
            "and PACK your database at least twice a month ", "and every time you enter new data.",
            "", "If you want to do it now, just click on GoTo ", "Maintenance button." }));
    child<QCheckBox>(dialog, "DoNotDisplay_CB")->setChecked(true);
    QTest::mouseClick(child<QPushButton>(dialog, "Maintenance_Btn"), Qt::LeftButton);
    EXPECT_TRUE(dialog.answer().goToMaintenance);
    EXPECT_TRUE(dialog.answer().doNotDisplay);
}

} // namespace
} // namespace zendrova
