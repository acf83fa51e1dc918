#include "ReportFixture.h"

#include "output/TReportRec.h"

namespace zendrova::test {
namespace {

constexpr double kTolerance = 0.02;

class ReportRowsTest : public ReportFixture
{
protected:
    ReportRowsTest()
    {
        setup.rowsLayout = true;
        setup.grid = false;
        setup.pageWidth = 8.5;
        setup.pageHeight = 11;
    }
};

TEST_F(ReportRowsTest, OneLinePerFieldWithCaptionsAndAnEmptyLineBetweenRecords)
{
    addCard({ "Aaron", "Braves", 44, 1234.5 });
    addCard({ "Mays", "Giants", 24, 10 });
    include(kCardName, 2);
    include(kTeam, 2);
    include(kPurchase, 2);
    run();
    const PrintedText caption = find("Card Name:");
    const PrintedText aaron = find("Aaron");
    const PrintedText braves = find("Braves");
    const PrintedText mays = find("Mays");
    const double line = braves.y - aaron.y;
    EXPECT_GT(line, 0.1);
    EXPECT_NEAR(caption.x, 0.5, kTolerance);
    EXPECT_NEAR(caption.y, aaron.y, 1e-9);
    // Values at one indent: the widest caption plus 0.1 inch.
    const double indent = 0.5 + filer.MeasureText("Purchase Price:") + 0.1;
    EXPECT_NEAR(aaron.x, indent, kTolerance);
    EXPECT_NEAR(find("1,234.50").x, indent, kTolerance);
    // Three field lines, one empty line, then the next record.
    EXPECT_NEAR(mays.y, aaron.y + 4 * line, 1e-6);
    EXPECT_NEAR(find("Totals:").y, mays.y + 4 * line, 1e-6);
    EXPECT_NEAR(find("1,244.50").y, mays.y + 6 * line, 1e-6);

    // Without captions the values start at the left margin.
    setup.fieldNames = false;
    run();
    EXPECT_FALSE(printed("Card Name:"));
    EXPECT_NEAR(find("Aaron").x, 0.5, kTolerance);
}

TEST_F(ReportRowsTest, MemoContinuesWithAnEmptyCaptionAndTheNextRecordWaits)
{
    QStringList lines;
    for (int i = 1; i <= 40; ++i)
        lines << QStringLiteral("line%1").arg(i);
    addCard({ "Aaron", "Braves", 44, 1, lines.join('\n') });
    addCard({ "Mays", "Giants", 24, 2 });
    setup.pageHeight = 4;
    include(kCardName, 2);
    include(kNotes, 2);
    include(kTeam, 2);
    run();
    ASSERT_GE(pageCount(), 2);
    const PrintedText notes = find("Notes:");
    const PrintedText first = find("line1");
    EXPECT_NEAR(first.y, notes.y, 1e-9);
    // The caption shows once; every line prints once, in order, at the value indent.
    int notesCaptions = 0;
    for (const PrintedText &t : texts())
        notesCaptions += t.text == "Notes:";
    EXPECT_EQ(notesCaptions, 2); // Aaron's and Mays'
    int previousPage = 1;
    double previousY = 0;
    for (int i = 1; i <= 40; ++i) {
        const PrintedText line = find(QStringLiteral("line%1").arg(i));
        EXPECT_NEAR(line.x, first.x, 1e-9) << i;
        EXPECT_TRUE(line.page > previousPage || line.y > previousY) << i;
        EXPECT_LT(line.y, 4 - 0.5 + 1e-9) << i;
        previousPage = line.page;
        previousY = line.y;
    }
    const PrintedText braves = find("Braves");
    const PrintedText last = find("line40");
    EXPECT_EQ(braves.page, last.page);
    EXPECT_GT(braves.y, last.y);
    EXPECT_GT(find("Mays").y, braves.y);
}

TEST_F(ReportRowsTest, NoLoneFieldLineAtAPageEnd)
{
    for (int i = 0; i < 12; ++i)
        addCard({ QStringLiteral("Card %1").arg(i), QStringLiteral("Team %1").arg(i), double(i) });
    setup.pageHeight = 3;
    include(kCardName, 2);
    include(kTeam, 2);
    include(kCardNumber, 2);
    run();
    // Each record's first field and last field share a page.
    for (int i = 0; i < 12; ++i) {
        const PrintedText name = find(QStringLiteral("Card %1").arg(i));
        const PrintedText team = find(QStringLiteral("Team %1").arg(i));
        EXPECT_EQ(name.page, team.page) << i;
        EXPECT_LT(team.y, 3 - 0.5 + 1e-9) << i;
    }
}

// Whether the totals get their heading depends on the lines left after the
// last record: more than 4 and they do. Varying the record count walks the
// last record down the page through both cases.
TEST_F(ReportRowsTest, TotalsHeadingNeedsMoreThanFourLines)
{
    include(kCardName, 2);
    include(kPurchase, 2);
    setup.pageHeight = 4;
    bool withHeading = false, withoutHeading = false;
    for (int cards = 1; cards <= 8; ++cards) {
        addCard({ QStringLiteral("Card %1").arg(cards), "T", {}, 1 });
        run();
        const PrintedText last = find(QStringLiteral("Card %1").arg(cards));
        // The last record's price: the line right after its name.
        const PrintedText lastPrice = [&] {
            for (const PrintedText &t : texts())
                if (t.text == "1.00" && t.page == last.page && t.y > last.y)
                    return t;
            return PrintedText{ 0, 0, 0, QString() };
        }();
        const double line = lastPrice.y - last.y;
        const double afterRecords = lastPrice.y + line;
        const double bandBottom = 4 - 0.5;
        const int linesLeft = lastPrice.page != pageCount()
            ? 0
            : 1 + static_cast<int>(std::floor((bandBottom - afterRecords) / line + 1e-9));
        const bool heading = printed("Totals:");
        EXPECT_EQ(heading, linesLeft > 4) << cards << " cards, " << linesLeft << " lines left";
        (heading ? withHeading : withoutHeading) = true;
        // The total itself always prints.
        EXPECT_TRUE(printed(QStringLiteral("%1.00").arg(cards))) << cards;
    }
    EXPECT_TRUE(withHeading);
    EXPECT_TRUE(withoutHeading);
}

TEST_F(ReportRowsTest, PicturesKeepTheirProportionsAndMoveToTheNextPage)
{
    addCard({ "Aaron", "Braves", {}, {}, {}, QSize(200, 100) });
    addCard({ "Mays", "Giants", {}, {}, {}, QSize(100, 100) });
    addCard({ "Ruth", "Yankees" });
    setup.pageHeight = 4.5;
    include(kCardName, 2);
    include(kSmallPicture, 2);
    include(kTeam, 2);
    run();
    std::vector<std::pair<int, print::PagePicture>> pictures;
    for (const print::Page &page : stream().pages)
        for (const print::PageOp &op : page.ops)
            if (const auto *picture = std::get_if<print::PagePicture>(&op))
                pictures.push_back({ page.number, *picture });
    ASSERT_EQ(pictures.size(), 2u);
    const print::PagePicture &wide = pictures[0].second;
    EXPECT_NEAR(wide.right - wide.left, 2.2, 1e-6);
    EXPECT_NEAR(wide.bottom - wide.top, 1.1, 1e-6);
    EXPECT_NEAR(wide.left, find("Aaron").x, 1e-6);
    EXPECT_GT(find("Braves").y, wide.bottom);
    // The square picture (2.2 inches tall) does not fit below the first
    // record, so Mays' picture starts the next page.
    EXPECT_EQ(pictures[1].first, 2);
    EXPECT_NEAR(pictures[1].second.bottom - pictures[1].second.top, 2.2, 1e-6);
    // An empty picture field still prints its caption, on a line of its own.
    const PrintedText ruth = find("Ruth");
    const PrintedText yankees = find("Yankees");
    EXPECT_EQ(ruth.page, yankees.page);
    const double line = find("Small Picture:").y - find("Card Name:").y;
    EXPECT_TRUE(textsOnPage(ruth.page).count("Small Picture:") >= 1);
    EXPECT_NEAR(yankees.y - ruth.y, 2 * line, 1e-6);
}

} // namespace
} // namespace zendrova::test
