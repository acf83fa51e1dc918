#include "ReportFixture.h"

#include "output/TReportRec.h"

namespace zendrova::test {
namespace {

constexpr double kTolerance = 0.02;

class ReportColumnsTest : public ReportFixture
{
protected:
    ReportColumnsTest()
    {
        setup.pageWidth = 8.5;
        setup.pageHeight = 11;
    }
};

TEST_F(ReportColumnsTest, EveryValueInItsColumnWithTotals)
{
    addCard({ "Aaron", "Braves", 44, 1234.5 });
    addCard({ "Mays", "Giants", 24, 10 });
    include(kCardName, 2);
    include(kTeam, 1.5);
    include(kPurchase, 1.5);
    run();
    ASSERT_EQ(pageCount(), 1);
    const PrintedText name = find("Card Name:");
    const PrintedText aaron = find("Aaron");
    const PrintedText braves = find("Braves");
    const PrintedText price = find("1,234.50");
    const PrintedText mays = find("Mays");
    // Text columns start at their stop (plus the grid margin), numbers end at theirs.
    EXPECT_NEAR(aaron.x, 0.5 + 0.04, kTolerance);
    EXPECT_NEAR(braves.x, 2.5 + 0.04, kTolerance);
    EXPECT_GT(price.x, 4.0);
    EXPECT_LT(price.x, 5.5 - 0.04);
    EXPECT_NEAR(aaron.y, braves.y, 1e-9);
    EXPECT_NEAR(aaron.y, price.y, 1e-9);
    EXPECT_GT(aaron.y, name.y);
    EXPECT_GT(mays.y, aaron.y);
    const PrintedText totals = find("Totals:");
    EXPECT_NEAR(totals.x, aaron.x, kTolerance);
    EXPECT_GT(totals.y, mays.y);
    EXPECT_NEAR(find("1,244.50").y, totals.y, 1e-9);
}

TEST_F(ReportColumnsTest, ColumnsWiderThanThePageAreCutAtTheRightMargin)
{
    addCard({ "Aaron", "Philadelphia Phillies", 44, 1 });
    setup.marginLeft = setup.marginRight = 1;
    include(kCardName, 3);
    include(kCardNumber, 3);
    include(kTeam, 2); // only 0.5 of it fits
    include(kPurchase, 2);
    TReportRec definition;
    definition.setColumns(setup.columns);
    run({}, &definition);
    EXPECT_FALSE(printed("Purchase Price:"));
    EXPECT_FALSE(printed("1.00"));
    ASSERT_EQ(definition.columnCount(), 3);
    // The team is shortened from the end to fit 0.5 inch less the margins.
    const QString team = QStringLiteral("Philadelphia Phillies");
    bool partOfTeam = false;
    for (const PrintedText &t : texts())
        if (t.text.size() < team.size() && team.startsWith(t.text)) {
            partOfTeam = true;
            EXPECT_NEAR(t.x, 7 + 0.04, kTolerance);
            EXPECT_LE(filer.MeasureText(t.text), 0.5 - 0.08);
        }
    EXPECT_TRUE(partOfTeam);
    EXPECT_FALSE(printed(team));

    // Columns that fill the width exactly leave the next one 0 wide: nothing of it prints.
    setup.columns.clear();
    include(kCardName, 3);
    include(kCardNumber, 3.5);
    include(kTeam, 2);
    run();
    EXPECT_TRUE(printed("44"));
    for (const PrintedText &t : texts())
        EXPECT_FALSE(t.text.startsWith("P") || t.text == "Team:") << t.text.toStdString();
}

TEST_F(ReportColumnsTest, TotalsOnlyForNumericColumns)
{
    addCard({ "Aaron", "Braves", 44, 2 });
    addCard({ "Mays", "Giants", 24, 3 });
    // No numeric column: no totals row at all.
    include(kCardName, 2);
    include(kTeam, 2);
    run();
    EXPECT_FALSE(printed("Totals:"));

    // A numeric first column: its total, and no "Totals:".
    setup.columns.clear();
    include(kCardNumber, 1.5);
    include(kCardName, 2);
    run();
    EXPECT_FALSE(printed("Totals:"));
    EXPECT_GT(find("68").y, find("24").y);

    // Totals switched off.
    setup.columns.clear();
    include(kCardName, 2);
    include(kPurchase, 1.5);
    setup.totals = false;
    run();
    EXPECT_FALSE(printed("Totals:"));
    EXPECT_FALSE(printed("5.00"));
}

TEST_F(ReportColumnsTest, MemoContinuesInItsColumnOnTheNextPage)
{
    QStringList lines;
    for (int i = 1; i <= 40; ++i)
        lines << QStringLiteral("line%1").arg(i);
    addCard({ "Aaron", "Braves", 44, 1, lines.join('\n') });
    addCard({ "Mays", "Giants", 24, 2, "short" });
    setup.pageHeight = 4;
    include(kCardName, 2);
    include(kNotes, 3);
    include(kPurchase, 1.5);
    run();
    ASSERT_GE(pageCount(), 2);
    const PrintedText first = find("line1");
    const PrintedText aaron = find("Aaron");
    EXPECT_EQ(first.page, 1);
    EXPECT_NEAR(first.y, aaron.y, 1e-9);
    EXPECT_NEAR(first.x, 2.5 + 0.04, kTolerance);
    // Every memo line prints once, in order, in the same column.
    int previousPage = 1;
    double previousY = 0;
    for (int i = 1; i <= 40; ++i) {
        const PrintedText line = find(QStringLiteral("line%1").arg(i));
        EXPECT_NEAR(line.x, first.x, 1e-9) << i;
        EXPECT_TRUE(line.page > previousPage || line.y > previousY) << i;
        previousPage = line.page;
        previousY = line.y;
    }
    const PrintedText last = find("line40");
    const PrintedText mays = find("Mays");
    EXPECT_TRUE(mays.page > last.page || (mays.page == last.page && mays.y > last.y));
    // The caption row repeats on every page.
    for (int page = 1; page <= pageCount(); ++page)
        EXPECT_TRUE(textsOnPage(page).contains("Card Name:")) << page;
    EXPECT_TRUE(printed("3.00"));
}

TEST_F(ReportColumnsTest, OneRecordModePrintsTheCurrentRecordAndLeavesTheTable)
{
    addCard({ "Aaron", "Braves", 44, 2 });
    addCard({ "Mays", "Giants", 24, 3 });
    addCard({ "Ruth", "Yankees", 3, 7 });
    include(kCardName, 2);
    include(kPurchase, 1.5);
    setup.oneRecord = true;
    records().first();
    records().next();
    const auto before = records().bookmark();
    run();
    EXPECT_EQ(records().bookmark(), before);
    EXPECT_TRUE(printed("Mays"));
    EXPECT_FALSE(printed("Aaron"));
    EXPECT_FALSE(printed("Ruth"));
    // Its total is its own value.
    EXPECT_GT(find("Totals:").y, find("Mays").y);
    EXPECT_EQ(textsOnPage(1).count("3.00"), 2);

    // The main window's hooks move the table (lifting and restoring the
    // letter range); the one record is still the one the table stood on.
    run({ [&] { records().first(); }, [&] { records().last(); } });
    EXPECT_EQ(records().bookmark(), before);
    EXPECT_TRUE(printed("Mays"));
    EXPECT_FALSE(printed("Aaron"));
}

TEST_F(ReportColumnsTest, TitleCutTo31AndPageNumbersWithTheDate)
{
    addCard({ "Aaron", "Braves", 44, 2 });
    include(kCardName, 2);
    setup.title = QStringLiteral("Hall of Fame Cards Worth Insuring This Year");
    setup.pageNumbers = TReportRec::NumbersAtBottom;
    run();
    EXPECT_TRUE(printed("Hall of Fame Cards Worth Insuri"));
    const PrintedText date = find("Date 12/11/2026");
    const PrintedText page = find("Page 1");
    EXPECT_NEAR(date.x, 0.5, kTolerance);
    EXPECT_GT(page.x, 7.0);
    EXPECT_GT(date.y, 10.5);
    EXPECT_EQ(filer.Title, "Hall of Fame Cards Worth Insuri");
}

TEST_F(ReportColumnsTest, ReadsTheRecordsInTheTablesRangeAndRunsTheHooks)
{
    for (int i = 0; i < 30; ++i)
        addCard({ QStringLiteral("Card %1").arg(i, 2, 10, QLatin1Char('0')), "Team", double(i), 1 });
    include(kCardName, 2);
    include(kCardNumber, 1);
    setup.pageHeight = 3;
    QStringList calls;
    run({ [&] { calls << "before"; }, [&] { calls << "after"; } });
    EXPECT_EQ(calls, QStringList({ "before", "after" }));
    EXPECT_GT(pageCount(), 2);
    double previous = -1;
    int previousPage = 0;
    for (int i = 0; i < 30; ++i) {
        const PrintedText t = find(QStringLiteral("Card %1").arg(i, 2, 10, QLatin1Char('0')));
        EXPECT_TRUE(t.page > previousPage || t.y > previous) << i;
        EXPECT_LT(t.y, 3 - 0.5 + 1e-9) << i;
        previous = t.y;
        previousPage = t.page;
    }
    EXPECT_TRUE(printed("435"));
}

} // namespace
} // namespace zendrova::test
