// Export and import of 100,000 generated cards: text export and import each
// against a plain write or read of the same bytes, and the export into an
// exchange table against SQLite inserting the same rows into a table with six
// indexes, all in the same run.
#include "GeneratedCards.h"
#include "RatioReporter.h"

#include "exchange/DbfExchange.h"
#include "exchange/ExchangeProgress.h"
#include "exchange/ExportRun.h"
#include "exchange/TextExport.h"
#include "exchange/TextImport.h"
#include "exchange/ViewWalk.h"
#include "mainwin/CardTextCodec.h"
#include "store/RecordStore.h"
#include "store/StoreTable.h"
#include "store/TableFiles.h"
#include "store/TableTemplates.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <sqlite3.h>

namespace zendrova::bench {
namespace {

constexpr uint32_t kCards = 100000;

class ExchangeDatabase
{
public:
    static ExchangeDatabase &instance()
    {
        static ExchangeDatabase database;
        return database;
    }

    AppState &state() { return m_state; }
    QString textFile() const { return m_dir.filePath(QStringLiteral("cards.txt")); }
    QString copyFile() const { return m_dir.filePath(QStringLiteral("copy.txt")); }
    QString importFolder() const { return m_dir.filePath(QStringLiteral("import")); }
    const FieldTextCodec &codec() const { return m_codec; }
    const ExchangeSettings &settings() const { return m_settings; }

    void openRecords(StoreTable &records) const
    {
        records.setFolder(m_state.databaseFolder);
        records.setFileName(QStringLiteral("data.dbf"));
        records.open();
        records.selectNaturalOrder();
    }

    void exportText()
    {
        StoreTable records;
        openRecords(records);
        ViewWalk walk(records, std::nullopt);
        exportTextFile(textFile(), walk, TextExport(m_settings, records.fieldModel(), m_codec),
            nullptr, ExchangeProgress {});
    }

private:
    ExchangeDatabase()
        : m_state(m_dir.path())
        , m_codec(CardTextCodec::make())
    {
        generateCardsSortedByName(m_state, kCards);
        m_settings.separator = ',';
        m_settings.delimiter = '"';
        for (int position = FieldModel::kFirstUserPosition; position <= 21; ++position)
            if (position != 10)
                m_settings.positions.push_back(position);
        QDir().mkpath(importFolder());
        exportText();
    }

    QTemporaryDir m_dir;
    AppState m_state;
    FieldTextCodec m_codec;
    ExchangeSettings m_settings;
};

QByteArray readAll(const QString &path)
{
    QFile file(path);
    file.open(QIODevice::ReadOnly);
    return file.readAll();
}

void BM_PlainWrite(benchmark::State &state)
{
    ExchangeDatabase &db = ExchangeDatabase::instance();
    const QByteArray bytes = readAll(db.textFile());
    for (auto _ : state) {
        QFile file(db.copyFile());
        file.open(QIODevice::WriteOnly | QIODevice::Truncate);
        file.write(bytes);
    }
    state.counters["MB"] = double(bytes.size()) / 1e6;
}

void BM_TextExport(benchmark::State &state)
{
    ExchangeDatabase &db = ExchangeDatabase::instance();
    for (auto _ : state)
        db.exportText();
}

void BM_PlainRead(benchmark::State &state)
{
    ExchangeDatabase &db = ExchangeDatabase::instance();
    for (auto _ : state)
        benchmark::DoNotOptimize(readAll(db.textFile()).size());
}

// An empty record table of its own for each import.
void emptyTarget(StoreTable &records)
{
    ExchangeDatabase &db = ExchangeDatabase::instance();
    records.close();
    TableTemplates::createFromTemplate(
        db.state().installFolder, db.importFolder(), QStringLiteral("data.dbf"), true);
    records.setFolder(db.importFolder());
    records.setFileName(QStringLiteral("data.dbf"));
    records.open();
}

void BM_TextImport(benchmark::State &state)
{
    ExchangeDatabase &db = ExchangeDatabase::instance();
    StoreTable records;
    const QStringList captions = CaptionList::builtInCaptions();
    for (auto _ : state) {
        state.PauseTiming();
        emptyTarget(records);
        state.ResumeTiming();
        const QByteArray bytes = readAll(db.textFile());
        const int stored = TextImport(records, db.codec(), captions).run(bytes, db.settings(), {});
        if (stored != int(kCards))
            state.SkipWithError("not every card was imported");
    }
    records.close();
}

void BM_DbfExport(benchmark::State &state)
{
    ExchangeDatabase &db = ExchangeDatabase::instance();
    const DbfExchange exchange(db.state().userFolder, db.state().installFolder);
    for (auto _ : state) {
        state.PauseTiming();
        TableFiles::remove(exchange.folder(), QStringLiteral("BENCH.DBF"));
        StoreTable records;
        db.openRecords(records);
        state.ResumeTiming();
        ViewWalk walk(records, std::nullopt);
        if (!exchange.exportTo(QStringLiteral("bench"), walk, {}))
            state.SkipWithError("the export failed");
    }
}

void check(int code, sqlite3 *db)
{
    if (code != SQLITE_OK && code != SQLITE_DONE && code != SQLITE_ROW)
        throw std::runtime_error(sqlite3_errmsg(db));
}

// The same rows, read the same way, inserted into an indexed SQLite table.
void BM_SqliteInsert(benchmark::State &state)
{
    ExchangeDatabase &db = ExchangeDatabase::instance();
    const std::string path = (db.importFolder() + QStringLiteral("/cards.db")).toStdString();
    for (auto _ : state) {
        state.PauseTiming();
        std::remove(path.c_str());
        StoreTable records;
        db.openRecords(records);
        const FieldModel &fields = records.fieldModel();
        sqlite3 *sql = nullptr;
        check(sqlite3_open(path.c_str(), &sql), sql);
        // Neither side forces data to the disk.
        check(sqlite3_exec(sql, "PRAGMA synchronous=OFF", nullptr, nullptr, nullptr), sql);
        std::string create = "CREATE TABLE cards(";
        std::string insertSql = "INSERT INTO cards VALUES(";
        for (int position = 0; position < fields.count(); ++position) {
            create += (position ? ", f" : "f") + std::to_string(position)
                + (fields.kind(position) == FieldKind::Numeric ? " REAL" : " TEXT");
            insertSql += position ? ",?" : "?";
        }
        check(sqlite3_exec(sql, (create + ")").c_str(), nullptr, nullptr, nullptr), sql);
        for (const char *index :
            { "CREATE INDEX i0 ON cards(f0)", "CREATE INDEX i1 ON cards(upper(f2))",
                "CREATE INDEX i2 ON cards(f3)", "CREATE INDEX i3 ON cards(f8)",
                "CREATE INDEX i4 ON cards(f1, upper(f2))", "CREATE INDEX i5 ON cards(f1, f3)" })
            check(sqlite3_exec(sql, index, nullptr, nullptr, nullptr), sql);
        sqlite3_stmt *insert = nullptr;
        check(sqlite3_prepare_v2(sql, (insertSql + ")").c_str(), -1, &insert, nullptr), sql);
        state.ResumeTiming();
        check(sqlite3_exec(sql, "BEGIN", nullptr, nullptr, nullptr), sql);
        for (records.first(); !records.atEnd(); records.next()) {
            for (int position = 0; position < fields.count(); ++position) {
                if (fields.kind(position) == FieldKind::Numeric) {
                    sqlite3_bind_double(insert, position + 1, records.number(position));
                } else {
                    const QByteArray bytes = fields.isMemo(position) || fields.isPicture(position)
                        ? records.bytes(position)
                        : records.text(position).toUtf8();
                    sqlite3_bind_text(insert, position + 1, bytes.constData(), int(bytes.size()),
                        SQLITE_TRANSIENT);
                }
            }
            check(sqlite3_step(insert), sql);
            sqlite3_reset(insert);
        }
        check(sqlite3_exec(sql, "COMMIT", nullptr, nullptr, nullptr), sql);
        sqlite3_finalize(insert);
        sqlite3_close(sql);
    }
}

BENCHMARK(BM_PlainWrite)->Unit(benchmark::kMillisecond)->Iterations(3);
BENCHMARK(BM_TextExport)->Unit(benchmark::kMillisecond)->Iterations(3);
BENCHMARK(BM_PlainRead)->Unit(benchmark::kMillisecond)->Iterations(3);
BENCHMARK(BM_TextImport)->Unit(benchmark::kMillisecond)->Iterations(2);
BENCHMARK(BM_SqliteInsert)->Unit(benchmark::kMillisecond)->Iterations(2);
BENCHMARK(BM_DbfExport)->Unit(benchmark::kMillisecond)->Iterations(2);

} // namespace
} // namespace zendrova::bench

int main(int argc, char **argv)
{
    QCoreApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    zendrova::bench::RatioReporter reporter;
    reporter.addTarget("BM_TextExport", 10, "BM_PlainWrite");
    reporter.addTarget("BM_TextImport", 10, "BM_PlainRead");
    reporter.addTarget("BM_DbfExport", 1.0, "BM_SqliteInsert");
    benchmark::RunSpecifiedBenchmarks(&reporter);
    benchmark::Shutdown();
    return 0;
}
