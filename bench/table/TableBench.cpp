// 100,000 card-like records: appending them and scanning them with the table
// engine, each against a baseline measured in the same run (SQLite inserting
// the same rows in one transaction; a plain buffered read of the same file).
// Each round's append starts with the previous round's files gone and the disk
// done with their removal (on a disk that frees deleted blocks at once, that work
// grows with the bytes deleted and would land in the next round's writes).
#include "dbase/CardTableLayout.h"
#include "dbase/Table.h"
#include "dbase/TableFamily.h"

#include <benchmark/benchmark.h>
#include <sqlite3.h>

#include <cstdio>
#include <filesystem>
#include <functional>
#include <unistd.h>
#include <string>
#include <vector>

namespace {

constexpr int kRecords = 100000;

struct Card
{
    std::string name, sport, team, notes;
    int number;
    double price;
};

Card cardAt(int i)
{
    static const char *sports[] = {"Baseball", "Football", "Hockey", "Basketball"};
    return {"Player " + std::to_string(i * 7919 % 100003), sports[i % 4], "Team " + std::to_string(i % 30),
            i % 10 == 0 ? std::string(300, char('a' + i % 26)) : std::string(), i, (i % 1000) / 4.0};
}

std::string benchFolder()
{
    const auto folder = std::filesystem::temp_directory_path() / "zendrova-bench-table";
    std::filesystem::create_directories(folder);
    return folder.string();
}

const std::string kTablePath = benchFolder() + "/cards.dbf";
double g_appendNs = 0, g_sqliteNs = 0, g_scanNs = 0, g_freadNs = 0;
double g_appendCpuNs = 0, g_sqliteCpuNs = 0;

void appendAll()
{
    dbase::Table::create(kTablePath, dbase::layout::cardTableFields());
    dbase::Table table;
    table.open(kTablePath, true);
    for (int i = 0; i < kRecords; ++i) {
        const Card c = cardAt(i);
        table.append();
        table.setInteger(0, i + 1);
        table.setString(1, "2");
        table.setString(2, c.name);
        table.setString(3, c.sport);
        table.setString(6, c.team);
        table.setInteger(9, c.number);
        table.setNumber(11, c.price);
        table.setNumber(12, c.price * 2);
        if (!c.notes.empty())
            table.setBlob(21, c.notes);
        table.post();
    }
    table.close();
}

// Outside the timed part of a round.
void removeQuietly(const std::function<void()> &remove, benchmark::State &state)
{
    state.PauseTiming();
    remove();
    ::sync();
    state.ResumeTiming();
}

void BM_EngineAppend(benchmark::State &state)
{
    for (auto _ : state) {
        removeQuietly([] { dbase::TableFamily::remove(kTablePath); }, state);
        appendAll();
    }
    g_appendNs = 0;
}

void BM_SqliteInsert(benchmark::State &state)
{
    const std::string path = benchFolder() + "/cards.sqlite";
    for (auto _ : state) {
        removeQuietly([&] { std::filesystem::remove(path); }, state);
        sqlite3 *db = nullptr;
        sqlite3_open(path.c_str(), &db);
        sqlite3_exec(db,
                     "CREATE TABLE cards(recnum INTEGER, filter TEXT, name TEXT, sport TEXT, team TEXT, "
                     "number INTEGER, purchase REAL, value REAL, notes TEXT)",
                     nullptr, nullptr, nullptr);
        sqlite3_exec(db, "BEGIN", nullptr, nullptr, nullptr);
        sqlite3_stmt *insert = nullptr;
        sqlite3_prepare_v2(db, "INSERT INTO cards VALUES(?,?,?,?,?,?,?,?,?)", -1, &insert, nullptr);
        for (int i = 0; i < kRecords; ++i) {
            const Card c = cardAt(i);
            sqlite3_bind_int(insert, 1, i + 1);
            sqlite3_bind_text(insert, 2, "2", 1, SQLITE_STATIC);
            sqlite3_bind_text(insert, 3, c.name.c_str(), int(c.name.size()), SQLITE_TRANSIENT);
            sqlite3_bind_text(insert, 4, c.sport.c_str(), int(c.sport.size()), SQLITE_TRANSIENT);
            sqlite3_bind_text(insert, 5, c.team.c_str(), int(c.team.size()), SQLITE_TRANSIENT);
            sqlite3_bind_int(insert, 6, c.number);
            sqlite3_bind_double(insert, 7, c.price);
            sqlite3_bind_double(insert, 8, c.price * 2);
            if (c.notes.empty())
                sqlite3_bind_null(insert, 9);
            else
                sqlite3_bind_text(insert, 9, c.notes.c_str(), int(c.notes.size()), SQLITE_TRANSIENT);
            sqlite3_step(insert);
            sqlite3_reset(insert);
        }
        sqlite3_finalize(insert);
        sqlite3_exec(db, "COMMIT", nullptr, nullptr, nullptr);
        sqlite3_close(db);
    }
}

void BM_EngineScan(benchmark::State &state)
{
    if (!std::filesystem::exists(kTablePath))
        appendAll();
    for (auto _ : state) {
        dbase::Table table;
        table.open(kTablePath, true);
        int64_t sum = 0;
        for (table.first(); !table.eof(); table.next())
            sum += table.rawValue(2).size() + (table.rawValue(3)[0] == 'B');
        benchmark::DoNotOptimize(sum);
        table.close();
    }
}

void BM_PlainRead(benchmark::State &state)
{
    if (!std::filesystem::exists(kTablePath))
        appendAll();
    std::vector<char> buffer(64 * 1024);
    for (auto _ : state) {
        FILE *f = std::fopen(kTablePath.c_str(), "rb");
        size_t total = 0, n = 0;
        while ((n = std::fread(buffer.data(), 1, buffer.size(), f)) > 0)
            total += n + size_t(buffer[0]);
        benchmark::DoNotOptimize(total);
        std::fclose(f);
    }
}

BENCHMARK(BM_EngineAppend)->Unit(benchmark::kMillisecond)->Iterations(3);
BENCHMARK(BM_SqliteInsert)->Unit(benchmark::kMillisecond)->Iterations(3);
BENCHMARK(BM_EngineScan)->Unit(benchmark::kMillisecond)->Iterations(10);
BENCHMARK(BM_PlainRead)->Unit(benchmark::kMillisecond)->Iterations(10);

// Prints each engine figure as a ratio against its baseline from this run.
class RatioReporter : public benchmark::ConsoleReporter
{
public:
    void ReportRuns(const std::vector<Run> &runs) override
    {
        ConsoleReporter::ReportRuns(runs);
        for (const Run &run : runs) {
            const double ns = run.GetAdjustedRealTime();
            const std::string name = run.benchmark_name();
            if (name.find("EngineAppend") != std::string::npos) {
                g_appendNs = ns;
                g_appendCpuNs = run.GetAdjustedCPUTime();
            }
            if (name.find("SqliteInsert") != std::string::npos) {
                g_sqliteNs = ns;
                g_sqliteCpuNs = run.GetAdjustedCPUTime();
            }
            if (name.find("EngineScan") != std::string::npos) g_scanNs = ns;
            if (name.find("PlainRead") != std::string::npos) g_freadNs = ns;
        }
    }
    void Finalize() override
    {
        ConsoleReporter::Finalize();
        if (g_sqliteNs > 0 && g_appendNs > 0)
            std::printf("append: engine time / SQLite time = %.2f (target <= 1.00); processor time alone %.2f\n",
                        g_appendNs / g_sqliteNs, g_appendCpuNs / g_sqliteCpuNs);
        if (g_freadNs > 0 && g_scanNs > 0)
            std::printf("scan: engine speed / plain read speed = %.3f (target >= 0.250)\n", g_freadNs / g_scanNs);
    }
};

} // namespace

int main(int argc, char **argv)
{
    benchmark::Initialize(&argc, argv);
    RatioReporter reporter;
    benchmark::RunSpecifiedBenchmarks(&reporter);
    benchmark::Shutdown();
    dbase::TableFamily::remove(kTablePath);
    std::filesystem::remove_all(benchFolder());
    return 0;
}
