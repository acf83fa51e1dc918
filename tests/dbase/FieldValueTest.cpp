#include "TestTables.h"

#include "dbase/Cp1252.h"
#include "dbase/Error.h"
#include "dbase/FieldCodec.h"
#include "dbase/Table.h"

#include <gtest/gtest.h>
#include <cmath>
#include <cstdio>
#include <filesystem>
#include <random>

using namespace dbase;
using namespace dbase::test;

namespace {

class FieldValueTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        Table::create(path, sampleFields());
        table.open(path, false);
    }
    void reopen()
    {
        table.close();
        table.open(path, false);
        table.first();
    }
    TempDir dir;
    std::string path = dir.path("values.dbf");
    Table table;
};

TEST_F(FieldValueTest, ValuesSurviveReopenAsBytesOnDisk)
{
    const std::string name1252 = "Ren\xE9 \x80\x9F";
    table.append();
    table.setString(kName, name1252);
    table.setNumber(kPrice, -1234.567);
    table.setInteger(kQty, 42);
    table.setDate(kBorn, Date {1999, 2, 28});
    table.setBool(kOk, true);
    table.post();
    table.append();
    table.post(); // an all-blank record
    reopen();

    EXPECT_EQ(table.asString(kName), name1252);
    EXPECT_EQ(table.rawValue(kPrice), "  -1234.57");
    EXPECT_DOUBLE_EQ(table.asNumber(kPrice), -1234.57);
    EXPECT_EQ(table.asInteger(kPrice), -1234);
    EXPECT_EQ(table.asInteger(kQty), 42);
    EXPECT_EQ(table.asDate(kBorn), (Date {1999, 2, 28}));
    EXPECT_EQ(table.rawValue(kBorn), "19990228");
    EXPECT_TRUE(table.asBool(kOk));
    EXPECT_FALSE(table.isNull(kPrice));

    ASSERT_TRUE(table.next());
    for (int pos : {kName, kPrice, kQty, kBorn, kOk, kNotes, kPic})
        EXPECT_TRUE(table.isNull(pos)) << pos;
    EXPECT_EQ(table.rawValue(kBorn), "        ");
    EXPECT_FALSE(table.asDate(kBorn).has_value());
    EXPECT_EQ(table.asString(kPrice), "");
}

TEST_F(FieldValueTest, BadValuesAreRefusedAndLeaveTheFieldAlone)
{
    table.append();
    table.setNumber(kQty, 7);
    struct Case { const char *what; std::function<void()> call; ErrorKind kind; };
    const Case cases[] = {
        {"number too wide", [&] { table.setNumber(kQty, 12345678); }, ErrorKind::Value},
        {"text for a number", [&] { table.setString(kQty, "12a"); }, ErrorKind::Value},
        {"impossible date", [&] { table.setDate(kBorn, Date {2023, 2, 29}); }, ErrorKind::Value},
        {"date text", [&] { table.setString(kBorn, "2023-01-01"); }, ErrorKind::Value},
        {"number into text", [&] { table.setNumber(kName, 1); }, ErrorKind::Usage},
        {"no such field", [&] { table.setString(99, "x"); }, ErrorKind::Usage},
    };
    for (const Case &c : cases) {
        try {
            c.call();
            ADD_FAILURE() << c.what << ": no error";
        } catch (const Error &e) {
            EXPECT_EQ(e.kind(), c.kind) << c.what;
            EXPECT_NE(std::string(e.what()).find("values.dbf"), std::string::npos) << c.what;
        }
    }
    EXPECT_EQ(table.asInteger(kQty), 7);
    table.cancel();
    EXPECT_THROW(table.setString(kName, "not editing"), Error);
}

TEST_F(FieldValueTest, MemoAndBlobKeepEveryByteAcrossBlocks)
{
    std::string longText(1500, 'x');
    for (size_t i = 0; i < longText.size(); i += 37)
        longText[i] = '\n';
    std::string picture = "BM";
    for (int i = 0; i < 2000; ++i)
        picture += char(i * 7);
    picture += std::string("\x00\x1A\x1F\x1A\x1A", 5);
    appendSample(table, "A", 1, longText, picture);
    reopen();
    EXPECT_EQ(table.asBlob(kNotes), longText);
    EXPECT_EQ(table.asBlob(kPic), picture);
    EXPECT_EQ(table.asString(kNotes), longText);
    EXPECT_FALSE(table.isNull(kPic));
}

TEST_F(FieldValueTest, RewrittenMemosReuseFreedBlocks)
{
    appendSample(table, "A", 1, std::string(3000, 'a'));
    appendSample(table, "B", 1, std::string(100, 'b'));
    const auto sizeAfterFirst = std::filesystem::file_size(dir.path("values.dbt"));
    table.first();
    for (int round = 0; round < 50; ++round) {
        table.edit();
        // Alternately shrink and grow: freed runs must be found again.
        table.setBlob(kNotes, std::string(round % 2 ? 3000 : 700, char('a' + round % 26)));
        table.post();
    }
    EXPECT_LE(std::filesystem::file_size(dir.path("values.dbt")), sizeAfterFirst + 7 * 512);
    table.edit();
    table.setNull(kNotes); // clearing frees the blocks; the next value takes them
    table.post();
    table.next();
    table.edit();
    table.setBlob(kNotes, std::string(2500, 'z'));
    table.post();
    EXPECT_LE(std::filesystem::file_size(dir.path("values.dbt")), sizeAfterFirst + 7 * 512);
    reopen();
    EXPECT_TRUE(table.isNull(kNotes));
    EXPECT_EQ(table.asBlob(kNotes), "");
    table.next();
    EXPECT_EQ(table.asBlob(kNotes), std::string(2500, 'z'));
}

// An exclusive writer saves the blocks it freed when it finishes, not at each post.
TEST_F(FieldValueTest, BlocksAnExclusiveWriterFreedAreFoundAfterItCloses)
{
    table.close();
    table.open(path, true);
    appendSample(table, "A", 1, std::string(3000, 'a'));
    appendSample(table, "B", 1, std::string(100, 'b'));
    table.first();
    table.edit();
    table.setNull(kNotes); // frees the first value's blocks
    table.post();
    table.close();
    const auto sizeBefore = std::filesystem::file_size(dir.path("values.dbt"));
    table.open(path, true);
    appendSample(table, "C", 1, std::string(2500, 'c')); // fits the freed blocks
    table.close();
    EXPECT_EQ(std::filesystem::file_size(dir.path("values.dbt")), sizeBefore);
    table.open(path, false);
    table.first();
    EXPECT_TRUE(table.isNull(kNotes));
    table.next();
    EXPECT_EQ(table.asBlob(kNotes), std::string(100, 'b'));
    table.next();
    EXPECT_EQ(table.asBlob(kNotes), std::string(2500, 'c'));
}

TEST_F(FieldValueTest, StoringTheSameMemoAgainLeavesTheMemoFileAsItWas)
{
    appendSample(table, "A", 1, std::string(2000, 'n'), std::string(5000, 'p'));
    table.first();
    const std::string memoBefore = readFile(dir.path("values.dbt"));
    const std::string pointers(table.rawValue(kNotes));
    table.edit();
    table.setBlob(kNotes, std::string(2000, 'n'));
    table.setBlob(kPic, std::string(5000, 'p'));
    table.setNumber(kPrice, 2);
    table.post();
    EXPECT_EQ(readFile(dir.path("values.dbt")), memoBefore);
    EXPECT_EQ(table.rawValue(kNotes), pointers);
    table.edit();
    table.setBlob(kNotes, "changed");
    table.post();
    reopen();
    EXPECT_EQ(table.asBlob(kNotes), "changed");
    EXPECT_EQ(table.asBlob(kPic), std::string(5000, 'p'));
    EXPECT_EQ(table.asNumber(kPrice), 2);
}

TEST_F(FieldValueTest, AssignCopiesByKindBetweenTables)
{
    appendSample(table, "Source", 9.5, "memo text", std::string("\x00\x01", 2));
    table.first();
    const std::string otherPath = dir.path("other.dbf");
    Table::create(otherPath, {field("NAME", 'C', 4), field("PRICE", 'N', 8, 1), field("NOTES", 'M', 10),
                              field("PIC", 'B', 10), field("BORN", 'D', 8)});
    Table other;
    other.open(otherPath, true);
    other.append();
    other.assign(0, table, kName);
    other.assign(1, table, kPrice);
    other.assign(2, table, kNotes);
    other.assign(3, table, kPic);
    other.assign(4, table, kBorn);
    other.post();
    other.close();
    other.open(otherPath, false);
    EXPECT_EQ(other.asString(0), "Sour");
    EXPECT_EQ(other.rawValue(1), "     9.5");
    EXPECT_EQ(other.asBlob(2), "memo text");
    EXPECT_EQ(other.asBlob(3), std::string("\x00\x01", 2));
    EXPECT_TRUE(other.isNull(4));
}

TEST(Cp1252, RoundTripsEveryByteThroughUtf8)
{
    std::string all;
    for (int c = 1; c < 256; ++c)
        all += char(c);
    EXPECT_EQ(utf8ToCp1252(cp1252ToUtf8(all)), all);
    EXPECT_EQ(cp1252ToUtf8("\x80 \xE9"), "\u20AC \u00E9");
    EXPECT_EQ(utf8ToCp1252("\u20AC\u00E9\u4E2D"), "\x80\xE9?");
    EXPECT_EQ(utf8ToCp1252("a\xC3"), "a?"); // cut-off sequence
    EXPECT_EQ(utf8ToCp1252("\xFF\x80z"), "??z");
}

} // namespace

// Two handles on one shared table free and take memo blocks in turn: each re-reads
// the free list the other saved, and no value ever lands on another's blocks.
TEST_F(FieldValueTest, MemosChangedInTurnByTwoHandlesStayIntact)
{
    std::vector<std::string> notes(24);
    for (size_t i = 0; i < notes.size(); ++i)
        appendSample(table, "R" + std::to_string(i), 1);
    Table other;
    other.open(path, false);
    std::mt19937 random(11);
    for (int step = 0; step < 1500; ++step) {
        Table &t = step % 3 ? table : other;
        const uint32_t recno = 1 + random() % uint32_t(notes.size());
        const size_t sizes[] = {0, 40, 600, 1500, 4000};
        std::string value(sizes[random() % 5], char('a' + step % 26));
        t.gotoBookmark(recno);
        t.edit();
        if (value.empty())
            t.setNull(kNotes);
        else
            t.setBlob(kNotes, value);
        t.post();
        notes[recno - 1] = value;
    }
    other.close();
    reopen();
    for (uint32_t recno = 1; recno <= notes.size(); ++recno) {
        table.gotoBookmark(recno);
        ASSERT_EQ(table.asBlob(kNotes), notes[recno - 1]) << "record " << recno;
    }
    // Freed runs were found again: at most every record's largest value and some slack.
    EXPECT_LE(std::filesystem::file_size(dir.path("values.dbt")), (1 + 24 * 8 + 64) * 512u);
}

namespace {

// What printf's exact rounding stores, right-aligned, with "-0" stored as zero.
std::optional<std::string> printfForm(double value, int width, int decimals)
{
    char buf[512];
    std::snprintf(buf, sizeof buf, "%.*f", decimals, value);
    std::string text = buf;
    if (text.size() > size_t(width))
        return std::nullopt;
    if (text.find_first_of("123456789") == std::string::npos && text[0] == '-')
        text[0] = ' ';
    return std::string(size_t(width) - text.size(), ' ') + text;
}

} // namespace

// Stored numbers round the exact binary value, ties included (0.125 to 0.12, 2.675 is
// below 2.675 and goes to 2.67), at every size and number of decimals.
TEST(NumberText, RoundsLikeTheExactValue)
{
    std::vector<double> values = {0,       -0.0,     0.125,     0.375,   2.5,     3.5,        -2.5,
                                  2.675,   1.005,    -0.004,    -0.005,  0.045,   1e-7,       123456.785,
                                  9.995,   99.995,   -99.995,   1e12,    8.8e12,  8.796093022208e12 + 0.5,
                                  1e15,    -1e15,    123456789012345.6, 1.5e300, 4503599627370495.5};
    std::mt19937_64 random(7);
    for (int i = 0; i < 20000; ++i) {
        const double magnitude = std::pow(10.0, double(random() % 16) - 4);
        values.push_back((double(random() % 2000000) - 1000000) / 1000000.0 * magnitude);
        values.push_back(double(int64_t(random() % 2000000) - 1000000) / 1000.0 + 0.0005); // near ties
    }
    for (double value : values)
        for (int decimals : {0, 1, 2, 3, 5, 12, 15})
            for (int width : {6, 10, 20, 40}) {
                ASSERT_EQ(codec::formatNumber(value, width, decimals), printfForm(value, width, decimals))
                    << value << " width " << width << " decimals " << decimals;
            }
}
