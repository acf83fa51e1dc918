// Numeric keys as another dBASE library writes them: the same value with its
// trailing zero counted as a significant digit.
#include "TestTables.h"

#include "dbase/Table.h"

#include <gtest/gtest.h>

using namespace dbase;
using namespace dbase::test;

namespace {

TEST(ForeignNumericKeys, EitherFormOfANumberIsTheSameKey)
{
    TempDir dir;
    const std::string path = dir.path("prices.dbf");
    Table::create(path, sampleFields());
    {
        Table t;
        t.open(path, true);
        for (double price : { 12.0, -40.0, 7.5, -3.0 })
            appendSample(t, "card", price);
        t.addIndex("PRICE", "PRICE", false);
    }
    // -40 as we write it (one significant digit, 36 85 40 ...) becomes the
    // other writer's form (two digits, 36 89 40 ...).
    std::string mdx = readFile(dir.path("prices.mdx"));
    const std::string ours("\x36\x85\x40\0\0\0\0\0\0\0\0\0", 12);
    const size_t at = mdx.find(ours);
    ASSERT_NE(at, std::string::npos);
    ASSERT_EQ(mdx.find(ours, at + 1), std::string::npos);
    mdx[at + 1] = '\x89';
    writeFile(dir.path("prices.mdx"), mdx);

    auto prices = [&path] {
        Table t;
        t.open(path, false);
        t.selectIndex("PRICE");
        std::vector<double> out;
        for (t.first(); !t.eof(); t.next())
            out.push_back(t.asNumber(kPrice));
        return out;
    };
    {
        Table t;
        t.open(path, false);
        EXPECT_EQ(t.checkIndexes(), std::vector<std::string>());
    }
    EXPECT_EQ(prices(), (std::vector<double> { -40, -3, 7.5, 12 }));
    {
        // Changing the record means finding its foreign key to remove it.
        Table t;
        t.open(path, false);
        t.selectIndex("PRICE");
        t.first();
        t.edit();
        t.setNumber(kPrice, 100);
        t.post();
    }
    EXPECT_EQ(prices(), (std::vector<double> { -3, 7.5, 12, 100 }));
    expectSound(path);
}

} // namespace
