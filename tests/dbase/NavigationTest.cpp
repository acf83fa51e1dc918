#include "TestTables.h"

#include "dbase/ByteOrder.h"
#include "dbase/Error.h"
#include "dbase/Table.h"
#include "dbase/TableObserver.h"

#include <gtest/gtest.h>

#include <sys/wait.h>
#include <unistd.h>

using namespace dbase;
using namespace dbase::test;

namespace {

std::vector<std::string> namesForward(Table &t)
{
    std::vector<std::string> names;
    for (t.first(); !t.eof(); t.next())
        names.push_back(t.asString(kName));
    return names;
}

class NavigationTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        Table::create(path, sampleFields());
        table.open(path, true);
        for (const char *name : {"a", "b", "c", "d", "e"})
            appendSample(table, name, 1);
    }
    TempDir dir;
    std::string path = dir.path("nav.dbf");
    Table table;
};

TEST_F(NavigationTest, WalksBothWaysAndSetsTheEndFlags)
{
    table.first();
    EXPECT_TRUE(table.bof());
    EXPECT_EQ(table.asString(kName), "a");
    EXPECT_EQ(table.moveBy(3), 3);
    EXPECT_EQ(table.asString(kName), "d");
    EXPECT_EQ(table.moveBy(5), 1);
    EXPECT_TRUE(table.eof());
    EXPECT_EQ(table.asString(kName), "e");
    EXPECT_EQ(table.moveBy(-10), -4);
    EXPECT_TRUE(table.bof());
    EXPECT_EQ(table.asString(kName), "a");
    table.last();
    EXPECT_TRUE(table.eof());
    EXPECT_EQ(table.recno(), 5u);
    EXPECT_TRUE(table.prior());
    const auto mark = table.bookmark();
    table.first();
    table.gotoBookmark(mark);
    EXPECT_EQ(table.asString(kName), "d");
}

TEST_F(NavigationTest, DeletedRecordsAreSkippedAndNotCounted)
{
    table.first();
    table.next();
    table.deleteRecord(); // b
    EXPECT_EQ(table.asString(kName), "c");
    table.last();
    table.deleteRecord(); // e: the cursor falls back to d
    EXPECT_EQ(table.asString(kName), "d");
    EXPECT_EQ(table.recordCount(), 3u);
    EXPECT_EQ(namesForward(table), (std::vector<std::string> {"a", "c", "d"}));
    table.last();
    EXPECT_TRUE(table.prior());
    EXPECT_EQ(table.asString(kName), "c");
    EXPECT_TRUE(table.prior());
    EXPECT_EQ(table.asString(kName), "a");
    EXPECT_THROW(table.gotoBookmark(2), Error);
    table.close();
    table.open(path, false);
    EXPECT_EQ(table.recordCount(), 3u);
    EXPECT_EQ(table.header().recordCount, 5u);
}

TEST_F(NavigationTest, EditCancelRestoresAndMovingPostsChanges)
{
    table.first();
    table.edit();
    table.setString(kName, "changed");
    table.cancel();
    EXPECT_EQ(table.asString(kName), "a");
    table.edit();
    table.setString(kName, "posted by move");
    table.next();
    table.first();
    EXPECT_EQ(table.asString(kName), "posted by move");

    table.last();
    table.append();
    table.setString(kName, "never");
    table.cancel();
    EXPECT_EQ(table.asString(kName), "e");
    table.append(); // unchanged appends vanish on a move
    table.first();
    EXPECT_EQ(table.recordCount(), 5u);
}

TEST_F(NavigationTest, ChangesToJustAppendedRecordsSurviveTheAppendBatch)
{
    // Exclusive appends go through a mapping of the file's tail; edits and
    // deletes of those records must win, and close leaves no tail behind.
    appendSample(table, "f", 1);
    table.edit();
    table.setString(kName, "f edited");
    table.post();
    appendSample(table, "g", 1);
    table.deleteRecord();
    appendSample(table, "h", 1, "memo of h");
    table.close();
    const std::string bytes = readFile(path);
    const DbfHeader header = DbfHeader::parse(bytes, bytes.size(), path);
    EXPECT_EQ(bytes.size(), header.headerLength + 8u * header.recordLength + 1);
    EXPECT_EQ(bytes.back(), '\x1a');
    table.open(path, false);
    EXPECT_EQ(namesForward(table), (std::vector<std::string> {"a", "b", "c", "d", "e", "f edited", "h"}));
    table.last();
    EXPECT_EQ(table.asBlob(kNotes), "memo of h");
}

TEST_F(NavigationTest, HooksRunOnInsertAndBeforePost)
{
    int counter = 100;
    table.setAfterInsert([&](Table &t) { t.setInteger(kQty, ++counter); });
    table.setBeforePost([](Table &t) { t.setString(kOk, "T"); });
    appendSample(table, "f", 2);
    table.close();
    table.open(path, false);
    table.last();
    EXPECT_EQ(table.asInteger(kQty), 101);
    EXPECT_TRUE(table.asBool(kOk));
}

TEST_F(NavigationTest, AFailedAfterInsertLeavesNoHalfMadeRecord)
{
    const uint64_t before = table.recordCount();
    bool fail = true;
    int counter = 0;
    table.setAfterInsert([&](Table &t) {
        if (fail)
            throw Error(ErrorKind::Locked, "the counter is held");
        t.setInteger(kQty, ++counter);
    });
    EXPECT_THROW(table.append(), Error);
    EXPECT_EQ(table.state(), Table::State::Browse);
    fail = false;
    table.append();
    table.setString(kName, "numbered");
    table.post();
    EXPECT_EQ(table.recordCount(), before + 1);
    EXPECT_EQ(table.asInteger(kQty), 1);
}

struct RecordingObserver : TableObserver
{
    std::vector<std::string> events;
    bool refuse = false;
    void beforeInsert(uint32_t recno, const RecordView &rec) override
    {
        events.push_back("insert " + std::to_string(recno) + " " + std::string(rec.raw(kName).substr(0, 1))
                         + " " + rec.memo(kNotes));
        if (refuse)
            throw Error(ErrorKind::Value, "refused");
    }
    void beforeUpdate(uint32_t recno, const RecordView &oldRec, const RecordView &newRec) override
    {
        events.push_back("update " + std::to_string(recno) + " " + std::string(oldRec.raw(kName).substr(0, 1))
                         + ">" + std::string(newRec.raw(kName).substr(0, 1)) + " " + oldRec.memo(kNotes) + ">"
                         + newRec.memo(kNotes));
    }
    void beforeDelete(uint32_t recno, const RecordView &rec) override
    {
        events.push_back("delete " + std::to_string(recno) + " " + std::string(rec.raw(kName).substr(0, 1)));
    }
};

TEST_F(NavigationTest, ObserverSeesEveryChangeWithOldAndNewRecord)
{
    RecordingObserver observer;
    table.setObserver(&observer);
    appendSample(table, "f", 1, "m1");
    table.last();
    table.edit();
    table.setString(kName, "g");
    table.setBlob(kNotes, "m2");
    table.post();
    table.deleteRecord();
    EXPECT_EQ(observer.events, (std::vector<std::string> {"insert 6 f m1", "update 6 f>g m1>m2", "delete 6 g"}));

    observer.refuse = true; // a refused insert leaves no record behind
    table.append();
    table.setString(kName, "h");
    EXPECT_THROW(table.post(), Error);
    table.cancel();
    EXPECT_EQ(table.recordCount(), 5u);
    table.close();
    table.open(path, false);
    EXPECT_EQ(table.header().recordCount, 6u);
}

// The header's count is the file's record count (deleted records included) at
// every moment, not the one read at open.
TEST_F(NavigationTest, HeaderCountFollowsOwnAndOthersAppends)
{
    EXPECT_EQ(table.header().recordCount, 5u); // exclusive appends write the count only at close
    table.close();
    Table writer;
    Table reader;
    writer.open(path, false);
    reader.open(path, false);
    appendSample(writer, "f", 1);
    EXPECT_EQ(writer.header().recordCount, 6u);
    reader.last();
    EXPECT_EQ(reader.asString(kName), "f");
    EXPECT_EQ(reader.header().recordCount, 6u);
}

TEST_F(NavigationTest, HeaderCountTakesInRecordsAKilledProcessLeft)
{
    table.close();
    const pid_t child = ::fork();
    ASSERT_GE(child, 0);
    if (child == 0) {
        // Exclusive appends reach the file at once; ending without close leaves the count behind.
        try {
            Table t;
            t.open(path, true);
            appendSample(t, "f", 1);
            appendSample(t, "g", 1);
            ::_exit(0);
        } catch (...) {
            ::_exit(1);
        }
    }
    int status = 0;
    ::waitpid(child, &status, 0);
    ASSERT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 0);
    ASSERT_EQ(getU32(readFile(path).data() + 4), 5u);

    table.open(path, false);
    EXPECT_EQ(table.recordCount(), 7u);
    EXPECT_EQ(table.header().recordCount, 7u);
    table.last();
    EXPECT_EQ(table.asString(kName), "g");
}

TEST_F(NavigationTest, EmptyTableHasBothFlagsAndNoRecord)
{
    const std::string emptyPath = dir.path("empty.dbf");
    Table::create(emptyPath, sampleFields());
    Table empty;
    empty.open(emptyPath, false);
    EXPECT_TRUE(empty.eof());
    EXPECT_TRUE(empty.bof());
    EXPECT_EQ(empty.recno(), 0u);
    EXPECT_FALSE(empty.next());
    EXPECT_EQ(empty.recordCount(), 0u);
    EXPECT_THROW(empty.edit(), Error);
}

} // namespace
