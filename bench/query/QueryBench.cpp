// Applying a three-condition filter to 100,000 generated cards with six tags,
// against SQLite rewriting a mark column on as many rows with six indexes; the
// Search window's non-stop pass over all fields, in its window, against
// SQLite's LIKE over all text columns;
// and showing and saving a record on the card, against one full scan of the
// record table. Every ratio is taken within the same run.
#include "FindInWindow.h"
#include "GeneratedCards.h"
#include "QueryDatabase.h"
#include "RatioReporter.h"
#include "SqliteCards.h"

#include "dbase/Table.h"
#include "mainwin/HeldCardValues.h"
#include "mainwin/RecordCycle.h"
#include "query/FilterApply.h"
#include "store/FindSearch.h"

#include <QApplication>
#include <QTemporaryDir>

#include <climits>
#include <cstdlib>
#include <map>

namespace zendrova::bench {
namespace {

constexpr int kSportControl = kSport - FieldModel::kFirstUserPosition;
constexpr int kMiddle = static_cast<int>(kCards / 2);

// Two sports taken in turn, so that every run moves marks on both sides.
QString sportOfRun(int64_t iteration)
{
    return iteration % 2 == 0 ? QStringLiteral("Baseball") : QStringLiteral("Basketball");
}

void BM_FullScan(benchmark::State &state)
{
    scanCardNames(state, QueryDatabase::instance().tablePath());
}

void BM_SqliteMark(benchmark::State &state)
{
    QTemporaryDir folder;
    SqliteCards cards(QueryDatabase::instance().tablePath(), folder.path().toStdString());
    int64_t iteration = 0;
    for (auto _ : state)
        cards.markAll(sportOfRun(iteration++).toStdString());
    state.counters["passing"] = cards.passing();
}

void BM_FilterApply(benchmark::State &state)
{
    QueryDatabase &database = QueryDatabase::instance();
    state.counters["tags"] = database.tagCount();
    StoreTable &records = database.store().recordTable();
    TFilterList filter;
    // As in the program: the filter also marks every record the table stores.
    filter.attach(records);
    int64_t iteration = 0;
    for (auto _ : state) {
        setThreeConditions(filter, sportOfRun(iteration++));
        if (FilterApply::run(filter, records, {}) != static_cast<int>(kCards))
            state.SkipWithError("not every record was marked");
    }
    int passing = 0;
    for (records.first(); !records.atEnd(); records.next())
        passing += records.text(FieldModel::kFilterMarkPosition) == TFilterList::kPassMark;
    state.counters["passing"] = passing;
}

// The sport whose cards come nearest to one in ten, read straight from the table.
std::string oneInTenSport()
{
    dbase::Table table;
    table.open(QueryDatabase::instance().tablePath(), false);
    std::map<std::string, int> counts;
    for (table.first(); !table.eof(); table.next())
        ++counts[table.asString(kSport)];
    std::string best;
    int bestDistance = INT_MAX;
    for (const auto &[sport, count] : counts) {
        const int distance = std::abs(count - static_cast<int>(kCards / 10));
        if (!sport.empty() && distance < bestDistance) {
            best = sport;
            bestDistance = distance;
        }
    }
    return best;
}

const std::string kNoSuchText = "QZXJQ";

void sqliteLike(benchmark::State &state, const std::string &text)
{
    QTemporaryDir folder;
    SqliteCards cards(QueryDatabase::instance().tablePath(), folder.path().toStdString());
    for (auto _ : state)
        cards.markContaining(text);
    state.counters["passing"] = cards.passing();
}

void BM_SqliteLikeNoMatch(benchmark::State &state) { sqliteLike(state, kNoSuchText); }
void BM_SqliteLikeOneInTen(benchmark::State &state) { sqliteLike(state, oneInTenSport()); }
void BM_FindNonStopNoMatch(benchmark::State &state) { findNonStopInWindow(state, kNoSuchText); }
void BM_FindNonStopOneInTen(benchmark::State &state)
{
    findNonStopInWindow(state, oneInTenSport());
}

// A card on the store sorted by card name, its saves marked by the filter.
struct Card
{
    Card()
        : database(QueryDatabase::instance())
        , cycle(database.state(), database.store(), values)
    {
        setThreeConditions(filter, sportOfRun(0));
        cycle.beforePost = [this](RecordEditor &record) { filter.storeHook(record); };
    }
    bool open() { return database.sortByName() && cycle.open(); }

    QueryDatabase &database;
    TFilterList filter;
    HeldCardValues values;
    RecordCycle cycle;
};

void BM_ShowRecord(benchmark::State &state)
{
    Card card;
    if (!card.open())
        state.SkipWithError("the card did not open");
    int64_t iteration = 0;
    for (auto _ : state)
        card.cycle.showRecord(kMiddle + static_cast<int>(iteration++ % 2));
    const int lastShown = kMiddle + static_cast<int>((iteration - 1) % 2);
    if (card.cycle.card().position != lastShown + 1)
        state.SkipWithError("the card is not on the middle record");
}

void BM_SaveEditedRecord(benchmark::State &state)
{
    Card card;
    if (!card.open())
        state.SkipWithError("the card did not open");
    int64_t iteration = 0;
    for (auto _ : state) {
        state.PauseTiming();
        card.cycle.showRecord(kMiddle);
        card.values.setText(kSportControl, sportOfRun(iteration++));
        state.ResumeTiming();
        if (!card.cycle.leaveRecord())
            state.SkipWithError("the record was not saved");
    }
    card.cycle.showRecord(kMiddle);
    if (card.values.text(kSportControl) != sportOfRun(iteration - 1))
        state.SkipWithError("the edit is not on the record");
}

BENCHMARK(BM_FullScan)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_SqliteMark)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_FilterApply)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_SqliteLikeNoMatch)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_FindNonStopNoMatch)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_SqliteLikeOneInTen)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_FindNonStopOneInTen)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_ShowRecord)->Unit(benchmark::kMicrosecond);
// Each save needs a show first, untimed: a few saves keep the run short.
BENCHMARK(BM_SaveEditedRecord)->Unit(benchmark::kMicrosecond)->Iterations(100);

} // namespace
} // namespace zendrova::bench

int main(int argc, char **argv)
{
    // The search is measured in its window, as the program runs it.
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    zendrova::bench::RatioReporter reporter;
    reporter.addTarget("BM_FilterApply", 1.0, "BM_SqliteMark");
    reporter.addTarget("BM_FindNonStopNoMatch", 2.0, "BM_SqliteLikeNoMatch");
    reporter.addTarget("BM_FindNonStopOneInTen", 2.0, "BM_SqliteLikeOneInTen");
    reporter.addTarget("BM_ShowRecord", 0.01);
    reporter.addTarget("BM_SaveEditedRecord", 0.01);
    benchmark::RunSpecifiedBenchmarks(&reporter);
    benchmark::Shutdown();
    return 0;
}
