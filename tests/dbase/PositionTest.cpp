#include "TestTables.h"

#include "dbase/KeyBuffer.h"
#include "dbase/Table.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdio>
#include <map>
#include <memory>
#include <random>

using namespace dbase;
using namespace dbase::test;

namespace {

constexpr int kRecords = 300;

std::string nameOf(int i)
{
    char text[16];
    std::snprintf(text, sizeof text, "N%04d", i);
    return text;
}

// Positions along a tag are remembered between calls; every answer must still
// be what a walk from the first record gives, whatever changed in between.
class PositionTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        Table::create(path, sampleFields());
        Table t;
        t.open(path, true);
        std::vector<int> order(kRecords);
        for (int i = 0; i < kRecords; ++i)
            order[i] = i;
        std::shuffle(order.begin(), order.end(), std::mt19937(7));
        for (int i : order)
            appendSample(t, nameOf(i), i);
        t.addIndex("NAME", "UPPER(NAME)", false);
        t.close();
        list.open(path, false);
        list.selectIndex("NAME");
    }

    // The names in order, walked from the first record.
    std::vector<std::string> walked()
    {
        std::vector<std::string> names;
        for (list.first(); !list.eof(); list.next())
            names.push_back(list.asString(kName));
        return names;
    }

    void expectPositions(const std::vector<int> &positions)
    {
        const std::vector<std::string> expected = walked();
        ASSERT_EQ(list.recordCount(), expected.size());
        for (int n : positions) {
            SCOPED_TRACE("position " + std::to_string(n));
            if (n >= int(expected.size())) {
                EXPECT_FALSE(list.gotoPosition(n));
                EXPECT_TRUE(list.eof());
                continue;
            }
            ASSERT_TRUE(list.gotoPosition(n));
            EXPECT_EQ(list.asString(kName), expected[n]);
        }
    }

    TempDir dir;
    std::string path = dir.path("cards.dbf");
    Table list;
};

const std::vector<int> kWalk {150, 151, 149, 170, 0, 299, 280, 3, kRecords + 5, 150};

TEST_F(PositionTest, NearbyAndDistantPositionsMatchAWalk)
{
    expectPositions(kWalk);
}

TEST_F(PositionTest, ChangesByAnotherTableObjectMovePositions)
{
    expectPositions({150, 151});
    Table other;
    other.open(path, false);
    // Before the remembered record: every later position moves by one.
    appendSample(other, "A0", 1);
    expectPositions({151, 152, 150});
    other.selectIndex("NAME");
    other.gotoPosition(10);
    other.deleteRecord();
    expectPositions({150, 149, 0, 298});
    other.gotoPosition(0);
    other.edit();
    other.setString(kName, "Z9");
    other.post();
    expectPositions({150, 151, 298, 299});
}

TEST_F(PositionTest, ARangeHasItsOwnPositions)
{
    expectPositions({150});
    KeyBuffer from = list.keyBuffer();
    KeyBuffer to = list.keyBuffer();
    from.setString(kName, "N01");
    to.setString(kName, "N01");
    list.setRange(from, to);
    EXPECT_EQ(list.recordCount(), 100u);
    expectPositions({5, 99, 100, 50});
    list.cancelRange();
    EXPECT_EQ(list.recordCount(), uint64_t(kRecords));
    expectPositions({5, 150});
}

TEST_F(PositionTest, AnotherRangeIsCountedBesideTheTablesOwn)
{
    const auto ends = [&](const char *name) {
        KeyBuffer end = list.keyBuffer();
        end.setString(kName, name);
        return end;
    };
    list.setRange(ends("N01"), ends("N01"));
    list.gotoPosition(7);
    const uint32_t standing = list.recno();

    EXPECT_EQ(list.countInRange(ends("N02"), ends("N02")), 100u);
    EXPECT_TRUE(list.rangeHoldsMoreThan(ends("N02"), ends("N02"), 0));
    EXPECT_TRUE(list.rangeHoldsMoreThan(ends("N02"), ends("N02"), 99));
    EXPECT_FALSE(list.rangeHoldsMoreThan(ends("N02"), ends("N02"), 100));
    EXPECT_FALSE(list.rangeHoldsMoreThan(ends("Q"), ends("Q"), 0));
    EXPECT_EQ(list.countInRange(ends("Q"), ends("Q")), 0u);

    // The table's own range and record are where they were.
    EXPECT_EQ(list.recno(), standing);
    EXPECT_EQ(list.recordCount(), 100u);
    list.next();
    EXPECT_EQ(list.asString(kName).substr(0, 3), "N01");
    list.deleteRecord();
    EXPECT_EQ(list.countInRange(ends("N01"), ends("N01")), 99u);
}

// A position remembered on a record another table object appended after this
// one last counted the records: finding it again reads that record's own bytes,
// not whatever lies where a record of the read-ahead would be. The records are
// wider than the table object, so a read from an empty read-ahead leaves it.
TEST(AppendedPositionTest, APositionOnARecordAppendedElsewhereIsFoundAgain)
{
    TempDir dir;
    const std::string path = dir.path("wide.dbf");
    Table::create(path, {field("NAME", 'C', 10), field("NOTE1", 'C', 250), field("NOTE2", 'C', 250),
                         field("NOTE3", 'C', 250), field("NOTE4", 'C', 250), field("NOTE5", 'C', 250)});
    const auto append = [](Table &table, const char *name) {
        table.append();
        table.setString(0, name);
        table.post();
    };
    {
        Table writer;
        writer.open(path, true);
        for (const char *name : {"B", "D", "F", "H", "J", "L"})
            append(writer, name);
        writer.addIndex("NAME", "NAME", false);
    }
    // Opened in the tag's order, so nothing has been read ahead.
    auto list = std::make_unique<Table>();
    list->setIndexName("NAME");
    list->open(path, false);
    Table other;
    other.open(path, false);
    append(other, "E");

    ASSERT_TRUE(list->gotoPosition(2));
    EXPECT_EQ(list->asString(0), "E");
    list->first();
    // Counted on from the remembered position, by the appended record's key.
    ASSERT_TRUE(list->gotoPosition(3));
    EXPECT_EQ(list->asString(0), "F");
    ASSERT_TRUE(list->gotoPosition(1));
    EXPECT_EQ(list->asString(0), "D");
}

// Counts of ranges side by side reuse the counts of whole subtrees found before; a
// tag deep enough to have subtrees between its root and its leaves must still count
// what a walk sees after changes by this table object and by another.
TEST(RangeCountTest, RangesOfADeepTagCountWhatAWalkSeesAfterChanges)
{
    TempDir dir;
    const std::string path = dir.path("deep.dbf");
    Table::create(path, sampleFields());
    Table list;
    list.open(path, true);
    std::mt19937 random(11);
    const auto randomName = [&] {
        std::string name(20, ' ');
        for (char &c : name)
            c = char('A' + random() % 6);
        return name;
    };
    for (int i = 0; i < 12000; ++i)
        appendSample(list, randomName(), i);
    list.addIndex("NAME", "NAME+NAME+NAME", false); // long keys: few to a block, a deep tree
    list.close();
    list.open(path, false);
    list.selectIndex("NAME");

    const auto expectCountsOfAWalk = [&](const std::string &when) {
        SCOPED_TRACE(when);
        std::map<char, uint64_t> walked;
        uint64_t all = 0;
        list.cancelRange();
        for (list.first(); !list.eof(); list.next(), ++all)
            ++walked[list.asString(kName)[0]];
        KeyBuffer from = list.keyBuffer(), to = list.keyBuffer();
        // Names from one letter to another.
        const auto expectCounts = [&](const std::vector<std::pair<char, char>> &ranges) {
            for (auto [first, last] : ranges) {
                from.setString(kName, std::string(1, first));
                to.setPrefix(kName, std::string(1, last));
                list.setRange(from, to);
                uint64_t expected = 0;
                for (char letter = first; letter <= last; ++letter)
                    expected += walked[letter];
                EXPECT_EQ(list.recordCount(), expected) << first << "-" << last;
            }
            list.cancelRange();
        };
        // Small ranges first, then the whole tag and wide ranges over the subtrees they counted.
        expectCounts({{'A', 'A'}, {'B', 'B'}, {'C', 'C'}, {'D', 'D'}, {'E', 'E'}, {'F', 'F'}});
        EXPECT_EQ(list.recordCount(), all);
        expectCounts({{'A', 'C'}, {'D', 'F'}, {'B', 'E'}, {'C', 'C'}});
    };
    expectCountsOfAWalk("built");
    Table other;
    other.open(path, false);
    for (int i = 0; i < 50; ++i)
        appendSample(other, "C" + std::to_string(i), i);
    expectCountsOfAWalk("appended by another table object");
    other.selectIndex("NAME");
    other.first();
    for (int i = 0; i < 40; ++i)
        other.deleteRecord(); // the next record becomes current
    expectCountsOfAWalk("deleted by another table object");
    list.first();
    list.moveBy(2500);
    list.edit();
    list.setString(kName, "F");
    list.post();
    expectCountsOfAWalk("edited here");
}

} // namespace
