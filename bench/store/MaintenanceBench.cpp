// Backup, restore and repair of 100,000 generated cards, against plain copies
// of the same files made in the same run.
#include "GeneratedCards.h"
#include "RatioReporter.h"

#include "store/StoreTable.h"
#include "store/TableSafekeeping.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QTemporaryDir>

namespace zendrova::bench {
namespace {

constexpr uint32_t kCards = 100000;
const char *const kFamily[] = { "data.dbf", "data.dbt", "data.mdx" };

class MaintenanceDatabase
{
public:
    static MaintenanceDatabase &instance()
    {
        static MaintenanceDatabase database;
        return database;
    }

    QString folder() const { return m_state.databaseFolder; }
    QString templates() const { return m_state.installFolder; }
    QString copyFolder() const { return m_dir.filePath(QStringLiteral("copies")); }

    // The record table and the catalog, open as the program has them.
    void open(StoreTable &records, StoreTable &catalog) const
    {
        records.setFolder(folder());
        records.setFileName(QStringLiteral("data.dbf"));
        records.open();
        catalog.setFolder(folder());
        catalog.setFileName(QStringLiteral("master.dbf"));
        catalog.setIndexName(QStringLiteral("IDX0"));
        catalog.open();
    }

private:
    MaintenanceDatabase()
        : m_state(m_dir.path())
    {
        generateCardsSortedByName(m_state, kCards);
        QDir().mkpath(copyFolder());
    }

    QTemporaryDir m_dir;
    AppState m_state;
};

// The baseline of backup and restore: the table's three files copied as they are.
void copyFamily()
{
    const MaintenanceDatabase &db = MaintenanceDatabase::instance();
    for (const char *name : kFamily) {
        const QString target = QDir(db.copyFolder()).filePath(QString::fromLatin1(name));
        QFile::remove(target);
        QFile::copy(QDir(db.folder()).filePath(QString::fromLatin1(name)), target);
    }
}

void BM_CopyFiles(benchmark::State &state)
{
    for (auto _ : state)
        copyFamily();
}

// The baseline of repair: one walk over every field of every record, then
// the table written (its files copied).
void BM_ScanAndWrite(benchmark::State &state)
{
    const MaintenanceDatabase &db = MaintenanceDatabase::instance();
    for (auto _ : state) {
        StoreTable records;
        records.setFolder(db.folder());
        records.setFileName(QStringLiteral("data.dbf"));
        records.open();
        qsizetype bytes = 0;
        for (records.first(); !records.atEnd(); records.next()) {
            for (int position = 0; position < records.fieldModel().count(); ++position)
                bytes += records.fieldModel().isMemo(position) || records.fieldModel().isPicture(position)
                    ? records.bytes(position).size()
                    : records.text(position).size();
        }
        benchmark::DoNotOptimize(bytes);
        records.close();
        copyFamily();
    }
}

template<typename Operation>
void runOperation(benchmark::State &state, Operation operation)
{
    const MaintenanceDatabase &db = MaintenanceDatabase::instance();
    for (auto _ : state) {
        StoreTable records;
        StoreTable catalog;
        db.open(records, catalog);
        TableSafekeeping safekeeping(records, catalog, db.templates());
        if (!operation(safekeeping).succeeded)
            state.SkipWithError("the operation failed");
    }
}

void BM_Backup(benchmark::State &state)
{
    runOperation(state, [](TableSafekeeping &s) { return s.backupTable(); });
}

void BM_Restore(benchmark::State &state)
{
    runOperation(state, [](TableSafekeeping &s) { return s.restoreTable(false); });
}

void BM_Repair(benchmark::State &state)
{
    runOperation(state, [](TableSafekeeping &s) { return s.repairTable(); });
}

BENCHMARK(BM_CopyFiles)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_ScanAndWrite)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_Backup)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_Restore)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_Repair)->Unit(benchmark::kMillisecond);

} // namespace
} // namespace zendrova::bench

int main(int argc, char **argv)
{
    QCoreApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    zendrova::bench::RatioReporter reporter;
    reporter.addTarget("BM_Backup", 2, "BM_CopyFiles");
    reporter.addTarget("BM_Restore", 0, "BM_CopyFiles");
    reporter.addTarget("BM_Repair", 5, "BM_ScanAndWrite");
    benchmark::RunSpecifiedBenchmarks(&reporter);
    benchmark::Shutdown();
    return 0;
}
