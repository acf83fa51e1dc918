#include "support/WidgetLookup.h"

#include "common/ui/TNoFocusBitBtn.h"
#include "mainwin/ui/MainMenus.h"
#include "mainwin/ui/SpeedBars.h"

#include <QAction>
#include <QMainWindow>
#include <QMenu>
#include <QMenuBar>
#include <QTest>
#include <gtest/gtest.h>

namespace zendrova::test {
namespace {

class MainMenusTest : public ::testing::Test
{
protected:
    MainMenusTest()
    {
        window.setMenuBar(menus.menuBar());
        QObject::connect(&menus, &MainMenus::commandChosen,
            [this](MainCommand command) { chosen.append(command); });
        QObject::connect(&bars, &SpeedBars::commandChosen,
            [this](MainCommand command) { chosen.append(command); });
    }

    QAction *item(const char *name) { return child<QAction>(window, name); }
    QStringList actionNames(QWidget &menu)
    {
        QStringList names;
        for (QAction *action : menu.actions())
            names.append(action->objectName());
        return names;
    }

    CommandTable commands;
    UserOptions options;
    QMainWindow window;
    MainMenus menus { commands, options, &window };
    SpeedBars bars { commands, &window };
    QList<MainCommand> chosen;
};

TEST_F(MainMenusTest, TheMenuBarHoldsEveryItemUnderItsMenu)
{
    QMenuBar *bar = child<QMenuBar>(window, "MainMenu1");
    ASSERT_EQ(bar, menus.menuBar());
    EXPECT_EQ(actionNames(*bar),
        QStringList({ "File1", "Search1", "Options1", "Move1", "Advanced1", "Help1" }));
    auto *file = child<QMenu>(window, "File1");
    ASSERT_NE(file, nullptr);
    EXPECT_EQ(file->title(), QStringLiteral("&File"));
    EXPECT_EQ(actionNames(*file), QStringList({ "New1", "Load1", "Print1", "Exit1" }));
    EXPECT_EQ(item("Options1")->text(), QStringLiteral("&Options"));
    for (const CommandEntry &entry : CommandTable::entries()) {
        QAction *action = item(entry.menuItemName);
        ASSERT_NE(action, nullptr);
        EXPECT_EQ(action->text(), CommandTable::menuCaption(entry));
        EXPECT_EQ(action->statusTip(), CommandTable::hint(entry));
        EXPECT_EQ(action, menus.action(entry.command));
    }
    EXPECT_EQ(item("Summary1")->text(), QStringLiteral("S&ummary"));
}

TEST_F(MainMenusTest, AnItemAndItsButtonAgreeOnWhetherTheCommandRuns)
{
    for (const CommandEntry &entry : CommandTable::entries()) {
        EXPECT_EQ(item(entry.menuItemName)->isEnabled(), commands.available(entry.command))
            << entry.menuItemName;
        if (entry.buttonName) {
            EXPECT_EQ(child<TNoFocusBitBtn>(bars, entry.buttonName)->isEnabled(),
                commands.available(entry.command))
                << entry.buttonName;
        }
    }
    EXPECT_FALSE(item("Find1")->isEnabled());
    EXPECT_EQ(item("Find1")->toolTip(), QStringLiteral("Find a Record"));
    EXPECT_TRUE(item("Exit1")->isEnabled());

    commands.setAvailable(MainCommand::Find, true);
    commands.setAvailable(MainCommand::About, false);
    EXPECT_TRUE(item("Find1")->isEnabled());
    EXPECT_TRUE(child<TNoFocusBitBtn>(bars, "B_Search")->isEnabled());
    EXPECT_FALSE(item("About1")->isEnabled());
    EXPECT_FALSE(child<TNoFocusBitBtn>(bars, "B_About")->isEnabled());
}

TEST_F(MainMenusTest, TheSortItemAndTheSortButtonRunTheSameCommand)
{
    bars.resize(900, bars.sizeHint().height());
    bars.selectPage(1);
    window.show();
    item("Sort1")->trigger();
    QTest::mouseClick(child<TNoFocusBitBtn>(bars, "B_Sort"), Qt::LeftButton);
    item("Help2")->trigger();
    item("Print1")->trigger(); // not built yet: nothing runs
    EXPECT_EQ(chosen,
        (QList<MainCommand> { MainCommand::Sort, MainCommand::Sort, MainCommand::HelpContents }));
}

TEST_F(MainMenusTest, TheInterfacePopupChecksTheCurrentChoicesWhenItOpens)
{
    QMenu *popup = menus.interfaceMenu();
    ASSERT_EQ(popup->objectName(), QStringLiteral("PopupMenu2"));
    auto *letterTabs = child<QMenu>(window, "LetterTabs1");
    ASSERT_NE(letterTabs, nullptr);
    EXPECT_EQ(actionNames(*letterTabs), QStringList({ "UseLetterTabs1", "DontUseLetterTabs1" }));

    options.menusAndSpeedBars = 2;
    options.hintMessages = 1;
    options.letterTabsLocation = 1;
    emit popup->aboutToShow();
    QStringList checked;
    for (const InterfaceItem &each : InterfaceChoices::items()) {
        if (item(each.objectName)->isChecked())
            checked.append(QString::fromLatin1(each.objectName));
    }
    EXPECT_EQ(checked,
        QStringList({ "ShowOnlySpeedBars1", "SpeedBarAtTheBottom1", "UseLetterTabs1",
            "DisplayOnRightSide1", "Hide1", "AskUserToConfirm1" }));

    QList<InterfaceChoice> picked;
    QObject::connect(&menus, &MainMenus::interfaceChosen,
        [&](InterfaceChoice choice) { picked.append(choice); });
    item("SpeedBarAtTheTop1")->trigger();
    item("Help4")->trigger();
    EXPECT_EQ(picked, (QList<InterfaceChoice> { InterfaceChoice::SpeedBarAtTop,
                          InterfaceChoice::Help }));
    // The window has not changed the option: reopening shows the truth.
    emit popup->aboutToShow();
    EXPECT_TRUE(item("SpeedBarAtTheBottom1")->isChecked());
    EXPECT_FALSE(item("SpeedBarAtTheTop1")->isChecked());
}

} // namespace
} // namespace zendrova::test
