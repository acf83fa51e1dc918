#include "TestTables.h"

#include "dbase/Error.h"
#include "dbase/Table.h"
#include "dbase/TableFamily.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <functional>

using namespace dbase;
using namespace dbase::test;
namespace fs = std::filesystem;

namespace {

// A small card table: filter mark, name, price, date, notes.
enum CardPos { kMark, kCard, kCost, kDay, kMemo };

std::vector<FieldInfo> cardFields()
{
    return {field("FILTER", 'C', 1), field("CARDNAME", 'C', 20), field("PRICE", 'N', 10, 2),
            field("BOUGHT", 'D', 8), field("NOTES", 'M', 10)};
}

struct Card
{
    const char *mark;
    const char *name;
    double price;
    Date bought;
    const char *notes;
};

const std::vector<Card> kCards {
    {"2", "mantle", 120.5, {1995, 3, 1}, "zebra line\nsecond"},
    {"0", "Aaron", 7.25, {2001, 12, 31}, "apple"},
    {"2", "Mays", 3, {1989, 6, 15}, "Mango"},
    {"2", "zimmer", 0, {2010, 1, 2}, ""},
    {"0", "Maris", 55, {1961, 10, 1}, "kiwi"},
    {"2", "bench", 1000, {1999, 7, 4}, "banana"},
};

void appendCard(Table &t, const Card &c)
{
    t.append();
    t.setString(kMark, c.mark);
    t.setString(kCard, c.name);
    t.setNumber(kCost, c.price);
    t.setDate(kDay, c.bought);
    if (*c.notes)
        t.setBlob(kMemo, c.notes);
    t.post();
}

class TableIndexTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        Table::create(path, cardFields());
        Table t;
        t.open(path, true);
        for (const Card &c : kCards)
            appendCard(t, c);
    }
    void TearDown() override
    {
        if (!HasFatalFailure() && fs::exists(path))
            expectSound(path);
    }

    // Names in the walking order of the open table, forward or from the last record back.
    static std::vector<std::string> walk(Table &t, bool backward = false)
    {
        std::vector<std::string> out;
        if (backward) {
            for (t.last(); !t.bof(); t.prior())
                out.insert(out.begin(), t.asString(kCard));
        } else {
            for (t.first(); !t.eof(); t.next())
                out.push_back(t.asString(kCard));
        }
        return out;
    }

    void openWithTag(Table &t, const std::string &expression, bool descending, bool exclusive = true)
    {
        t.open(path, true);
        t.addIndex("T1", expression, descending);
        if (!exclusive) {
            t.close();
            t.open(path, false);
        }
        t.selectIndex("T1");
    }

    TempDir dir;
    std::string path = dir.path("cards.dbf");
};

using Names = std::vector<std::string>;

TEST_F(TableIndexTest, EachKindOfKeyWalksInTagOrderBothWays)
{
    struct Case
    {
        const char *expression;
        bool descending;
        Names expected;
    };
    const std::vector<Case> cases {
        {"UPPER(CARDNAME)", false, {"Aaron", "bench", "mantle", "Maris", "Mays", "zimmer"}},
        {"UPPER(CARDNAME)", true, {"zimmer", "Mays", "Maris", "mantle", "bench", "Aaron"}},
        {"STR(PRICE, 20, 4)", false, {"zimmer", "Mays", "Aaron", "Maris", "mantle", "bench"}},
        {"STR(999999999999999999-PRICE, 20, 4)", false, {"bench", "mantle", "Maris", "Aaron", "Mays", "zimmer"}},
        {"DTOS(BOUGHT)", false, {"Maris", "Mays", "mantle", "bench", "Aaron", "zimmer"}},
        {"STR({12/31/3099}-BOUGHT, 10, 0)", false, {"zimmer", "Aaron", "bench", "mantle", "Mays", "Maris"}},
        {"UPPER(MLINE(NOTES, 1))", false, {"zimmer", "Aaron", "bench", "Maris", "Mays", "mantle"}},
        {"UPPER(MLINE(NOTES, 1))", true, {"mantle", "Mays", "Maris", "bench", "Aaron", "zimmer"}},
        // Two-field keys: the filter mark first, and a date with a descending number.
        {"FILTER+UPPER(CARDNAME)", false, {"Aaron", "Maris", "bench", "mantle", "Mays", "zimmer"}},
        {"CARDNAME+STR(999999999999999999-PRICE, 20, 4)", true,
         {"zimmer", "mantle", "bench", "Mays", "Maris", "Aaron"}},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.expression + std::string(c.descending ? " descending" : ""));
        Table t;
        openWithTag(t, c.expression, c.descending, false);
        EXPECT_EQ(walk(t), c.expected);
        EXPECT_EQ(walk(t, true), c.expected);
        EXPECT_EQ(t.recordCount(), 6u);
        EXPECT_TRUE(t.checkIndexes().empty());
        t.close();
        Table x;
        x.open(path, true);
        x.deleteIndex("T1");
    }
}

TEST_F(TableIndexTest, ChangesKeepEveryTagInStepAndTheCursorFollowsTheRecord)
{
    Table t;
    t.open(path, true);
    t.addIndex("BYNAME", "UPPER(CARDNAME)", false);
    t.addIndex("BYPRICE", "STR(PRICE, 20, 4)", false);
    t.selectIndex("BYNAME");

    // Renaming the current record moves it; Next goes on from its new place.
    ASSERT_TRUE(t.findStoredKey("BENCH"));
    t.edit();
    t.setString(kCard, "Maxwell");
    t.post();
    ASSERT_TRUE(t.next());
    EXPECT_EQ(t.asString(kCard), "Mays");
    ASSERT_TRUE(t.prior());
    ASSERT_TRUE(t.prior());
    EXPECT_EQ(t.asString(kCard), "Maris");

    // Deleting the current record goes to the one after it in tag order.
    t.deleteRecord();
    EXPECT_EQ(t.asString(kCard), "Maxwell");
    EXPECT_EQ(walk(t), (Names {"Aaron", "mantle", "Maxwell", "Mays", "zimmer"}));
    EXPECT_EQ(t.recordCount(), 5u);

    // A bookmark keeps the tag position; moveBy walks the tag.
    t.first();
    t.moveBy(2);
    const Table::Bookmark mark = t.bookmark();
    t.first();
    t.gotoBookmark(mark);
    EXPECT_EQ(t.asString(kCard), "Maxwell");
    EXPECT_EQ(t.moveBy(5), 2);
    EXPECT_EQ(t.asString(kCard), "zimmer");
    EXPECT_EQ(t.moveBy(-3), -3);
    EXPECT_EQ(t.asString(kCard), "mantle");

    appendCard(t, {"2", "Berra", 99, {1950, 1, 1}, ""});
    EXPECT_TRUE(t.next());
    EXPECT_EQ(t.asString(kCard), "mantle");
    t.selectIndex("BYPRICE");
    EXPECT_EQ(walk(t), (Names {"zimmer", "Mays", "Aaron", "Berra", "mantle", "Maxwell"}));
    EXPECT_EQ(t.checkIndexes(), std::vector<std::string> {});

    // Another user's object on the same table sees the changes in its tag order.
    t.close();
    Table a, b;
    a.setIndexName("BYNAME");
    b.setIndexName("BYNAME");
    a.open(path, false);
    b.open(path, false);
    ASSERT_TRUE(a.findStoredKey("ZIMMER"));
    a.edit();
    a.setString(kCard, "Abbott");
    a.post();
    EXPECT_EQ(walk(b), (Names {"Aaron", "Abbott", "Berra", "mantle", "Maxwell", "Mays"}));
}

// Letter ranges on whole values: the filter mark, then the letter with "\001" and
// "\377" ends.
TEST_F(TableIndexTest, LetterRangesOnAscendingAndDescendingTagsWithTheFilterMark)
{
    Table t;
    t.open(path, true);
    t.addIndex("IDX0", "UPPER(CARDNAME)", false);
    t.addIndex("IDX1", "UPPER(CARDNAME)", true);
    t.addIndex("IDXF2", "FILTER+UPPER(CARDNAME)", false);
    t.close();
    t.open(path, false);

    auto range = [&](const std::string &from, const std::string &to, int markPos = -1, const std::string &mark = "") {
        KeyBuffer start = t.keyBuffer(), end = t.keyBuffer();
        if (markPos >= 0) {
            start.setString(markPos, mark);
            end.setString(markPos, mark);
        }
        start.setString(kCard, from);
        end.setString(kCard, to);
        t.setRange(start, end);
    };
    struct Case
    {
        const char *tag;
        std::string from, to, mark;
        Names expected;
    };
    const std::vector<Case> cases {
        {"IDX0", "M", "M\377", "", {"mantle", "Maris", "Mays"}},
        {"IDX0", "\001", "A\377", "", {"Aaron"}},
        {"IDX0", "Z", "\377", "", {"zimmer"}},
        {"IDX0", "C", "C\377", "", {}},
        {"IDX1", "M\377", "M", "", {"Mays", "Maris", "mantle"}},
        {"IDX1", "\377", "Z", "", {"zimmer"}},
        {"IDX1", "A\377", "\001", "", {"Aaron"}},
        // Normal Filter: "2M" ... "2M\377" shows the passing records starting with M.
        {"IDXF2", "M", "M\377", "2", {"mantle", "Mays"}},
        {"IDXF2", "M", "M\377", "0", {"Maris"}},
        {"IDXF2", "\001", "\377", "0", {"Aaron", "Maris"}},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(std::string(c.tag) + " " + c.mark + c.from);
        t.selectIndex(c.tag);
        range(c.from, c.to, c.mark.empty() ? -1 : kMark, c.mark);
        EXPECT_TRUE(t.hasRange());
        EXPECT_EQ(walk(t), c.expected);
        EXPECT_EQ(walk(t, true), c.expected);
        EXPECT_EQ(t.recordCount(), c.expected.size());
    }
    // Records deleted inside a range leave its count; cancelling shows everything again.
    t.selectIndex("IDX0");
    range("M", "M\377");
    t.deleteRecord();
    EXPECT_EQ(t.recordCount(), 2u);
    EXPECT_EQ(walk(t), (Names {"Maris", "Mays"}));
    t.cancelRange();
    EXPECT_FALSE(t.hasRange());
    EXPECT_EQ(t.recordCount(), 5u);
    t.selectIndex("IDX1");
    EXPECT_FALSE(t.hasRange());
    EXPECT_EQ(walk(t).size(), 5u);
}

// Prefix ends cover every key that starts with them, whatever the expression does to
// the bytes after them: UPPER turns "\377" into "\237", below accented capitals, and a
// later number field makes a blank buffer's key more than its prefix.
TEST_F(TableIndexTest, PrefixEndsCoverEveryKeyStartingWithThem)
{
    Table t;
    t.open(path, true);
    appendCard(t, {"2", "M\xF6rike", 5, {1990, 1, 1}, ""});
    appendCard(t, {"2", "\xC9mile", 6, {1991, 1, 1}, ""});
    appendCard(t, {"0", "A\xE9rien", 7, {1992, 1, 1}, ""});
    t.addIndex("UP", "UPPER(CARDNAME)", false);
    t.addIndex("DOWN", "UPPER(CARDNAME)", true);
    t.addIndex("PRICED", "UPPER(CARDNAME)+STR(PRICE,10,2)", false);
    t.addIndex("MARKED", "FILTER+UPPER(CARDNAME)", false);

    struct Case
    {
        const char *tag, *mark, *start, *end;
        Names expected;
    };
    const std::vector<Case> cases {
        {"UP", "", "M", "M", {"mantle", "Maris", "Mays", "M\xF6rike"}},
        {"UP", "", "", "A", {"Aaron", "A\xE9rien"}},
        {"UP", "", "Z", "", {"zimmer", "\xC9mile"}},
        {"DOWN", "", "M", "M", {"M\xF6rike", "Mays", "Maris", "mantle"}},
        {"DOWN", "", "", "Z", {"\xC9mile", "zimmer"}},
        {"DOWN", "", "A", "", {"A\xE9rien", "Aaron"}},
        {"PRICED", "", "M", "M", {"mantle", "Maris", "Mays", "M\xF6rike"}},
        {"MARKED", "2", "M", "M", {"mantle", "Mays", "M\xF6rike"}},
        {"MARKED", "2", "Z", "", {"zimmer", "\xC9mile"}},
        {"MARKED", "0", "", "", {"Aaron", "A\xE9rien", "Maris"}},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(std::string(c.tag) + " " + c.mark + c.start + ".." + c.end);
        t.selectIndex(c.tag);
        KeyBuffer start = t.keyBuffer(), end = t.keyBuffer();
        for (auto [buffer, prefix] : {std::pair{&start, c.start}, std::pair{&end, c.end}}) {
            buffer->setString(kMark, c.mark);
            buffer->setPrefix(kCard, prefix);
        }
        t.setRange(start, end);
        EXPECT_EQ(walk(t), c.expected);
        EXPECT_EQ(walk(t, true), c.expected);
        EXPECT_EQ(t.recordCount(), c.expected.size());
    }

    // A find key too; setting the field again makes it a whole value.
    t.selectIndex("PRICED");
    KeyBuffer key = t.keyBuffer();
    key.setPrefix(kCard, "MA");
    ASSERT_TRUE(t.findKey(key));
    EXPECT_EQ(t.asString(kCard), "mantle");
    key.setString(kCard, "MA");
    EXPECT_FALSE(t.findKey(key));
    EXPECT_THROW(key.setPrefix(kCost, "1"), Error);
}

TEST_F(TableIndexTest, FindKeyExactAndNearest)
{
    Table t;
    openWithTag(t, "UPPER(CARDNAME)", false, false);
    KeyBuffer key = t.keyBuffer();
    key.setString(kCard, "MA");
    ASSERT_TRUE(t.findKey(key));
    EXPECT_EQ(t.asString(kCard), "mantle");
    EXPECT_TRUE(t.next());
    EXPECT_EQ(t.asString(kCard), "Maris");

    key.setString(kCard, "MAZ");
    EXPECT_FALSE(t.findKey(key));
    EXPECT_EQ(t.asString(kCard), "Maris"); // unmoved
    ASSERT_TRUE(t.findKey(key, true));
    EXPECT_EQ(t.asString(kCard), "zimmer");
    key.setString(kCard, "ZZ");
    EXPECT_FALSE(t.findKey(key, true));

    // Numeric keys: exact on the value, nearest the next larger.
    t.close();
    Table n;
    n.open(path, true);
    n.addIndex("PRICE", "PRICE", false);
    n.selectIndex("PRICE");
    KeyBuffer price = n.keyBuffer();
    price.setNumber(kCost, 55);
    ASSERT_TRUE(n.findKey(price));
    EXPECT_EQ(n.asString(kCard), "Maris");
    price.setNumber(kCost, 56);
    EXPECT_FALSE(n.findKey(price));
    ASSERT_TRUE(n.findKey(price, true));
    EXPECT_EQ(n.asString(kCard), "mantle");
}

TEST_F(TableIndexTest, RefusedTagsFailCleanlyAndLeaveTheIndexAsItWas)
{
    const std::string mdx = dir.path("cards.mdx");
    {
        // A first tag that is refused makes no index file and sets no flag.
        Table t;
        t.open(path, true);
        EXPECT_THROW(t.addIndex("BAD", "UPPER(NOSUCH)", false), Error);
        EXPECT_FALSE(fs::exists(mdx));
        EXPECT_FALSE(t.hasIndex());
        t.close();
        EXPECT_EQ(readFile(path).at(28), 0);
    }
    Table t;
    t.open(path, true);
    for (int i = 0; i < 47; ++i)
        t.addIndex("T" + std::to_string(i), i % 2 ? "CARDNAME" : "PRICE", i % 3 == 0);
    const std::string before = readFile(mdx);
    struct Case
    {
        std::string name, expression;
        ErrorKind kind;
    };
    const std::vector<Case> cases {
        {"T47", "CARDNAME", ErrorKind::Value},                   // a 48th tag
        {"LONG", "CARDNAME+CARDNAME+CARDNAME+CARDNAME+CARDNAME+CARDNAME", ErrorKind::Value}, // 120 characters
        {"PARSE", "UPPER(CARDNAME", ErrorKind::Value},
        {"T0", "CARDNAME", ErrorKind::Value},                    // the name is taken
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.name);
        try {
            t.addIndex(c.name, c.expression, false);
            ADD_FAILURE() << "tag accepted";
        } catch (const Error &e) {
            EXPECT_EQ(e.kind(), c.kind) << e.what();
            EXPECT_NE(std::string(e.what()), "");
        }
        EXPECT_EQ(readFile(mdx), before);
        EXPECT_EQ(t.indexDefinitions().size(), 47u);
    }
    try {
        t.selectIndex("NOSUCH");
        ADD_FAILURE() << "unknown tag selected";
    } catch (const Error &e) {
        EXPECT_EQ(e.kind(), ErrorKind::NotFound);
    }
    t.close();

    // Tag changes need exclusive use.
    Table shared;
    shared.open(path, false);
    try {
        shared.addIndex("X", "CARDNAME", false);
        ADD_FAILURE() << "tag added in shared use";
    } catch (const Error &e) {
        EXPECT_EQ(e.kind(), ErrorKind::Usage);
    }
    EXPECT_THROW(shared.deleteIndex("T0"), Error);
    EXPECT_THROW(shared.regenerateIndexes(), Error);
}

// The store's Delete Indexes deletes every tag but IDX0 and IDX1.
TEST_F(TableIndexTest, DeletingTagsKeepsTheOthersSoundAndTheHeaderFlagsInStep)
{
    Table t;
    t.open(path, true);
    t.addIndex("IDX0", "STR(PRICE, 20, 4)", false);
    t.addIndex("IDX1", "UPPER(CARDNAME)", false);
    t.addIndex("IDX2", "CARDNAME", true);
    t.addIndex("IDXF3", "FILTER+UPPER(CARDNAME)", false);
    t.addIndex("IDX4", "FILTER", false);
    t.selectIndex("IDX2");
    const auto descriptorFlag = [&](int pos) { return readFile(path).at(32 + 32 * pos + 31); };
    t.flush();
    EXPECT_EQ(readFile(path).at(28), 1);
    EXPECT_EQ(descriptorFlag(kCard), 1);
    EXPECT_EQ(descriptorFlag(kMark), 1);
    EXPECT_EQ(descriptorFlag(kCost), 0);

    for (const TagInfo &tag : t.indexDefinitions())
        if (tag.name != "IDX0" && tag.name != "IDX1")
            t.deleteIndex(tag.name);
    // The selected tag went: physical order.
    EXPECT_EQ(t.indexName(), "");
    EXPECT_EQ(walk(t).front(), "mantle");
    std::vector<std::string> left;
    for (const TagInfo &tag : t.indexDefinitions())
        left.push_back(tag.name + " " + tag.expression);
    EXPECT_EQ(left, (std::vector<std::string> {"IDX0 STR(PRICE, 20, 4)", "IDX1 UPPER(CARDNAME)"}));
    EXPECT_EQ(descriptorFlag(kCard), 0);
    EXPECT_EQ(descriptorFlag(kMark), 0);
    t.selectIndex("IDX1");
    appendCard(t, {"2", "Koufax", 3, {1966, 1, 1}, ""});
    EXPECT_EQ(walk(t), (Names {"Aaron", "bench", "Koufax", "mantle", "Maris", "Mays", "zimmer"}));
    EXPECT_TRUE(t.checkIndexes().empty());
}

TEST_F(TableIndexTest, RegenerateAndPackRebuildTheTags)
{
    Table t;
    t.open(path, true);
    t.addIndex("NAMES", "UPPER(CARDNAME)", false);
    t.selectIndex("NAMES");
    ASSERT_TRUE(t.findStoredKey("MAYS"));
    t.deleteRecord();
    t.regenerateIndexes();
    EXPECT_EQ(t.indexName(), "NAMES");
    EXPECT_EQ(walk(t), (Names {"Aaron", "bench", "mantle", "Maris", "zimmer"}));
    t.close();
    EXPECT_EQ(TableFamily::pack(path), 5u);
    EXPECT_EQ(namesInTag(path, "NAMES", kCard), (Names {"Aaron", "bench", "mantle", "Maris", "zimmer"}));
    // No temporary files are left beside the family.
    std::vector<std::string> files;
    for (const auto &entry : fs::directory_iterator(dir.root()))
        files.push_back(entry.path().filename().string());
    std::sort(files.begin(), files.end());
    EXPECT_EQ(files, (std::vector<std::string> {"cards.dbf", "cards.dbt", "cards.mdx"}));
}

TEST_F(TableIndexTest, MissingOrDamagedIndexFailsClearly)
{
    {
        Table t;
        t.open(path, true);
        t.addIndex("NAMES", "UPPER(CARDNAME)", false);
    }
    const std::string mdx = dir.path("cards.mdx");
    const std::string good = readFile(mdx);
    auto openError = [&]() -> std::optional<Error> {
        try {
            Table t;
            t.setIndexName("NAMES");
            t.open(path, false);
            t.last();
            t.recordCount();
        } catch (const Error &e) {
            return e;
        }
        return std::nullopt;
    };
    fs::rename(mdx, dir.path("elsewhere"));
    auto missing = openError();
    ASSERT_TRUE(missing);
    EXPECT_EQ(missing->kind(), ErrorKind::NotFound);
    EXPECT_NE(std::string(missing->what()).find("cards.mdx"), std::string::npos) << missing->what();
    fs::rename(dir.path("elsewhere"), mdx);

    struct Damage
    {
        const char *what;
        std::function<std::string(std::string)> apply;
    };
    const auto put32 = [](std::string bytes, size_t at, uint32_t v) {
        for (int i = 0; i < 4; ++i)
            bytes[at + size_t(i)] = char(v >> (8 * i));
        return bytes;
    };
    const uint32_t tagHeaderPage = uint8_t(good[544]) | uint8_t(good[545]) << 8;
    const size_t tagHeader = size_t(tagHeaderPage) * 512;
    const uint32_t root = uint8_t(good[tagHeader]) | uint8_t(good[tagHeader + 1]) << 8;
    const std::vector<Damage> damages {
        {"version", [](std::string b) { b[0] = 9; return b; }},
        {"cut short", [](std::string b) { return b.substr(0, 700); }},
        {"tag header out of the file", [&](std::string b) { return put32(b, 544, 0x7fffff); }},
        {"root out of the file", [&](std::string b) { return put32(b, tagHeader, 0x7fff0); }},
        // A root whose only entry... points at the tag header itself as a child: a loop.
        {"root is the tag header", [&](std::string b) { return put32(b, tagHeader, tagHeaderPage); }},
        {"root points at itself", [&](std::string b) {
             b = put32(b, size_t(root) * 512, 1);
             b = put32(b, size_t(root) * 512 + 8, root);
             return put32(b, size_t(root) * 512 + 8 + 24, root);
         }},
    };
    for (const Damage &d : damages) {
        SCOPED_TRACE(d.what);
        writeFile(mdx, d.apply(good));
        const auto error = openError();
        ASSERT_TRUE(error);
        EXPECT_EQ(error->kind(), ErrorKind::Corrupt) << error->what();
    }
    writeFile(mdx, good);
}

TEST_F(TableIndexTest, ForeignReaderStillReadsATableWithItsProductionFlagSet)
{
    {
        Table t;
        t.open(path, true);
        t.addIndex("NAMES", "UPPER(CARDNAME)", false);
    }
    ASSERT_EQ(readFile(path).at(28), 1);
    const std::string out = run("/usr/bin/python3 -c \"import dbfread\n"
                                "for r in dbfread.DBF('" + path + "', encoding='cp1252'): print(r['CARDNAME'])\"");
    EXPECT_EQ(out, "mantle\nAaron\nMays\nzimmer\nMaris\nbench\n");
}

TEST_F(TableIndexTest, DbtoolListsChecksAndSeeks)
{
    {
        Table t;
        t.open(path, true);
        t.addIndex("NAMES", "UPPER(CARDNAME)", false);
        t.addIndex("PRICES", "PRICE", true);
    }
    const std::string tool = DBTOOL_PATH;
    int rc = -1;
    EXPECT_EQ(run(tool + " tags " + path, &rc),
              "NAMES\tUPPER(CARDNAME)\tascending\tC(20)\nPRICES\tPRICE\tdescending\tN(12)\n");
    EXPECT_EQ(run(tool + " seek " + path + " NAMES MAR", &rc).substr(0, 10), "5\t0\tMaris\t");
    EXPECT_EQ(rc, 0);
    EXPECT_EQ(run(tool + " seek " + path + " PRICES 120.5", &rc).substr(0, 11), "1\t2\tmantle\t");
    run(tool + " seek " + path + " NAMES NOBODY", &rc);
    EXPECT_EQ(rc, 1);
    run(tool + " check " + path, &rc);
    EXPECT_EQ(rc, 0);

    // A record changed behind the index's back is found out.
    std::string bytes = readFile(path);
    const size_t at = bytes.find("Aaron");
    ASSERT_NE(at, std::string::npos);
    bytes.replace(at, 5, "Zorro");
    writeFile(path, bytes);
    const std::string out = run(tool + " check " + path, &rc);
    EXPECT_EQ(rc, 1);
    EXPECT_NE(out.find("NAMES"), std::string::npos) << out;
    // Rebuilding makes it sound again.
    Table t;
    t.open(path, true);
    t.regenerateIndexes();
}

} // namespace
