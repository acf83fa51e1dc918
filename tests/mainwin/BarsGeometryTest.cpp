#include "mainwin/LetterStack.h"
#include "mainwin/SpeedBarLayout.h"

#include <gtest/gtest.h>

namespace zendrova::test {
namespace {

TEST(SpeedBarLayoutTest, ButtonsKeepCaptionsWhileTheyFitAndTurnSquareTogetherWhenNot)
{
    const QList<int> widths { 50, 60, 70 };
    // 4 + 50 + 4 + 60 + 4 + 70 + 4
    ASSERT_EQ(SpeedBarLayout::widthWithCaptions(widths), 196);
    struct Case
    {
        int panelWidth;
        SpeedBarPlacement expected;
    };
    const Case cases[] {
        { 500, { { QRect(4, 2, 50, 30), QRect(58, 2, 60, 30), QRect(122, 2, 70, 30) }, true } },
        { 196, { { QRect(4, 2, 50, 30), QRect(58, 2, 60, 30), QRect(122, 2, 70, 30) }, true } },
        { 195, { { QRect(4, 2, 30, 30), QRect(38, 2, 30, 30), QRect(72, 2, 30, 30) }, false } },
        { 0, { { QRect(4, 2, 30, 30), QRect(38, 2, 30, 30), QRect(72, 2, 30, 30) }, false } },
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.panelWidth);
        EXPECT_EQ(SpeedBarLayout::place(widths, 30, c.panelWidth, 2), c.expected);
    }
    EXPECT_EQ(SpeedBarLayout::place({}, 30, 10), (SpeedBarPlacement { {}, true }));
}

TEST(LetterStackTest, LetterHeightIsAShareOfThePanelButNeverBelowFourteen)
{
    const std::pair<int, int> cases[] { { 0, 14 }, { 100, 14 }, { 389, 14 }, { 390, 15 },
        { 520, 20 }, { -5, 14 } };
    for (const auto &[panel, height] : cases)
        EXPECT_EQ(LetterStack::letterHeight(panel), height) << panel;

    LetterStack stack;
    stack.setPanel(20, 520);
    // Each tab overlaps the one above by a pixel, starting at the top.
    EXPECT_EQ(stack.letterRect(0), QRect(0, 0, 20, 20));
    EXPECT_EQ(stack.letterRect(1), QRect(0, 19, 20, 20));
    EXPECT_EQ(stack.letterRect(25), QRect(0, 475, 20, 20));
    EXPECT_FALSE(stack.canScrollUp());
    EXPECT_FALSE(stack.canScrollDown());
}

TEST(LetterStackTest, ScrollButtonsOpenExactlyWhenAnEndLetterIsCutOff)
{
    // Fourteen-pixel tabs need 26 * 13 + 1 = 339 pixels.
    LetterStack stack;
    stack.setPanel(20, 339);
    EXPECT_FALSE(stack.canScrollDown());
    stack.setPanel(20, 338);
    EXPECT_TRUE(stack.canScrollDown());
    EXPECT_FALSE(stack.canScrollUp());
    stack.scrollUp(); // nothing above: no move
    EXPECT_EQ(stack.offset(), 0);

    stack.scrollDown();
    EXPECT_EQ(stack.letterRect(0).top(), -13);
    EXPECT_TRUE(stack.canScrollUp());
    EXPECT_FALSE(stack.canScrollDown());
    stack.scrollDown();
    EXPECT_EQ(stack.offset(), 13);
    stack.scrollUp();
    EXPECT_EQ(stack.offset(), 0);
}

TEST(LetterStackTest, EachClickMovesATabLessAPixelAndAGrowingPanelPullsTheStackBack)
{
    LetterStack stack;
    stack.setPanel(20, 100);
    int clicks = 0;
    while (stack.canScrollDown() && clicks < 100) {
        stack.scrollDown();
        ++clicks;
    }
    // 239 pixels are hidden: 19 clicks of 13 bring "Z" into view, 18 do not.
    EXPECT_EQ(clicks, 19);
    EXPECT_EQ(stack.letterRect(0).top(), -247);
    EXPECT_LE(stack.letterRect(25).bottom() + 1, 100);

    stack.setPanel(20, 200);
    EXPECT_EQ(stack.offset(), 11 * 13); // 139 hidden now
    EXPECT_FALSE(stack.canScrollDown());
    stack.setPanel(20, 400);
    EXPECT_EQ(stack.offset(), 0);
    EXPECT_FALSE(stack.canScrollUp());
}

} // namespace
} // namespace zendrova::test
