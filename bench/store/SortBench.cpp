// The sort of a database of 100,000 cards against one full scan in the same
// run: applying a sort that adds a tag, one whose tag exists, and counting
// the records of every letter tab.
#include "BenchDatabase.h"

#include "store/LetterTabs.h"
#include "store/RecordTableSort.h"

#include <benchmark/benchmark.h>

namespace zendrova::bench {
namespace {

const SortBytes kEntryOrder {};
const SortBytes kByName { kCardName, false, 0, false };
const SortBytes kBySport { kSport, false, 0, false };

// The current database opened as the program opens it.
class OpenStore
{
public:
    OpenStore() { m_opened = m_store.openDatabase(); }
    ~OpenStore() { m_store.closeAll(); }

    bool opened() const { return m_opened; }
    RecordStore &store() { return m_store; }

    bool apply(const SortBytes &sort)
    {
        SortOrder &order = m_store.sortOrder();
        order.descriptor.rememberApplied();
        order.descriptor.sort = sort;
        return order.applySort(m_store.sortTarget());
    }

    // Drops a tag, so the next apply of its sort has to add it again.
    void deleteTag(const std::string &name)
    {
        m_store.recordTable().close();
        dbase::Table table;
        table.open(m_store.recordTable().enginePath(), true);
        table.deleteIndex(name);
        table.close();
        m_store.sortTarget().refreshIndexDefinitions();
    }

private:
    RecordStore m_store { BenchDatabase::instance().state() };
    bool m_opened = false;
};

void BM_ApplySortAddingTag(benchmark::State &state)
{
    OpenStore open;
    if (!open.opened() || !open.apply(kEntryOrder))
        state.SkipWithError("the database did not open");
    for (auto _ : state) {
        if (!open.apply(kBySport)) {
            state.SkipWithError("the sort was not applied");
            break;
        }
        state.PauseTiming();
        const QString added = open.store().recordTable().indexName();
        open.apply(kEntryOrder);
        open.deleteTag(toCp1252(added));
        state.ResumeTiming();
    }
}

void BM_ApplySortReusingTag(benchmark::State &state)
{
    OpenStore open;
    // Both tags exist before the first timed apply.
    if (!open.opened() || !open.apply(kBySport) || !open.apply(kByName))
        state.SkipWithError("the database did not open");
    bool byName = true;
    for (auto _ : state) {
        byName = !byName;
        if (!open.apply(byName ? kByName : kBySport)) {
            state.SkipWithError("the sort was not applied");
            break;
        }
    }
}

// Argument: the filter scope shown with the name sort.
void BM_LetterCounts(benchmark::State &state)
{
    OpenStore open;
    const auto scope = static_cast<FilterScope>(state.range(0));
    if (!open.opened() || !open.apply(kByName)
        || !open.store().sortOrder().chooseFilterScope(open.store().sortTarget(), scope)) {
        state.SkipWithError("the sort was not applied");
    }
    const LetterTabs tabs { open.store().sortOrder().descriptor.sort, open.store().fields(),
        scope, true, true };
    LetterCounts counts;
    for (auto _ : state) {
        tabs.letterCounts(open.store().sortTarget(), counts);
        benchmark::DoNotOptimize(counts.count('M'));
    }
    // Shown beside the time: the records the tabs hold, all of the scope's.
    int64_t counted = 0;
    for (char letter = 'A'; letter <= 'Z'; ++letter)
        counted += counts.count(letter);
    state.counters["records"] = double(counted);
}

BENCHMARK(BM_ApplySortAddingTag)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_ApplySortReusingTag)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_LetterCounts)
    ->Arg(int(FilterScope::AllRecords))
    ->Arg(int(FilterScope::NormalFilter))
    ->Unit(benchmark::kMillisecond);

} // namespace
} // namespace zendrova::bench
