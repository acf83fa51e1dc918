// 100,000 cards to labels on "AV 12_294" sheets in a page stream held in
// memory, against one walk over the same table in the same run.
#include "GeneratedCards.h"
#include "RatioReporter.h"

#include "common/CaptionList.h"
#include "common/DateFormatList.h"
#include "output/LabelRun.h"
#include "output/LabelStockFile.h"
#include "printengine/TReportFiler.h"
#include "store/StoreTable.h"

#include <QGuiApplication>
#include <QTemporaryDir>

namespace zendrova::bench {
namespace {

constexpr uint32_t kCards = 100000;

struct LabelDatabase
{
    static LabelDatabase &instance()
    {
        static LabelDatabase database;
        return database;
    }

    LabelDatabase()
    {
        state.setProgramFolder(dir.path());
        tablePath = generateCardsSortedByName(state, kCards);
    }

    QTemporaryDir dir;
    AppState state;
    std::string tablePath;
};

TLabelRec standardLabel()
{
    TLabelRec label;
    const auto stock = LabelStockFile::readStock(
        QStringLiteral(ZENDROVA_BIN_DIR "/av_na.ini"), TLabelRec::kDefaultStock);
    if (stock) {
        label.LabelWidth = stock->width;
        label.LabelHeight = stock->height;
        label.PitchWidth = stock->pitchWidth;
        label.PitchHeight = stock->pitchHeight;
        label.SheetLeft = stock->sheetLeft;
        label.SheetTop = stock->sheetTop;
        label.Across = stock->across;
        label.Down = stock->down;
    }
    // Card name with the year on one line, the team on the next.
    label.Lines = LabelLines::encode({ { 0, false }, { 6, true }, { 4, false } });
    return label;
}

void BM_FullScan(benchmark::State &state)
{
    scanCardNames(state, LabelDatabase::instance().tablePath);
}

void BM_LabelsToPageStream(benchmark::State &state)
{
    LabelDatabase &database = LabelDatabase::instance();
    StoreTable table;
    table.setFolder(database.state.databaseFolder);
    table.setFileName(database.state.currentTableFile);
    table.open();
    DateFormatList dates;
    dates.fillDefaultsIfEmpty();
    const TLabelRec label = standardLabel();
    int pages = 0;
    int labels = 0;
    for (auto _ : state) {
        LabelRun run(label, table, CaptionList::builtInCaptions(), dates);
        print::TReportFiler filer;
        filer.StreamMode = print::smMemory;
        filer.OnBeforePrint = [&] { run.setUp(filer); };
        filer.OnPrint = [&] { run.print(filer); };
        filer.RunJob();
        pages = int(filer.Stream().pages.size());
        labels = run.printedCount();
    }
    state.counters["pages"] = pages;
    state.counters["labels"] = labels;
}

BENCHMARK(BM_FullScan)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_LabelsToPageStream)->Unit(benchmark::kMillisecond)->Iterations(2);

} // namespace
} // namespace zendrova::bench

int main(int argc, char **argv)
{
    // Text is measured with the page fonts; no window is shown.
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    zendrova::bench::RatioReporter reporter;
    reporter.addTarget("BM_LabelsToPageStream", 20.0);
    benchmark::RunSpecifiedBenchmarks(&reporter);
    benchmark::Shutdown();
    return 0;
}
