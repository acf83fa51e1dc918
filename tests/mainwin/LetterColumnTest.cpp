#include "support/WidgetLookup.h"

#include "mainwin/ui/LetterColumn.h"
#include "store/LetterCounts.h"
#include "store/ui/TColorButton.h"

#include <QAction>
#include <QMenu>
#include <QTest>
#include <QToolButton>
#include <gtest/gtest.h>

namespace zendrova::test {
namespace {

class LetterColumnTest : public ::testing::Test
{
protected:
    LetterColumnTest()
    {
        QObject::connect(&column, &LetterColumn::letterClicked,
            [this](char letter) { clicked.append(letter); });
        column.resize(24, 600);
        column.show();
    }

    TColorButton *tab(int number)
    {
        return child<TColorButton>(column, QStringLiteral("ColorButton%1").arg(number).toLatin1().constData());
    }
    QToolButton *scrollUp() { return child<QToolButton>(column, "SpeedButton2"); }
    QToolButton *scrollDown() { return child<QToolButton>(column, "SpeedButton1"); }

    LetterColumn column;
    QList<char> clicked;
};

TEST_F(LetterColumnTest, TwentySixTabsWithTheirLettersAndHintsAndTheScrollButtons)
{
    EXPECT_EQ(column.objectName(), QStringLiteral("Panel7"));
    QWidget *letters = child<QWidget>(column, "Panel5");
    for (int i = 1; i <= 26; ++i) {
        TColorButton *button = tab(i);
        ASSERT_NE(button, nullptr);
        const QString letter(QChar::fromLatin1(char('A' + i - 1)));
        EXPECT_EQ(button->text(), letter);
        EXPECT_EQ(button->toolTip(), QStringLiteral("Jump to Page beginning with ") + letter);
        EXPECT_EQ(button->parentWidget(), letters);
    }
    EXPECT_EQ(scrollUp()->parentWidget(), child<QWidget>(column, "Panel9"));
    EXPECT_EQ(scrollUp()->toolTip(), QStringLiteral("Scroll Letter Bar Up"));
    EXPECT_EQ(scrollDown()->parentWidget(), child<QWidget>(column, "Panel8"));
    EXPECT_EQ(scrollDown()->toolTip(), QStringLiteral("Scroll Letter Bar Down"));
}

TEST_F(LetterColumnTest, AClickReportsItsLetterAndAnInactiveColumnTakesNone)
{
    QTest::mouseClick(tab(3), Qt::LeftButton);
    QTest::mouseClick(tab(26), Qt::LeftButton);
    EXPECT_EQ(clicked, (QList<char> { 'C', 'Z' }));
    // The window decides whether the jump happens and selects the letter.
    EXPECT_EQ(column.selectedLetter(), 'A');

    column.setActive(false);
    for (int i = 1; i <= 26; ++i)
        EXPECT_FALSE(tab(i)->isEnabled()) << i;
    QTest::mouseClick(tab(5), Qt::LeftButton);
    EXPECT_EQ(clicked.size(), 2);
    column.setActive(true);
    EXPECT_TRUE(tab(5)->isEnabled());
}

TEST_F(LetterColumnTest, TabsTakeTheirColoursFromTheirCountsAndTheSelection)
{
    LetterStackColors colors;
    colors.notEmptyText = Qt::blue;
    colors.notEmptyBack = Qt::yellow;
    colors.emptyText = Qt::gray;
    colors.emptyBack = Qt::cyan;
    colors.selectedText = Qt::white;
    colors.selectedBack = Qt::black;
    column.setColors(colors);
    LetterCounts counts;
    counts.setCount('B', 3);
    column.setCounts(counts);
    column.setSelectedLetter('D');

    EXPECT_EQ(tab(2)->textColor(), QColor(Qt::blue));
    EXPECT_EQ(tab(2)->bgndColor(), QColor(Qt::yellow));
    EXPECT_EQ(tab(1)->textColor(), QColor(Qt::gray));
    EXPECT_EQ(tab(1)->bgndColor(), QColor(Qt::cyan));
    EXPECT_TRUE(tab(4)->isSelected());
    EXPECT_FALSE(tab(1)->isSelected());
    EXPECT_EQ(tab(4)->selTextColor(), QColor(Qt::white));
    EXPECT_EQ(tab(4)->selBgndColor(), QColor(Qt::black));

    // A record leaves "B" for "A".
    column.setHoldsRecords('B', false);
    column.setHoldsRecords('A', true);
    EXPECT_EQ(tab(2)->textColor(), QColor(Qt::gray));
    EXPECT_EQ(tab(1)->bgndColor(), QColor(Qt::yellow));
    column.setSelectedLetter('E');
    EXPECT_FALSE(tab(4)->isSelected());
    EXPECT_TRUE(tab(5)->isSelected());
}

TEST_F(LetterColumnTest, AShortColumnScrollsATabAtATime)
{
    // Tall enough: every tab shows and neither scroll button works.
    EXPECT_FALSE(scrollUp()->isEnabled());
    EXPECT_FALSE(scrollDown()->isEnabled());
    EXPECT_EQ(tab(2)->y(), tab(1)->y() + tab(1)->height() - 1);

    column.resize(24, 2 * LetterColumn::kScrollPanelHeight + 100);
    EXPECT_EQ(tab(1)->height(), 14);
    EXPECT_FALSE(scrollUp()->isEnabled());
    EXPECT_TRUE(scrollDown()->isEnabled());
    QTest::mouseClick(scrollDown(), Qt::LeftButton);
    EXPECT_EQ(tab(1)->y(), -13);
    EXPECT_TRUE(scrollUp()->isEnabled());
    QTest::mouseClick(scrollUp(), Qt::LeftButton);
    EXPECT_EQ(tab(1)->y(), 0);
    EXPECT_FALSE(scrollUp()->isEnabled());
}

TEST_F(LetterColumnTest, ThePopupAsksToEnableOrDisableLetterTabs)
{
    QMenu *popup = column.popupMenu();
    EXPECT_EQ(popup->title(), QStringLiteral("Letter Tabs"));
    ASSERT_EQ(popup->actions().size(), 2);
    QAction *enabled = popup->actions().at(0);
    QAction *disabled = popup->actions().at(1);
    EXPECT_EQ(enabled->text(), QStringLiteral("Enabled"));
    EXPECT_EQ(disabled->text(), QStringLiteral("Disabled"));
    column.setLetterTabsOption(false);
    EXPECT_TRUE(disabled->isChecked());
    EXPECT_FALSE(enabled->isChecked());

    QStringList asked;
    QObject::connect(&column, &LetterColumn::enableRequested, [&] { asked.append("on"); });
    QObject::connect(&column, &LetterColumn::disableRequested, [&] { asked.append("off"); });
    enabled->trigger();
    disabled->trigger();
    EXPECT_EQ(asked, QStringList({ "on", "off" }));
}

} // namespace
} // namespace zendrova::test
