// Opening a database of 100,000 cards (catalog, copy/paste table, record table
// with its sort) against one full scan of the same record table in the same run.
#include "shell/AppState.h"
#include "shell/Interaction.h"
#include "store/RecordStore.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <benchmark/benchmark.h>

namespace {

constexpr int kRecords = 100000;

struct BenchDatabase
{
    QTemporaryDir dir;
    zendrova::AppState state;

    BenchDatabase()
        : state(dir.path())
    {
        const QDir templates(QStringLiteral(ZENDROVA_BIN_DIR));
        for (const char *name : { "data.dbf", "data.dbt", "master.dbf" })
            QFile::copy(templates.filePath(QString::fromLatin1(name)), dir.filePath(QString::fromLatin1(name)));
        state.userFolder = state.databaseFolder = state.publicFolder();
        QDir().mkpath(state.databaseFolder);
        // The first open creates the table and its Entry Order tag.
        zendrova::RecordStore store(state);
        store.openDatabase();
        dbase::Table &table = store.recordTable().engine();
        store.recordTable().close();
        table.open(store.recordTable().enginePath(), true);
        for (int i = 0; i < kRecords; ++i) {
            table.append();
            table.setNumber(0, i + 1);
            table.setString(2, "Player " + std::to_string(i * 7919 % 100003));
            table.post();
        }
        table.regenerateIndexes();
        table.close();
        store.closeAll();
    }
};

BenchDatabase &database()
{
    static BenchDatabase instance;
    return instance;
}

void BM_FullScan(benchmark::State &state)
{
    dbase::Table table;
    table.open(zendrova::toEnginePath(database().state.databaseFolder + "/data.dbf"), false);
    for (auto _ : state) {
        size_t bytes = 0;
        for (table.first(); !table.eof(); table.next())
            bytes += table.rawValue(2).size();
        benchmark::DoNotOptimize(bytes);
    }
}

void BM_OpenDatabase(benchmark::State &state)
{
    for (auto _ : state) {
        zendrova::RecordStore store(database().state);
        if (!store.openDatabase())
            state.SkipWithError("the database did not open");
        benchmark::DoNotOptimize(store.recordTable().isOpen());
        store.closeAll();
    }
}

BENCHMARK(BM_FullScan)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_OpenDatabase)->Unit(benchmark::kMillisecond);

// Prints the ratio the target is stated in: opening against one scan.
class RatioReporter : public benchmark::ConsoleReporter
{
public:
    void ReportRuns(const std::vector<Run> &runs) override
    {
        ConsoleReporter::ReportRuns(runs);
        for (const Run &run : runs) {
            if (run.benchmark_name() == "BM_FullScan")
                m_scan = run.GetAdjustedRealTime();
            if (run.benchmark_name() == "BM_OpenDatabase")
                m_open = run.GetAdjustedRealTime();
        }
    }
    void Finalize() override
    {
        ConsoleReporter::Finalize();
        if (m_scan > 0)
            std::printf("openDatabase / full scan = %.4f (target < 0.1)\n", m_open / m_scan);
    }

private:
    double m_scan = 0, m_open = 0;
};

} // namespace

int main(int argc, char **argv)
{
    QCoreApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    RatioReporter reporter;
    benchmark::RunSpecifiedBenchmarks(&reporter);
    benchmark::Shutdown();
    return 0;
}
