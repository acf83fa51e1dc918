// Counting 100,000 generated cards by a lookup field (the team) with the sums
// of their purchase prices and current values, against SQLite's GROUP BY with
// SUM over the same columns of the same cards. Both ratios come from one run.
#include "GeneratedCards.h"
#include "RatioReporter.h"

#include "output/SummaryCount.h"

#include <QCoreApplication>
#include <QTemporaryDir>

#include <sqlite3.h>

#include <stdexcept>

namespace zendrova::bench {
namespace {

constexpr uint32_t kCards = 100000;
constexpr int kTeam = 6;
constexpr int kPurchasePrice = 11;
constexpr int kCurrentValue = 12;

// The generated cards, once a run.
struct Cards
{
    static Cards &instance()
    {
        static Cards cards;
        return cards;
    }

    Cards()
        : state(dir.path() + QStringLiteral("/program"))
    {
        tablePath = generateCardsSortedByName(state, kCards);
    }

    QTemporaryDir dir;
    AppState state;
    std::string tablePath;
};

// The same team, purchase price and current value columns in an SQLite table
// with an index on the team, as a general database would keep them.
class SqliteTeams
{
public:
    explicit SqliteTeams(const std::string &tablePath, const QString &folder)
    {
        check(sqlite3_open((folder + QStringLiteral("/teams.db")).toUtf8().constData(), &m_db));
        exec("PRAGMA synchronous=OFF");
        exec("CREATE TABLE cards(team TEXT, purchase REAL, value REAL)");
        dbase::Table table;
        table.open(tablePath, false);
        sqlite3_stmt *insert = nullptr;
        check(sqlite3_prepare_v2(m_db, "INSERT INTO cards VALUES(?,?,?)", -1, &insert, nullptr));
        exec("BEGIN");
        for (table.first(); !table.eof(); table.next()) {
            const std::string team = table.asString(kTeam);
            sqlite3_bind_text(insert, 1, team.data(), int(team.size()), SQLITE_TRANSIENT);
            sqlite3_bind_double(insert, 2, table.asNumber(kPurchasePrice));
            sqlite3_bind_double(insert, 3, table.asNumber(kCurrentValue));
            check(sqlite3_step(insert) == SQLITE_DONE ? SQLITE_OK : SQLITE_ERROR);
            sqlite3_reset(insert);
        }
        exec("COMMIT");
        sqlite3_finalize(insert);
        exec("CREATE INDEX by_team ON cards(team COLLATE NOCASE)");
        check(sqlite3_prepare_v2(m_db,
            "SELECT team, COUNT(*), SUM(purchase), SUM(value) FROM cards"
            " GROUP BY team COLLATE NOCASE",
            -1, &m_group, nullptr));
    }
    ~SqliteTeams()
    {
        sqlite3_finalize(m_group);
        sqlite3_close(m_db);
    }

    // The groups, and their counts summed.
    std::pair<int, int> group()
    {
        int groups = 0, cards = 0;
        while (sqlite3_step(m_group) == SQLITE_ROW) {
            ++groups;
            cards += sqlite3_column_int(m_group, 1);
            benchmark::DoNotOptimize(sqlite3_column_double(m_group, 2));
            benchmark::DoNotOptimize(sqlite3_column_double(m_group, 3));
        }
        sqlite3_reset(m_group);
        return { groups, cards };
    }

private:
    void exec(const char *sql) { check(sqlite3_exec(m_db, sql, nullptr, nullptr, nullptr)); }
    void check(int code)
    {
        if (code != SQLITE_OK)
            throw std::runtime_error(sqlite3_errmsg(m_db));
    }

    sqlite3 *m_db = nullptr;
    sqlite3_stmt *m_group = nullptr;
};

void BM_FullScan(benchmark::State &state)
{
    scanCardNames(state, Cards::instance().tablePath);
}

void BM_SqliteGroupBy(benchmark::State &state)
{
    QTemporaryDir folder;
    SqliteTeams teams(Cards::instance().tablePath, folder.path());
    std::pair<int, int> result;
    for (auto _ : state)
        result = teams.group();
    state.counters["groups"] = result.first;
    state.counters["cards"] = result.second;
}

void BM_SummaryCount(benchmark::State &state)
{
    const AppState &app = Cards::instance().state;
    SummaryList list;
    for (auto _ : state)
        list = SummaryCount::run(app.databaseFolder, app.currentTableFile, FilterScope::AllRecords, kTeam);
    state.counters["groups"] = list.size();
    state.counters["cards"] = list.total();
    benchmark::DoNotOptimize(list.totalCurrentValue());
}

BENCHMARK(BM_FullScan)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_SqliteGroupBy)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_SummaryCount)->Unit(benchmark::kMillisecond);

} // namespace
} // namespace zendrova::bench

int main(int argc, char **argv)
{
    QCoreApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    zendrova::bench::RatioReporter reporter;
    reporter.addTarget("BM_SummaryCount", 1.0, "BM_SqliteGroupBy");
    benchmark::RunSpecifiedBenchmarks(&reporter);
    benchmark::Shutdown();
    return 0;
}
