#include "support/WidgetLookup.h"

#include "common/ui/TNoFocusBitBtn.h"
#include "mainwin/ui/SpeedBars.h"

#include <QFrame>
#include <QTabBar>
#include <QTest>
#include <gtest/gtest.h>

namespace zendrova::test {
namespace {

class SpeedBarsTest : public ::testing::Test
{
protected:
    SpeedBarsTest()
    {
        QObject::connect(&bars, &SpeedBars::commandChosen,
            [this](MainCommand command) { chosen.append(command); });
        bars.resize(900, bars.sizeHint().height());
        bars.show();
    }

    TNoFocusBitBtn *button(const char *name) { return child<TNoFocusBitBtn>(bars, name); }

    CommandTable commands;
    SpeedBars bars { commands };
    QList<MainCommand> chosen;
};

TEST_F(SpeedBarsTest, EveryButtonSitsOnItsPageWithItsCaptionAndHint)
{
    for (SpeedBarPage page : { SpeedBarPage::Standard, SpeedBarPage::Advanced }) {
        QFrame *panel
            = child<QFrame>(bars, page == SpeedBarPage::Standard ? "Panel3" : "Panel4");
        ASSERT_NE(panel, nullptr);
        for (const CommandEntry &entry : CommandTable::buttonsOf(page)) {
            TNoFocusBitBtn *found = button(entry.buttonName);
            ASSERT_NE(found, nullptr);
            EXPECT_EQ(found->parentWidget(), panel) << entry.buttonName;
            EXPECT_EQ(found->text(), CommandTable::buttonCaption(entry));
            EXPECT_EQ(found->toolTip(), CommandTable::hint(entry));
        }
    }
    EXPECT_EQ(button("B_Search")->text(), QStringLiteral("Find"));
    EXPECT_EQ(button("B_Maintenance")->text(), QStringLiteral("Maintenance"));
}

TEST_F(SpeedBarsTest, TheTabRowSwitchesBetweenThePages)
{
    auto *tabs = child<QTabBar>(bars, "TabSet1");
    ASSERT_NE(tabs, nullptr);
    ASSERT_EQ(tabs->count(), 2);
    EXPECT_EQ(tabs->tabText(0), QStringLiteral("Standard"));
    EXPECT_EQ(tabs->tabText(1), QStringLiteral("Advanced"));
    EXPECT_TRUE(child<QFrame>(bars, "Panel3")->isVisible());
    EXPECT_FALSE(child<QFrame>(bars, "Panel4")->isVisible());
    tabs->setCurrentIndex(1);
    EXPECT_FALSE(child<QFrame>(bars, "Panel3")->isVisible());
    EXPECT_TRUE(button("B_Sort")->isVisible());
    bars.selectPage(0);
    EXPECT_TRUE(button("B_Search")->isVisible());
}

TEST_F(SpeedBarsTest, OnlyAvailableCommandsRunAndADisabledButtonKeepsItsHint)
{
    bars.selectPage(1);
    EXPECT_TRUE(button("B_Sort")->isEnabled());
    EXPECT_FALSE(button("B_Filter")->isEnabled());
    EXPECT_EQ(button("B_Filter")->toolTip(), QStringLiteral("Filter the Records"));
    QTest::mouseClick(button("B_Filter"), Qt::LeftButton);
    QTest::mouseClick(button("B_Sort"), Qt::LeftButton);
    EXPECT_EQ(chosen, QList<MainCommand> { MainCommand::Sort });

    commands.setAvailable(MainCommand::Filter, true);
    EXPECT_TRUE(button("B_Filter")->isEnabled());
    QTest::mouseClick(button("B_Filter"), Qt::LeftButton);
    EXPECT_EQ(chosen.constLast(), MainCommand::Filter);
}

TEST_F(SpeedBarsTest, ANarrowBarDropsEveryCaptionAndAWideOneGivesThemBack)
{
    TNoFocusBitBtn *help = button("B_Help");
    const int captionedWidth = help->width();
    bars.resize(200, bars.height());
    for (const CommandEntry &entry : CommandTable::buttonsOf(SpeedBarPage::Standard)) {
        TNoFocusBitBtn *found = button(entry.buttonName);
        EXPECT_TRUE(found->text().isEmpty()) << entry.buttonName;
        EXPECT_EQ(found->width(), found->height()) << entry.buttonName;
    }
    EXPECT_EQ(button("B_Search")->x(), 4);
    EXPECT_EQ(button("B_Options")->x(), 4 + SpeedBars::kButtonHeight + 4);
    // The other page is judged by its own width needs.
    EXPECT_TRUE(button("B_Sort")->text().isEmpty());

    bars.resize(900, bars.height());
    EXPECT_EQ(help->text(), QStringLiteral("Help"));
    EXPECT_EQ(help->width(), captionedWidth);
    EXPECT_EQ(button("B_Options")->x(), button("B_Search")->geometry().right() + 1 + 4);
}

} // namespace
} // namespace zendrova::test
