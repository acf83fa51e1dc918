#include "mainwin/CommandTable.h"

#include <gtest/gtest.h>

namespace zendrova::test {
namespace {

using C = MainCommand;

struct Named
{
    QString name;
    QString caption;
    bool operator==(const Named &) const = default;
};

void PrintTo(const Named &n, std::ostream *os)
{
    *os << n.name.toStdString() << " \"" << n.caption.toStdString() << '"';
}

QList<Named> menuItems(TopMenu menu)
{
    QList<Named> items;
    for (const CommandEntry &entry : CommandTable::itemsOf(menu))
        items.append({ QString::fromLatin1(entry.menuItemName), CommandTable::menuCaption(entry) });
    return items;
}

QList<Named> buttons(SpeedBarPage page)
{
    QList<Named> items;
    for (const CommandEntry &entry : CommandTable::buttonsOf(page))
        items.append({ QString::fromLatin1(entry.buttonName), CommandTable::buttonCaption(entry) });
    return items;
}

TEST(CommandTableTest, MenusHoldTheirItemsInOrderWithTheirCaptions)
{
    const QList<Named> file { { "New1", "&New Record" }, { "Load1", "&Load Database" },
        { "Print1", "&Print" }, { "Exit1", "&Exit" } };
    const QList<Named> move { { "First1", "&First" }, { "PageUp1", "Page&Up" },
        { "PageDown1", "Page&Down" }, { "Last1", "&Last" }, { "Previous1", "&Previous" },
        { "Next1", "&Next" } };
    const QList<Named> advanced { { "Export1", "&Export" }, { "Import1", "&Import" },
        { "Password1", "&Password" }, { "Maintenance1", "&Maintenance" },
        { "Filter1", "&Filter" }, { "Sort1", "&Sort" }, { "Summary1", "S&ummary" } };
    const QList<Named> help { { "Help2", "&Help Contents" }, { "DisplayHints1", "&Tips" },
        { "About1", "&About" } };
    EXPECT_EQ(menuItems(TopMenu::File), file);
    EXPECT_EQ(menuItems(TopMenu::Search), (QList<Named> { { "Find1", "&Find" } }));
    EXPECT_EQ(menuItems(TopMenu::Options), (QList<Named> { { "Options1", "&Options" } }));
    EXPECT_EQ(menuItems(TopMenu::Move), move);
    EXPECT_EQ(menuItems(TopMenu::Advanced), advanced);
    EXPECT_EQ(menuItems(TopMenu::Help), help);

    QStringList tops;
    for (const TopMenuEntry &top : CommandTable::topMenus())
        tops.append(CommandTable::topMenuCaption(top));
    EXPECT_EQ(tops,
        QStringList({ "&File", "&Search", "&Options", "&Move", "&Advanced", "&Help" }));
}

TEST(CommandTableTest, SpeedBarPagesHoldTheirButtonsInTabOrder)
{
    const QList<Named> standard { { "B_Search", "Find" }, { "B_Options", "Options" },
        { "B_Print", "Print" }, { "B_New", "New" }, { "B_Load", "Load" }, { "B_About", "About" },
        { "B_Help", "Help" }, { "B_Exit", "Exit" } };
    const QList<Named> advanced { { "B_Export", "Export" }, { "B_Import", "Import" },
        { "B_Password", "Password" }, { "B_Maintenance", "Maintenance" },
        { "B_Filter", "Filter" }, { "B_Sort", "Sort" }, { "B_Summary", "Summary" } };
    EXPECT_EQ(buttons(SpeedBarPage::Standard), standard);
    EXPECT_EQ(buttons(SpeedBarPage::Advanced), advanced);
    // A button and its menu item run one command.
    EXPECT_EQ(CommandTable::find(C::HelpContents)->buttonName, std::string("B_Help"));
    EXPECT_EQ(CommandTable::find(C::Find)->menuItemName, std::string("Find1"));
}

TEST(CommandTableTest, EveryCommandHasAHintAndOnlyTableChangersLeaveTheRecord)
{
    for (const CommandEntry &entry : CommandTable::entries())
        EXPECT_FALSE(CommandTable::hint(entry).isEmpty()) << entry.menuItemName;
    EXPECT_EQ(CommandTable::hint(*CommandTable::find(C::Find)), QStringLiteral("Find a Record"));

    const QList<MainCommand> leaving { C::Options, C::Sort, C::Filter, C::Print,
        C::LoadDatabase, C::Maintenance, C::Export, C::Import };
    for (const CommandEntry &entry : CommandTable::entries())
        EXPECT_EQ(CommandTable::leavesRecord(entry.command), leaving.contains(entry.command))
            << entry.menuItemName;
    EXPECT_FALSE(CommandTable::leavesRecord(C::JumpToLetter));
}

TEST(CommandTableTest, OnlyBuiltCommandsAreAvailableUntilTheWindowSaysOtherwise)
{
    CommandTable table;
    const QList<MainCommand> built { C::Exit, C::Sort, C::HelpContents, C::About, C::Password,
        C::LoadDatabase, C::Export, C::Import, C::Options, C::Tips };
    for (const CommandEntry &entry : CommandTable::entries())
        EXPECT_EQ(table.available(entry.command), built.contains(entry.command))
            << entry.menuItemName;

    QList<std::pair<MainCommand, bool>> told;
    QObject::connect(&table, &CommandTable::availabilityChanged,
        [&](MainCommand command, bool on) { told.append({ command, on }); });
    table.setAvailable(C::Find, true);
    table.setAvailable(C::Find, true); // no change, no word
    table.setAvailable(C::Sort, false);
    EXPECT_TRUE(table.available(C::Find));
    EXPECT_FALSE(table.available(C::Sort));
    EXPECT_EQ(told, (QList<std::pair<MainCommand, bool>> { { C::Find, true }, { C::Sort, false } }));
}

} // namespace
} // namespace zendrova::test
