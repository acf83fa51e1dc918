// seedwriter DIR: writes card tables, their memo files and indexes made by the engine into
// DIR/index, DIR/table and DIR/memo, so the fuzzers start from files that pass every check.
// Records come from a fixed pseudo-random sequence: a rerun writes the same records.
#include "dbase/CardTableLayout.h"
#include "dbase/Error.h"
#include "dbase/PathNames.h"
#include "dbase/Table.h"

#include <filesystem>
#include <iostream>
#include <random>
#include <string>

namespace fs = std::filesystem;

namespace {

// Card table field positions the writer fills.
enum CardField {
    RecNum = 0, Filter = 1, CardName = 2, Sport = 3, Brand = 4, Team = 6, CardYear = 8, CardNum = 9,
    Purchase = 11, CurValue = 12, Condition = 15, Custom2 = 17, Custom4 = 19, Notes = 21, Picture = 22
};

class CardMaker
{
public:
    // Many equal names and dates, so keys repeat across leaves.
    void fill(dbase::Table &table, int recNum, bool withMemos)
    {
        static const char *first[] = {"Mickey", "Willie", "Hank", "Ted", "Babe", "Roberto", "Sandy", "Yogi", ""};
        static const char *last[] = {"Mantle", "Mays", "Aaron", "Williams", "Ruth", "Clemente", "Koufax",
                                     "Berra", "Zimmer", "\xC9mile", "o'Neil"};
        static const char *sports[] = {"Baseball", "Football", "Hockey", "Basketball"};
        static const char *brands[] = {"Topps", "Fleer", "Donruss", "Bowman", "Score"};
        table.setInteger(RecNum, recNum);
        table.setString(Filter, pick(3) == 0 ? "0" : "2");
        // One pick per statement: argument order is unspecified and the sequence must not change.
        const std::string firstName = first[pick(std::size(first))];
        table.setString(CardName, firstName + " " + last[pick(std::size(last))]);
        table.setString(Sport, sports[pick(std::size(sports))]);
        table.setString(Brand, brands[pick(std::size(brands))]);
        table.setString(Team, "Team " + std::to_string(pick(40)));
        table.setString(CardYear, std::to_string(1950 + pick(60)));
        if (pick(5) != 0)
            table.setInteger(CardNum, int64_t(pick(800)));
        table.setNumber(Purchase, double(pick(50000)) / 100.0);
        if (pick(4) != 0)
            table.setNumber(CurValue, double(pick(9000000)) / 100.0 - 1000.0);
        table.setString(Condition, pick(2) ? "Mint" : "Near mint");
        const size_t custom2Length = pick(50);
        table.setString(Custom2, std::string(custom2Length, char('A' + pick(26))));
        if (pick(6) != 0)
            table.setDate(Custom4, dbase::Date{int(1900 + pick(199)), int(1 + pick(12)), int(1 + pick(28))});
        if (withMemos)
            fillMemos(table);
    }

    unsigned pick(size_t n) { return unsigned(random_() % n); }

private:
    void fillMemos(dbase::Table &table)
    {
        if (pick(3) != 0) {
            std::string notes = "Bought at the fair\r\nCorner " + std::to_string(pick(4)) + " soft";
            // Some notes span several memo blocks.
            notes.append(pick(4) == 0 ? 600 + pick(900) : 0, 'n');
            table.setBlob(Notes, notes);
        }
        if (pick(4) == 0) {
            std::string picture = "BM";
            for (unsigned i = 0, n = 40 + pick(700); i < n; ++i)
                picture += char(random_() & 0xFF);
            table.setBlob(Picture, picture);
        }
    }

    std::mt19937 random_{19520415};
};

void fillCards(const std::string &dbf, int count, bool withMemos)
{
    dbase::Table table;
    table.open(dbf, true);
    CardMaker maker;
    for (int n = 1; n <= count; ++n) {
        table.append();
        maker.fill(table, n, withMemos);
        table.post();
    }
}

// A card table of `count` records from the template; tags added after the records are
// built in one pass, the template's own tags grow record by record.
std::string writeCards(const std::string &work, const std::string &name, int count, bool withMemos)
{
    const std::string folder = dbase::joinPath(work, name);
    fs::create_directories(folder);
    dbase::layout::writeTemplateTables(folder);
    const std::string dbf = dbase::joinPath(folder, "data.dbf");
    fillCards(dbf, count, withMemos);
    return folder;
}

void addTags(const std::string &dbf, const std::vector<std::pair<std::string, std::string>> &tags, bool descending)
{
    dbase::Table table;
    table.open(dbf, true);
    for (const auto &[name, expression] : tags)
        table.addIndex(name, expression, descending);
}

void copyAs(const std::string &from, const std::string &to)
{
    fs::create_directories(fs::path(to).parent_path());
    fs::copy_file(from, to, fs::copy_options::overwrite_existing);
}

void writeSeeds(const std::string &out)
{
    const std::string work = dbase::joinPath(out, "work");
    fs::remove_all(work);

    // Templates: empty trees.
    const std::string empty = writeCards(work, "empty", 0, false);
    for (const char *file : {"DATA.MDX", "master.mdx", "list.mdx"})
        copyAs(dbase::joinPath(empty, file), dbase::joinPath(out, std::string("index/template-") + file));
    for (const char *file : {"data.dbf", "master.dbf", "list.dbf"})
        copyAs(dbase::joinPath(empty, file), dbase::joinPath(out, std::string("table/template-") + file));

    // A few thousand cards: the template's tags three levels deep, and a descending date tag.
    const std::string many = writeCards(work, "many", 2000, false);
    addTags(dbase::joinPath(many, "data.dbf"), {{"IDX2", "CUSTOM4"}}, true);
    copyAs(dbase::joinPath(many, "DATA.MDX"), dbase::joinPath(out, "index/cards2000.mdx"));

    // Long keys: few per node, so a few hundred records already make a deep tree. Numeric and
    // descending tags beside it, and a deleted tag's blocks on the free list.
    const std::string deep = writeCards(work, "deep", 400, false);
    addTags(dbase::joinPath(deep, "data.dbf"),
            {{"IDX2", "UPPER(CARDNAME+SUBSTR(CUSTOM2, 1, 48))"}, {"IDX3", "PURCHASE"},
             {"IDX4", "STR(CURVALUE, 12, 2)"}},
            false);
    addTags(dbase::joinPath(deep, "data.dbf"), {{"IDXF5", "FILTER+UPPER(CARDNAME)"}}, true);
    {
        dbase::Table table;
        table.open(dbase::joinPath(deep, "data.dbf"), true);
        table.deleteIndex("IDX4");
    }
    copyAs(dbase::joinPath(deep, "DATA.MDX"), dbase::joinPath(out, "index/deep400.mdx"));

    // Tables with memos: the records for the table reader, the memo files for the memo reader.
    const std::string memos = writeCards(work, "memos", 12, true);
    copyAs(dbase::joinPath(memos, "data.dbf"), dbase::joinPath(out, "table/cards12.dbf"));
    copyAs(dbase::joinPath(memos, "data.dbt"), dbase::joinPath(out, "memo/cards12.dbt"));
    {
        // Rewriting and emptying memos puts blocks on the memo file's free list.
        dbase::Table table;
        table.open(dbase::joinPath(memos, "data.dbf"), true);
        table.first();
        table.edit();
        table.setBlob(Notes, std::string(1500, 'r'));
        table.post();
        table.next();
        table.edit();
        table.setBlob(Notes, "");
        table.setBlob(Picture, "");
        table.post();
    }
    copyAs(dbase::joinPath(memos, "data.dbt"), dbase::joinPath(out, "memo/cards12-freed.dbt"));
    fs::remove_all(work);
}

} // namespace

int main(int argc, char **argv)
{
    if (argc != 2) {
        std::cerr << "usage: seedwriter DIR\n";
        return 2;
    }
    try {
        writeSeeds(argv[1]);
    } catch (const dbase::Error &e) {
        std::cerr << "seedwriter: " << e.what() << "\n";
        return 1;
    }
    return 0;
}
