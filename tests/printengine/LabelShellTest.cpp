#include "PageProbe.h"
#include "printengine/TLabelShell.h"

#include <gtest/gtest.h>

using namespace zendrova;
using namespace zendrova::print;
using test::kTolerance;
using test::MemoryFiler;
using test::opsOf;
using test::textNamed;

namespace {

// A 2-across, 3-down sheet; each label prints "L<n> r<row>c<col>" on its first line.
struct Sheet
{
    MemoryFiler engine;
    TLabelShell shell;
    int printed = 0;
    int wanted = 8;

    Sheet()
    {
        shell.setLabelBrand(lbCustom);
        shell.setLabelWidth(3.0);
        shell.setLabelHeight(2.0);
        shell.setSpacingWidth(3.5);
        shell.setSpacingHeight(2.5);
        shell.setSpacingLeft(0.75);
        shell.setSpacingTop(1.0);
        shell.setNumAcross(2);
        shell.setNumDown(3);
        shell.OnLabelPrint = [this](TBaseReport &e) {
            e.EmitLine(QStringLiteral("L%1 r%2c%3")
                           .arg(++printed)
                           .arg(shell.CurrentRow())
                           .arg(shell.CurrentColumn()));
        };
        shell.OnLabelAfter = [this](TBaseReport &) { return printed < wanted; };
    }
    QList<Page> run()
    {
        engine.OnPrint = [this] { shell.RunJob(engine); };
        EXPECT_TRUE(engine.RunJob());
        return engine.Stream().pages;
    }
};

QStringList positions(const QList<Page> &pages)
{
    QStringList found;
    for (const Page &page : pages)
        for (const PageText &text : opsOf<PageText>(page))
            found << QStringLiteral("p%1 %2").arg(page.number).arg(text.text.section(' ', 1));
    return found;
}

TEST(LabelShell, VisitsRowByRowThenStartsANewSheet)
{
    Sheet sheet;
    const QList<Page> pages = sheet.run();
    ASSERT_EQ(pages.size(), 2);
    EXPECT_EQ(positions(pages),
        QStringList({ "p1 r1c1", "p1 r1c2", "p1 r2c1", "p1 r2c2", "p1 r3c1", "p1 r3c2", "p2 r1c1",
            "p2 r1c2" }));
    // Label coordinates: the first line of label (3, 2) starts at its own corner.
    const PageText label = textNamed(pages[0], "L6 r3c2");
    EXPECT_NEAR(label.x, 0.75 + 3.5, kTolerance);
    EXPECT_NEAR(label.y, 1.0 + 2 * 2.5 + sheet.engine.LineAscent(), kTolerance);
}

TEST(LabelShell, VisitsColumnByColumn)
{
    Sheet sheet;
    sheet.shell.PrintByRow = false;
    sheet.wanted = 4;
    EXPECT_EQ(positions(sheet.run()), QStringList({ "p1 r1c1", "p1 r2c1", "p1 r3c1", "p1 r1c2" }));
}

TEST(LabelShell, LabelEdgesBecomeMarginsAndBand)
{
    Sheet sheet;
    sheet.wanted = 1;
    sheet.shell.OnLabelPrint = [&](TBaseReport &e) {
        ++sheet.printed;
        EXPECT_NEAR(e.LeftEdge(), 0, kTolerance);
        EXPECT_NEAR(e.RightEdge(), 3.0, kTolerance);
        EXPECT_NEAR(e.BandBottom(), 2.0, kTolerance);
        int lines = 0;
        while (e.RoomInLines() > 0)
            e.EmitLine(QStringLiteral("x%1").arg(++lines));
        EXPECT_EQ(lines, 1 + int((2.0 - e.LineAscent()) / e.OneLineHeight()));
        e.EmitTopLine("right", pjRight);
    };
    const QList<Page> pages = sheet.run();
    const PageText right = textNamed(pages[0], "right");
    EXPECT_NEAR(right.x + sheet.engine.MeasureText("right"), 0.75 + 3.0, kTolerance);
    for (const PageText &text : opsOf<PageText>(pages[0]))
        EXPECT_LE(text.y, 1.0 + 2.0 + kTolerance);
}

TEST(LabelShell, DrawsExtentsForTheScreenOnly)
{
    Sheet sheet;
    sheet.shell.DrawExtents = true;
    sheet.shell.LabelShape = lsRound;
    sheet.wanted = 1;
    const QList<PageShape> shapes = opsOf<PageShape>(sheet.run().first());
    ASSERT_EQ(shapes.size(), 6);
    for (const PageShape &shape : shapes) {
        EXPECT_EQ(shape.kind, PageShapeKind::Ellipse);
        EXPECT_TRUE(shape.screenOnly);
        EXPECT_EQ(shape.brush, QColor(Qt::white));
    }
    EXPECT_NEAR(shapes[5].left, 0.75 + 3.5, kTolerance);
    EXPECT_NEAR(shapes[5].top, 1.0 + 2 * 2.5, kTolerance);
    EXPECT_NEAR(shapes[5].bottom - shapes[5].top, 2.0, kTolerance);

    Sheet printed;
    printed.shell.DrawExtents = true;
    printed.shell.DrawPreviewOnly = false;
    printed.wanted = 1;
    const QList<PageShape> rounded = opsOf<PageShape>(printed.run().first());
    EXPECT_EQ(rounded.first().kind, PageShapeKind::RoundRect);
    EXPECT_NEAR(rounded.first().radius, 0.2, kTolerance);
    EXPECT_FALSE(rounded.first().screenOnly);
}

TEST(LabelShell, ADeclinedPositionIsOfferedAgain)
{
    Sheet sheet;
    sheet.wanted = 2;
    int offers = 0;
    sheet.shell.OnLabelBefore = [&](TBaseReport &) { return ++offers > 2; };
    EXPECT_EQ(positions(sheet.run()), QStringList({ "p1 r1c1", "p1 r1c2" }));
    EXPECT_EQ(offers, 4);
}

TEST(LabelShell, GeometryRules)
{
    TLabelShell shell;
    EXPECT_EQ(shell.LabelBrand(), lbAvery5160);
    shell.LabelShape = lsRect;
    shell.setLabelWidth(0);
    EXPECT_DOUBLE_EQ(shell.LabelWidth(), 2.625) << "0 keeps the old width";
    EXPECT_EQ(shell.LabelBrand(), lbCustom);
    shell.setSpacingWidth(0);
    shell.setSpacingTop(0);
    EXPECT_DOUBLE_EQ(shell.SpacingWidth(), 0.0001);
    EXPECT_DOUBLE_EQ(shell.SpacingTop(), 0.0001);
    shell.setLabelBrand(lbCustom);
    EXPECT_EQ(shell.LabelShape, lsRoundRect) << "a brand resets the shape, custom too";
    EXPECT_DOUBLE_EQ(shell.LabelWidth(), 2.625) << "custom loads no geometry";
    shell.setLabelBrand(lbAvery5163);
    EXPECT_EQ(shell.NumAcross(), 2);
    EXPECT_DOUBLE_EQ(shell.LabelHeight(), 2.0);
}

TEST(LabelShell, NoPositionsEndsTheRun)
{
    Sheet sheet;
    sheet.shell.setNumAcross(0);
    bool after = false;
    sheet.shell.OnReportAfter = [&](TBaseReport &) { after = true; };
    EXPECT_EQ(sheet.run().size(), 1);
    EXPECT_TRUE(after);
    EXPECT_EQ(sheet.printed, 0);
}

} // namespace
