#pragma once

#include <QRect>
#include <QSize>

namespace zendrova {

// What the main window's layout depends on. Sizes in pixels; the client area
// is the window's area below its menu bar.
struct MainLayoutInput
{
    QSize client;
    bool speedBarsShown = true;
    int speedBarLocation = 0; // 0 top, 1 bottom
    int letterColumnLocation = 0; // 0 center, 1 right
    int speedBarHeight = 0; // Panel3 and Panel4
    int tabRowHeight = 0; // TabSet1
    int letterColumnWidth = 0; // Panel7
    int cardPageWidth = 0; // PgRight, as wanted
};

// Where the window's parts go. With the speed bars hidden their rectangles
// are empty.
struct MainLayoutResult
{
    QRect speedBar; // shared by both speed bar pages
    QRect tabRow; // TabSet1
    QRect recordList; // Panel1
    QRect letterColumn; // Panel7
    QRect splitter; // Splitter
    QRect cardPage; // PgRight
    int cardPageWidth = 0; // the width actually given to the card page
    // The window grows by this much so that the record list keeps its least
    // width; the rectangles above already assume the grown width.
    int windowGrowth = 0;

    bool operator==(const MainLayoutResult &) const = default;
};

// The height the window changes by when the menus-and-speed-bars mode changes.
struct ModeHeights
{
    int speedBar = 0;
    int tabRow = 0;
    int menuBar = 0;
};

// The positions of the main window's parts, without widgets.
//
// The splitter is a grip kSplitterWidth pixels wide whose centre lies on the
// card page's left edge: half of it overlaps the part left of the card. Its
// centre then measures the card page's width exactly, so releasing it without
// moving changes nothing. The same thickness is "the splitter's height" kept
// free below the parts when the speed bars are hidden.
class MainLayout
{
public:
    static constexpr QSize kMinimumWindowSize { 400, 300 };
    static constexpr int kMinimumListWidth = 180;
    static constexpr int kMinimumCardPageWidth = 230;
    static constexpr int kSplitterWidth = 4;
    // Below the parts with the speed bars hidden, besides the splitter's height.
    static constexpr int kHiddenBarsMargin = 4;

    // A window smaller than the least size is raised to it.
    static QSize raisedToMinimum(QSize windowSize);

    static MainLayoutResult compute(const MainLayoutInput &input);

    // The card page's width after the splitter is let go with its centre at
    // splitterCentreX (client coordinates): the distance to the card page's
    // right edge, at least 230 and leaving the record list at least 180.
    static int cardWidthAfterSplitterRelease(const MainLayoutInput &input, int splitterCentreX);

    // Mode 0 shows menu and speed bars, 1 only the menu, 2 only the speed bars.
    static bool speedBarsShownIn(int mode) { return mode != 1; }
    static bool menuShownIn(int mode) { return mode != 2; }
    // How much taller (negative: shorter) the window gets going from one mode
    // to the other. The speed bars and their tab row take the place of the
    // margin left below the parts when they are hidden; the menu bar comes
    // and goes with the window's height, so the client area keeps its size.
    static int heightChangeForMode(int fromMode, int toMode, const ModeHeights &heights);
};

} // namespace zendrova
