// Databases of made-up cards: the files the generator leaves, read back by the
// engine, by the index check and by an independent reader.
#include "TestTables.h"

#include "dbase/Cp1252.h"
#include "dbase/Table.h"
#include "dbase/tool/CardGenerator.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <map>

using namespace dbase;
using namespace dbase::test;
using dbase::cardgen::generateCardDatabase;

namespace {

const std::string kTemplates = ZENDROVA_BIN_DIR;
const std::string kDbtool = DBTOOL_PATH;

enum Pos {
    kRecNum = 0,
    kFilter = 1,
    kName = 2,
    kSport = 3,
    kTeam = 6,
    kYear = 8,
    kSmallPic = 10,
    kPurchase = 11,
    kSale = 13,
    kStatus = 14,
    kBought = 19,
    kNotes = 21,
    kPicture = 22,
};

// The table file without its header's date of last update (bytes 1-3), which is today.
std::string tableBytesWithoutDate(const std::string &path)
{
    std::string bytes = readFile(path);
    bytes.replace(1, 3, 3, '\0');
    return bytes;
}

// Header length and record length from the .DBF header.
std::pair<size_t, size_t> recordGeometry(const std::string &bytes)
{
    auto word = [&](size_t at) {
        return size_t(uint8_t(bytes[at])) | size_t(uint8_t(bytes[at + 1])) << 8;
    };
    return { word(8), word(10) };
}

bool hasAccent(const std::string &cp1252)
{
    return std::any_of(cp1252.begin(), cp1252.end(), [](char c) { return uint8_t(c) >= 0x80; });
}

std::string dbtool(const std::string &arguments, int *status)
{
    return run(kDbtool + " " + arguments + " 2>&1", status);
}

TEST(CardGeneratorTest, SameSeedSameFilesAndALongerRunStartsWithTheShorterOne)
{
    TempDir dir;
    const auto a = generateCardDatabase(dir.path("a"), 400, 7, kTemplates);
    const auto b = generateCardDatabase(dir.path("b"), 400, 7, kTemplates);
    const auto other = generateCardDatabase(dir.path("other"), 400, 8, kTemplates);
    const auto longer = generateCardDatabase(dir.path("longer"), 1000, 7, kTemplates);

    const std::string bytesA = tableBytesWithoutDate(a.tablePath);
    EXPECT_EQ(bytesA, tableBytesWithoutDate(b.tablePath));
    EXPECT_EQ(readFile(dir.path("a/data.dbt")), readFile(dir.path("b/data.dbt")));
    EXPECT_NE(bytesA, tableBytesWithoutDate(other.tablePath));

    // The records of the short run, memo pointers included, open the long one.
    const auto [headerLength, recordLength] = recordGeometry(bytesA);
    const std::string longBytes = readFile(longer.tablePath);
    ASSERT_GT(longBytes.size(), headerLength + 400 * recordLength);
    EXPECT_EQ(bytesA.substr(headerLength, 400 * recordLength),
        longBytes.substr(headerLength, 400 * recordLength));
}

TEST(CardGeneratorTest, RecordsAreNumberedFromTwoWithTheCatalogCounterOnTheLast)
{
    for (const uint32_t count : { 0u, 1u, 250u }) {
        SCOPED_TRACE(count);
        TempDir dir;
        const auto made = generateCardDatabase(dir.path("DATA"), count, 3, kTemplates);
        EXPECT_EQ(made.counter, int64_t(count) + 1);

        Table table;
        table.open(made.tablePath, false);
        EXPECT_EQ(table.recordCount(), count);
        int64_t expected = 2;
        for (table.first(); !table.eof(); table.next(), ++expected) {
            ASSERT_EQ(table.asInteger(kRecNum), expected);
            ASSERT_EQ(table.asString(kFilter), "2");
        }

        Table catalog;
        catalog.open(made.catalogPath, false);
        ASSERT_EQ(catalog.recordCount(), 1u);
        catalog.first();
        EXPECT_EQ(catalog.asString(0), "data.dbf");
        EXPECT_EQ(catalog.asString(1), "data.dbf");
        EXPECT_EQ(catalog.asInteger(3), int64_t(count) + 1);
    }
}

TEST(CardGeneratorTest, ValuesLookLikeACollection)
{
    TempDir dir;
    const auto made = generateCardDatabase(dir.path("DATA"), 3000, 11, kTemplates);
    Table table;
    table.open(made.tablePath, false);
    std::map<std::string, int> counts;
    int minYear = 9999;
    int maxYear = 0;
    for (table.first(); !table.eof(); table.next()) {
        const std::string name = table.asString(kName);
        ASSERT_NE(name.find(' '), std::string::npos) << name;
        counts["accented"] += hasAccent(name);
        const int year = std::stoi(table.asString(kYear));
        minYear = std::min(minYear, year);
        maxYear = std::max(maxYear, year);
        if (!table.isNull(kPurchase)) {
            const std::string price = std::string(table.rawValue(kPurchase));
            ASSERT_EQ(price[price.size() - 3], '.') << price;
            ++counts["priced"];
        }
        const std::string status = table.asString(kStatus);
        ASSERT_EQ(!table.isNull(kSale), status == "Sold" || status == "For Sale") << status;
        if (const auto bought = table.asDate(kBought)) {
            ASSERT_GE(bought->year, std::max(year, 1975));
        }
        const std::string notes = table.asString(kNotes);
        counts["no notes"] += notes.empty();
        counts["multi-line notes"] += notes.find("\r\n") != std::string::npos;
        counts["no team"] += table.asString(kTeam).empty();
        counts["sports"] += counts.emplace("sport " + table.asString(kSport), 0).second;
        ASSERT_TRUE(table.isNull(kSmallPic) && table.isNull(kPicture));
    }
    EXPECT_GE(minYear, 1909);
    EXPECT_LT(minYear, 1930);
    EXPECT_EQ(maxYear, 2026);
    // About three in a hundred.
    EXPECT_GT(counts["accented"], 45);
    EXPECT_LT(counts["accented"], 150);
    EXPECT_GT(counts["priced"], 2500);
    EXPECT_GT(counts["no notes"], 1000);
    EXPECT_GT(counts["multi-line notes"], 300);
    EXPECT_GT(counts["no team"], 50);
    EXPECT_EQ(counts["sports"], 8);
}

TEST(CardGeneratorTest, CommandLineFolderPassesTheIndexCheckAndReadsInDbfread)
{
    TempDir dir;
    const std::string folder = dir.path("DATA");
    int status = -1;
    const std::string out
        = dbtool("generate " + folder + " 2000 --seed 5 --templates " + kTemplates, &status);
    ASSERT_EQ(status, 0) << out;
    EXPECT_EQ(out,
        folder + "/data.dbf: 2000 cards, seed 5, record numbers 2 to 2001\n" + folder
            + "/master.dbf: data.dbf, record counter 2001\n");
    for (const char *table : { "data.dbf", "master.dbf" }) {
        const std::string check = dbtool("check " + folder + "/" + table, &status);
        EXPECT_EQ(status, 0) << check;
    }

    // The engine's view of the names and notes, to hold the foreign reader to.
    Table table;
    table.open(folder + "/data.dbf", false);
    std::string accented;
    int multiLine = 0;
    for (table.first(); !table.eof(); table.next()) {
        if (hasAccent(table.asString(kName)) && accented.empty())
            accented = cp1252ToUtf8(table.asString(kName));
        multiLine += table.asString(kNotes).find("\r\n") != std::string::npos;
    }
    ASSERT_FALSE(accented.empty());
    const std::string read = run("/usr/bin/python3 -c \""
                                 "import dbfread\n"
                                 "t = list(dbfread.DBF('"
            + folder
            + "/data.dbf', encoding='cp1252'))\n"
              "print(len(t), t[0]['RECNUM'], t[-1]['RECNUM'])\n"
              "print([r['CARDNAME'] for r in t if not r['CARDNAME'].isascii()][0])\n"
              "print(sum('\\r\\n' in (r['NOTES'] or '') for r in t))\n"
              "\" 2>&1",
        &status);
    ASSERT_EQ(status, 0) << read;
    EXPECT_EQ(read, "2000 2 2001\n" + accented + "\n" + std::to_string(multiLine) + "\n");
}

TEST(CardGeneratorTest, CommandLineRefusesBadArgumentsAndExistingTables)
{
    TempDir dir;
    const std::string folder = dir.path("DATA");
    int status = -1;
    dbtool("generate " + folder + " 5 --templates " + kTemplates, &status);
    ASSERT_EQ(status, 0);

    struct Case
    {
        std::string arguments;
        int status;
        std::string message;
    };
    const Case cases[] = {
        { "generate " + dir.path("x"), 2, "usage: dbtool" },
        { "generate " + dir.path("x") + " many", 2, "usage: dbtool" },
        { "generate " + dir.path("x") + " -5", 2, "usage: dbtool" },
        { "generate " + dir.path("x") + " 5 --seed", 2, "usage: dbtool" },
        { "generate " + dir.path("x") + " 5 --seed x1", 2, "usage: dbtool" },
        { "generate " + dir.path("x") + " 5 --colour red", 2, "usage: dbtool" },
        { "generate " + dir.path("x") + " 5 --templates " + dir.path("none"), 1,
            "dbtool: No template table " + dir.path("none") + "/master.dbf" },
        { "generate " + folder + " 10 --templates " + kTemplates, 1,
            "dbtool: " + folder + "/data.dbf already exists; generate into a new folder, or with --replace in its place\n" },
    };
    for (const Case &c : cases) {
        const std::string out = dbtool(c.arguments, &status);
        EXPECT_EQ(status, c.status) << c.arguments << "\n" << out;
        EXPECT_EQ(out.substr(0, c.message.size()), c.message) << c.arguments;
    }
    // The refused run left the first one alone.
    Table table;
    table.open(folder + "/data.dbf", false);
    EXPECT_EQ(table.recordCount(), 5u);
}

TEST(CardGeneratorTest, ReplaceWritesOverTheDatabaseOfAFolderOnlyWhileNothingHasItOpen)
{
    TempDir dir;
    const std::string folder = dir.path("DATA");
    int status = -1;
    dbtool("generate " + folder + " 5 --templates " + kTemplates, &status);
    ASSERT_EQ(status, 0);
    // The program's own files beside the tables are not the generator's.
    writeFile(folder + "/data.idx", "sort");
    const std::string replace = "generate " + folder + " 20 --seed 3 --replace --templates " + kTemplates;

    // A running program holds both tables open (shared): refused, nothing changed.
    for (const char *table : { "data.dbf", "master.dbf" }) {
        Table open;
        open.open(folder + "/" + table, false);
        const std::string out = dbtool(replace, &status);
        EXPECT_EQ(status, 1) << out;
        EXPECT_EQ(out,
            "dbtool: " + folder + "/" + table
                + " is open, in Zendrova or another program: close it, then run generate "
                  "--replace again\n");
    }
    {
        Table table;
        table.open(folder + "/data.dbf", false);
        EXPECT_EQ(table.recordCount(), 5u);
    }

    const std::string out = dbtool(replace, &status);
    ASSERT_EQ(status, 0) << out;
    EXPECT_EQ(out,
        folder + "/data.dbf: 20 cards, seed 3, record numbers 2 to 21\n" + folder
            + "/master.dbf: data.dbf, record counter 21\n");
    // The same files a fresh folder gets, and nothing left over.
    const std::string fresh = dir.path("FRESH");
    dbtool("generate " + fresh + " 20 --seed 3 --templates " + kTemplates, &status);
    ASSERT_EQ(status, 0);
    EXPECT_EQ(tableBytesWithoutDate(folder + "/data.dbf"), tableBytesWithoutDate(fresh + "/data.dbf"));
    EXPECT_EQ(readFile(folder + "/data.dbt"), readFile(fresh + "/data.dbt"));
    EXPECT_EQ(readFile(folder + "/data.idx"), "sort");
    const std::string listing = run("LC_ALL=C ls -A " + folder, &status);
    EXPECT_EQ(listing, "data.dbf\ndata.dbt\ndata.idx\ndata.mdx\nmaster.dbf\nmaster.mdx\n");
    for (const char *table : { "data.dbf", "master.dbf" }) {
        const std::string check = dbtool("check " + folder + "/" + table, &status);
        EXPECT_EQ(status, 0) << check;
    }
    const std::string read = run("/usr/bin/python3 -c \""
                                 "import dbfread\n"
                                 "t = list(dbfread.DBF('" + folder + "/data.dbf'))\n"
                                 "m = list(dbfread.DBF('" + folder + "/master.dbf'))\n"
                                 "print(len(t), t[0]['RECNUM'], t[-1]['RECNUM'], len(m))\n"
                                 "\" 2>&1",
        &status);
    EXPECT_EQ(read, "20 2 21 1\n");
}

} // namespace
