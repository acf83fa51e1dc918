// A tag whose run of equal keys another writer left out of record order (it put the
// keys it added for a value in the middle of that value's run): the tag is sound,
// and its records can be found, edited and deleted.
#include "TestTables.h"

#include "support/ForeignTagOrder.h"

#include "dbase/Table.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <sstream>

using namespace dbase;
using namespace dbase::test;
using zendrova::test::rebuildTagInOrder;

namespace {

constexpr uint32_t kRecords = 240;
constexpr double kRunPrice = -40;

// Most records share the price -40 (a run over several leaves); every third has a
// price of its own, some before the run and some after it.
bool inRun(uint32_t r) { return r % 3 != 0; }
double priceOf(uint32_t r) { return inRun(r) ? kRunPrice : double(r) - 200; }
std::string nameOf(uint32_t r) { return "c" + std::to_string(r); }

struct Record
{
    std::string name;
    double price;
    bool operator==(const Record &) const = default;
};

// Live records in physical order as another reader sees them.
std::vector<Record> dbfreadRecords(const std::string &path)
{
    int status = 0;
    const std::string out = run("/usr/bin/python3 -c \"import dbfread\n"
                                "for r in dbfread.DBF('" + path + "'): print(r['NAME'], r['PRICE'])\" 2>&1",
                                &status);
    EXPECT_EQ(status, 0) << out;
    std::vector<Record> records;
    std::istringstream lines(out);
    for (std::string name; lines >> name;) {
        double price = 0;
        lines >> price;
        records.push_back({name, price});
    }
    return records;
}

class TieOrder : public ::testing::Test
{
protected:
    void SetUp() override
    {
        Table::create(path, sampleFields());
        Table t;
        t.open(path, true);
        for (uint32_t r = 1; r <= kRecords; ++r)
            appendSample(t, nameOf(r), priceOf(r));
        t.addIndex("PRICE", "PRICE", false);
        t.addIndex("NAME", "UPPER(NAME)", false);
        t.close();

        // As in the tables met: the first of the run, then its later records, then the
        // earlier ones that the other writer added last.
        std::vector<uint32_t> run;
        for (uint32_t r = 1; r <= kRecords; ++r)
            if (inRun(r))
                run.push_back(r);
        runOrder = {run[0]};
        runOrder.insert(runOrder.end(), run.begin() + 60, run.end());
        runOrder.insert(runOrder.end(), run.begin() + 1, run.begin() + 60);
        std::vector<uint32_t> order;
        for (uint32_t r = 3; r <= kRecords && priceOf(r) < kRunPrice; r += 3)
            order.push_back(r);
        order.insert(order.end(), runOrder.begin(), runOrder.end());
        for (uint32_t r = 3; r <= kRecords; r += 3)
            if (priceOf(r) > kRunPrice)
                order.push_back(r);
        rebuildTagInOrder(dir.path("cards.mdx"), sampleFields(), "PRICE", order);
        tagOrder = order;
    }

    std::vector<std::string> namesByPrice()
    {
        std::vector<std::string> names;
        for (uint32_t r : tagOrder)
            names.push_back(nameOf(r));
        return names;
    }

    TempDir dir;
    std::string path = dir.path("cards.dbf");
    std::vector<uint32_t> runOrder, tagOrder;
};

TEST_F(TieOrder, CheckNotesTheRunAndWalksFollowIt)
{
    int rc = -1;
    const std::string out = run(std::string(DBTOOL_PATH) + " check " + path, &rc);
    EXPECT_EQ(rc, 0) << out;
    EXPECT_EQ(out, "note: Tag PRICE: equal keys are not in record order at entries 154 and 155\n" + path
                       + ": sound, 2 tags, 240 records\n");
    EXPECT_EQ(namesInTag(path, "PRICE"), namesByPrice());

    // Stepping from a record inside the run goes to its neighbours in the tag, both ways.
    Table t;
    t.setIndexName("PRICE");
    t.open(path, false);
    const auto at = std::find(runOrder.begin(), runOrder.end(), 2u) - runOrder.begin();
    t.gotoBookmark(2);
    t.next();
    EXPECT_EQ(t.asString(kName), nameOf(runOrder[size_t(at) + 1]));
    t.gotoBookmark(2);
    t.prior();
    EXPECT_EQ(t.asString(kName), nameOf(runOrder[size_t(at) - 1]));
}

TEST_F(TieOrder, RecordsInsideTheRunCanBeEditedAndDeleted)
{
    for (bool exclusive : {false, true}) {
        SCOPED_TRACE(exclusive ? "exclusive" : "shared");
        SetUp();
        const uint32_t renamed = 2, repriced = 5, deleted = runOrder[70], early = runOrder[1];
        {
            Table t;
            t.setIndexName("PRICE");
            t.open(path, exclusive);
            t.gotoBookmark(renamed); // the name tag changes, the price key stays
            t.edit();
            t.setString(kName, "renamed");
            t.post();
            t.gotoBookmark(repriced); // leaves the run
            t.edit();
            t.setNumber(kPrice, 500);
            t.post();
            t.gotoBookmark(deleted);
            t.deleteRecord();
            t.gotoBookmark(early); // leaves the run and comes back to it
            t.edit();
            t.setNumber(kPrice, 7);
            t.post();
            t.edit();
            t.setNumber(kPrice, kRunPrice);
            t.post();
            appendSample(t, "newest", kRunPrice);
            EXPECT_EQ(t.checkIndexes(), std::vector<std::string>());
        }
        // Our inserts go by record order: the newest record after the equal keys there,
        // the early record back where record order puts it among them.
        std::vector<std::string> expected;
        for (uint32_t r : tagOrder)
            if (r != repriced && r != deleted && r != early)
                expected.push_back(r == renamed ? "renamed" : nameOf(r));
        const auto runEnd = std::find(expected.begin(), expected.end(), nameOf(runOrder.back())) + 1;
        expected.insert(runEnd, "newest");
        expected.push_back(nameOf(repriced));
        std::vector<std::string> byPrice = namesInTag(path, "PRICE");
        const auto back = std::find(byPrice.begin(), byPrice.end(), nameOf(early));
        const auto runStart = std::find(byPrice.begin(), byPrice.end(), nameOf(runOrder[0]));
        const auto newest = std::find(byPrice.begin(), byPrice.end(), "newest");
        EXPECT_TRUE(runStart < back && back < newest);
        if (back != byPrice.end())
            byPrice.erase(back);
        EXPECT_EQ(byPrice, expected);
        expectSound(path);

        std::vector<Record> live;
        for (uint32_t r = 1; r <= kRecords; ++r)
            if (r != deleted)
                live.push_back({r == renamed ? "renamed" : nameOf(r), r == repriced ? 500 : priceOf(r)});
        live.push_back({"newest", kRunPrice});
        EXPECT_EQ(dbfreadRecords(path), live);
    }
}

} // namespace
