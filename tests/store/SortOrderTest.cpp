#include "store/SortOrder.h"
#include "FakeSortTarget.h"
#include "store/SortChange.h"
#include "support/ScriptedInteraction.h"

#include <gtest/gtest.h>

namespace zendrova {
namespace {

using namespace test;

class SortOrderTest : public ::testing::Test
{
protected:
    // Chooses a sort as the menus would, then applies it.
    bool change(const SortBytes &sort)
    {
        SortChange::chooseAll(order.descriptor, sort);
        return order.applyChange(table);
    }

    ScriptedInteraction user;
    FakeSortTarget table;
    SortOrder order;
};

TEST_F(SortOrderTest, EntryOrderOnAFreshDatabaseAddsTheNextTagAndSelectsIt)
{
    EXPECT_TRUE(order.applySort(table));

    ASSERT_EQ(table.tags.size(), 3);
    EXPECT_EQ(table.tags[2],
        (IndexDefinition {
            QStringLiteral("IDX2"), QStringLiteral("STR(RECNO, 20, 4)"), { true, false } }));
    EXPECT_EQ(table.selected, QStringLiteral("IDX2"));
    EXPECT_TRUE(table.isOpen);
    EXPECT_FALSE(table.isExclusive);
    EXPECT_EQ(table.log,
        (QStringList { "open exclusive", "add IDX2", "refresh", "open shared", "decimals" }));
}

TEST_F(SortOrderTest, TheSameSortTwiceAddsOneTagAndAFilterAddsItsOwn)
{
    ASSERT_TRUE(change({ kCardName, true, kSport, false }));
    ASSERT_TRUE(change({ kPurchase, false, 0, false }));
    ASSERT_TRUE(change({ kCardName, true, kSport, false }));
    EXPECT_EQ(table.tags.size(), 3); // the number sort reuses the template's IDX1
    EXPECT_EQ(table.selected, QStringLiteral("IDX2"));

    ASSERT_TRUE(order.chooseFilterScope(table, FilterScope::NormalFilter));
    ASSERT_EQ(table.tags.size(), 4);
    EXPECT_EQ(table.tags[3],
        (IndexDefinition {
            QStringLiteral("IDXF3"), QStringLiteral("FILTER+CARDNAME+SPORT"), { true, true } }));
    EXPECT_EQ(order.filterScope, FilterScope::NormalFilter);
    EXPECT_TRUE(order.descriptor.filtered);
    ASSERT_TRUE(order.chooseFilterScope(table, FilterScope::ReversedFilter));
    EXPECT_EQ(table.tags.size(), 4);
    EXPECT_EQ(table.selected, QStringLiteral("IDXF3"));
}

TEST_F(SortOrderTest, AnExistingTagNeedsNoExclusiveUse)
{
    table.othersHaveItOpen = true;
    EXPECT_TRUE(change({ kPurchase, false, 0, false }));
    EXPECT_EQ(table.selected, QStringLiteral("IDX1"));
    EXPECT_FALSE(table.log.contains(QStringLiteral("open exclusive")));
}

TEST_F(SortOrderTest, RefusedTagKeepsThePreviousSortAndTellsTheUser)
{
    ASSERT_TRUE(change({ kCardName, false, 0, false })); // IDX0
    table.log.clear();

    struct Refusal
    {
        const char *what;
        bool othersHaveItOpen;
        bool refuseTags;
        SortBytes sort;
    };
    const Refusal refusals[] = {
        { "table in use elsewhere", true, false, { kSport, true, 0, false } },
        { "engine refuses one more tag", false, true, { kSport, true, 0, false } },
        { "position names no field", false, false, { 40, false, 0, false } },
        { "picture gives no key", false, false, { kPicture, false, 0, false } },
    };
    for (const Refusal &r : refusals) {
        SCOPED_TRACE(r.what);
        table.othersHaveItOpen = r.othersHaveItOpen;
        table.refuseTags = r.refuseTags;
        user.expectMessage(
            MessageKind::Error, SortOrder::indexFailureText(), MessageButtons::Ok, kNoHelp);
        EXPECT_FALSE(change(r.sort));
        EXPECT_TRUE(user.allConsumed());
        EXPECT_EQ(order.descriptor.sort, (SortBytes { kCardName, false, 0, false }));
        EXPECT_EQ(table.selected, QStringLiteral("IDX0"));
        EXPECT_TRUE(table.isOpen);
        EXPECT_FALSE(table.isExclusive);
        EXPECT_EQ(table.tags.size(), 2);
        EXPECT_EQ(table.log.last(), QStringLiteral("decimals"));
    }
    EXPECT_EQ(SortOrder::indexFailureText(),
        QStringLiteral("Unable to create Index!\rDatabase may be used by someone else - "
                       "this function requires Exclusive Database Use."));
}

TEST_F(SortOrderTest, QuietFlagSilencesTheRefusal)
{
    order.quiet = true;
    table.othersHaveItOpen = true;
    EXPECT_FALSE(change({ kSport, false, 0, false }));
    EXPECT_TRUE(user.shownMessages().isEmpty());
    EXPECT_EQ(order.descriptor.sort, SortBytes {});
}

TEST_F(SortOrderTest, AChangeShowsAllRecordsAgainAndAnUnchangedChoiceDoesNothing)
{
    ASSERT_TRUE(order.chooseFilterScope(table, FilterScope::ReversedFilter));
    table.log.clear();
    EXPECT_TRUE(change(order.descriptor.sort));
    EXPECT_TRUE(table.log.isEmpty());
    EXPECT_EQ(order.filterScope, FilterScope::ReversedFilter);

    EXPECT_TRUE(change({ kSport, false, 0, false }));
    EXPECT_EQ(order.filterScope, FilterScope::AllRecords);
    EXPECT_FALSE(order.descriptor.filtered);
    EXPECT_EQ(table.tags.last().expression, QStringLiteral("UPPER(SPORT)"));
}

TEST_F(SortOrderTest, RefusedFilterScopeKeepsTheScopeShown)
{
    ASSERT_TRUE(change({ kSport, false, 0, false }));
    table.othersHaveItOpen = true;
    user.expectMessage(
        MessageKind::Error, SortOrder::indexFailureText(), MessageButtons::Ok, kNoHelp);
    EXPECT_FALSE(order.chooseFilterScope(table, FilterScope::NormalFilter));
    EXPECT_EQ(order.filterScope, FilterScope::AllRecords);
    EXPECT_FALSE(order.descriptor.filtered);
    EXPECT_EQ(order.descriptor.sort, (SortBytes { kSport, false, 0, false }));
    EXPECT_EQ(table.selected, QStringLiteral("IDX2"));
}

TEST_F(SortOrderTest, AfterSortHookRunsOnlyWhenTheSortChanged)
{
    int runs = 0;
    order.afterSort = [&] {
        EXPECT_TRUE(table.isOpen);
        ++runs;
    };
    EXPECT_TRUE(change({ kSport, false, 0, false }));
    table.othersHaveItOpen = true;
    user.expectMessage(
        MessageKind::Error, SortOrder::indexFailureText(), MessageButtons::Ok, kNoHelp);
    EXPECT_FALSE(change({ kCardName, true, 0, false }));
    EXPECT_EQ(runs, 1);
}

} // namespace
} // namespace zendrova
