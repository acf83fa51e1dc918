// Opening a database of 100,000 cards (catalog, copy/paste table, record table
// with its sort) against one full scan of the same record table in the same run.
#include "BenchDatabase.h"

#include <benchmark/benchmark.h>

namespace zendrova::bench {
namespace {

void BM_FullScan(benchmark::State &state)
{
    dbase::Table table;
    table.open(BenchDatabase::instance().recordTablePath(), false);
    for (auto _ : state) {
        size_t bytes = 0;
        for (table.first(); !table.eof(); table.next())
            bytes += table.rawValue(kCardName).size();
        benchmark::DoNotOptimize(bytes);
    }
}

void BM_OpenDatabase(benchmark::State &state)
{
    for (auto _ : state) {
        RecordStore store(BenchDatabase::instance().state());
        if (!store.openDatabase())
            state.SkipWithError("the database did not open");
        benchmark::DoNotOptimize(store.recordTable().isOpen());
        store.closeAll();
    }
}

// The same from a cold disk: the files leave the page cache before each open.
void BM_OpenDatabaseCold(benchmark::State &state)
{
    for (auto _ : state) {
        state.PauseTiming();
        BenchDatabase::instance().dropFromCache();
        state.ResumeTiming();
        RecordStore store(BenchDatabase::instance().state());
        if (!store.openDatabase())
            state.SkipWithError("the database did not open");
        benchmark::DoNotOptimize(store.recordTable().isOpen());
        store.closeAll();
    }
}

BENCHMARK(BM_FullScan)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_OpenDatabase)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_OpenDatabaseCold)->Unit(benchmark::kMillisecond);

} // namespace
} // namespace zendrova::bench
