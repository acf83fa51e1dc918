#include "StoreFixtures.h"
#include "store/LetterTabs.h"

#include <gtest/gtest.h>
#include <map>

namespace zendrova {
namespace {

using namespace test;
using Kind = LetterRange::Kind;

TEST(LetterRange, RangesOnTheMarkAndTheFirstLetter)
{
    struct Case
    {
        const char *what;
        char letter;
        SortBytes sort;
        FilterScope scope;
        bool tagSelected, tabsOn;
        LetterRange expected;
    };
    const SortBytes up { kCardName, false, 0, false };
    const SortBytes down { kCardName, true, 0, false };
    const auto normal = FilterScope::NormalFilter, reversed = FilterScope::ReversedFilter,
               all = FilterScope::AllRecords;
    const Case cases[] = {
        { "M ascending, normal filter", 'M', up, normal, true, true,
            { Kind::Letter, "2", "2", "M", "M" } },
        { "A ascending takes everything before", 'A', up, all, true, true,
            { Kind::Letter, "", "", "", "A" } },
        { "Z ascending takes everything after", 'Z', up, reversed, true, true,
            { Kind::Letter, "0", "0", "Z", "" } },
        { "M descending", 'M', down, all, true, true, { Kind::Letter, "", "", "M", "M" } },
        { "A descending", 'A', down, all, true, true, { Kind::Letter, "", "", "A", "" } },
        { "Z descending", 'Z', down, all, true, true, { Kind::Letter, "", "", "", "Z" } },
        { "tabs off, normal filter", 'M', up, normal, true, false,
            { Kind::FilterOnly, "2", "3", "", "" } },
        { "no tag, reversed filter", 'M', up, reversed, false, true,
            { Kind::FilterOnly, "0", "1", "", "" } },
        { "number primary, no filter", 'M', { kPurchase, false, 0, false }, all, true, true, {} },
        { "memo primary", 'M', { kNotes, false, 0, false }, all, true, true, {} },
        { "entry order", 'M', {}, all, true, true, {} },
    };
    const FieldModel fields = cardFields();
    for (const Case &c : cases) {
        SCOPED_TRACE(c.what);
        EXPECT_EQ(
            LetterRange::forLetter(c.letter, c.sort, fields, c.scope, c.tagSelected, c.tabsOn),
            c.expected);
    }
}

// Counts the records whose first letter falls in the applied range; its ends are
// prefixes, an empty one open.
class FakeRangedTable final : public LetterRangeTarget
{
public:
    void applyRange(const LetterRange &range) override { current = range; }
    int32_t recordCount() override
    {
        if (current.kind != Kind::Letter)
            return int32_t(firstLetters.size());
        int32_t n = 0;
        for (QChar c : firstLetters)
            if ((current.startValue.isEmpty() || QString(c) >= current.startValue)
                && (current.endValue.isEmpty() || QString(c) <= current.endValue))
                ++n;
        return n;
    }
    QString firstLetters = QStringLiteral("AAMMMZ1");
    LetterRange current;
};

TEST(LetterTabs, CountsEveryLetterThroughItsRange)
{
    const FieldModel fields = cardFields();
    const SortBytes sort { kCardName, false, 0, false };
    FakeRangedTable table;
    LetterCounts counts;
    counts.setCount('Q', 9);

    LetterTabs { sort, fields, FilterScope::AllRecords, true, true }.letterCounts(table, counts);
    EXPECT_EQ(counts.count('A'), 3); // "1" sorts before "A"
    EXPECT_EQ(counts.count('M'), 3);
    EXPECT_EQ(counts.count('Q'), 0);
    EXPECT_EQ(table.current.endValue, QStringLiteral("A")); // 'A' counted last

    // Tabs that do not apply leave the counts alone.
    const SortBytes byNumber { kPurchase, false, 0, false };
    LetterTabs { byNumber, fields, FilterScope::AllRecords, true, true }.letterCounts(
        table, counts);
    EXPECT_EQ(counts.count('M'), 3);

    std::vector<char> refreshed;
    counts.refreshTab = [&](char letter) { refreshed.push_back(letter); };
    table.current = {};
    LetterTabs::letterCountOf(table, 'B', counts);
    EXPECT_EQ(counts.count('B'), 7);
    EXPECT_EQ(refreshed, std::vector<char> { 'B' });
}

} // namespace
} // namespace zendrova
