// Which record the list's first row shows after each paging step.
#include "mainwin/ListPageTops.h"

#include <gtest/gtest.h>

namespace zendrova::test {
namespace {

TEST(ListPageTopsTest, PagesStepByTheirRowsAndAFullLastPageIsKept)
{
    struct Case
    {
        int count, rows, last;
    };
    const Case cases[] = {
        { 0, 10, 0 },
        { 9, 10, 0 },
        // Exactly one full page: Last stays on it, not on the empty page after.
        { 10, 10, 0 },
        { 11, 10, 10 },
        { 300, 17, 289 },
        { 306, 17, 289 },
        // No rows laid out yet counts as one.
        { 5, 0, 4 },
    };
    for (const Case &c : cases)
        EXPECT_EQ(ListPageTops::last(c.count, c.rows), c.last) << c.count << "/" << c.rows;

    EXPECT_EQ(ListPageTops::first(), 0);
    // After a full page of ten comes the page where a new record starts.
    EXPECT_EQ(ListPageTops::next(0, 10), 10);
    EXPECT_EQ(ListPageTops::previous(10, 10), 0);
    EXPECT_EQ(ListPageTops::previous(4, 10), 0);
    EXPECT_EQ(ListPageTops::previous(25, 10), 15);
}

TEST(ListPageTopsTest, AFoundPositionShowsThePageHoldingIt)
{
    EXPECT_EQ(ListPageTops::holding(0, 10), 0);
    EXPECT_EQ(ListPageTops::holding(9, 10), 0);
    EXPECT_EQ(ListPageTops::holding(10, 10), 10);
    EXPECT_EQ(ListPageTops::holding(123, 17), 119);
    EXPECT_EQ(ListPageTops::holding(3, 0), 3);
}

} // namespace
} // namespace zendrova::test
