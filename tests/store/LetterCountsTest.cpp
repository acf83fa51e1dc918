#include "store/LetterCounts.h"

#include <algorithm>
#include <gtest/gtest.h>
#include <limits>
#include <string>
#include <vector>

namespace zendrova {
namespace {

TEST(LetterCounts, FirstLetterOfAValue)
{
    const std::pair<const char16_t *, char> cases[] = {
        { u"Gretzky", 'G' },
        { u"mantle", 'M' },
        { u"", 'A' },
        { u"1952 Topps", 'A' },
        { u" Ruth", 'A' },
        { u"zeta", 'Z' },
        { u"[box]", 'Z' },
        { u"\u00c9mile", 'Z' },
        { u"~", 'Z' },
        { u"Aaron", 'A' },
        { u"Zimmer", 'Z' },
    };
    for (const auto &[value, letter] : cases) {
        SCOPED_TRACE(QString::fromUtf16(value).toStdString());
        EXPECT_EQ(LetterCounts::firstLetter(QString::fromUtf16(value)), letter);
    }
}

TEST(LetterCounts, MovingARecordAdjustsBothTabsAndIgnoresOtherLetters)
{
    LetterCounts counts;
    std::vector<char> refreshed;
    counts.refreshTab = [&](char letter) { refreshed.push_back(letter); };
    counts.setCount('G', 3);

    counts.moveLetterCount('G', 'M');
    EXPECT_EQ(counts.count('G'), 2);
    EXPECT_EQ(counts.count('M'), 1);
    EXPECT_EQ(refreshed, (std::vector<char> { 'G', 'M' }));

    // A record that had no letter (0) only arrives; one leaving to none only goes.
    counts.moveLetterCount(0, 'B');
    counts.moveLetterCount('M', '[');
    EXPECT_EQ(counts.count('B'), 1);
    EXPECT_EQ(counts.count('M'), 0);
    EXPECT_EQ(counts.count('['), 0);

    // Counts are signed: a stale count may go below zero.
    counts.moveLetterCount('Q', 'R');
    EXPECT_EQ(counts.count('Q'), -1);
    counts.setCount('Z', std::numeric_limits<int32_t>::max());
    counts.moveLetterCount('Y', 'Z');
    EXPECT_EQ(counts.count('Z'), std::numeric_limits<int32_t>::min());
}

TEST(LetterCounts, LettersNotCountedYetAskTheTableAfterMoves)
{
    std::string table = "BB"; // first letters of the records the table holds
    int counted = 0;
    LetterCounts counts;
    counts.recountFrom({
        [&](char letter) {
            ++counted;
            return int32_t(std::count(table.begin(), table.end(), letter));
        },
        [&](char letter, int32_t n) {
            return std::count(table.begin(), table.end(), letter) > n;
        },
    });

    // A record arriving in an uncounted letter fills it without a count.
    table = "BBC";
    counts.moveLetterCount(0, 'C');
    EXPECT_TRUE(counts.holdsRecords('C'));
    EXPECT_EQ(counted, 0);

    // The last record leaving: the letter asks the table again.
    EXPECT_TRUE(counts.holdsRecords('B'));
    table = "BC";
    counts.moveLetterCount('B', 0);
    table = "C";
    counts.moveLetterCount('B', 0);
    EXPECT_FALSE(counts.holdsRecords('B'));

    // Counts learnt after the moves are the table's, not adjusted twice.
    EXPECT_EQ(counts.count('C'), 1);
    EXPECT_EQ(counts.count('B'), 0);
    EXPECT_EQ(counted, 2);

    counts.clear();
    EXPECT_EQ(counts.count('C'), 0);
    EXPECT_FALSE(counts.holdsRecords('C'));
}

} // namespace
} // namespace zendrova
