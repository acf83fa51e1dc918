#include "output/SummaryList.h"

#include <gtest/gtest.h>

namespace zendrova::test {
namespace {

SummaryList listOf(std::initializer_list<std::pair<const char *, int>> groups)
{
    SummaryList list;
    for (const auto &[key, count] : groups)
        for (int i = 0; i < count; ++i)
            list.add(QString::fromLatin1(key));
    return list;
}

struct OrderCase
{
    const char *name;
    std::vector<std::pair<const char *, int>> firstSeen;
    std::vector<SummaryOrder> sorts;
    QStringList expected;
};

void PrintTo(const OrderCase &c, std::ostream *out)
{
    *out << c.name;
}

class SummaryOrderTest : public ::testing::TestWithParam<OrderCase>
{
};

TEST_P(SummaryOrderTest, KeysComeInTheOrderOfTheLastSort)
{
    const OrderCase &c = GetParam();
    SummaryList list;
    for (const auto &[key, count] : c.firstSeen)
        for (int i = 0; i < count; ++i)
            list.add(QString::fromLatin1(key));
    for (SummaryOrder order : c.sorts)
        list.sort(order);
    EXPECT_EQ(list.keys(), c.expected);
}

using O = SummaryOrder;
INSTANTIATE_TEST_SUITE_P(Orders, SummaryOrderTest,
    ::testing::Values(
        OrderCase { "FirstSeenUnsorted", { { "b", 1 }, { "A", 2 } }, {}, { "b", "A" } },
        OrderCase { "NameIgnoresCase", { { "b", 1 }, { "A", 2 }, { "c", 1 }, { "", 1 } },
            { O::Name }, { "", "A", "b", "c" } },
        // The text's case: among equal counts the later entry comes first.
        OrderCase { "ValueLaterEqualFirst", { { "A", 3 }, { "B", 5 }, { "C", 3 } }, { O::Value },
            { "B", "C", "A" } },
        OrderCase { "ValueTiesFollowCurrentOrder", { { "C", 3 }, { "A", 3 }, { "B", 5 } },
            { O::Value }, { "B", "A", "C" } },
        // A value sort starts from the order the list has now.
        OrderCase { "ValueAfterName", { { "C", 3 }, { "A", 3 }, { "B", 5 } },
            { O::Name, O::Value }, { "B", "C", "A" } },
        OrderCase { "ValueTwiceReversesTies", { { "A", 1 }, { "B", 1 }, { "C", 1 } },
            { O::Value, O::Value }, { "A", "B", "C" } },
        OrderCase { "ManyCounts", { { "d", 1 }, { "e", 4 }, { "f", 2 }, { "g", 4 }, { "h", 1 } },
            { O::Value }, { "g", "e", "f", "h", "d" } }),
    [](const auto &info) { return std::string(info.param.name); });

TEST(SummaryListTest, KeysDifferingInCaseShareTheGroupNamedAsFirstSeen)
{
    SummaryList list;
    list.add(QStringLiteral("Red Sox"), 1.5, 4.0);
    list.add(QStringLiteral("CUBS"));
    list.add(QStringLiteral("red sox"), 2.0, 1.0);
    list.add(QStringLiteral("RED SOX"));
    list.add(QStringLiteral("Cubs"));
    ASSERT_EQ(list.keys(), QStringList({ "Red Sox", "CUBS" }));
    EXPECT_EQ(list.countTexts(), QStringList({ "3", "2" }));
    EXPECT_DOUBLE_EQ(list.at(0).purchasePrice, 3.5);
    EXPECT_DOUBLE_EQ(list.at(0).gainOrLoss(), 1.5);

    // Sorting keeps the groups: later keys still find theirs.
    list.sort(SummaryOrder::Name);
    list.add(QStringLiteral("cubs"));
    EXPECT_EQ(list.keys(), QStringList({ "CUBS", "Red Sox" }));
    EXPECT_EQ(list.countTexts(), QStringList({ "3", "3" }));
}

TEST(SummaryListTest, PercentagesHaveOneDecimalAndTheTotalSumsTheCounts)
{
    const SummaryList list = listOf({ { "a", 1 }, { "b", 2 }, { "c", 3 } });
    EXPECT_EQ(list.total(), 6);
    EXPECT_EQ(list.percentTexts(), QStringList({ "16.7", "33.3", "50.0" }));
    EXPECT_EQ(SummaryList::percentText(1, 1), QStringLiteral("100.0"));
    EXPECT_TRUE(SummaryList().percentTexts().isEmpty());
}

} // namespace
} // namespace zendrova::test
