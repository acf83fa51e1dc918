#include "TestTables.h"

#include "dbase/Error.h"
#include "dbase/Table.h"
#include "dbase/TableFamily.h"

#include <gtest/gtest.h>
#include <filesystem>

using namespace dbase;
using namespace dbase::test;
namespace fs = std::filesystem;

namespace {

std::vector<std::string> names(const std::string &path)
{
    Table t;
    t.open(path, false);
    std::vector<std::string> out;
    for (t.first(); !t.eof(); t.next())
        out.push_back(t.asString(kName) + "/" + t.asBlob(kNotes).substr(0, 3) + std::to_string(t.asBlob(kNotes).size()));
    return out;
}

std::vector<std::string> folderListing(const fs::path &folder)
{
    std::vector<std::string> out;
    for (const auto &entry : fs::directory_iterator(folder))
        out.push_back(entry.path().filename().string());
    std::sort(out.begin(), out.end());
    return out;
}

char productionFlag(const std::string &dbfPath)
{
    return readFile(dbfPath).at(28);
}

class TableFamilyTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        Table::create(source, sampleFields());
        Table t;
        t.open(source, true);
        appendSample(t, "keep1", 1, std::string(900, 'a'));
        appendSample(t, "gone", 2, std::string(2000, 'g'));
        appendSample(t, "keep2", 3, "bbb");
        t.first();
        t.next();
        t.deleteRecord();
        t.addIndex("NAMES", "UPPER(NAME)", true);
        t.close();
    }
    TempDir dir;
    std::string source = dir.path("cards.dbf");
    const std::vector<std::string> liveNames {"keep1/aaa900", "keep2/bbb3"};
};

TEST_F(TableFamilyTest, CopyOverwritesTheWholeFamilyAndKeepsTheFlagTrue)
{
    const std::string target = dir.path("copy.dbf");
    Table::create(target, {field("OTHER", 'C', 5), field("M", 'M', 10)});
    TableFamily::copy(source, target);
    EXPECT_EQ(names(target), liveNames);
    EXPECT_EQ(readFile(dir.path("copy.mdx")), readFile(dir.path("cards.mdx")));
    EXPECT_EQ(productionFlag(target), 1);
    expectSound(target);
    EXPECT_EQ(readFile(dir.path("copy.dbt")), readFile(dir.path("cards.dbt")));

    // A family without an index replaces one with an index: no stale .MDX, flag 0.
    fs::remove(dir.path("cards.mdx"));
    TableFamily::copy(source, target);
    EXPECT_FALSE(fs::exists(dir.path("copy.mdx")));
    EXPECT_EQ(productionFlag(target), 0);
    EXPECT_EQ(names(target), liveNames);
}

TEST_F(TableFamilyTest, RenameMovesAllThreeFilesAndRefusesATakenName)
{
    TableFamily::rename(source, dir.path("moved.dbf"));
    EXPECT_EQ(folderListing(dir.root()), (std::vector<std::string> {"moved.dbf", "moved.dbt", "moved.mdx"}));
    EXPECT_EQ(names(dir.path("moved.dbf")), liveNames);
    expectSound(dir.path("moved.dbf"));

    Table::create(dir.path("taken.dbf"), sampleFields());
    try {
        TableFamily::rename(dir.path("moved.dbf"), dir.path("TAKEN.DBF"));
        ADD_FAILURE() << "renamed onto an existing table";
    } catch (const Error &e) {
        EXPECT_EQ(e.kind(), ErrorKind::AlreadyExists);
    }
    EXPECT_TRUE(fs::exists(dir.path("moved.dbf")));
}

TEST_F(TableFamilyTest, RemoveDeletesEveryMemberAndIgnoresAMissingFamily)
{
    TableFamily::remove(source);
    EXPECT_TRUE(folderListing(dir.root()).empty());
    EXPECT_NO_THROW(TableFamily::remove(source));
}

TEST_F(TableFamilyTest, PackDropsDeletedRecordsKeepsMemosAndReusesTheirBlocks)
{
    const auto dbtSize = fs::file_size(dir.path("cards.dbt"));
    EXPECT_EQ(TableFamily::pack(source), 2u);
    EXPECT_EQ(names(source), liveNames);
    // Only the new files' names remain: the temporary copies were renamed.
    EXPECT_EQ(folderListing(dir.root()), (std::vector<std::string> {"cards.dbf", "cards.dbt", "cards.mdx"}));
    Table t;
    t.open(source, true);
    EXPECT_EQ(t.header().recordCount, 2u);
    EXPECT_EQ(fs::file_size(source), t.header().headerLength + 2u * t.header().recordLength + 1);
    appendSample(t, "new", 4, std::string(1900, 'n')); // fits in the freed run
    t.close();
    EXPECT_EQ(fs::file_size(dir.path("cards.dbt")), dbtSize);
    EXPECT_EQ(names(source).back(), "new/nnn1900");
    EXPECT_EQ(productionFlag(source), 1);
    // The tag was rebuilt for the new record numbers.
    EXPECT_EQ(namesInTag(source, "NAMES"), (std::vector<std::string> {"new", "keep2", "keep1"}));
    expectSound(source);
}

TEST_F(TableFamilyTest, EmptyLeavesTheFieldsAndNoRecords)
{
    TableFamily::empty(source);
    Table t;
    t.open(source, true);
    EXPECT_EQ(t.recordCount(), 0u);
    EXPECT_EQ(t.fieldCount(), 7);
    appendSample(t, "after", 1, "memo");
    t.close();
    EXPECT_EQ(names(source), (std::vector<std::string> {"after/mem4"}));
    EXPECT_EQ(fs::file_size(dir.path("cards.dbt")), 2 * 512u);
    EXPECT_EQ(namesInTag(source, "NAMES"), (std::vector<std::string> {"after"}));
    expectSound(source);
}

TEST_F(TableFamilyTest, PackAndEmptyNeedExclusiveUse)
{
    Table user;
    user.open(source, false);
    for (auto op : {+[](const std::string &p) { TableFamily::pack(p); }, +[](const std::string &p) { TableFamily::empty(p); }}) {
        try {
            op(source);
            ADD_FAILURE() << "ran while the table was in use";
        } catch (const Error &e) {
            EXPECT_EQ(e.kind(), ErrorKind::Locked);
        }
    }
    user.close();
    EXPECT_EQ(names(source), liveNames);
    expectSound(source);
}

TEST_F(TableFamilyTest, FamilyFromWindowsOpensWhateverTheCase)
{
    const fs::path win = dir.root() / "win";
    fs::create_directory(win);
    fs::rename(source, win / "DATA.DBF");
    fs::rename(dir.path("cards.dbt"), win / "Data.DBT");
    fs::rename(dir.path("cards.mdx"), win / "DATA.MDX");
    const std::string asTyped = (win / "data.dbf").string();
    EXPECT_EQ(names(asTyped), liveNames);
    ASSERT_TRUE(TableFamily::find(asTyped));
    EXPECT_EQ(*TableFamily::find(asTyped)->mdx, (win / "DATA.MDX").string());

    // Copying over it in other case leaves one spelling of each member.
    TableFamily::copy(asTyped, (win / "copy.dbf").string());
    TableFamily::copy((win / "copy.dbf").string(), asTyped);
    EXPECT_EQ(folderListing(win), (std::vector<std::string> {"copy.dbf", "copy.dbt", "copy.mdx", "data.dbf",
                                                             "data.dbt", "data.mdx"}));
}

} // namespace
