#include "output/LabelFieldList.h"

#include <gtest/gtest.h>

using namespace zendrova;

namespace {

// Captions A..F; E is a memo and F a picture field, which cannot continue a line.
LabelFieldList listOf(const QList<LabelLine> &included = {})
{
    LabelFieldList list;
    list.setCaptions({ "A", "B", "C", "D", "E", "F" }, { 4, 5 });
    list.setIncluded(included);
    return list;
}

} // namespace

TEST(LabelFieldListTest, IncludingFieldsOnNewAndSameLines)
{
    LabelFieldList list = listOf();
    EXPECT_TRUE(list.canInclude());
    EXPECT_FALSE(list.hasIncluded());
    EXPECT_FALSE(list.canIncludeInLine());
    list.include(); // A, selection moves to B
    list.includeInLine(); // + B
    list.selectCaption(0);
    list.include(); // A again: nothing changes, not even the selection
    EXPECT_EQ(list.selectedCaption(), 0);
    list.includeInLine();
    list.selectCaption(3);
    list.include(); // D
    list.includeInLine(); // E is a memo: refused
    EXPECT_EQ(list.entries(), QStringList({ "A", "+ B", "D" }));
    EXPECT_EQ(list.selected(), 2);
    list.include(); // E as its own line
    EXPECT_FALSE(list.canIncludeInLine()); // the last entry is a memo
    EXPECT_EQ(list.entries(), QStringList({ "A", "+ B", "D", "E" }));
    EXPECT_EQ(list.selectedCaption(), 5);
    list.include(); // F; the selection stays on the last caption
    EXPECT_EQ(list.selectedCaption(), 5);

    list.includeAll();
    EXPECT_EQ(list.entries(), QStringList({ "A", "B", "C", "D", "E", "F" }));
    list.excludeAll();
    EXPECT_FALSE(list.hasIncluded());
    EXPECT_EQ(list.selected(), -1);
}

TEST(LabelFieldListTest, ExcludingALineTakesItsContinuations)
{
    LabelFieldList list
        = listOf({ { 0, false }, { 1, true }, { 2, true }, { 3, false }, { 5, false } });
    list.select(1);
    list.exclude(); // a continuation goes alone
    EXPECT_EQ(list.entries(), QStringList({ "A", "+ C", "D", "F" }));
    EXPECT_EQ(list.selected(), 1);
    list.select(0);
    list.exclude();
    EXPECT_EQ(list.entries(), QStringList({ "D", "F" }));
    EXPECT_EQ(list.selected(), 0);
    list.select(1);
    list.exclude();
    EXPECT_EQ(list.selected(), 0);
}

TEST(LabelFieldListTest, MovingLinesAndContinuations)
{
    struct Case
    {
        const char *what;
        int select;
        bool down;
        QStringList after;
        int selected;
    };
    // A + B, C, D + E + F (letters only stand for fields here)
    const Case cases[] = {
        { "a line moves below the next line and its continuations", 0, true,
            { "C", "A", "+ B", "D", "+ E", "+ F" }, 1 },
        { "the last line stays", 3, true, { "A", "+ B", "C", "D", "+ E", "+ F" }, 3 },
        { "a line moves above the previous line with its continuations", 3, false,
            { "A", "+ B", "D", "+ E", "+ F", "C" }, 2 },
        { "the first line stays", 0, false, { "A", "+ B", "C", "D", "+ E", "+ F" }, 0 },
        { "a continuation swaps with a continuation", 4, true,
            { "A", "+ B", "C", "D", "+ F", "+ E" }, 5 },
        { "a continuation does not pass its line", 4, false, { "A", "+ B", "C", "D", "+ E", "+ F" },
            4 },
        { "a continuation does not leave its line", 1, true, { "A", "+ B", "C", "D", "+ E", "+ F" },
            1 },
        { "a continuation moves up among continuations", 5, false,
            { "A", "+ B", "C", "D", "+ F", "+ E" }, 4 },
    };
    for (const Case &c : cases) {
        LabelFieldList list = listOf(
            { { 0, false }, { 1, true }, { 2, false }, { 3, false }, { 4, true }, { 5, true } });
        list.select(c.select);
        c.down ? list.moveDown() : list.moveUp();
        EXPECT_EQ(list.entries(), c.after) << c.what;
        EXPECT_EQ(list.selected(), c.selected) << c.what;
    }
}
