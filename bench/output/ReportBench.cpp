// A columns report (name, team, year, card number, purchase price, with grid
// and totals) of 100,000 generated cards, written as a page stream file and
// as a PDF, each against one full scan of the record table in the same run.
#include "GeneratedCards.h"
#include "RatioReporter.h"

#include "common/CaptionList.h"
#include "common/DateFormatList.h"
#include "output/ReportRun.h"
#include "output/ReportSetup.h"
#include "printengine/TFilePrinter.h"
#include "printengine/TReportFiler.h"
#include "store/RecordStore.h"

#include <QGuiApplication>
#include <QTemporaryDir>

#include <stdexcept>

namespace zendrova::bench {
namespace {

constexpr uint32_t kReportCards = 100000;

class ReportDatabase
{
public:
    static ReportDatabase &instance()
    {
        static ReportDatabase database;
        return database;
    }

    RecordStore &store() { return m_store; }
    const std::string &tablePath() const { return m_tablePath; }
    QString file(const QString &name) const { return m_dir.filePath(name); }

private:
    ReportDatabase()
        : m_state(m_dir.path())
        , m_store(m_state)
    {
        m_tablePath = generateCardsSortedByName(m_state, kReportCards);
        if (!m_store.openDatabase())
            throw std::runtime_error("the generated database did not open");
    }

    QTemporaryDir m_dir;
    AppState m_state;
    RecordStore m_store;
    std::string m_tablePath;
};

ReportSetup columnsSetup()
{
    ReportSetup setup;
    setup.destination = ReportSetup::Destination::Preview;
    setup.paperCode = ReportSetup::PaperLetter;
    setup.font = FontRecord{ QStringLiteral("DejaVu Sans"), 0, 9 };
    setup.marginLeft = setup.marginRight = setup.marginTop = setup.marginBottom = 0.5;
    setup.title = QStringLiteral("Collection");
    for (const auto &[position, width] :
        { std::pair{ 2, 200 }, std::pair{ 6, 150 }, std::pair{ 8, 80 }, std::pair{ 9, 100 },
            std::pair{ 11, 120 } })
        setup.columns.push_back({ static_cast<std::uint16_t>(position - 2),
            static_cast<std::uint16_t>(width) });
    return setup;
}

// Runs the report into a page stream file; returns the stream's pages.
print::PageStream runReport(const QString &streamFile, int &statusUpdates)
{
    ReportDatabase &database = ReportDatabase::instance();
    DateFormatList dates;
    dates.fillDefaultsIfEmpty();
    print::TReportFiler filer;
    filer.StreamMode = print::smFile;
    filer.FileName = streamFile;
    ReportRun report(filer, database.store().recordTable(), columnsSetup(),
        CaptionList::builtInCaptions(), dates);
    report.attach();
    filer.StatusLabel = [&](const QString &) { ++statusUpdates; };
    if (!filer.RunJob())
        throw std::runtime_error("the report run failed");
    return filer.TakeStream();
}

void BM_FullScan(benchmark::State &state)
{
    scanCardNames(state, ReportDatabase::instance().tablePath());
}

void BM_ReportToPageStream(benchmark::State &state)
{
    int updates = 0;
    qsizetype pages = 0;
    for (auto _ : state)
        pages = runReport(ReportDatabase::instance().file("temp$$$.rpt"), updates).pages.size();
    state.counters["pages"] = double(pages);
    state.counters["status updates"] = double(updates) / double(state.iterations());
}

void BM_ReportToPdf(benchmark::State &state)
{
    int updates = 0;
    for (auto _ : state) {
        const print::PageStream stream
            = runReport(ReportDatabase::instance().file("temp$$$.rpt"), updates);
        if (!print::writePdf(stream, ReportDatabase::instance().file("report.pdf")))
            throw std::runtime_error("the PDF was not written");
    }
}

BENCHMARK(BM_FullScan)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_ReportToPageStream)->Unit(benchmark::kMillisecond)->Iterations(1);
BENCHMARK(BM_ReportToPdf)->Unit(benchmark::kMillisecond)->Iterations(1);

} // namespace
} // namespace zendrova::bench

int main(int argc, char **argv)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    zendrova::bench::RatioReporter reporter;
    reporter.addTarget("BM_ReportToPageStream", 20.0);
    reporter.addTarget("BM_ReportToPdf", 20.0);
    benchmark::RunSpecifiedBenchmarks(&reporter);
    benchmark::Shutdown();
    return 0;
}
