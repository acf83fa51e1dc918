#include "store/MaintenanceFixture.h"
#include "support/ScriptedInteraction.h"

#include "store/MaintenanceCommands.h"
#include "store/ui/TMntnDlg.h"

#include <QLabel>
#include <QPushButton>
#include <gtest/gtest.h>

namespace zendrova::test {
namespace {

class MntnDlgTest : public ::testing::Test
{
protected:
    QPushButton *button(TMntnDlg &dialog, const char *name)
    {
        auto *found = dialog.findChild<QPushButton *>(QString::fromLatin1(name));
        EXPECT_NE(found, nullptr) << name;
        return found;
    }

    ScriptedInteraction user;
    MaintenanceFixture db;
    MaintenanceCommands commands { db.state, db.store };
};

TEST_F(MntnDlgTest, ButtonsCarryTheirCaptionsAndHints)
{
    TMntnDlg dialog(commands, false);
    EXPECT_EQ(dialog.windowTitle(), QStringLiteral("Database Maintenance"));
    const struct
    {
        const char *name, *text, *hint;
    } cases[] = {
        { "Button1", "&Reindex Database", "Rebuild All Indexes" },
        { "Button2", "Delete &Indexes", "Delete Indexes - Decreases Size Of Index File" },
        { "Button3", "&Pack Database", "Remove Deleted Records" },
        { "Button4", "Delete &All Records", "Very Dangerous - Use With Caution" },
        { "Button9", "&Delete Selected Records", "Delete All Displayed Records (Selected By A Filter)" },
        { "Button5", "Repair Data &File", "Try To Recreate A Corrupt Data File" },
        { "Button6", "&Backup", "Backup Current Data File" },
        { "Button7", "Re&store", "Restore Current Data File from The Backup File" },
        { "Button8", "&Edit Lists", "Modify/Create/Delete List Items" },
        { "OKBtn", "&Close", "" },
    };
    for (const auto &c : cases) {
        QPushButton *found = button(dialog, c.name);
        ASSERT_NE(found, nullptr);
        EXPECT_EQ(found->text(), QString::fromLatin1(c.text));
        EXPECT_EQ(found->toolTip(), QString::fromLatin1(c.hint));
    }
}

// The window manager cuts a title wider than the window ("Databa...nance").
TEST_F(MntnDlgTest, TheWindowIsWideEnoughForItsWholeTitle)
{
    TMntnDlg dialog(commands, false);
    dialog.show();
    EXPECT_GE(dialog.width(), dialog.fontMetrics().horizontalAdvance(dialog.windowTitle()) + 100);
}

TEST_F(MntnDlgTest, TheRedMarksShowOnlyWhenMaintenanceIsDue)
{
    for (const bool due : { false, true }) {
        TMntnDlg dialog(commands, due);
        dialog.show();
        for (const char *mark : { "Label1", "Label2", "Label3" }) {
            auto *label = dialog.findChild<QLabel *>(QString::fromLatin1(mark));
            ASSERT_NE(label, nullptr);
            EXPECT_EQ(label->text(), QStringLiteral(">>"));
            EXPECT_EQ(label->isVisible(), due) << mark;
        }
    }
}

// A button runs its operation: the typed-YES refused does nothing; the
// filter check answers before any confirmation.
TEST_F(MntnDlgTest, ButtonsRunTheirOperations)
{
    TMntnDlg dialog(commands, false);
    int asked = 0;
    commands.hooks.confirmTyped = [&](const QString &, const QString &) {
        ++asked;
        return false;
    };
    button(dialog, "Button4")->click();
    EXPECT_EQ(asked, 1);
    EXPECT_FALSE(commands.results().tableChanged);

    user.expectMessage(MessageKind::Warning, MaintenanceCommands::noFilterText(),
        MessageButtons::Ok, kNoHelp);
    button(dialog, "Button9")->click();
    EXPECT_EQ(asked, 1);
    EXPECT_TRUE(user.allConsumed());
}

} // namespace
} // namespace zendrova::test
