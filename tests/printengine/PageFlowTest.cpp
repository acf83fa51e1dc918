#include "PageProbe.h"
#include "printengine/StatusFormat.h"

#include <gtest/gtest.h>

using namespace zendrova;
using namespace zendrova::print;
using test::kTolerance;
using test::MemoryFiler;
using test::opsOf;
using test::textNamed;
using test::textsOf;

namespace {

// 100 numbered lines, each page filled while RoomInLines says so, with a
// header that moves the band top up one line and a footer one line below the band.
struct NumberedReport
{
    MemoryFiler engine;
    QStringList hooks;
    QList<int> roomAtStart;
    int next = 1;

    NumberedReport()
    {
        engine.OnBeforePrint = [this] { hooks << "before"; };
        engine.OnNewPage = [this] { hooks << "new"; };
        engine.OnPrintHeader = [this] {
            hooks << "header";
            engine.MoveBandTop(engine.MarginTop - engine.OneLineHeight());
            engine.EmitTopLine(QStringLiteral("Page %1").arg(engine.CurrentPage()), pjRight);
            engine.MoveBandTop(engine.MarginTop);
            engine.GoFirstLine();
        };
        engine.OnPrintFooter = [this] {
            hooks << "footer";
            engine.MoveBandBottom(
                engine.PaperHeightUnits() - engine.MarginBottom + engine.OneLineHeight());
            engine.EmitBottomLine(QStringLiteral("Foot %1").arg(engine.CurrentPage()), pjLeft);
        };
        engine.OnPrintPage = [this](int page) {
            hooks << QStringLiteral("page %1").arg(page);
            roomAtStart << engine.RoomInLines();
            while (engine.RoomInLines() > 0 && next <= 100)
                engine.EmitLine(QStringLiteral("line %1").arg(next++));
            return next <= 100;
        };
        engine.OnAfterPrint = [this] { hooks << "after"; };
    }
};

TEST(PageFlow, BreaksPagesWithHeaderAndFooterHooks)
{
    NumberedReport report;
    ASSERT_TRUE(report.engine.RunJob());
    const QList<Page> pages = report.engine.Stream().pages;
    ASSERT_EQ(pages.size(), 2);
    EXPECT_EQ(report.hooks,
        QStringList({ "before", "new", "header", "page 1", "footer", "new", "header", "page 2",
            "footer", "after" }));
    const double height = report.engine.OneLineHeight();
    const double ascent = report.engine.LineAscent();
    // Every line of the band is used, and none lies below it.
    EXPECT_EQ(report.roomAtStart[0], 1 + int((10.5 - (0.5 + ascent)) / height));
    const QStringList first = textsOf(pages[0]);
    EXPECT_EQ(first.size(), report.roomAtStart[0] + 2);
    EXPECT_EQ(textsOf(pages[1]).first(), "Page 2");
    EXPECT_EQ(textsOf(pages[1])[1], QStringLiteral("line %1").arg(report.roomAtStart[0] + 1));
    EXPECT_EQ(textsOf(pages[1]).last(), "Foot 2");
    for (const Page &page : pages) {
        const PageText header = textNamed(page, QStringLiteral("Page %1").arg(page.number));
        EXPECT_NEAR(header.y, 0.5 - height + ascent, kTolerance);
        EXPECT_NEAR(header.x + report.engine.MeasureText(header.text), 8.0, kTolerance);
        const PageText footer = textNamed(page, QStringLiteral("Foot %1").arg(page.number));
        EXPECT_NEAR(footer.y, 10.5 + ascent, kTolerance);
        EXPECT_NEAR(footer.x, 0.5, kTolerance);
        const PageText firstLine = opsOf<PageText>(page)[1];
        EXPECT_NEAR(firstLine.y, 0.5 + ascent, kTolerance);
        for (const PageText &text : opsOf<PageText>(page))
            if (text.text.startsWith("line")) {
                EXPECT_LE(text.y, 10.5 + kTolerance);
            }
    }
}

TEST(PageFlow, KeepsOnlyTheChosenPageRange)
{
    MemoryFiler engine;
    engine.FirstPage = 2;
    engine.LastPage = 3;
    engine.OnPrintPage = [&](int page) {
        engine.EmitLine(QStringLiteral("p%1").arg(page));
        return page < 5;
    };
    ASSERT_TRUE(engine.RunJob());
    ASSERT_EQ(engine.Stream().pages.size(), 2);
    EXPECT_EQ(textsOf(engine.Stream().pages[0]), QStringList { "p2" });
    EXPECT_EQ(textsOf(engine.Stream().pages[1]), QStringList { "p3" });
}

TEST(PageFlow, BandEdgesAndRoomInLines)
{
    MemoryFiler engine;
    engine.produce([&] {
        const double h = engine.OneLineHeight();
        engine.MoveBandBottom(engine.CursorY() + 2.5 * h);
        EXPECT_EQ(engine.RoomInLines(), 3);
        engine.PlaceY(engine.BandBottom());
        EXPECT_EQ(engine.RoomInLines(), 1) << "a baseline on the band bottom still fits";
        engine.PlaceY(engine.BandBottom() + 0.001);
        EXPECT_EQ(engine.RoomInLines(), 0);
        engine.PlaceY(1.0);
        engine.MoveBandTop(2.0);
        EXPECT_NEAR(engine.CursorY(), 2.0, kTolerance) << "Y below the new top";
        engine.MoveBandTop(1.5);
        EXPECT_NEAR(engine.CursorY(), 2.0, kTolerance);
        engine.PlaceX(4.0);
        engine.EndLine();
        EXPECT_NEAR(engine.XPos(), engine.MarginLeft, kTolerance);
        EXPECT_NEAR(engine.CursorY(), 2.0 + h, kTolerance);
    });
}

TEST(PageFlow, UnitsAndOrientation)
{
    MemoryFiler engine;
    engine.UnitsFactor = 1.0 / 2.54;
    engine.Orientation = poLandScape;
    engine.MarginLeft = 2.54;
    const auto pages = engine.produce([&] {
        EXPECT_NEAR(engine.PaperWidthUnits(), 11.0 * 2.54, kTolerance);
        EXPECT_NEAR(engine.PaperHeightUnits(), 8.5 * 2.54, kTolerance);
        engine.PenMove(2.54, 5.08);
        engine.PenLine(7.62, 5.08);
        engine.EmitLine("x");
    });
    EXPECT_DOUBLE_EQ(pages.first().width, 11.0);
    const PageLine line = opsOf<PageLine>(pages.first()).first();
    EXPECT_NEAR(line.x1, 1.0, kTolerance);
    EXPECT_NEAR(line.x2, 3.0, kTolerance);
    EXPECT_NEAR(line.y1, 2.0, kTolerance);
    EXPECT_NEAR(textNamed(pages.first(), "x").x, 1.0, kTolerance);
}

TEST(StatusFormat, ExpandsPlaceholders)
{
    StatusValues values;
    values.page = 7;
    values.firstPage = 2;
    values.lastPage = 9;
    values.lines = QStringList { "zero", "one" };
    const std::vector<std::pair<QString, QString>> cases = {
        { "Printing Page %p\r%0\r%1", "Printing Page 7\nzero\none" },
        { "%P of %f-%L", "7 of 2-9" },
        { "100%%", "100%" },
        { "[%5]", "[]" },
        { "%x and %Q", "<ERROR-%x> and <ERROR-%Q>" },
        { "end %", "end %" },
    };
    for (const auto &[format, expected] : cases)
        EXPECT_EQ(expandStatusFormat(format, values), expected) << format.toStdString();
}

TEST(StatusFormat, ShownAtEveryPage)
{
    MemoryFiler engine;
    QStringList shown;
    engine.StatusLabel = [&](const QString &text) { shown << text; };
    engine.StatusFormat = "Printing Page %p\r%0";
    engine.StatusText = QStringList { "Printing Report Page" };
    engine.OnPrintPage = [&](int page) { return page < 3; };
    ASSERT_TRUE(engine.RunJob());
    EXPECT_EQ(shown,
        QStringList({ "Printing Page 1\nPrinting Report Page",
            "Printing Page 2\nPrinting Report Page", "Printing Page 3\nPrinting Report Page" }));
}

TEST(Cancel, StopsAfterThePageInProgress)
{
    MemoryFiler engine;
    bool after = false;
    engine.OnAfterPrint = [&] { after = true; };
    engine.StatusLabel = [&](const QString &text) {
        if (text.contains("page 2"))
            engine.CancelJob();
    };
    engine.OnPrintPage = [&](int page) {
        engine.EmitLine(QStringLiteral("body %1").arg(page));
        return true;
    };
    ASSERT_TRUE(engine.RunJob());
    EXPECT_TRUE(engine.JobCancelled());
    EXPECT_TRUE(after);
    ASSERT_EQ(engine.Stream().pages.size(), 2);
    EXPECT_EQ(textsOf(engine.Stream().pages[1]), QStringList { "body 2" });

    // A driver that produces all pages itself is stopped at its next page break.
    int started = 0;
    engine.StatusLabel = nullptr;
    engine.OnPrint = [&] {
        for (;;) {
            ++started;
            if (engine.CurrentPage() == 3)
                engine.CancelJob();
            engine.EmitLine("row");
            engine.StartNextPage();
        }
    };
    ASSERT_TRUE(engine.RunJob());
    EXPECT_TRUE(engine.JobCancelled());
    EXPECT_EQ(engine.Stream().pages.size(), 3);
    EXPECT_EQ(started, 3);

    engine.OnPrint = [&] { engine.EmitLine("again"); };
    ASSERT_TRUE(engine.RunJob());
    EXPECT_FALSE(engine.JobCancelled()) << "a new run starts uncancelled";
}

} // namespace
