// The engine's files checked by Debian's independent dBASE readers, and
// dBASE III tables written by another library read by the engine.
#include "TestTables.h"

#include "dbase/Table.h"

#include <gtest/gtest.h>

using namespace dbase;
using namespace dbase::test;

namespace {

const std::string kPicture = std::string("BM\x1F\x00\x1A\xFF", 6) + std::string(1200, '\x1F');

class ForeignReaderTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        Table::create(path, sampleFields());
        Table t;
        t.open(path, true);
        appendSample(t, "Ren\xE9", -12.5, std::string(700, 'x'), kPicture);
        appendSample(t, "gone", 1, "deleted memo");
        t.last();
        t.deleteRecord();
        t.append();
        t.setString(kName, "third");
        t.setDate(kBorn, Date {2001, 12, 31});
        t.setBool(kOk, false);
        t.setInteger(kQty, 42);
        t.post();
    }
    TempDir dir;
    std::string path = dir.path("t.dbf");
};

TEST_F(ForeignReaderTest, PythonDbfreadReadsRecordsMemosAndPictures)
{
    int status = 0;
    const std::string out = run("/usr/bin/python3 -c \""
                                "import dbfread\n"
                                "t = dbfread.DBF('" + path + "', encoding='cp1252')\n"
                                "for r in t:\n"
                                "  n = r['NOTES'] or ''\n"
                                "  print(r['NAME'], r['PRICE'], r['QTY'], r['BORN'], r['OK'], n.startswith('x' * 700), "
                                "n[700:].strip('x') == n[700:], (r['PIC'] or b'')[:2])\n"
                                "print('deleted', [d['NAME'] for d in t.deleted])\n"
                                "\" 2>&1",
                                &status);
    ASSERT_EQ(status, 0) << out;
    EXPECT_EQ(out, "Ren\u00E9 -12.5 None None None True True b'BM'\n"
                   "third None 42 2001-12-31 False False True b''\n"
                   "deleted ['gone']\n");
}

TEST_F(ForeignReaderTest, RubyDbfReadsTheSameTable)
{
    int status = 0;
    const std::string out = run("dbf-rb -c " + path + " 2>&1", &status);
    ASSERT_EQ(status, 0) << out;
    EXPECT_EQ(out.substr(0, out.find('\n')), "\"NAME\",\"PRICE\",\"QTY\",\"BORN\",\"OK\",\"NOTES\",\"PIC\"");
    // Like dbfread it reads 8 bytes past a memo (it takes the length without the value header).
    EXPECT_NE(out.find("\"Ren\u00E9\",\"-12.5\",\"\",\"\",\"false\",\"" + std::string(700, 'x') + std::string(1, '\0')),
              std::string::npos)
        << out.substr(0, 300);
    EXPECT_NE(out.find("\"third\",\"\",\"42\",\"2001-12-31\",\"false\",\"\""), std::string::npos) << out;
    EXPECT_EQ(out.find("gone"), std::string::npos);
}

TEST_F(ForeignReaderTest, Dbase3TablesFromPythonDbfOpenReadAndTakeEdits)
{
    const std::string db3 = dir.path("old.dbf");
    int status = 0;
    std::string out = run("/usr/bin/python3 -c \""
                          "import dbf\n"
                          "t = dbf.Table('" + db3 + "', 'name C(20); notes M', dbf_type='db3')\n"
                          "t.open(dbf.READ_WRITE)\n"
                          "t.append(('Alpha', 'line one\\r\\nline two'))\n"
                          "t.append(('Beta', 'b' * 1500))\n"
                          "t.append(('Gamma', ''))\n"
                          "t.close()\n"
                          "\" 2>&1",
                          &status);
    ASSERT_EQ(status, 0) << out;
    Table t;
    t.open(db3, false);
    EXPECT_EQ(t.header().version, 0x83);
    EXPECT_EQ(t.asString(0), "Alpha");
    EXPECT_EQ(t.asBlob(1), "line one\r\nline two");
    t.next();
    EXPECT_EQ(t.asBlob(1), std::string(1500, 'b'));
    t.next();
    EXPECT_TRUE(t.isNull(1));
    t.edit();
    t.setBlob(1, "added by the engine");
    t.post();
    t.close();

    out = run("/usr/bin/python3 -c \""
              "import dbf\n"
              "t = dbf.Table('" + db3 + "')\n"
              "t.open()\n"
              "print([(r.name.strip(), len(r.notes)) for r in t], t[2].notes)\n"
              "\" 2>&1",
              &status);
    ASSERT_EQ(status, 0) << out;
    EXPECT_EQ(out, "[('Alpha', 18), ('Beta', 1500), ('Gamma', 19)] added by the engine\n");
}

} // namespace
