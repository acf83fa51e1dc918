#include "mainwin/MainLayout.h"

#include <gtest/gtest.h>

namespace zendrova::test {
namespace {

// A speed bar of 40, its tab row 20, letters 30 wide, a card page of 300.
MainLayoutInput input(QSize client, int barLocation = 0, int lettersLocation = 0)
{
    MainLayoutInput in;
    in.client = client;
    in.speedBarLocation = barLocation;
    in.letterColumnLocation = lettersLocation;
    in.speedBarHeight = 40;
    in.tabRowHeight = 20;
    in.letterColumnWidth = 30;
    in.cardPageWidth = 300;
    return in;
}

TEST(MainLayoutTest, AWindowBelowTheLeastSizeIsRaisedToIt)
{
    EXPECT_EQ(MainLayout::raisedToMinimum({ 399, 299 }), QSize(400, 300));
    EXPECT_EQ(MainLayout::raisedToMinimum({ 120, 500 }), QSize(400, 500));
    EXPECT_EQ(MainLayout::raisedToMinimum({ 800, 12 }), QSize(800, 300));
    EXPECT_EQ(MainLayout::raisedToMinimum({ 400, 300 }), QSize(400, 300));
    EXPECT_EQ(MainLayout::raisedToMinimum({ 1024, 768 }), QSize(1024, 768));
}

TEST(MainLayoutTest, PartsFollowTheSpeedBarAndLetterColumnLocations)
{
    struct Case
    {
        const char *name;
        MainLayoutInput in;
        MainLayoutResult out;
    };
    MainLayoutInput hidden = input({ 1000, 600 });
    hidden.speedBarsShown = false;
    const Case cases[] = {
        { "bar on top, letters in the center", input({ 1000, 600 }, 0, 0),
            { QRect(0, 0, 1000, 40), QRect(0, 40, 1000, 20), QRect(0, 60, 670, 540),
                QRect(670, 60, 30, 540), QRect(698, 60, 4, 540), QRect(700, 60, 300, 540), 300,
                0 } },
        { "bar at the bottom, letters at the right", input({ 1000, 600 }, 1, 1),
            { QRect(0, 540, 1000, 40), QRect(0, 580, 1000, 20), QRect(0, 0, 670, 540),
                QRect(970, 0, 30, 540), QRect(668, 0, 4, 540), QRect(670, 0, 300, 540), 300,
                0 } },
        { "bar at the bottom, letters in the center", input({ 800, 500 }, 1, 0),
            { QRect(0, 440, 800, 40), QRect(0, 480, 800, 20), QRect(0, 0, 470, 440),
                QRect(470, 0, 30, 440), QRect(498, 0, 4, 440), QRect(500, 0, 300, 440), 300,
                0 } },
        // Hidden bars leave the splitter's height and 4 pixels free below.
        { "speed bars hidden", hidden,
            { QRect(), QRect(), QRect(0, 0, 670, 592), QRect(670, 0, 30, 592),
                QRect(698, 0, 4, 592), QRect(700, 0, 300, 592), 300, 0 } },
        // 170 pixels left for the list: the card page gives up 10.
        { "card page gives way", input({ 500, 400 }),
            { QRect(0, 0, 500, 40), QRect(0, 40, 500, 20), QRect(0, 60, 180, 340),
                QRect(180, 60, 30, 340), QRect(208, 60, 4, 340), QRect(210, 60, 290, 340), 290,
                0 } },
        // The card page is down to 230 and the list still lacks 40: the
        // window grows and the bars span the grown width.
        { "window grows", input({ 400, 300 }, 0, 1),
            { QRect(0, 0, 440, 40), QRect(0, 40, 440, 20), QRect(0, 60, 180, 240),
                QRect(410, 60, 30, 240), QRect(178, 60, 4, 240), QRect(180, 60, 230, 240), 230,
                40 } },
    };
    for (const Case &c : cases)
        EXPECT_EQ(MainLayout::compute(c.in), c.out) << c.name;
}

TEST(MainLayoutTest, ANarrowedWindowWithTheCardAtItsLeastWidthGrowsOnce)
{
    MainLayoutInput in = input({ 600, 400 });
    in.cardPageWidth = 230;
    for (int width = 600; width >= 400; width -= 10) {
        in.client.setWidth(width);
        const MainLayoutResult first = MainLayout::compute(in);
        EXPECT_EQ(first.cardPageWidth, 230);
        EXPECT_EQ(first.recordList.width(), std::max(width - 260, 180)) << width;
        EXPECT_EQ(first.windowGrowth, std::max(440 - width, 0)) << width;

        // Laid out again at the grown width, nothing moves.
        MainLayoutInput grown = in;
        grown.client.setWidth(width + first.windowGrowth);
        grown.cardPageWidth = first.cardPageWidth;
        const MainLayoutResult second = MainLayout::compute(grown);
        EXPECT_EQ(second.windowGrowth, 0);
        EXPECT_EQ(second.recordList, first.recordList);
        EXPECT_EQ(second.cardPage, first.cardPage);
        EXPECT_EQ(second.letterColumn, first.letterColumn);
    }
}

TEST(MainLayoutTest, ACardPageNarrowerThanTheLeastWidthIsWidened)
{
    MainLayoutInput in = input({ 1000, 600 });
    in.cardPageWidth = 100;
    const MainLayoutResult out = MainLayout::compute(in);
    EXPECT_EQ(out.cardPageWidth, 230);
    EXPECT_EQ(out.cardPage, QRect(770, 60, 230, 540));
    EXPECT_EQ(out.recordList.width(), 740);
}

TEST(MainLayoutTest, SplitterReleaseMeasuresFromItsCentreWithinTheLimits)
{
    struct Case
    {
        int clientWidth;
        int lettersLocation;
        int centreX;
        int cardWidth;
    };
    const Case cases[] = {
        { 1000, 0, 700, 300 }, // let go where it was
        { 1000, 0, 600, 400 },
        { 1000, 1, 570, 400 }, // the card ends where the letters begin
        { 1000, 0, 771, 230 }, // 229 would be too narrow
        { 1000, 0, 950, 230 },
        { 1000, 0, 210, 790 }, // the list keeps 180
        { 1000, 0, 100, 790 },
        { 1000, 1, 10, 790 },
        { 420, 0, 100, 230 }, // too narrow for both: the card keeps 230
    };
    for (const Case &c : cases) {
        const MainLayoutInput in = input({ c.clientWidth, 600 }, 0, c.lettersLocation);
        EXPECT_EQ(MainLayout::cardWidthAfterSplitterRelease(in, c.centreX), c.cardWidth)
            << c.clientWidth << " " << c.lettersLocation << " " << c.centreX;
    }
}

TEST(MainLayoutTest, ModesShowMenuAndSpeedBars)
{
    EXPECT_TRUE(MainLayout::speedBarsShownIn(0));
    EXPECT_TRUE(MainLayout::menuShownIn(0));
    EXPECT_FALSE(MainLayout::speedBarsShownIn(1));
    EXPECT_TRUE(MainLayout::menuShownIn(1));
    EXPECT_TRUE(MainLayout::speedBarsShownIn(2));
    EXPECT_FALSE(MainLayout::menuShownIn(2));
}

TEST(MainLayoutTest, ModeChangesResizeTheWindowHeight)
{
    const ModeHeights heights { 40, 20, 22 };
    // The bars and tab row (60) take the place of the 8 pixels kept free
    // without them; the menu bar's 22 come and go with the window.
    const int change[3][3] = {
        { 0, -52, -22 },
        { 52, 0, 30 },
        { 22, -30, 0 },
    };
    for (int from = 0; from < 3; ++from) {
        for (int to = 0; to < 3; ++to)
            EXPECT_EQ(MainLayout::heightChangeForMode(from, to, heights), change[from][to])
                << from << " to " << to;
    }
}

TEST(MainLayoutTest, AfterAModeChangeThePartsKeepTheirHeight)
{
    const ModeHeights heights { 40, 20, 22 };
    const int windowHeight = 622;
    auto partsHeight = [&](int mode, int height) {
        MainLayoutInput in = input({ 800, height - (MainLayout::menuShownIn(mode) ? 22 : 0) });
        in.speedBarsShown = MainLayout::speedBarsShownIn(mode);
        return MainLayout::compute(in).recordList.height();
    };
    for (int from = 0; from < 3; ++from) {
        for (int to = 0; to < 3; ++to) {
            const int after = windowHeight + MainLayout::heightChangeForMode(from, to, heights);
            EXPECT_EQ(partsHeight(to, after), partsHeight(from, windowHeight))
                << from << " to " << to;
        }
    }
    // Only speed bars: the menu goes and the client area keeps its height.
    EXPECT_EQ(windowHeight - 22,
        windowHeight + MainLayout::heightChangeForMode(0, 2, heights));
}

} // namespace
} // namespace zendrova::test
