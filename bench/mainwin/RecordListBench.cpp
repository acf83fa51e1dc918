// Paging the record list and clicking a letter on 100,000 generated cards,
// each step against one full scan of the record table in the same run.
#include "WindowCards.h"

#include "mainwin/LetterColumnModel.h"
#include "mainwin/RecordListModel.h"
#include "store/RecordStore.h"

namespace zendrova::bench {
namespace {

constexpr int kRowsPerPage = 20;
constexpr int kPagesDown = 100;

// The list of an open database, two columns, the whole table or one letter.
struct OpenList
{
    explicit OpenList(bool letterTabs)
        : state(GeneratedCards::instance().state())
    {
        state.userOptions.letterTabs = letterTabs ? 0 : 1;
        opened = store.openDatabase();
        letters.reset();
        list.setLetterTabs(&letters);
        list.setColumns({ { 0, 40 }, { 1, 40 } });
        list.setRowCount(kRowsPerPage);
    }
    ~OpenList() { store.closeAll(); }

    // A page that was read: rows that hold a record.
    int shownRows()
    {
        int shown = 0;
        for (const ListRow &row : list.read(-1).rows)
            shown += row.hasRecord;
        return shown;
    }

    AppState &state;
    RecordStore store { state };
    LetterColumnModel letters { state, store };
    RecordListModel list { store, state.dateFormats };
    bool opened = false;
};

void BM_ListFirstPage(benchmark::State &state)
{
    OpenList open(false);
    int shown = 0;
    for (auto _ : state) {
        open.list.setTop(kCards / 2);
        open.list.firstPage();
        shown = open.shownRows();
    }
    if (!open.opened || shown != kRowsPerPage)
        state.SkipWithError("the first page is not full");
}

void BM_ListLastPage(benchmark::State &state)
{
    OpenList open(false);
    int shown = 0;
    for (auto _ : state) {
        open.list.firstPage();
        open.list.lastPage();
        shown = open.shownRows();
    }
    // 100,000 is a whole number of pages: the last one is full.
    if (!open.opened || shown != kRowsPerPage || open.list.top() != kCards - kRowsPerPage)
        state.SkipWithError("the last page is not the last records");
}

void BM_ListPageDown(benchmark::State &state)
{
    OpenList open(false);
    int64_t steps = 0;
    for (auto _ : state) {
        if (steps++ % kPagesDown == 0)
            open.list.firstPage();
        open.list.nextPage();
        benchmark::DoNotOptimize(open.shownRows());
    }
    if (!open.opened || open.list.top() != int((steps - 1) % kPagesDown + 1) * kRowsPerPage)
        state.SkipWithError("page down did not move one page");
}

void BM_ListLetterClick(benchmark::State &state)
{
    OpenList open(true);
    int64_t clicks = 0;
    int shown = 0;
    for (auto _ : state) {
        open.letters.click(clicks++ % 2 ? 'M' : 'S');
        open.list.setTop(0);
        shown = open.shownRows();
    }
    if (!open.opened || shown != kRowsPerPage)
        state.SkipWithError("a letter showed no full page");
}

BENCHMARK(BM_ListFirstPage)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_ListLastPage)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_ListPageDown)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_ListLetterClick)->Unit(benchmark::kMicrosecond);

} // namespace
} // namespace zendrova::bench
