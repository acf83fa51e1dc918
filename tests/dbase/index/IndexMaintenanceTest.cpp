#include "IndexFixture.h"
#include "RandomCards.h"

#include "dbase/index/IndexCheck.h"
#include "dbase/index/IndexError.h"
#include "dbase/index/KeyExpression.h"

#include <csignal>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <map>

using namespace dbase;
using namespace dbase::test;

namespace {

struct SampleTag
{
    const char *name;
    const char *expression;
    bool descending;
};

// The six sort tags a busy table carries: text both ways, numbers, dates, memo, filter form.
const SampleTag kSixTags[] = {
    {"IDX0", "STR(RECNO, 20, 4)", false},
    {"IDX1", "UPPER(NAME)", true},
    {"IDX2", "STR(999999999999999999-PPRICE, 20, 4)", false},
    {"IDX3", "DTOS(CUSTOM4)+STR(999999999999999999-CVALUE, 20, 4)", false},
    {"IDXF4", "FMARK+UPPER(NAME)", false},
    {"IDX5", "UPPER(SUBSTR(MLINE(NOTES, 1), 1, 49))", true},
};

uint32_t u32At(const std::string &bytes, size_t at)
{
    uint32_t v = 0;
    for (int i = 3; i >= 0; --i)
        v = v << 8 | static_cast<uint8_t>(bytes[at + static_cast<size_t>(i)]);
    return v;
}

// Live records by number; a scan visits them in physical (number) order.
using Table = std::map<uint32_t, Card>;

ScanSource scanOf(const Table &table)
{
    return [&table](const RecordVisitor &visit) {
        for (const auto &[recNo, card] : table)
            visit(recNo, CardRecord(card));
    };
}

// Record numbers in tag order, computed without the index: bytewise key order
// (reversed for descending tags), equal keys by record number.
std::vector<uint32_t> expectedOrder(const Table &table, const SampleTag &tag)
{
    const auto expression = KeyExpression::parse(tag.expression, cardFields());
    std::vector<std::pair<std::string, uint32_t>> entries;
    for (const auto &[recNo, card] : table)
        entries.push_back({expression.evaluate(CardRecord(card)), recNo});
    std::stable_sort(entries.begin(), entries.end(), [&](const auto &a, const auto &b) {
        if (a.first != b.first)
            return tag.descending ? a.first > b.first : a.first < b.first;
        return a.second < b.second;
    });
    std::vector<uint32_t> order;
    for (const auto &e : entries)
        order.push_back(e.second);
    return order;
}

class IndexMaintenance : public IndexFixture
{
protected:
    void buildSixTags(size_t records)
    {
        for (const Card &card : RandomCards(11).make(records))
            table_[static_cast<uint32_t>(card.recNo)] = card;
        index_ = createIndex();
        for (const auto &tag : kSixTags)
            index_->addTag(tag.name, tag.expression, tag.descending, scanOf(table_));
    }

    void expectMatchesTable(const char *when)
    {
        const auto result = checkIndex(*index_, scanOf(table_));
        for (const auto &problem : result.problems)
            ADD_FAILURE() << when << ": " << problem;
        for (const auto &tag : kSixTags) {
            TagCursor cursor(*index_, tag.name);
            const auto expected = expectedOrder(table_, tag);
            EXPECT_EQ(walk(cursor), expected) << when << " " << tag.name;
            auto backward = walk(cursor, true);
            std::reverse(backward.begin(), backward.end());
            EXPECT_EQ(backward, expected) << when << " " << tag.name << " backward";
        }
    }

    Table table_;
    std::unique_ptr<ProductionIndex> index_;
};

} // namespace

TEST_F(IndexMaintenance, BuiltTagsHoldEveryRecordInOrder)
{
    buildSixTags(3000);
    expectMatchesTable("after the build");
}

TEST_F(IndexMaintenance, IncrementalChangesKeepEveryTagCorrect)
{
    buildSixTags(1500);
    RandomCards random(99);
    std::mt19937 pick(5);
    uint32_t nextRecNo = static_cast<uint32_t>(table_.size()) + 1;
    for (int step = 0; step < 3000; ++step) {
        auto at = std::next(table_.begin(), static_cast<long>(pick() % table_.size()));
        switch (pick() % 4) {
        case 0: { // append
            Card card = random.next();
            card.recNo = static_cast<int>(nextRecNo);
            index_->insertKey(nextRecNo, CardRecord(card));
            table_[nextRecNo++] = card;
            break;
        }
        case 1: // delete
            index_->removeKey(at->first, CardRecord(at->second));
            table_.erase(at);
            break;
        default: { // edit: new name, price, date and mark, same record number
            Card changed = random.next();
            changed.recNo = at->second.recNo;
            index_->updateKey(at->first, CardRecord(at->second), CardRecord(changed));
            at->second = changed;
        }
        }
    }
    expectMatchesTable("after edits");
    // Removing nearly everything collapses the trees and still leaves them sound.
    {
        ProductionIndex::Batch batch(*index_);
        while (table_.size() > 3) {
            index_->removeKey(table_.begin()->first, CardRecord(table_.begin()->second));
            table_.erase(table_.begin());
        }
    }
    expectMatchesTable("after removing nearly all");
}

TEST_F(IndexMaintenance, EmptiedNodesMergeOrBorrowSoLeavesStayAtOneDepth)
{
    // 100-byte keys: 9 per node, so a few dozen records give two full-ish interior nodes.
    struct Case { uint32_t records, removeFrom, removeTo; const char *what; };
    const Case cases[] = {
        {99, 91, 99, "lonely node merges into its left sibling, the root shrinks"},
        {108, 100, 108, "lonely node borrows from a full left sibling"},
        {180, 1, 81, "lonely node borrows from a full right sibling"},
        {180, 1, 180, "every key removed"},
    };
    for (const auto &c : cases) {
        Table table;
        for (uint32_t recNo = 1; recNo <= c.records; ++recNo) {
            char descr[16];
            std::snprintf(descr, sizeof descr, "%05u", recNo);
            table[recNo].descr = descr;
        }
        index_ = createIndex();
        index_->addTag("LONG", "UPPER(SUBSTR(DESCR, 1, 100))", false, scanOf(table));
        for (uint32_t recNo = c.removeFrom; recNo <= c.removeTo; ++recNo) {
            index_->removeKey(recNo, CardRecord(table[recNo]));
            table.erase(recNo);
        }
        const auto result = checkIndex(*index_, scanOf(table));
        for (const auto &problem : result.problems)
            ADD_FAILURE() << c.what << ": " << problem;
        std::vector<uint32_t> remaining;
        for (const auto &entry : table)
            remaining.push_back(entry.first);
        EXPECT_EQ(walkTag(*index_, "LONG"), remaining) << c.what;
    }
    EXPECT_EQ(fileBytes()[u32At(fileBytes(), 544) * 512 + 246], 0) << "an emptied tag has no keys";
}

TEST_F(IndexMaintenance, RegenerateRebuildsAllTagsCompactly)
{
    buildSixTags(2000);
    for (uint32_t recNo = 1; recNo <= 1500; ++recNo) {
        index_->removeKey(recNo, CardRecord(table_[recNo]));
        table_.erase(recNo);
    }
    const auto grownSize = fileBytes().size();
    index_->regenerate(scanOf(table_));
    EXPECT_LT(fileBytes().size(), grownSize / 2);
    expectMatchesTable("after regenerate");
}

TEST_F(IndexMaintenance, DeletingATagKeepsTheOthersAndFreesItsBlocks)
{
    buildSixTags(800);
    index_->deleteTag("idx1");
    const auto names = [&] {
        std::vector<std::string> n;
        for (const auto &t : index_->tags())
            n.push_back(t.name);
        return n;
    };
    EXPECT_EQ(names(), (std::vector<std::string>{"IDX0", "IDX2", "IDX3", "IDXF4", "IDX5"}));
    EXPECT_NE(index_->file().header().freeListHead, 0u);
    EXPECT_TRUE(checkIndex(*index_, scanOf(table_)).ok());
    // New keys reuse the freed blocks before the file grows.
    const auto size = fileBytes().size();
    RandomCards random(3);
    for (uint32_t recNo = 801; recNo <= 810; ++recNo) {
        table_[recNo] = random.next();
        index_->insertKey(recNo, CardRecord(table_[recNo]));
    }
    EXPECT_EQ(fileBytes().size(), size);
    EXPECT_TRUE(checkIndex(*index_, scanOf(table_)).ok());
    EXPECT_THROW(index_->deleteTag("IDX1"), IndexError);
}

TEST_F(IndexMaintenance, RefusedTagsLeaveTheFileAsItWas)
{
    index_ = createIndex();
    Table small;
    small[1] = RandomCards(1).next();
    for (int i = 0; i < ProductionIndex::kMaxTags; ++i)
        index_->addTag("IDX" + std::to_string(i), "UPPER(NAME)", i % 2 == 1, scanOf(small));
    const std::string before = fileBytes();

    struct Case { const char *name, *expression, *message; };
    const Case cases[] = {
        {"IDX47", "UPPER(NAME)", "already holds 47 tags, the most it can hold; tag IDX47 was not added"},
        {"IDX47", "NAME+TEAM+SPORT+'!'", "gives keys of 101 characters; at most 100 are allowed"},
        {"IDX47", "UPPER(NAME", "Invalid key expression"},
        {"IDX3", "NAME", "already has a tag IDX3"},
        {"9LIVES", "NAME", "is not a valid tag name"},
    };
    for (const auto &c : cases) {
        try {
            index_->addTag(c.name, c.expression, false, scanOf(small));
            ADD_FAILURE() << "added " << c.name << " " << c.expression;
        } catch (const IndexError &e) {
            EXPECT_NE(std::string(e.what()).find(c.message), std::string::npos) << e.what();
        }
        // Only the change counter may differ: header bytes 48-51.
        std::string now = fileBytes();
        ASSERT_EQ(now.size(), before.size()) << c.expression;
        now.replace(48, 4, before.substr(48, 4));
        EXPECT_TRUE(now == before) << c.expression;
    }
    // A failing scan mid-build is undone too.
    index_->deleteTag("IDX46");
    const auto sizeBefore = fileBytes().size();
    const ScanSource failing = [](const RecordVisitor &visit) {
        visit(1, CardRecord(Card{}));
        throw std::runtime_error("disk read failed");
    };
    EXPECT_THROW(index_->addTag("IDXNEW", "UPPER(NAME)", false, failing), std::runtime_error);
    EXPECT_EQ(fileBytes().size(), sizeBefore);
    EXPECT_EQ(index_->tags().size(), 46u);
    EXPECT_FALSE(openIndex()->isStale());
}

TEST_F(IndexMaintenance, OtherHandlesSeeChangesAtOnce)
{
    buildSixTags(500);
    // A second open file description behaves as another process would: own cache, own lock.
    auto other = openIndex();
    TagCursor reader(*other, "IDXF4");
    reader.setRange("2M", "2M\377");
    const uint64_t before = reader.count();
    ASSERT_TRUE(reader.first());

    Card extra;
    extra.name = "Mmmm First";
    extra.mark = "2";
    index_->insertKey(9000, CardRecord(extra));
    table_[9000] = extra;
    EXPECT_EQ(reader.count(), before + 1);
    reader.last();
    EXPECT_EQ(reader.recNo(), 9000u);
    // The writer's own cursor is just as current after the other side changes the file.
    TagCursor writerCursor(*index_, "IDX0");
    ASSERT_TRUE(writerCursor.last());
    other->removeKey(9000, CardRecord(extra));
    table_.erase(9000);
    EXPECT_EQ(walkTag(*index_, "IDX0").size(), table_.size());
    expectMatchesTable("after changes through two handles");
}

TEST_F(IndexMaintenance, ProcessesWritingAtTheSameTimeKeepTheTreesSound)
{
    buildSixTags(200);
    index_.reset();
    // Each writer adds its own record numbers, one change at a time, interleaved with the other's.
    std::vector<pid_t> writers;
    for (uint32_t first : {1000u, 2000u}) {
        const pid_t child = fork();
        if (child == 0) {
            int failed = 0;
            try {
                auto index = openIndex();
                RandomCards random(first);
                for (uint32_t recNo = first; recNo < first + 300; ++recNo) {
                    Card card = random.next();
                    index->insertKey(recNo, CardRecord(card));
                    if (recNo % 3 == 0)
                        index->removeKey(recNo, CardRecord(card));
                }
            } catch (...) {
                failed = 1;
            }
            _exit(failed);
        }
        writers.push_back(child);
    }
    for (pid_t writer : writers) {
        int status = 0;
        waitpid(writer, &status, 0);
        ASSERT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 0);
    }
    for (uint32_t first : {1000u, 2000u}) {
        RandomCards random(first);
        for (uint32_t recNo = first; recNo < first + 300; ++recNo) {
            Card card = random.next();
            if (recNo % 3 != 0)
                table_[recNo] = card;
        }
    }
    index_ = openIndex();
    EXPECT_FALSE(index_->isStale());
    expectMatchesTable("after two writing processes");
}

TEST_F(IndexMaintenance, AWriterKilledMidChangeLeavesTheIndexMarkedStale)
{
    buildSixTags(300);
    index_.reset();
    const pid_t child = fork();
    if (child == 0) {
        auto index = openIndex();
        ProductionIndex::Batch batch(*index);
        RandomCards random(8);
        for (uint32_t recNo = 301; recNo < 400; ++recNo)
            index->insertKey(recNo, CardRecord(random.next()));
        raise(SIGKILL);
    }
    int status = 0;
    waitpid(child, &status, 0);
    ASSERT_TRUE(WIFSIGNALED(status));
    index_ = openIndex();
    EXPECT_TRUE(index_->isStale());
    ASSERT_EQ(index_->tags().size(), 6u) << "a stale file still tells which tags to rebuild";
    index_.reset();

    // A rebuild killed half-way leaves the stale file as it was, still listing its tags.
    const std::string staleBytes = fileBytes();
    const pid_t rebuilder = fork();
    if (rebuilder == 0) {
        auto index = openIndex();
        index->regenerate([this](const RecordVisitor &visit) {
            visit(1, CardRecord(table_.begin()->second));
            raise(SIGKILL);
        });
        _exit(0);
    }
    waitpid(rebuilder, &status, 0);
    ASSERT_TRUE(WIFSIGNALED(status));
    EXPECT_TRUE(fileBytes() == staleBytes);
    index_ = openIndex();
    EXPECT_TRUE(index_->isStale());
    index_->regenerate(scanOf(table_));
    EXPECT_FALSE(index_->isStale());
    EXPECT_EQ(fileBytes()[47], 0) << "the marker is cleared once the tags are rebuilt";
    index_.reset();
    index_ = openIndex();
    EXPECT_FALSE(index_->isStale());
    expectMatchesTable("after rebuilding a stale index");
}
