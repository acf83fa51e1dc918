// Creating and showing the main window on a database of 100,000 generated
// cards sorted by card name with letter tabs on, against one full scan of the
// same record table in the same run.
#include "WindowCards.h"
#include "RatioReporter.h"

#include "common/Interaction.h"
#include "mainwin/ui/TForm3.h"
#include "store/RecordStore.h"

#include <QApplication>

namespace zendrova::bench {
namespace {

void BM_FullScan(benchmark::State &state)
{
    scanCardNames(state, GeneratedCards::instance().tablePath());
}

void BM_CreateAndShowMainWindow(benchmark::State &state)
{
    AppState &appState = GeneratedCards::instance().state();
    for (auto _ : state) {
        RecordStore store(appState);
        auto window = std::make_unique<TForm3>(appState, store);
        if (!window->databaseOpened())
            state.SkipWithError("the database did not open");
        window->show();
        QApplication::processEvents();
        state.PauseTiming();
        window.reset();
        store.closeAll();
        state.ResumeTiming();
    }
}

BENCHMARK(BM_FullScan)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_CreateAndShowMainWindow)->Unit(benchmark::kMillisecond);

} // namespace
} // namespace zendrova::bench

int main(int argc, char **argv)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    zendrova::bench::RatioReporter reporter;
    reporter.addTarget("BM_CreateAndShowMainWindow", 0.1);
    for (const char *step : { "BM_ListFirstPage", "BM_ListLastPage", "BM_ListPageDown",
             "BM_ListLetterClick" })
        reporter.addTarget(step, 0.01);
    benchmark::RunSpecifiedBenchmarks(&reporter);
    benchmark::Shutdown();
    return 0;
}
