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

// Counts the records whose first letter falls in a range; its ends are
// prefixes, an empty one open. Logs what the tabs asked of it.
class FakeRangedTable final : public LetterRangeTarget
{
public:
    void applyRange(const LetterRange &range) override { current = range; }
    int32_t recordCount() override { return countIn(current); }
    int32_t countOf(const LetterRange &range) override
    {
        asked.push_back("count " + letterOf(range));
        return countIn(range);
    }
    bool holdsMoreThan(const LetterRange &range, int32_t n) override
    {
        asked.push_back("holds " + letterOf(range) + ">" + std::to_string(n));
        return countIn(range) > n;
    }

    QString firstLetters = QStringLiteral("AAMMMZ1");
    LetterRange current;
    std::vector<std::string> asked;

private:
    // The first and last letters' ranges are open at one end.
    static std::string letterOf(const LetterRange &range)
    {
        return (range.startValue.isEmpty() ? range.endValue : range.startValue).toStdString();
    }
    int32_t countIn(const LetterRange &range) const
    {
        if (range.kind != Kind::Letter)
            return int32_t(firstLetters.size());
        int32_t n = 0;
        for (QChar c : firstLetters)
            if ((range.startValue.isEmpty() || QString(c) >= range.startValue)
                && (range.endValue.isEmpty() || QString(c) <= range.endValue))
                ++n;
        return n;
    }
};

TEST(LetterTabs, CountsEachLetterThroughItsRangeWhenFirstAsked)
{
    const FieldModel fields = cardFields();
    const SortBytes sort { kCardName, false, 0, false };
    FakeRangedTable table;
    LetterCounts counts;
    counts.setCount('Q', 9);

    LetterTabs { sort, fields, FilterScope::AllRecords, true, true }.letterCounts(table, counts);
    EXPECT_TRUE(table.asked.empty()); // opening the window walks no range
    EXPECT_TRUE(counts.holdsRecords('M'));
    EXPECT_FALSE(counts.holdsRecords('Q'));
    EXPECT_TRUE(counts.endsAt('Z', 1)); // the card on Z's only record
    EXPECT_FALSE(counts.endsAt('M', 2));
    EXPECT_EQ(table.asked,
        (std::vector<std::string> {
            "holds M>0", "holds Q>0", "holds Z>0", "holds Z>1", "holds M>1", "holds M>2" }));
    table.asked.clear();
    EXPECT_EQ(counts.count('A'), 3); // "1" sorts before "A"
    EXPECT_EQ(counts.count('M'), 3);
    EXPECT_EQ(counts.count('Q'), 0);
    EXPECT_EQ(counts.count('M'), 3);
    EXPECT_TRUE(counts.endsAt('M', 3)); // known now: no more steps
    EXPECT_EQ(table.asked, (std::vector<std::string> { "count A", "count M", "count Q" }));
    EXPECT_EQ(table.current.kind, Kind::None); // the table's own range stays

    // A known count follows moves; one not learnt yet is read after them.
    counts.moveLetterCount('M', 'Z');
    table.firstLetters = QStringLiteral("AAMMZZ1");
    EXPECT_EQ(counts.count('M'), 2);
    EXPECT_EQ(counts.count('Z'), 2);

    // Tabs that do not apply leave the counts alone.
    const SortBytes byNumber { kPurchase, false, 0, false };
    LetterTabs { byNumber, fields, FilterScope::AllRecords, true, true }.letterCounts(
        table, counts);
    EXPECT_EQ(counts.count('M'), 2);

    std::vector<char> refreshed;
    counts.refreshTab = [&](char letter) { refreshed.push_back(letter); };
    table.current = {};
    LetterTabs::letterCountOf(table, 'B', counts);
    EXPECT_EQ(counts.count('B'), 7);
    EXPECT_EQ(refreshed, std::vector<char> { 'B' });
}

} // namespace
} // namespace zendrova
