// Production index speed through the table engine against SQLite doing the same work
// in the same run: building a tag, keeping six tags in step with 10,000 edits posted
// one by one, changing every record's filter mark (two of the six tags lead with
// it), and 26 letter-range counts.
#include "BenchCards.h"

#include "dbase/DbfHeader.h"
#include "dbase/Table.h"
#include "dbase/index/ProductionIndex.h"

#include <benchmark/benchmark.h>
#include <sqlite3.h>

#include <cstdio>
#include <filesystem>
#include <map>
#include <memory>
#include <stdexcept>

using namespace bench;

namespace {

constexpr int kCards = 100000;
constexpr int kEdits = 10000;

struct SampleTag
{
    const char *name, *expression;
    bool descending;
};

// The six sort tags of a busy record table, two of them filtered (led by the
// filter mark), and the SQLite indexes that order alike.
const SampleTag kTags[] = {
    {"IDX0", "STR(RECNO, 20, 4)", false},
    {"IDX1", "UPPER(NAME)", false},
    {"IDXF2", "FMARK+STR(999999999999999999-PPRICE, 20, 4)", false},
    {"IDX3", "DTOS(CUSTOM4)+STR(999999999999999999-CVALUE, 20, 4)", false},
    {"IDXF4", "FMARK+UPPER(NAME)", false},
    {"IDX5", "UPPER(SUBSTR(MLINE(NOTES, 1), 1, 49))", true},
};
const char *kSqliteIndexes[] = {
    "CREATE INDEX s0 ON cards(recno)",
    "CREATE INDEX s1 ON cards(upper(name))",
    "CREATE INDEX s2 ON cards(mark, price DESC)",
    "CREATE INDEX s3 ON cards(bought, value DESC)",
    "CREATE INDEX s4 ON cards(mark, upper(name))",
    "CREATE INDEX s5 ON cards(upper(substr(notes, 1, 49)) DESC)",
};

void check(int rc, sqlite3 *db, const char *what)
{
    if (rc != SQLITE_OK && rc != SQLITE_DONE && rc != SQLITE_ROW)
        throw std::runtime_error(std::string(what) + ": " + sqlite3_errmsg(db));
}

void exec(sqlite3 *db, const char *sql) { check(sqlite3_exec(db, sql, nullptr, nullptr, nullptr), db, sql); }

// Shared by all benchmarks: the same cards in a scan source and in an SQLite table.
struct World
{
    std::filesystem::path dir;
    std::vector<BenchCard> cards; // index 0 unused: record number = position
    sqlite3 *db = nullptr;
    dbase::Table table;
    bool sixTags = false;
    bool sqliteIndexed = false;

    World()
    {
        dir = std::filesystem::temp_directory_path() / ("zendrova-bench-" + std::to_string(getpid()));
        std::filesystem::create_directories(dir);
        CardMaker maker(2024);
        cards.resize(1);
        for (int i = 1; i <= kCards; ++i)
            cards.push_back(maker.make(i));
        check(sqlite3_open((dir / "cards.db").c_str(), &db), db, "open");
        // Neither side forces data to the disk: the index writes through the page cache too.
        exec(db, "PRAGMA synchronous=OFF");
        exec(db, "CREATE TABLE cards(recno INTEGER PRIMARY KEY, mark TEXT, name TEXT, price REAL,"
                 " value REAL, bought TEXT, notes TEXT)");
        exec(db, "BEGIN");
        sqlite3_stmt *insert = nullptr;
        check(sqlite3_prepare_v2(db, "INSERT INTO cards VALUES(?,?,?,?,?,?,?)", -1, &insert, nullptr), db, "prepare");
        for (int i = 1; i <= kCards; ++i) {
            bindCard(insert, cards[static_cast<size_t>(i)]);
            sqlite3_bind_int(insert, 1, i);
            check(sqlite3_step(insert), db, "insert");
            sqlite3_reset(insert);
        }
        sqlite3_finalize(insert);
        exec(db, "COMMIT");
        writeTable();
    }

    ~World()
    {
        table.close();
        sqlite3_close(db);
        std::filesystem::remove_all(dir);
    }

    static void bindCard(sqlite3_stmt *s, const BenchCard &c)
    {
        sqlite3_bind_text(s, 2, c.mark.data(), static_cast<int>(c.mark.size()), SQLITE_TRANSIENT);
        sqlite3_bind_text(s, 3, c.name.data(), static_cast<int>(c.name.size()), SQLITE_TRANSIENT);
        sqlite3_bind_double(s, 4, std::stod(c.price));
        sqlite3_bind_double(s, 5, std::stod(c.value));
        sqlite3_bind_text(s, 6, c.bought.data(), static_cast<int>(c.bought.size()), SQLITE_TRANSIENT);
        sqlite3_bind_text(s, 7, c.notes.data(), static_cast<int>(c.notes.size()), SQLITE_TRANSIENT);
    }

    static void setCard(dbase::Table &t, const BenchCard &c)
    {
        t.setString(0, c.recNo);
        t.setString(1, c.mark);
        t.setString(2, c.name);
        t.setString(3, c.price);
        t.setString(4, c.value);
        t.setString(5, c.bought);
        t.setBlob(6, c.notes);
    }

    // The same cards as a table on disk, kept open exclusively as maintenance would.
    void writeTable()
    {
        std::vector<dbase::FieldInfo> fields;
        for (const auto &f : benchFields())
            fields.push_back(dbase::makeField(f.name, f.type, f.length, f.decimals));
        const std::string path = (dir / "cards.dbf").string();
        dbase::Table::create(path, fields);
        table.open(path, true);
        for (size_t i = 1; i < cards.size(); ++i) {
            table.append();
            setCard(table, cards[i]);
            table.post();
        }
        table.flush();
    }

    dbase::ScanSource scan()
    {
        return [this](const dbase::RecordVisitor &visit) {
            for (size_t i = 1; i < cards.size(); ++i)
                visit(static_cast<uint32_t>(i), BenchRecord(cards[i]));
        };
    }

    dbase::Table &tableWithSixTags()
    {
        if (!sixTags)
            for (const auto &tag : kTags)
                table.addIndex(tag.name, tag.expression, tag.descending);
        sixTags = true;
        return table;
    }

    void indexSqlite()
    {
        if (!sqliteIndexed)
            for (const char *sql : kSqliteIndexes)
                exec(db, sql);
        sqliteIndexed = true;
    }
};

World &world()
{
    static World w;
    return w;
}

// The same edits for both sides: round r changes kEdits random cards in full.
std::vector<std::pair<int, BenchCard>> edits(int64_t round)
{
    CardMaker maker(static_cast<unsigned>(7 + round));
    std::mt19937 pick(static_cast<unsigned>(100 + round));
    std::vector<std::pair<int, BenchCard>> list;
    for (int i = 0; i < kEdits; ++i) {
        const int recNo = 1 + static_cast<int>(pick() % kCards);
        list.push_back({recNo, maker.make(recNo)});
    }
    return list;
}

std::pair<std::string, std::string> letterRange(char letter)
{
    return {letter == 'A' ? std::string("\001") : std::string(1, letter),
            letter == 'Z' ? std::string("\377") : std::string(1, letter) + "\377"};
}

void BuildTag_Index(benchmark::State &state)
{
    World &w = world();
    for (auto _ : state) {
        w.table.addIndex("BUILD1", "UPPER(NAME)", false);
        state.PauseTiming();
        w.table.deleteIndex("BUILD1");
        state.ResumeTiming();
    }
}

// The same tag filled by one insert per key, to show what the bulk build saves.
void BuildTag_OneKeyAtATime(benchmark::State &state)
{
    World &w = world();
    for (auto _ : state) {
        state.PauseTiming();
        auto index = dbase::ProductionIndex::create((w.dir / "BUILD.MDX").string(), "CARDS", benchFields());
        index->addTag("IDX1", "UPPER(NAME)", false, [](const dbase::RecordVisitor &) {});
        state.ResumeTiming();
        dbase::ProductionIndex::Batch batch(*index);
        w.scan()([&](uint32_t recNo, const dbase::RecordView &record) { index->insertKey(recNo, record); });
    }
}

void BuildTag_Sqlite(benchmark::State &state)
{
    World &w = world();
    for (auto _ : state) {
        exec(w.db, "CREATE INDEX build1 ON cards(upper(name))");
        state.PauseTiming();
        exec(w.db, "DROP INDEX build1");
        state.ResumeTiming();
    }
}

void Edits_Index(benchmark::State &state)
{
    World &w = world();
    dbase::Table &table = w.tableWithSixTags();
    int64_t round = 0;
    for (auto _ : state) {
        state.PauseTiming();
        auto list = edits(round++);
        state.ResumeTiming();
        for (auto &[recNo, card] : list) {
            table.gotoBookmark(static_cast<uint32_t>(recNo));
            table.edit();
            World::setCard(table, card);
            table.post();
        }
        table.flush();
    }
    if (!table.checkIndexes().empty())
        state.SkipWithError("the tags are out of step after the edits");
}

void Edits_Sqlite(benchmark::State &state)
{
    World &w = world();
    w.indexSqlite();
    sqlite3_stmt *update = nullptr;
    check(sqlite3_prepare_v2(w.db, "UPDATE cards SET mark=?2, name=?3, price=?4, value=?5, bought=?6,"
                                   " notes=?7 WHERE recno=?1", -1, &update, nullptr), w.db, "prepare");
    int64_t round = 0;
    for (auto _ : state) {
        state.PauseTiming();
        auto list = edits(round++);
        state.ResumeTiming();
        exec(w.db, "BEGIN");
        for (const auto &[recNo, card] : list) {
            World::bindCard(update, card);
            sqlite3_bind_int(update, 1, recNo);
            check(sqlite3_step(update), w.db, "update");
            sqlite3_reset(update);
        }
        exec(w.db, "COMMIT");
    }
    sqlite3_finalize(update);
}

// Round r gives every record the mark the round before did not: all of them change.
char markFor(uint32_t recNo, int64_t round) { return (recNo + round) % 2 ? '2' : '0'; }

void Marks_Index(benchmark::State &state)
{
    World &w = world();
    dbase::Table &table = w.tableWithSixTags();
    int64_t round = 0;
    for (auto _ : state) {
        ++round;
        for (table.first(); !table.eof(); table.next()) {
            const char mark = markFor(table.recno(), round);
            if (table.rawValue(1)[0] == mark)
                continue;
            table.edit();
            table.setString(1, std::string(1, mark));
            table.post();
        }
        table.flush();
    }
    if (!table.checkIndexes().empty())
        state.SkipWithError("the tags are out of step after the marks");
}

void Marks_Sqlite(benchmark::State &state)
{
    World &w = world();
    w.indexSqlite();
    sqlite3_stmt *update = nullptr;
    check(sqlite3_prepare_v2(w.db, "UPDATE cards SET mark = CASE WHEN (recno + ?1) % 2 = 1 THEN '2' ELSE '0' END",
                             -1, &update, nullptr), w.db, "prepare");
    int64_t round = 0;
    for (auto _ : state) {
        ++round;
        exec(w.db, "BEGIN");
        sqlite3_bind_int64(update, 1, round);
        check(sqlite3_step(update), w.db, "update");
        sqlite3_reset(update);
        exec(w.db, "COMMIT");
    }
    sqlite3_finalize(update);
}

void LetterCounts_Index(benchmark::State &state)
{
    World &w = world();
    dbase::Table &table = w.tableWithSixTags();
    table.selectIndex("IDX1");
    dbase::KeyBuffer start = table.keyBuffer(), end = table.keyBuffer();
    uint64_t total = 0;
    for (auto _ : state) {
        total = 0;
        for (char letter = 'A'; letter <= 'Z'; ++letter) {
            const auto [from, to] = letterRange(letter);
            start.setString(2, from);
            end.setString(2, to);
            table.setRange(start, end);
            total += table.recordCount();
        }
    }
    table.selectIndex("");
    if (total != kCards)
        state.SkipWithError("letter counts do not add up to the record count");
}

void LetterCounts_Sqlite(benchmark::State &state)
{
    World &w = world();
    w.indexSqlite();
    sqlite3_stmt *count = nullptr;
    check(sqlite3_prepare_v2(w.db, "SELECT COUNT(*) FROM cards WHERE upper(name) >= ?1 AND upper(name) <= ?2",
                             -1, &count, nullptr), w.db, "prepare");
    int64_t total = 0;
    for (auto _ : state) {
        total = 0;
        for (char letter = 'A'; letter <= 'Z'; ++letter) {
            const auto [start, end] = letterRange(letter);
            sqlite3_bind_text(count, 1, start.data(), static_cast<int>(start.size()), SQLITE_TRANSIENT);
            sqlite3_bind_text(count, 2, end.data(), static_cast<int>(end.size()), SQLITE_TRANSIENT);
            check(sqlite3_step(count), w.db, "count");
            total += sqlite3_column_int64(count, 0);
            sqlite3_reset(count);
        }
    }
    sqlite3_finalize(count);
    if (total != kCards)
        state.SkipWithError("letter counts do not add up to the record count");
}

BENCHMARK(BuildTag_Index)->Unit(benchmark::kMillisecond)->Iterations(3);
BENCHMARK(BuildTag_Sqlite)->Unit(benchmark::kMillisecond)->Iterations(3);
BENCHMARK(BuildTag_OneKeyAtATime)->Unit(benchmark::kMillisecond)->Iterations(3);
BENCHMARK(Edits_Index)->Unit(benchmark::kMillisecond)->Iterations(3);
BENCHMARK(Edits_Sqlite)->Unit(benchmark::kMillisecond)->Iterations(3);
BENCHMARK(Marks_Index)->Unit(benchmark::kMillisecond)->Iterations(3);
BENCHMARK(Marks_Sqlite)->Unit(benchmark::kMillisecond)->Iterations(3);
BENCHMARK(LetterCounts_Index)->Unit(benchmark::kMillisecond)->Iterations(20);
BENCHMARK(LetterCounts_Sqlite)->Unit(benchmark::kMillisecond)->Iterations(20);

// Prints each of our timings as a ratio to SQLite's from the same run.
class RatioReporter : public benchmark::ConsoleReporter
{
public:
    void ReportRuns(const std::vector<Run> &runs) override
    {
        for (const Run &run : runs)
            times_[run.benchmark_name()] = run.GetAdjustedRealTime();
        ConsoleReporter::ReportRuns(runs);
    }

    void printRatios() const
    {
        const struct { const char *name; double target; } pairs[] = {
            {"BuildTag", 1.0}, {"Edits", 1.0}, {"Marks", 1.0}, {"LetterCounts", 1.0}};
        std::printf("\nRatio index / SQLite (same run):\n");
        for (const auto &p : pairs) {
            const auto ours = times_.find(std::string(p.name) + "_Index/iterations:" + iterationsOf(p.name));
            const auto theirs = times_.find(std::string(p.name) + "_Sqlite/iterations:" + iterationsOf(p.name));
            if (ours == times_.end() || theirs == times_.end())
                continue;
            const double ratio = ours->second / theirs->second;
            std::printf("  %-13s %6.2f  (target <= %.1f: %s)\n", p.name, ratio, p.target,
                        ratio <= p.target ? "met" : "MISSED");
        }
        const auto bulk = times_.find("BuildTag_Index/iterations:3");
        const auto oneByOne = times_.find("BuildTag_OneKeyAtATime/iterations:3");
        if (bulk != times_.end() && oneByOne != times_.end())
            std::printf("Bulk build / one insert per key: %.2f\n", bulk->second / oneByOne->second);
    }

private:
    static std::string iterationsOf(const std::string &name) { return name == "LetterCounts" ? "20" : "3"; }
    std::map<std::string, double> times_;
};

} // namespace

int main(int argc, char **argv)
{
    benchmark::Initialize(&argc, argv);
    RatioReporter reporter;
    benchmark::RunSpecifiedBenchmarks(&reporter);
    reporter.printRatios();
    benchmark::Shutdown();
    return 0;
}
