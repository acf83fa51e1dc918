#include "TestTables.h"

#include "dbase/Error.h"
#include "dbase/Table.h"

#include <gtest/gtest.h>
#include <chrono>
#include <csignal>
#include <sys/wait.h>
#include <unistd.h>

using namespace dbase;
using namespace dbase::test;

namespace {

ErrorKind kindOf(const std::function<void()> &call)
{
    try {
        call();
    } catch (const Error &e) {
        return e.kind();
    }
    return ErrorKind::Usage; // "no error" shows up as a mismatch in the tests
}

// Runs body in a child process and returns its exit code.
int inChild(const std::function<int()> &body)
{
    const pid_t pid = ::fork();
    if (pid == 0) {
        int rc = 99;
        try {
            rc = body();
        } catch (...) {
        }
        ::_exit(rc);
    }
    int status = 0;
    ::waitpid(pid, &status, 0);
    return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
}

class LockTest : public ::testing::Test
{
protected:
    void SetUp() override { resetTable(); }
    void resetTable()
    {
        Table::create(path, sampleFields());
        Table t;
        t.open(path, true);
        appendSample(t, "one", 1);
        appendSample(t, "two", 2);
    }
    TempDir dir;
    std::string path = dir.path("locks.dbf");
};

TEST_F(LockTest, RecordLockExcludesASecondTableObjectAtOnce)
{
    Table a, b;
    a.open(path, false);
    b.open(path, false);
    a.edit();
    const auto start = std::chrono::steady_clock::now();
    EXPECT_EQ(kindOf([&] { b.edit(); }), ErrorKind::Locked);
    EXPECT_EQ(kindOf([&] { b.deleteRecord(); }), ErrorKind::Locked);
    EXPECT_LT(std::chrono::steady_clock::now() - start, std::chrono::milliseconds(100));
    b.next();
    b.edit(); // another record is free
    b.cancel();
    b.first();
    a.setString(kName, "by a");
    a.post(); // posting releases the lock
    b.edit();
    EXPECT_EQ(b.asString(kName), "by a"); // editing reads the record afresh
    b.cancel();
}

TEST_F(LockTest, SharedAndExclusiveOpensExcludeEachOther)
{
    Table shared, other;
    shared.open(path, false);
    EXPECT_EQ(kindOf([&] { other.open(path, true); }), ErrorKind::Locked);
    EXPECT_FALSE(other.isOpen());
    shared.close();
    other.open(path, true);
    EXPECT_EQ(kindOf([&] { shared.open(path, false); }), ErrorKind::Locked);
    EXPECT_EQ(kindOf([&] { shared.open(path, true); }), ErrorKind::Locked);
}

TEST_F(LockTest, LocksHoldBetweenProcesses)
{
    Table mine;
    mine.open(path, false);
    mine.edit();
    auto childTries = [&](bool exclusive) {
        return inChild([&] {
            Table t;
            try {
                t.open(path, exclusive);
                t.edit();
            } catch (const Error &e) {
                return e.kind() == ErrorKind::Locked ? 1 : 2;
            }
            return 0;
        });
    };
    EXPECT_EQ(childTries(false), 1); // record lock
    EXPECT_EQ(childTries(true), 1);  // exclusive open
    mine.cancel();
    EXPECT_EQ(childTries(false), 0);
    mine.close();
    EXPECT_EQ(childTries(true), 0);
}

TEST_F(LockTest, SharedReadersSeeAppendsOfOthers)
{
    Table reader, writer;
    reader.open(path, false);
    writer.open(path, false);
    reader.last();
    appendSample(writer, "three", 3);
    EXPECT_EQ(inChild([&] {
                  Table t;
                  t.open(path, false);
                  appendSample(t, "four", 4);
                  return 0;
              }),
              0);
    EXPECT_TRUE(reader.next());
    EXPECT_EQ(reader.asString(kName), "three");
    EXPECT_TRUE(reader.next());
    EXPECT_EQ(reader.asString(kName), "four");
    EXPECT_EQ(reader.recordCount(), 4u);
    appendSample(reader, "five", 5); // lands after the others' records
    EXPECT_EQ(reader.recno(), 5u);
}

TEST_F(LockTest, KilledWriterLosesNoPostedRecord)
{
    for (const bool exclusive : {false, true}) {
    SCOPED_TRACE(exclusive ? "exclusive" : "shared");
    resetTable();
    int pipeFds[2];
    ASSERT_EQ(::pipe(pipeFds), 0);
    const pid_t pid = ::fork();
    if (pid == 0) {
        ::close(pipeFds[0]);
        Table t;
        t.open(path, exclusive);
        for (int i = 0;; ++i) {
            appendSample(t, "r" + std::to_string(i), i, i % 3 ? "" : std::string(700, 'm'));
            // Report each record whose post has returned.
            if (::write(pipeFds[1], &i, sizeof i) != sizeof i)
                ::_exit(3);
        }
    }
    ::close(pipeFds[1]);
    int last = -1, value = 0;
    while (last < 300 && ::read(pipeFds[0], &value, sizeof value) == sizeof value)
        last = value;
    ::kill(pid, SIGKILL);
    while (::read(pipeFds[0], &value, sizeof value) == sizeof value)
        last = value;
    ::waitpid(pid, nullptr, 0);
    ::close(pipeFds[0]);

    Table t;
    t.open(path, true);
    ASSERT_GE(t.recordCount(), uint64_t(last) + 3);
    t.first();
    t.moveBy(2);
    for (int i = 0; i <= last; ++i, t.next()) {
        ASSERT_EQ(t.asString(kName), "r" + std::to_string(i));
        if (i % 3 == 0) {
            ASSERT_EQ(t.asBlob(kNotes).size(), 700u);
        }
    }
    }
}

TEST_F(LockTest, KilledExclusiveWriterLeavesMemosThatLaterAppendsDoNotOverwrite)
{
    // Exclusive use saves the header count and the memo header late; a kill in
    // between must keep every posted record and its memo, and later appends
    // must not overwrite them.
    const pid_t pid = ::fork();
    if (pid == 0) {
        Table t;
        t.open(path, true);
        for (int i = 0; i < 5000; ++i)
            appendSample(t, "m" + std::to_string(i), i, "memo " + std::to_string(i));
        ::raise(SIGKILL);
    }
    ::waitpid(pid, nullptr, 0);
    Table t;
    t.open(path, true);
    const uint64_t survivors = t.recordCount();
    ASSERT_EQ(survivors, 5002u);
    for (int i = 0; i < 20; ++i)
        appendSample(t, "after", 0, std::string(900, 'z'));
    t.close();
    t.open(path, false);
    t.first();
    t.moveBy(2);
    for (uint64_t i = 0; i + 2 < survivors; ++i, t.next())
        ASSERT_EQ(t.asBlob(kNotes), "memo " + std::to_string(i));
    EXPECT_EQ(t.asBlob(kNotes), std::string(900, 'z'));
}

TEST_F(LockTest, KilledLongExclusiveAppendKeepsEveryRecordAcrossTheMovingWindow)
{
    // Long exclusive appends write through a window that moves along both files and
    // hands finished pieces to the disk; records edited after their piece left the
    // window (memos replaced, their old blocks freed) and a kill at the end must still
    // leave every posted value in place, and later appends must not overwrite any.
    constexpr int kRecords = 40000; // about 3 MB of records and 20 MB of memos
    const auto edited = [](int i) { return i > 0 && i % 5000 == 0; };
    const auto memoOf = [&](int i) {
        if (edited(i))
            return "edited " + std::to_string(i);
        return i % 3 ? std::string() : std::string(1100, char('a' + i % 26)) + std::to_string(i);
    };
    const auto priceOf = [&](int i) { return edited(i) ? -i : i; };
    const pid_t pid = ::fork();
    if (pid == 0) {
        Table t;
        t.open(path, true);
        for (int i = 0; i < kRecords; ++i) {
            appendSample(t, "n" + std::to_string(i), i, edited(i) ? "first " + std::to_string(i) : memoOf(i));
            if (edited(i)) {
                t.moveBy(-1000); // a record whose piece of the file has left the window
                t.moveBy(1000);
                t.edit();
                t.setNumber(kPrice, priceOf(i));
                t.setBlob(kNotes, memoOf(i));
                t.post();
            }
        }
        ::raise(SIGKILL);
    }
    ::waitpid(pid, nullptr, 0);
    Table t;
    t.open(path, true);
    ASSERT_EQ(t.recordCount(), uint64_t(kRecords + 2));
    for (int i = 0; i < 300; ++i)
        appendSample(t, "after", 0, std::string(1100, 'z'));
    t.close();
    t.open(path, false);
    t.first();
    t.moveBy(2);
    for (int i = 0; i < kRecords; ++i, t.next()) {
        ASSERT_EQ(t.asString(kName), "n" + std::to_string(i));
        ASSERT_EQ(t.asNumber(kPrice), priceOf(i)) << i;
        ASSERT_EQ(t.asBlob(kNotes), memoOf(i)) << i;
    }
    for (; !t.eof(); t.next())
        ASSERT_EQ(t.asBlob(kNotes), std::string(1100, 'z'));
    t.close();
    int rc = -1;
    const std::string out = run(std::string(DBTOOL_PATH) + " check " + path, &rc);
    EXPECT_EQ(rc, 0) << out;
}

} // namespace
