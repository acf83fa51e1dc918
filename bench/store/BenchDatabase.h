#pragma once

#include "common/AppState.h"
#include "dbase/Table.h"
#include "store/RecordStore.h"

#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <array>
#include <string>

#include <fcntl.h>
#include <unistd.h>

namespace zendrova::bench {

constexpr int kRecords = 100000;

// Record table positions the benchmarks fill and sort on.
enum BenchPosition : uint8_t {
    kRecNo = 0,
    kFilterMark = 1,
    kCardName = 2,
    kSport = 3,
    kTeam = 6,
    kYear = 8,
    kCardNumber = 9,
};

// A database folder whose record table holds 100,000 card-like records: names
// spread over every letter, sports, teams, years, card numbers and filter
// marks, with the Entry Order tag the first open creates. Built once a run.
class BenchDatabase
{
public:
    static BenchDatabase &instance()
    {
        static BenchDatabase database;
        return database;
    }

    AppState &state() { return m_state; }
    std::string recordTablePath() const
    {
        return toEnginePath(m_state.databaseFolder + QStringLiteral("/data.dbf"));
    }

private:
    BenchDatabase()
        : m_state(m_dir.path())
    {
        const QDir templates(QStringLiteral(ZENDROVA_BIN_DIR));
        for (const char *name : { "data.dbf", "data.dbt", "master.dbf" }) {
            QFile::copy(templates.filePath(QString::fromLatin1(name)),
                m_dir.filePath(QString::fromLatin1(name)));
        }
        m_state.userFolder = m_state.databaseFolder = m_state.publicFolder();
        QDir().mkpath(m_state.databaseFolder);
        RecordStore store(m_state);
        store.openDatabase();
        store.recordTable().close();
        fill(store.recordTable().enginePath());
        store.closeAll();
        // A collection last changed a while ago, as at a program start: the first open
        // counts the deleted records once and keeps the count for the opens after it.
        for (const QString &name : QDir(m_state.databaseFolder).entryList(QDir::Files)) {
            QFile file(QDir(m_state.databaseFolder).filePath(name));
            file.open(QIODevice::ReadWrite);
            file.setFileTime(QDateTime::currentDateTime().addSecs(-3600), QFileDevice::FileModificationTime);
        }
        RecordStore first(m_state);
        first.openDatabase();
        first.closeAll();
    }

public:
    // Drops the database folder's files from the page cache: the next open reads from disk.
    void dropFromCache() const
    {
        for (const QString &name : QDir(m_state.databaseFolder).entryList(QDir::Files)) {
            const int fd = ::open(QDir(m_state.databaseFolder).filePath(name).toLocal8Bit().constData(), O_RDONLY);
            if (fd >= 0) {
                ::fdatasync(fd);
                ::posix_fadvise(fd, 0, 0, POSIX_FADV_DONTNEED);
                ::close(fd);
            }
        }
    }

private:

    static void fill(const std::string &path)
    {
        static const std::array<const char *, 8> surnames { "Aaron", "Mays", "Mantle", "Ruth",
            "Gretzky", "Jordan", "Bird", "Unitas" };
        static const std::array<const char *, 4> sports { "Baseball", "Basketball", "Football",
            "Hockey" };
        dbase::Table table;
        table.open(path, true);
        for (int i = 0; i < kRecords; ++i) {
            // A multiplicative step spreads the first letters over A..Z.
            const int spread = i * 7919 % 100003;
            const std::string name = std::string(1, char('A' + spread % 26))
                + surnames[spread / 26 % surnames.size()] + ' ' + std::to_string(spread);
            table.append();
            table.setNumber(kRecNo, i + 1);
            table.setString(kFilterMark, spread % 3 == 0 ? "0" : "2");
            table.setString(kCardName, name);
            table.setString(kSport, sports[spread % sports.size()]);
            table.setString(kTeam, "Team " + std::to_string(spread % 30));
            table.setString(kYear, std::to_string(1950 + spread % 70));
            table.setNumber(kCardNumber, spread % 700);
            table.post();
        }
        table.regenerateIndexes();
        table.close();
    }

    QTemporaryDir m_dir;
    AppState m_state;
};

} // namespace zendrova::bench
