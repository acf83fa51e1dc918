#include "mainwin/MainLayout.h"

#include <algorithm>

namespace zendrova {

namespace {

struct Widths
{
    int list = 0;
    int card = 0;
    int growth = 0;
};

// The card page gives way first, down to its least width; what is still
// missing for the list is added to the window.
Widths shareWidth(const MainLayoutInput &input)
{
    Widths widths;
    widths.card = std::max(input.cardPageWidth, MainLayout::kMinimumCardPageWidth);
    const int forListAndCard = input.client.width() - input.letterColumnWidth;
    const int listShort = MainLayout::kMinimumListWidth - (forListAndCard - widths.card);
    if (listShort > 0)
        widths.card = std::max(widths.card - listShort, MainLayout::kMinimumCardPageWidth);
    widths.list = forListAndCard - widths.card;
    if (widths.list < MainLayout::kMinimumListWidth) {
        widths.growth = MainLayout::kMinimumListWidth - widths.list;
        widths.list = MainLayout::kMinimumListWidth;
    }
    return widths;
}

struct Rows
{
    int barTop = 0;
    int partsTop = 0;
    int partsHeight = 0;
};

Rows shareHeight(const MainLayoutInput &input)
{
    const int height = input.client.height();
    Rows rows;
    if (!input.speedBarsShown) {
        rows.partsHeight = height - MainLayout::kSplitterWidth - MainLayout::kHiddenBarsMargin;
    } else {
        const int bars = input.speedBarHeight + input.tabRowHeight;
        rows.partsHeight = height - bars;
        if (input.speedBarLocation == 1)
            rows.barTop = std::max(rows.partsHeight, 0);
        else
            rows.partsTop = bars;
    }
    rows.partsHeight = std::max(rows.partsHeight, 0);
    return rows;
}

} // namespace

QSize MainLayout::raisedToMinimum(QSize windowSize)
{
    return windowSize.expandedTo(kMinimumWindowSize);
}

MainLayoutResult MainLayout::compute(const MainLayoutInput &input)
{
    const Widths widths = shareWidth(input);
    const Rows rows = shareHeight(input);
    const int clientWidth = input.client.width() + widths.growth;

    MainLayoutResult result;
    result.cardPageWidth = widths.card;
    result.windowGrowth = widths.growth;
    if (input.speedBarsShown) {
        result.speedBar = QRect(0, rows.barTop, clientWidth, input.speedBarHeight);
        result.tabRow = QRect(0, result.speedBar.bottom() + 1, clientWidth, input.tabRowHeight);
    }
    const int top = rows.partsTop;
    const int height = rows.partsHeight;
    result.recordList = QRect(0, top, widths.list, height);
    const bool lettersRight = input.letterColumnLocation == 1;
    const int cardLeft = lettersRight ? widths.list : widths.list + input.letterColumnWidth;
    const int lettersLeft = lettersRight ? widths.list + widths.card : widths.list;
    result.letterColumn = QRect(lettersLeft, top, input.letterColumnWidth, height);
    result.cardPage = QRect(cardLeft, top, widths.card, height);
    result.splitter = QRect(cardLeft - kSplitterWidth / 2, top, kSplitterWidth, height);
    return result;
}

int MainLayout::cardWidthAfterSplitterRelease(const MainLayoutInput &input, int splitterCentreX)
{
    const int clientWidth = input.client.width();
    const int cardRight =
        input.letterColumnLocation == 1 ? clientWidth - input.letterColumnWidth : clientWidth;
    const int widest = clientWidth - input.letterColumnWidth - kMinimumListWidth;
    const int width = std::min(cardRight - splitterCentreX, widest);
    // On a window too narrow for both, the card keeps its least width and
    // the next layout widens the window for the list.
    return std::max(width, kMinimumCardPageWidth);
}

int MainLayout::heightChangeForMode(int fromMode, int toMode, const ModeHeights &heights)
{
    int change = 0;
    const int barsHeight =
        heights.speedBar + heights.tabRow - kSplitterWidth - kHiddenBarsMargin;
    if (speedBarsShownIn(toMode) != speedBarsShownIn(fromMode))
        change += speedBarsShownIn(toMode) ? barsHeight : -barsHeight;
    if (menuShownIn(toMode) != menuShownIn(fromMode))
        change += menuShownIn(toMode) ? heights.menuBar : -heights.menuBar;
    return change;
}

} // namespace zendrova
