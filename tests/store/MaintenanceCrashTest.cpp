#include "store/MaintenanceFixture.h"
#include "support/ScriptedInteraction.h"

#include "common/FileLookup.h"
#include "dbase/Table.h"
#include "store/LookupList.h"
#include "store/TableOpening.h"
#include "store/TableSafekeeping.h"

#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QTemporaryDir>
#include <algorithm>
#include <chrono>
#include <csignal>
#include <gtest/gtest.h>
#include <random>
#include <spawn.h>
#include <sys/wait.h>
#include <thread>

extern char **environ;

namespace zendrova::test {
namespace {

constexpr int kCards = 300;
constexpr int kBackedUpCards = 200;
constexpr int kRunsPerOperation = 45;

// "name|notes" of every live record of a table, sorted; nothing when the
// table cannot be opened.
std::optional<QStringList> liveCards(const QString &folder, const QString &file,
    const QString &templates)
{
    StoreTable table;
    table.setFolder(folder);
    table.setFileName(file);
    if (!TableOpening::ensureOpen(table, templates))
        return std::nullopt;
    QStringList cards;
    for (table.first(); !table.atEnd(); table.next())
        cards << table.text(kCardName) + QLatin1Char('|') + QString::fromLatin1(table.bytes(kNotes));
    table.close();
    cards.sort();
    return cards;
}

// Every problem of the table's index; opening it exclusively first rebuilds
// an index a killed process left marked stale, as the program's next
// exclusive open would.
std::vector<std::string> indexProblems(const QString &path)
{
    dbase::Table table;
    table.open(QFile::encodeName(path).toStdString(), false);
    return table.checkIndexes();
}

void copyFolder(const QString &from, const QString &to)
{
    QDir(to).removeRecursively();
    QDir().mkpath(to);
    for (const QFileInfo &entry : QDir(from).entryInfoList(QDir::Files | QDir::Dirs | QDir::NoDotAndDotDot)) {
        if (entry.isDir())
            copyFolder(entry.filePath(), joinPath(to, entry.fileName()));
        else
            QFile::copy(entry.filePath(), joinPath(to, entry.fileName()));
    }
}

struct WorkerRun
{
    bool killed = false; // the process had not ended on its own
};

// Starts the worker on the folder and kills it after the delay.
WorkerRun runAndKill(const QString &operation, const QString &folder, const QString &templates,
    std::chrono::microseconds delay)
{
    const std::string worker = ZENDROVA_BIN_DIR "/store_maintenance_worker";
    const std::string op = operation.toStdString();
    const std::string dir = QFile::encodeName(folder).toStdString();
    const std::string tpl = QFile::encodeName(templates).toStdString();
    char *argv[] = { const_cast<char *>(worker.c_str()), const_cast<char *>(op.c_str()),
        const_cast<char *>(dir.c_str()), const_cast<char *>(tpl.c_str()), nullptr };
    pid_t child = 0;
    if (posix_spawn(&child, worker.c_str(), nullptr, nullptr, argv, environ) != 0) {
        ADD_FAILURE() << "cannot start " << worker;
        return {};
    }
    // Kills it at the moment, unless it has ended by then.
    const auto deadline = std::chrono::steady_clock::now() + delay;
    int status = 0;
    pid_t ended = 0;
    while ((ended = ::waitpid(child, &status, WNOHANG)) == 0
        && std::chrono::steady_clock::now() < deadline)
        std::this_thread::sleep_for(std::chrono::microseconds(100));
    if (ended == 0) {
        ::kill(child, SIGKILL);
        ::waitpid(child, &status, 0);
    }
    WorkerRun run;
    run.killed = WIFSIGNALED(status);
    if (!run.killed) {
        EXPECT_EQ(WEXITSTATUS(status), 0) << op << " failed on its own";
    }
    return run;
}

class MaintenanceCrashTest : public ::testing::Test
{
protected:
    // A database of kCards cards (a tenth with notes, ten of them deleted)
    // with a tag of its own besides the template's, and a backup of the
    // first kBackedUpCards with a lookup list.
    void SetUp() override
    {
        MaintenanceFixture db;
        ASSERT_TRUE(LookupList::createFromTemplate(db.programFolder, db.databaseFile("list1.dbf")));
        for (int i = 1; i <= kCards; ++i) {
            if (i == kBackedUpCards + 1) {
                TableSafekeeping safekeeping(
                    db.store.recordTable(), db.store.catalog(), db.programFolder);
                ASSERT_TRUE(safekeeping.backupTable().succeeded);
            }
            db.addCard(i, QStringLiteral("Card %1").arg(i),
                i % 10 == 0 ? QByteArray("notes of ") + QByteArray::number(i) : QByteArray());
        }
        StoreTable &table = db.store.recordTable();
        table.selectNaturalOrder();
        for (int n = 0; n < 10; ++n) {
            table.gotoRecord(n * 25);
            RecordEditor(table).remove();
        }
        db.store.closeAll();
        {
            dbase::Table engine;
            engine.open(QFile::encodeName(db.databaseFile("data.dbf")).toStdString(), true);
            engine.addIndex("IDX2", "UPPER(CARDNAME)", true);
        }
        copyFolder(db.programFolder, joinPath(work.path(), QStringLiteral("program")));
        templates = joinPath(work.path(), QStringLiteral("program"));
        copyFolder(db.state.databaseFolder, pristine);
        before = *liveCards(pristine, QStringLiteral("data.dbf"), templates);
        backedUp = *liveCards(joinPath(pristine, QStringLiteral("BACKUP")), QStringLiteral("data.dbf"), templates);
    }

    // How long one undisturbed run of the operation takes.
    std::chrono::microseconds timeOf(const QString &operation)
    {
        copyFolder(pristine, folder);
        QElapsedTimer timer;
        timer.start();
        const WorkerRun run = runAndKill(operation, folder, templates, std::chrono::seconds(20));
        EXPECT_FALSE(run.killed);
        return std::chrono::microseconds(timer.nsecsElapsed() / 1000);
    }

    // Kills the operation at random moments; after each kill checks what
    // check says of the folder. Returns how many runs were cut short.
    template<typename Check>
    int killRepeatedly(const QString &operation, Check check)
    {
        const auto whole = timeOf(operation);
        std::mt19937 random(20240611u + uint32_t(qHash(operation)));
        std::uniform_int_distribution<int64_t> moment(0, whole.count() * 11 / 10);
        int killed = 0;
        for (int run = 0; run < kRunsPerOperation; ++run) {
            SCOPED_TRACE(operation.toStdString() + " run " + std::to_string(run));
            copyFolder(pristine, folder);
            killed += runAndKill(operation, folder, templates, std::chrono::microseconds(moment(random))).killed;
            // What the program does before it opens the table.
            TableSafekeeping::finishInterrupted(folder, QStringLiteral("data.dbf"));
            const auto cards = liveCards(folder, QStringLiteral("data.dbf"), templates);
            if (!cards) {
                ADD_FAILURE() << "the table does not open under its name";
                break;
            }
            const auto problems = indexProblems(joinPath(folder, QStringLiteral("data.dbf")));
            EXPECT_TRUE(problems.empty()) << problems.front();
            check(*cards);
            if (HasFailure())
                break;
        }
        std::printf("%s: %d runs, %d killed part way (whole run %lld us)\n",
            qPrintable(operation), kRunsPerOperation, killed, (long long)whole.count());
        return killed;
    }

    QString inFolder(const QString &name) const { return joinPath(folder, name); }

    ScriptedInteraction user;
    QTemporaryDir work;
    QString pristine = joinPath(work.path(), QStringLiteral("pristine"));
    QString folder = joinPath(work.path(), QStringLiteral("DATA"));
    QString templates;
    QStringList before;
    QStringList backedUp;
};

TEST_F(MaintenanceCrashTest, KilledMaintenanceLosesNoRecord)
{
    const QString table = QStringLiteral("data.dbf");
    int killed = 0;
    killed += killRepeatedly(QStringLiteral("repair"), [&](const QStringList &cards) {
        EXPECT_EQ(cards, before);
    });
    killed += killRepeatedly(QStringLiteral("pack"), [&](const QStringList &cards) {
        EXPECT_EQ(cards, before);
    });
    killed += killRepeatedly(QStringLiteral("empty"), [&](const QStringList &cards) {
        EXPECT_TRUE(cards == before || cards.isEmpty()) << cards.size() << " cards";
    });
    killed += killRepeatedly(QStringLiteral("backup"), [&](const QStringList &cards) {
        EXPECT_EQ(cards, before);
        const QString backup = joinPath(folder, QStringLiteral("BACKUP"));
        TableSafekeeping::finishInterrupted(folder, table);
        const auto saved = liveCards(backup, table, templates);
        ASSERT_TRUE(saved) << "no backup under its name";
        EXPECT_TRUE(*saved == backedUp || *saved == before) << saved->size() << " cards";
        EXPECT_TRUE(indexProblems(joinPath(backup, table)).empty());
    });
    killed += killRepeatedly(QStringLiteral("restore"), [&](const QStringList &cards) {
        if (cards == before)
            return;
        EXPECT_EQ(cards, backedUp);
        // Replaced: the table as it was is kept under the name the message gives.
        EXPECT_EQ(liveCards(folder, TableSafekeeping::kKeptFile, templates), before);
    });
    EXPECT_GT(killed, 5 * kRunsPerOperation / 3) << "too few runs were cut short";
}

} // namespace
} // namespace zendrova::test
