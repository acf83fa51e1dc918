// Creating and showing the main window on a database of 100,000 generated
// cards sorted by card name with letter tabs on, against one full scan of the
// same record table in the same run.
#include "RatioReporter.h"

#include "common/AppState.h"
#include "common/Interaction.h"
#include "dbase/Table.h"
#include "dbase/tool/CardGenerator.h"
#include "mainwin/ui/TForm3.h"
#include "store/RecordStore.h"
#include "store/SortFile.h"

#include <QApplication>
#include <QDir>
#include <QTemporaryDir>

namespace zendrova::bench {
namespace {

constexpr uint32_t kCards = 100000;
constexpr uint8_t kCardNamePosition = 2;

class GeneratedCards
{
public:
    static GeneratedCards &instance()
    {
        static GeneratedCards cards;
        return cards;
    }

    AppState &state() { return m_state; }
    std::string tablePath() const { return m_tablePath; }

private:
    GeneratedCards()
        : m_state(m_dir.path())
    {
        m_state.installFolder = QStringLiteral(ZENDROVA_BIN_DIR);
        m_state.userFolder = m_state.databaseFolder = m_state.publicFolder();
        const auto database = dbase::cardgen::generateCardDatabase(
            m_state.databaseFolder.toStdString(), kCards, 1, ZENDROVA_BIN_DIR);
        m_tablePath = database.tablePath;
        SortBytes byName;
        byName.primary = kCardNamePosition;
        SortFile::write(m_state.databaseFolder, m_state.currentTableFile, byName);
        // The first open adds the name tag; the benchmark measures the opens after it.
        RecordStore store(m_state);
        store.openDatabase();
        store.closeAll();
    }

    QTemporaryDir m_dir;
    AppState m_state;
    std::string m_tablePath;
};

void BM_FullScan(benchmark::State &state)
{
    dbase::Table table;
    table.open(GeneratedCards::instance().tablePath(), false);
    for (auto _ : state) {
        size_t bytes = 0;
        for (table.first(); !table.eof(); table.next())
            bytes += table.rawValue(kCardNamePosition).size();
        benchmark::DoNotOptimize(bytes);
    }
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
    benchmark::RunSpecifiedBenchmarks(&reporter);
    benchmark::Shutdown();
    return 0;
}
