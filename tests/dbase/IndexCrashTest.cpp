#include "TestTables.h"

#include "dbase/Table.h"

#include <gtest/gtest.h>

#include <csignal>
#include <sys/wait.h>
#include <unistd.h>

using namespace dbase;
using namespace dbase::test;

namespace {

std::string nameOf(int i)
{
    return "card " + std::to_string((i * 7919) % 10007);
}

// Posts records for ever (appends, with an edit and a delete now and then), telling
// the parent through `ack` after each post has returned.
[[noreturn]] void postUntilKilled(const std::string &path, bool exclusive, int ack)
{
    try {
        Table t;
        t.open(path, exclusive);
        for (int i = 0;; ++i) {
            appendSample(t, nameOf(i), i, i % 5 ? std::string() : "memo " + std::to_string(i));
            if (i % 10 == 9) {
                t.edit();
                t.setNumber(kPrice, -i); // a key change of the record just posted
                t.post();
            }
            const char done = 1;
            if (::write(ack, &done, 1) != 1)
                break;
        }
    } catch (...) {
    }
    ::_exit(1);
}

// A kill -9 at any moment of posting leaves every posted record in the table and
// every tag either in step or marked stale and rebuilt at the next open.
TEST(IndexCrashTest, KilledWhilePostingLosesNothingAndTheTagsComeBackSound)
{
    for (int round = 0; round < 6; ++round) {
        const bool exclusive = round % 2 == 0;
        SCOPED_TRACE("round " + std::to_string(round) + (exclusive ? " exclusive" : " shared"));
        TempDir dir;
        const std::string path = dir.path("cards.dbf");
        Table::create(path, sampleFields());
        {
            Table t;
            t.open(path, true);
            t.addIndex("NAME", "UPPER(NAME)", false);
            t.addIndex("PRICE", "STR(PRICE, 20, 4)", true);
            t.addIndex("NOTE", "UPPER(MLINE(NOTES, 1))+NAME", false);
        }
        int pipeEnds[2];
        ASSERT_EQ(::pipe(pipeEnds), 0);
        const pid_t child = ::fork();
        ASSERT_GE(child, 0);
        if (child == 0) {
            ::close(pipeEnds[0]);
            postUntilKilled(path, exclusive, pipeEnds[1]);
        }
        ::close(pipeEnds[1]);
        const int wanted = 150 + round * 97;
        int acknowledged = 0;
        char byte;
        while (acknowledged < wanted && ::read(pipeEnds[0], &byte, 1) == 1)
            ++acknowledged;
        ::kill(child, SIGKILL);
        int status = 0;
        ::waitpid(child, &status, 0);
        ::close(pipeEnds[0]);
        ASSERT_EQ(acknowledged, wanted) << "the child stopped on its own";

        Table t;
        t.setIndexName("NAME");
        t.open(path, false);
        EXPECT_TRUE(t.checkIndexes().empty()) << t.checkIndexes().front();
        t.selectIndex("");
        int i = 0;
        for (t.first(); !t.eof() && i < acknowledged; t.next(), ++i) {
            EXPECT_EQ(t.asString(kName), nameOf(i));
            EXPECT_EQ(t.asNumber(kPrice), i % 10 == 9 ? -i : i) << "record " << i + 1;
        }
        EXPECT_EQ(i, acknowledged);
        const uint64_t live = t.recordCount();
        EXPECT_GE(live, uint64_t(acknowledged));
        t.selectIndex("PRICE");
        EXPECT_EQ(t.recordCount(), live);
        t.close();
        int rc = -1;
        const std::string out = run(std::string(DBTOOL_PATH) + " check " + path, &rc);
        EXPECT_EQ(rc, 0) << out;
    }
}

} // namespace
