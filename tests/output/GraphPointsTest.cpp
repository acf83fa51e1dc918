#include "output/GraphPaging.h"
#include "output/GraphPoints.h"

#include <gtest/gtest.h>

namespace zendrova::test {
namespace {

std::vector<GraphPoint> counted(const std::vector<int> &counts)
{
    QStringList keys, texts;
    for (size_t i = 0; i < counts.size(); ++i) {
        keys << QString(QChar(u'A' + int(i)));
        texts << QString::number(counts[i]);
    }
    return GraphPoints::fromTexts(keys, texts);
}

std::vector<double> values(const std::vector<GraphPoint> &points)
{
    std::vector<double> result;
    for (const GraphPoint &point : points)
        result.push_back(point.value);
    return result;
}

TEST(GraphPointsTest, SmallSharesOfThePieGoIntoOneOtherSliceAtTheEnd)
{
    const std::vector<GraphPoint> slices
        = GraphPoints::pieSlices(counted({ 50, 30, 10, 5, 1, 1, 1, 1, 1, 0 }));
    EXPECT_EQ(values(slices), (std::vector<double> { 50, 30, 10, 5, 5 }));
    EXPECT_EQ(slices.back().label, QStringLiteral("OTHER"));
    EXPECT_EQ(slices.at(3).label, QStringLiteral("D"));
}

TEST(GraphPointsTest, ExactlyTwoPercentIsOtherAndAnyMoreStandsAlone)
{
    // 2 of 100 is 2%; 201 of 10,000 is 2.01%.
    EXPECT_EQ(values(GraphPoints::pieSlices(counted({ 98, 2 }))), (std::vector<double> { 98, 2 }));
    EXPECT_EQ(GraphPoints::pieSlices(counted({ 98, 2 })).back().label, QStringLiteral("OTHER"));
    const auto slices = GraphPoints::pieSlices(counted({ 9799, 201 }));
    EXPECT_EQ(slices.back().label, QStringLiteral("B"));
    // Only zeros below the share: nothing to sum, no OTHER slice.
    EXPECT_EQ(values(GraphPoints::pieSlices(counted({ 7, 0 }))), (std::vector<double> { 7 }));
    // No total at all: every point on its own.
    EXPECT_EQ(GraphPoints::pieSlices(counted({ 0, 0 })).size(), 2u);
}

TEST(GraphPointsTest, CountTextsThatAreNoNumberCountZero)
{
    const auto points = GraphPoints::fromTexts(
        { "a", "b", "c", "d" }, { "12", "x", "", " 3 " });
    EXPECT_EQ(values(points), (std::vector<double> { 12, 0, 0, 3 }));
    EXPECT_EQ(GraphPoints::total(points), 15.0);
}

TEST(GraphPointsTest, PieLegendShowsPercentThenLabel)
{
    EXPECT_EQ(GraphPoints::pieLegendText({ "Mets", 1 }, 3), QStringLiteral("33.33 % Mets"));
    EXPECT_EQ(GraphPoints::pieLegendText({ "Cubs", 1 }, 2), QStringLiteral("50 % Cubs"));
    EXPECT_EQ(GraphPoints::pieLegendText({ "", 1 }, 8), QStringLiteral("12.5 % "));
}

TEST(GraphPointsTest, ThePrintRectangleKeepsTheWindowsProportionsATenthIn)
{
    EXPECT_EQ(GraphPoints::printRect({ 5100, 6600 }, { 600, 400 }),
        QRect(QPoint(510, 660), QSize(4080, 3400)));
    EXPECT_EQ(GraphPoints::printRect({ 1000, 1000 }, { 0, 400 }).height(), 0);
}

class GraphPagingTest : public ::testing::Test
{
protected:
    void TearDown() override { GraphPaging::setHeldItemsPerPage(GraphPaging::kInitialItemsPerPage); }
};

TEST_F(GraphPagingTest, PagesStepThroughThePointsWithTheButtonsFollowing)
{
    GraphPaging paging(23);
    EXPECT_EQ(paging.itemsPerPage(), 10);
    EXPECT_EQ(paging.pageCount(), 3);
    EXPECT_TRUE(paging.buttonsVisible());
    EXPECT_FALSE(paging.previousEnabled());
    EXPECT_TRUE(paging.nextEnabled());
    paging.next();
    paging.next();
    paging.next(); // no page 4
    EXPECT_EQ(paging.page(), 3);
    EXPECT_EQ(paging.first(), 20);
    EXPECT_EQ(paging.count(), 3);
    EXPECT_TRUE(paging.previousEnabled());
    EXPECT_FALSE(paging.nextEnabled());

    EXPECT_FALSE(GraphPaging(10).buttonsVisible());
    EXPECT_EQ(GraphPaging(0).pageCount(), 1);
    EXPECT_EQ(GraphPaging(0).count(), 0);
}

TEST_F(GraphPagingTest, UpdateTakesTheBoxWithEmptyOrZeroAsOneAndHoldsItForTheNextGraph)
{
    struct Case
    {
        const char *box;
        int items;
    };
    for (const Case &c : { Case { "", 1 }, Case { "0", 1 }, Case { "00", 1 }, Case { "7", 7 },
             Case { "99", 99 } }) {
        GraphPaging paging(50);
        EXPECT_EQ(paging.update(QString::fromLatin1(c.box)), c.items) << c.box;
        EXPECT_EQ(paging.itemsPerPage(), c.items);
        EXPECT_EQ(GraphPaging(5).itemsPerPage(), c.items) << "held for the next graph";
    }
    GraphPaging paging(50);
    paging.update(QStringLiteral("1"));
    for (int i = 0; i < 40; ++i)
        paging.next();
    paging.update(QStringLiteral("25"));
    EXPECT_EQ(paging.page(), 2);
    EXPECT_TRUE(GraphPaging::acceptsText(QStringLiteral("42")));
    EXPECT_FALSE(GraphPaging::acceptsText(QStringLiteral("-")));
    EXPECT_FALSE(GraphPaging::acceptsText(QStringLiteral("4a")));
}

} // namespace
} // namespace zendrova::test
