// Tables whose tags keep the keys of deleted records, as other dBASE writers leave
// them: made here by marking records deleted in the table file itself, past the
// engine, so every tag still holds their keys.
#include "TestTables.h"

#include "dbase/Table.h"
#include "dbase/TableFamily.h"

#include <gtest/gtest.h>

#include <chrono>
#include <cstdint>
#include <filesystem>

using namespace dbase;
using namespace dbase::test;

namespace {

const std::vector<std::string> kNames = {"Ruth",  "Banks",  "Berra", "Cobb", "Dean",   "Mantle",
                                         "Mays",  "Musial", "Aaron", "Ryan", "Seaver", "Spahn"};
// Record numbers of Banks, Mantle, Mays, Aaron (first by name) and Spahn (last by name).
const std::vector<uint32_t> kGone = {2, 6, 7, 9, 12};
const std::vector<std::string> kLiveByName = {"Berra", "Cobb", "Dean", "Musial", "Ruth", "Ryan", "Seaver"};

uint16_t word(const std::string &bytes, size_t at)
{
    return uint16_t(uint8_t(bytes[at]) | uint8_t(bytes[at + 1]) << 8);
}

void setDeletedFlags(const std::string &dbfPath, const std::vector<uint32_t> &recnos, char flag)
{
    std::string dbf = readFile(dbfPath);
    for (uint32_t r : recnos)
        dbf[word(dbf, 8) + size_t(r - 1) * word(dbf, 10)] = flag;
    writeFile(dbfPath, dbf);
}

// The twelve cards with a NAME tag and a descending PRICE tag (price = record number).
void makeTable(const std::string &path)
{
    Table::create(path, sampleFields());
    Table t;
    t.open(path, true);
    for (size_t i = 0; i < kNames.size(); ++i)
        appendSample(t, kNames[i], double(i + 1));
    t.addIndex("NAME", "UPPER(NAME)", false);
    t.addIndex("PRICE", "PRICE", true);
}

std::vector<std::string> walk(Table &t, bool backward = false)
{
    std::vector<std::string> out;
    if (backward) {
        for (t.last(); !t.bof(); t.prior())
            out.insert(out.begin(), t.asString(kName));
    } else {
        for (t.first(); !t.eof(); t.next())
            out.push_back(t.asString(kName));
    }
    return out;
}

// Live names in physical order as another reader sees them.
std::string dbfreadNames(const std::string &path)
{
    int status = 0;
    const std::string out = run("/usr/bin/python3 -c \"import dbfread\n"
                                "print(' '.join(r['NAME'] for r in dbfread.DBF('" + path + "')))\" 2>&1",
                                &status);
    EXPECT_EQ(status, 0) << out;
    return out;
}

class DeletedKeys : public ::testing::Test
{
protected:
    void SetUp() override
    {
        makeTable(path);
        setDeletedFlags(path, kGone, '*');
    }

    TempDir dir;
    std::string path = dir.path("cards.dbf");
};

TEST_F(DeletedKeys, OpenSoundAndWalkOnlyLiveRecords)
{
    int rc = -1;
    const std::string out = run(std::string(DBTOOL_PATH) + " check " + path, &rc);
    EXPECT_EQ(rc, 0) << out;
    EXPECT_EQ(out, path + ": sound, 2 tags, 7 records\n");

    for (bool exclusive : {false, true}) {
        SCOPED_TRACE(exclusive ? "exclusive" : "shared");
        Table t;
        t.open(path, exclusive);
        EXPECT_EQ(t.checkIndexes(), std::vector<std::string>());
        t.selectIndex("NAME");
        EXPECT_EQ(walk(t), kLiveByName);
        EXPECT_EQ(walk(t, true), kLiveByName);
        EXPECT_EQ(t.recordCount(), 7u);
        t.selectIndex("PRICE");
        EXPECT_EQ(walk(t), (std::vector<std::string>{"Seaver", "Ryan", "Musial", "Dean", "Cobb", "Berra", "Ruth"}));
        EXPECT_EQ(t.recordCount(), 7u);
    }
}

TEST_F(DeletedKeys, RangesAndFindsSkipDeletedRecords)
{
    Table t;
    t.setIndexName("NAME");
    t.open(path, false);
    KeyBuffer from = t.keyBuffer(), to = t.keyBuffer();
    const struct
    {
        const char *start, *end;
        std::vector<std::string> names;
    } cases[] = {
        {"A", "A", {}},                         // only Aaron, deleted
        {"B", "B", {"Berra"}},                  // Banks deleted
        {"M", "M", {"Musial"}},                 // Mantle and Mays deleted
        {"MA", "MA", {}},
        {"R", "S", {"Ruth", "Ryan", "Seaver"}}, // Spahn, the range's last key, deleted
        {"A", "Z", kLiveByName},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(std::string(c.start) + ".." + c.end);
        from.setString(kName, c.start);
        to.setString(kName, c.end);
        t.setRange(from, to);
        EXPECT_EQ(t.recordCount(), c.names.size());
        EXPECT_EQ(walk(t), c.names);
        EXPECT_EQ(walk(t, true), c.names);
    }
    t.cancelRange();

    // Exact finds need a live record with the key; nearest ones land on the next live record.
    EXPECT_FALSE(t.findStoredKey("MA"));
    EXPECT_FALSE(t.findStoredKey("SPAHN"));
    ASSERT_TRUE(t.findStoredKey("MA", true));
    EXPECT_EQ(t.asString(kName), "Musial");
    EXPECT_FALSE(t.findStoredKey("SP", true));
    ASSERT_TRUE(t.findStoredKey("R"));
    EXPECT_EQ(t.asString(kName), "Ruth");
}

// A list's positions are the same whether the deleted records' keys are there or
// our engine removed them.
TEST_F(DeletedKeys, PositionsCountLiveRecordsOnly)
{
    TempDir other;
    const std::string ours = other.path("cards.dbf");
    makeTable(ours);
    {
        Table t;
        t.open(ours, true);
        for (uint32_t r : kGone) {
            t.gotoBookmark(r);
            t.deleteRecord();
        }
    }
    auto positions = [](const std::string &file, const char *tag, bool withRange) {
        Table t;
        t.setIndexName(tag);
        t.open(file, false);
        if (withRange) {
            KeyBuffer from = t.keyBuffer(), to = t.keyBuffer();
            from.setNumber(kPrice, 11);
            to.setNumber(kPrice, 3);
            t.setRange(from, to);
        }
        // Forward, back, from the far end once counted, and past the last.
        std::vector<std::string> seen;
        for (uint64_t n : {0, 3, 1, 6, 5, 2, 4, 7, 0}) {
            if (n == 4)
                t.recordCount();
            seen.push_back(t.gotoPosition(n) ? t.asString(kName) : "-");
        }
        return seen;
    };
    EXPECT_EQ(positions(path, "NAME", false),
              (std::vector<std::string>{"Berra", "Musial", "Cobb", "Seaver", "Ryan", "Dean", "Ruth", "-", "Berra"}));
    for (const char *tag : {"NAME", "PRICE"})
        for (bool withRange : {false, true})
            EXPECT_EQ(positions(path, tag, withRange), positions(ours, tag, withRange)) << tag << withRange;
}

TEST_F(DeletedKeys, OurChangesKeepTheTagsSound)
{
    const std::vector<std::string> byName = {"Aparicio", "Cobb", "Mazeroski", "Musial", "Ruth", "Ryan", "Seaver"};
    for (bool exclusive : {false, true}) {
        SCOPED_TRACE(exclusive ? "exclusive" : "shared");
        makeTable(path);
        setDeletedFlags(path, kGone, '*');
        {
            Table t;
            t.setIndexName("NAME");
            t.open(path, exclusive);
            ASSERT_TRUE(t.findStoredKey("DEAN"));
            t.deleteRecord();
            EXPECT_EQ(t.asString(kName), "Musial"); // the next live record, past Mantle's and Mays's keys
            ASSERT_TRUE(t.findStoredKey("BERRA"));
            t.edit();
            t.setString(kName, "Mazeroski");
            t.post();
            appendSample(t, "Aparicio", 13);
            EXPECT_EQ(walk(t), byName);
            EXPECT_EQ(t.recordCount(), 7u);
            EXPECT_EQ(t.checkIndexes(), std::vector<std::string>());
        }
        EXPECT_EQ(dbfreadNames(path), "Ruth Mazeroski Cobb Musial Ryan Seaver Aparicio\n");
        EXPECT_EQ(namesInTag(path, "PRICE"),
                  (std::vector<std::string>{"Aparicio", "Seaver", "Ryan", "Musial", "Cobb", "Mazeroski", "Ruth"}));
    }
    EXPECT_EQ(TableFamily::pack(path), 7u);
    expectSound(path);
    EXPECT_EQ(namesInTag(path, "NAME"), byName);
}

// Keys of deleted records are sound; the rest of what a check finds still is damage.
TEST_F(DeletedKeys, CheckStillFindsDamage)
{
    auto problems = [this] {
        Table t;
        t.open(path, false);
        return t.checkIndexes();
    };
    {
        // Deleted by our engine (its keys removed), then marked live again past it.
        Table t;
        t.open(path, true);
        t.gotoBookmark(3);
        t.deleteRecord();
    }
    setDeletedFlags(path, {3}, ' ');
    EXPECT_EQ(problems(),
              (std::vector<std::string>{"Tag NAME: 6 keys for 7 records", "Tag PRICE: 6 keys for 7 records"}));
    setDeletedFlags(path, {3}, '*');

    // A live record whose name no longer gives its key.
    const std::string sound = readFile(path);
    std::string dbf = sound;
    dbf.replace(word(dbf, 8) + 1, 4, "Zack"); // record 1, Ruth
    writeFile(path, dbf);
    EXPECT_EQ(problems(), std::vector<std::string>{"Tag NAME: key 4 does not match record 10"});

    // The last record (Spahn, deleted) cut off the table: its keys name a record that is not there.
    dbf = sound;
    dbf.resize(word(dbf, 8) + 11 * size_t(word(dbf, 10)));
    dbf += '\x1A';
    dbf[4] = 11;
    writeFile(path, dbf);
    EXPECT_EQ(problems(), (std::vector<std::string>{"Tag NAME: a key names record 12, which is not in the table",
                                                    "Tag NAME: 7 keys for 6 records",
                                                    "Tag PRICE: a key names record 12, which is not in the table",
                                                    "Tag PRICE: 7 keys for 6 records"}));
    Table t;
    t.setIndexName("PRICE");
    t.open(path, false);
    EXPECT_EQ(walk(t), (std::vector<std::string>{"Seaver", "Ryan", "Musial", "Dean", "Cobb", "Ruth"}));
}

// The deletion marks are read a megabyte at a time: marks on both sides of each
// piece's end must all count.
TEST(DeletedKeysLarge, MarksOnBothSidesOfEachReadPieceCount)
{
    TempDir dir;
    const std::string path = dir.path("many.dbf");
    constexpr uint32_t kRecords = 40000;
    Table::create(path, sampleFields());
    {
        Table t;
        t.open(path, true);
        for (uint32_t i = 1; i <= kRecords; ++i)
            appendSample(t, "n" + std::to_string(i), i);
        t.addIndex("NAME", "UPPER(NAME)", false);
    }
    const uint32_t perPiece = (1u << 20) / word(readFile(path), 10);
    const std::vector<uint32_t> gone = {1, perPiece, perPiece + 1, 2 * perPiece, 2 * perPiece + 1, kRecords};
    setDeletedFlags(path, gone, '*');
    Table t;
    t.open(path, false);
    t.selectIndex("NAME");
    EXPECT_EQ(t.recordCount(), kRecords - gone.size());
    EXPECT_EQ(t.checkIndexes(), std::vector<std::string>());
}

// The live records along the name tag, as an open of the table counts them.
uint64_t countAlongNames(const std::string &path)
{
    Table t;
    t.open(path, false);
    t.selectIndex("NAME");
    return t.recordCount();
}

// Marks set past the engine with the file's time put back: only a kept count can miss them.
void markBehindTheTimes(const std::string &path, const std::vector<uint32_t> &recnos, char flag)
{
    const std::filesystem::file_time_type was = std::filesystem::last_write_time(path);
    setDeletedFlags(path, recnos, flag);
    std::filesystem::last_write_time(path, was);
}

// The count of deleted records is kept in the index with the table file's size and
// time: an unchanged table opens without its marks being read, any write to the
// table makes them read again, and a file written moments before is never sealed.
TEST(DeletedKeysSeal, CountKeptWhileTheTableFileIsUnchanged)
{
    namespace fs = std::filesystem;
    TempDir dir;
    const std::string path = dir.path("cards.dbf");

    makeTable(path);
    EXPECT_EQ(countAlongNames(path), 12u); // just written: counted, not kept
    markBehindTheTimes(path, {2}, '*');
    EXPECT_EQ(countAlongNames(path), 11u);
    markBehindTheTimes(path, {2}, ' ');

    fs::last_write_time(path, fs::last_write_time(path) - std::chrono::hours(1));
    EXPECT_EQ(countAlongNames(path), 12u); // long still: counted and kept
    markBehindTheTimes(path, {6}, '*');
    EXPECT_EQ(countAlongNames(path), 12u); // kept: the marks were not read

    setDeletedFlags(path, {7}, '*'); // another writer's delete changes the file's time
    EXPECT_EQ(countAlongNames(path), 10u);
    Table t;
    t.open(path, false);
    EXPECT_EQ(t.checkIndexes(), std::vector<std::string>());
}

} // namespace

// Our own writes keep the count: a session that deletes and edits leaves a seal the
// next open trusts; a session that met another writer's change on its way clears it.
TEST(DeletedKeysSeal, OwnWritesKeepTheCountAndAnotherWritersChangeClearsIt)
{
    namespace fs = std::filesystem;
    TempDir dir;
    const std::string path = dir.path("cards.dbf");
    // Each session's writes fall in a later tick of the file system's clock than the seal.
    auto age = [&path] { fs::last_write_time(path, fs::last_write_time(path) - std::chrono::hours(1)); };
    auto editRecord = [](Table &t, uint32_t recno, const std::string &name) {
        t.gotoBookmark(recno);
        t.edit();
        t.setString(kName, name);
        t.post();
    };

    makeTable(path);
    age();
    EXPECT_EQ(countAlongNames(path), 12u);
    {
        Table t;
        t.open(path, false);
        t.gotoBookmark(1);
        t.deleteRecord();
        editRecord(t, 2, "Zed");
    }
    markBehindTheTimes(path, {6}, '*');
    EXPECT_EQ(countAlongNames(path), 11u); // our delete followed; the hidden mark unread
    markBehindTheTimes(path, {6}, ' ');

    age();
    {
        Table first;
        first.open(path, false);
        first.selectIndex("NAME");
        EXPECT_EQ(first.recordCount(), 11u);
        {
            Table second;
            second.open(path, false);
            second.gotoBookmark(3);
            second.deleteRecord();
        }
        editRecord(first, 4, "Yves"); // after the second's delete, which it did not follow
    }
    markBehindTheTimes(path, {6}, '*');
    EXPECT_EQ(countAlongNames(path), 9u); // the marks were read: 1, 3 and 6
    Table t;
    t.open(path, false);
    EXPECT_EQ(t.checkIndexes(), std::vector<std::string>());
}
