#include "PageProbe.h"

#include <gtest/gtest.h>

using namespace zendrova::print;
using zendrova::test::kTolerance;
using zendrova::test::MemoryFiler;
using zendrova::test::opsOf;
using zendrova::test::textNamed;

namespace {

TEST(TabStops, PlaceTextByJustificationAndMargin)
{
    MemoryFiler engine;
    double wL = 0, wR = 0, wC = 0, wCC = 0, ascent = 0, wRight = 0;
    const auto pages = engine.produce([&] {
        ascent = engine.LineAscent();
        wL = engine.MeasureText("L"), wR = engine.MeasureText("R"), wC = engine.MeasureText("C");
        wCC = engine.MeasureText("cc"), wRight = engine.MeasureText("right");
        engine.AddStop(pjLeft, 0, 0, 10, 2.0, 1.0);
        engine.AddStop(pjRight, 0, 0, 10, 2.0, kAfterPreviousStop);
        engine.AddStop(pjCenter, 0, 0, 10, 2.0, kAfterPreviousStop);
        engine.AddStop(pjBlock, 0, 0, 0, 2.0, kAfterPreviousStop);
        engine.EmitLine("lead\tL\tR\tC\taa bb cc");
        engine.CellJustifyAll = pjRight;
        engine.EmitLine("\tright");
    });
    ASSERT_EQ(pages.size(), 1);
    const Page &page = pages.first();
    const double baseline = 0.5 + ascent;
    EXPECT_NEAR(textNamed(page, "lead").x, 0.5, kTolerance)
        << "text before the first tab stays at X";
    EXPECT_NEAR(textNamed(page, "L").x, 1.1, kTolerance);
    EXPECT_NEAR(textNamed(page, "R").x, 3.0 + 2.0 - 0.1 - wR, kTolerance);
    EXPECT_NEAR(textNamed(page, "C").x, 5.0 + (2.0 - wC) / 2.0, kTolerance);
    EXPECT_NEAR(textNamed(page, "aa").x, 7.0, kTolerance);
    EXPECT_NEAR(textNamed(page, "cc").x + wCC, 9.0, kTolerance)
        << "block text reaches the right edge";
    EXPECT_GT(textNamed(page, "bb").x, textNamed(page, "aa").x + engine.MeasureText("aa "));
    for (const char *text : { "lead", "L", "R", "C", "aa", "bb", "cc" })
        EXPECT_NEAR(textNamed(page, text).y, baseline, kTolerance) << text;
    EXPECT_NEAR(textNamed(page, "right").x, 2.9 - wRight, kTolerance)
        << "CellJustifyAll overrides the stop";
    EXPECT_GT(textNamed(page, "right").y, baseline) << "EndLine went one line down";
    Q_UNUSED(wL);
}

struct Segment
{
    double x1, y1, x2, y2;
};

struct BoxCase
{
    int boxLines;
    int shade;
    int tabShade;
    std::vector<Segment> lines; // in cell coordinates: 0/1 for left/right, top/bottom
    int fillGrey; // -1 = no fill
};

TEST(TabStops, DrawBoxLinesAndShade)
{
    const std::vector<BoxCase> cases = {
        { BOXLINEALL, 0, 0, { { 0, 0, 0, 1 }, { 1, 0, 1, 1 }, { 0, 0, 1, 0 }, { 0, 1, 1, 1 } },
            -1 },
        { BOXLINELEFT | BOXLINEBOTTOM, 0, 0, { { 0, 0, 0, 1 }, { 0, 1, 1, 1 } }, -1 },
        { 0, 0, 0, {}, -1 },
        { 0, 20, 0, {}, 204 },
        { BOXLINETOP, 0, 50, { { 0, 0, 1, 0 } }, 128 },
    };
    for (const BoxCase &c : cases) {
        MemoryFiler engine;
        engine.TabShade = c.tabShade;
        double top = 0, height = 0;
        const auto pages = engine.produce([&] {
            engine.AddStop(pjLeft, c.boxLines, c.shade, 0, 1.5, 2.0);
            top = engine.CursorY() - engine.LineAscent();
            height = engine.OneLineHeight();
            engine.EmitLine("\tx");
        });
        const QList<PageLine> lines = opsOf<PageLine>(pages.first());
        ASSERT_EQ(lines.size(), qsizetype(c.lines.size())) << "box lines " << c.boxLines;
        for (size_t i = 0; i < c.lines.size(); ++i) {
            const Segment &want = c.lines[i];
            EXPECT_NEAR(lines[i].x1, 2.0 + 1.5 * want.x1, kTolerance);
            EXPECT_NEAR(lines[i].x2, 2.0 + 1.5 * want.x2, kTolerance);
            EXPECT_NEAR(lines[i].y1, top + height * want.y1, kTolerance);
            EXPECT_NEAR(lines[i].y2, top + height * want.y2, kTolerance);
        }
        const QList<PageShape> fills = opsOf<PageShape>(pages.first());
        ASSERT_EQ(fills.size(), c.fillGrey < 0 ? 0 : 1) << "shade " << c.shade;
        if (c.fillGrey >= 0) {
            EXPECT_NEAR(fills.first().brush.red(), c.fillGrey, 1);
            EXPECT_NEAR(fills.first().left, 2.0, kTolerance);
            EXPECT_NEAR(fills.first().bottom, top + height, kTolerance);
            // The fill goes under the text, so it comes first.
            EXPECT_TRUE(std::holds_alternative<PageShape>(pages.first().ops.first()));
        }
    }
}

TEST(TabStops, NextCellDrawsTheCellAndTakesTheNextText)
{
    MemoryFiler engine;
    double wHead = 0, firstTop = 0, secondTop = 0;
    const auto pages = engine.produce([&] {
        wHead = engine.MeasureText("Head");
        engine.AddStop(pjRight, BOXLINEALL, 0, 5, 1.5, 1.0);
        engine.AddStop(pjRight, BOXLINEALL, 0, 5, 1.0, kAfterPreviousStop);
        firstTop = engine.CursorY() - engine.LineAscent();
        const auto own = TCellPart::FromStop;
        engine.NextCell(own, own, own, own, own);
        engine.EmitText("Head");
        engine.EndLine();
        secondTop = engine.CursorY() - engine.LineAscent();
        for (int stop = 1; stop <= engine.StopCount(); ++stop)
            engine.NextCell(
                TCellPart::Off, TCellPart::Off, TCellPart::Off, TCellPart::Off, TCellPart::On);
    });
    const Page &page = pages.first();
    EXPECT_NEAR(textNamed(page, "Head").x, 2.5 - 0.05 - wHead, kTolerance);
    const QList<PageLine> lines = opsOf<PageLine>(page);
    ASSERT_EQ(lines.size(), 4 + 2) << "a boxed heading cell, then one rule per stop";
    for (int i = 4; i < 6; ++i) {
        EXPECT_NEAR(lines[i].y1, secondTop, kTolerance);
        EXPECT_NEAR(lines[i].y2, secondTop, kTolerance);
    }
    EXPECT_NEAR(lines[4].x1, 1.0, kTolerance);
    EXPECT_NEAR(lines[4].x2, 2.5, kTolerance);
    EXPECT_NEAR(lines[5].x1, 2.5, kTolerance);
    EXPECT_NEAR(lines[5].x2, 3.5, kTolerance);
    EXPECT_NEAR(lines[2].y1, firstTop, kTolerance) << "the heading cell's top line";
    EXPECT_EQ(opsOf<PageShape>(page).size(), 0) << "shade forced off";
}

TEST(TabStops, OpaqueTextGetsAWhiteBackground)
{
    MemoryFiler engine;
    engine.TextBKMode = bkOpaque;
    double width = 0, top = 0;
    const auto pages = engine.produce([&] {
        width = engine.MeasureText("over");
        top = engine.CursorY() - engine.LineAscent();
        engine.EmitLine("over");
    });
    const QList<PageShape> shapes = opsOf<PageShape>(pages.first());
    ASSERT_EQ(shapes.size(), 1);
    EXPECT_EQ(shapes.first().brush, QColor(Qt::white));
    EXPECT_FALSE(shapes.first().pen.isValid());
    EXPECT_NEAR(shapes.first().left, 0.5, kTolerance);
    EXPECT_NEAR(shapes.first().right, 0.5 + width, kTolerance);
    EXPECT_NEAR(shapes.first().top, top, kTolerance);
}

TEST(TabStops, StopEdgesAndRewind)
{
    MemoryFiler engine;
    engine.produce([&] {
        engine.AddStop(pjLeft, 0, 0, 4, 2.0, 1.0);
        engine.AddStop(pjLeft, 0, 0, 0, 0.5, kAfterPreviousStop);
        EXPECT_NEAR(engine.StopTextLeft(1), 1.04, kTolerance);
        EXPECT_NEAR(engine.StopTextRight(1), 2.96, kTolerance);
        EXPECT_NEAR(engine.StopTextWidth(1), 1.92, kTolerance);
        EXPECT_NEAR(engine.StopTextLeft(2), 3.0, kTolerance);
        engine.EmitText("\ta\tb");
        EXPECT_EQ(engine.CurrentStop(), 2);
        engine.RewindStops();
        EXPECT_EQ(engine.CurrentStop(), 0);
        engine.DropStops();
        EXPECT_EQ(engine.StopCount(), 0);
    });
}

} // namespace
