// The main window's side of a search, driven without a window: the card let
// go around a non-stop search, and the letter walk of a step search.
#include "mainwin/WindowFindHooks.h"
#include "mainwin/CardRelease.h"
#include "mainwin/CycleLetterTabs.h"
#include "store/FindSearch.h"

#include <gtest/gtest.h>
#include <map>
#include <string>
#include <vector>

namespace zendrova::test {
namespace {

using Log = std::vector<std::string>;

// Letter tabs with cards under C, M and Q only.
class Letters : public CycleLetterTabs
{
public:
    bool inUse() const override { return on; }
    bool counted() const override { return on; }
    char letterOf(const StoreTable &) const override { return 0; }
    char currentLetter() const override { return letter; }
    int count(char l) const override { return counts.count(l) ? counts.at(l) : 0; }
    bool holdsRecords(char l) const override { return count(l) > 0; }
    bool endsAt(char l, int position) const override { return count(l) == position; }
    void rangeList(char) override { }
    void moveCount(char, char) override { }
    void selectLetter(char l) override
    {
        letter = l;
        log->push_back(std::string("letter ") + l);
    }

    Log *log = nullptr;
    bool on = true;
    char letter = 'M';
    std::map<char, int> counts { { 'C', 3 }, { 'M', 5 }, { 'Q', 1 } };
};

class WindowFindHooksTest : public ::testing::Test
{
protected:
    WindowFindHooksTest()
    {
        letters.log = &log;
        hooks.attach(search);
    }

    WindowFindHooks::Window window()
    {
        WindowFindHooks::Window w;
        w.mayLeaveRecord = [this] {
            log.push_back("leave");
            return userLeaves;
        };
        w.setWorking = [this](bool on) { log.push_back(on ? "working" : "ready"); };
        w.allowListRedraw = [this](bool on) { log.push_back(on ? "redraw on" : "redraw off"); };
        w.showLetters = [this] { log.push_back("letters shown"); };
        w.showListStart = [this] { log.push_back("list start"); };
        w.redrawList = [this] { log.push_back("list redrawn"); };
        w.showMarkedRecords = [this] { log.push_back("marked records"); };
        w.showMatch = [this](int position, int field, std::optional<MemoMatch>) {
            log.push_back("match " + std::to_string(position) + " " + std::to_string(field));
        };
        return w;
    }

    Log log;
    bool userLeaves = true;
    Letters letters;
    CardRelease card { { [this] {
                            log.push_back("release");
                            return userLeaves;
                        },
        [this] { log.push_back("sortChanged"); }, [this] { log.push_back("reopen"); } } };
    WindowFindHooks hooks { letters, card, window() };
    FindHooks search;
};

TEST_F(WindowFindHooksTest, AForwardSearchWalksTheLettersWithCardsAndEndsBackWhereItBegan)
{
    ASSERT_TRUE(search.beforeStep(true));
    EXPECT_EQ(log, (Log { "leave", "letter A", "list start", "working" }));
    log.clear();
    // A has no cards of its own; the end of each letter moves on to the next
    // one that has some, and after the last the end is the true end.
    EXPECT_FALSE(search.atEnd(true));
    EXPECT_FALSE(search.atEnd(true));
    EXPECT_FALSE(search.atEnd(true));
    EXPECT_TRUE(search.atEnd(true));
    EXPECT_EQ(log,
        (Log { "letter C", "letters shown", "letter M", "letters shown", "letter Q",
            "letters shown" }));
    log.clear();
    // Nothing found: the list goes back to the letter the user was on, from its start.
    search.onNoMatch();
    EXPECT_EQ(log, (Log { "letter M", "letters shown", "ready", "list start" }));
    EXPECT_EQ(letters.letter, 'M');
}

TEST_F(WindowFindHooksTest, ABackwardSearchStartsAtZAndWalksDown)
{
    letters.letter = 'C';
    ASSERT_TRUE(search.beforeStep(false));
    EXPECT_EQ(letters.letter, 'Z');
    EXPECT_FALSE(search.atEnd(false));
    EXPECT_EQ(letters.letter, 'Q');
    EXPECT_FALSE(search.atEnd(false));
    EXPECT_FALSE(search.atEnd(false));
    EXPECT_EQ(letters.letter, 'C');
    EXPECT_TRUE(search.atEnd(false));
    // Ending on the letter it began with, the rows still show Z's cards: they
    // follow the letter.
    log.clear();
    search.onNoMatch();
    EXPECT_EQ(log, (Log { "ready", "list start" }));
}

TEST_F(WindowFindHooksTest, TheMatchsLetterComesBackBeforeTheSearchGoesOn)
{
    ASSERT_TRUE(search.beforeStep(true));
    search.atEnd(true); // on to C
    log.clear();
    search.onMatch(2, 4, std::nullopt);
    EXPECT_EQ(log, (Log { "ready", "letters shown", "match 2 4" }));
    EXPECT_EQ(hooks.matchLetter(), 'C');

    // The walk of Find Next went on to Q and found nothing more there.
    search.atEnd(true);
    search.atEnd(true);
    ASSERT_EQ(letters.letter, 'Q');
    log.clear();
    ASSERT_TRUE(search.beforeContinue());
    EXPECT_EQ(log, (Log { "letter C", "letters shown", "working" }));
    log.clear();
    // Going on from a match, the card stays on it: only the rows follow the letter.
    search.onNoMatch();
    EXPECT_EQ(log, (Log { "ready", "list redrawn" }));
}

TEST_F(WindowFindHooksTest, WithoutLetterTabsTheEndOfTheListIsTheEnd)
{
    letters.on = false;
    ASSERT_TRUE(search.beforeStep(true));
    EXPECT_TRUE(search.atEnd(true));
    search.onMatch(7, 2, std::nullopt);
    ASSERT_TRUE(search.beforeContinue());
    search.onNoMatch();
    EXPECT_EQ(log,
        (Log { "leave", "working", "ready", "letters shown", "match 7 2", "working", "ready" }));
    EXPECT_EQ(hooks.matchLetter(), 0);
}

TEST_F(WindowFindHooksTest, AUserWhoStaysOnTheRecordVetoesTheSearch)
{
    userLeaves = false;
    EXPECT_FALSE(search.beforeStep(true));
    EXPECT_FALSE(search.beforeNonStop());
    // The after hook runs after a vetoed non-stop search too: the card was
    // never let go, so nothing is reopened.
    search.afterNonStop();
    EXPECT_EQ(log, (Log { "leave", "release" }));
    EXPECT_EQ(letters.letter, 'M');
}

TEST_F(WindowFindHooksTest, ANonStopSearchRunsWithTheCardLetGoAndShowsTheMarkedRecords)
{
    ASSERT_TRUE(search.beforeNonStop());
    EXPECT_EQ(log, (Log { "release", "working", "redraw off" }));
    log.clear();
    search.afterNonStop();
    EXPECT_EQ(log, (Log { "redraw on", "ready", "marked records", "sortChanged", "reopen" }));
    EXPECT_FALSE(card.released());
}

} // namespace
} // namespace zendrova::test
