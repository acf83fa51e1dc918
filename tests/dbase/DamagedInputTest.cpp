#include "TestTables.h"

#include "dbase/ByteOrder.h"
#include "dbase/Error.h"
#include "dbase/Table.h"

#include <gtest/gtest.h>

using namespace dbase;
using namespace dbase::test;

namespace {

// A good two-record table with a memo; each case damages a copy of it.
class DamagedInputTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        Table::create(path, sampleFields());
        Table t;
        t.open(path, true);
        appendSample(t, "first", 1, "short note");
        appendSample(t, "second", 2, std::string(600, 'n'));
        t.close();
        dbf = readFile(path);
        dbt = readFile(dir.path("broken.dbt"));
    }
    // Opens the damaged family and reads every value.
    void openAndReadAll()
    {
        Table t;
        t.open(path, false);
        for (t.first(); !t.eof(); t.next())
            for (int i = 0; i < t.fieldCount(); ++i)
                t.asString(i);
    }
    TempDir dir;
    std::string path = dir.path("broken.dbf");
    std::string dbf, dbt;
};

TEST_F(DamagedInputTest, EachDamageGivesACorruptErrorNamingTheFile)
{
    const size_t notesPointer = 1 + 20 + 10 + 6 + 8 + 1; // of the first record, after the header
    const uint16_t headerLength = getU16(dbf.data() + 8);
    struct Case { const char *what; std::function<void(std::string &dbf, std::string &dbt)> damage; const char *file; };
    const Case cases[] = {
        {"truncated header", [](std::string &d, std::string &) { d.resize(20); }, "broken.dbf"},
        {"descriptors cut off", [](std::string &d, std::string &) { d.resize(70); }, "broken.dbf"},
        {"header length beyond file", [](std::string &d, std::string &) { putU16(d.data() + 8, 60000); }, "broken.dbf"},
        {"record length 0", [](std::string &d, std::string &) { putU16(d.data() + 10, 0); }, "broken.dbf"},
        {"record length disagrees", [](std::string &d, std::string &) { putU16(d.data() + 10, 77); }, "broken.dbf"},
        {"field count absurd", [](std::string &d, std::string &) {
             // 400 descriptors' worth of header, all plausible text fields.
             std::string desc(32, '\0');
             desc.replace(0, 1, "X");
             desc[11] = 'C';
             desc[16] = 1;
             std::string header = d.substr(0, 32);
             for (int i = 0; i < 400; ++i)
                 header += desc;
             header += '\x0D';
             putU16(header.data() + 8, uint16_t(header.size()));
             d = header + std::string(1000, ' ');
         }, "broken.dbf"},
        {"unknown version", [](std::string &d, std::string &) { d[0] = '\x07'; }, "broken.dbf"},
        {"unknown field type", [](std::string &d, std::string &) { d[32 + 11] = 'Q'; }, "broken.dbf"},
        {"memo pointer past the end", [&](std::string &d, std::string &) {
             d.replace(headerLength + notesPointer, 10, "    999999");
         }, "broken.dbt"},
        {"memo length absurd", [](std::string &, std::string &m) { putU32(m.data() + 512 + 4, 0xFFFFFFF0u); }, "broken.dbt"},
        {"memo block not a value", [](std::string &, std::string &m) { m[512] = 'x'; }, "broken.dbt"},
        {"memo block size zero", [](std::string &, std::string &m) { putU16(m.data() + 20, 0); }, "broken.dbt"},
        {"memo file cut short", [](std::string &, std::string &m) { m.resize(520); }, "broken.dbt"},
        {"free list pointing backwards", [](std::string &, std::string &m) {
             // Head at block 2 whose link leads back to block 1.
             putU32(m.data(), 2);
             putU32(m.data() + 2 * 512, 1);
             putU32(m.data() + 2 * 512 + 4, 1);
         }, "broken.dbt"},
        {"free run past the end", [](std::string &, std::string &m) {
             putU32(m.data(), 2);
             putU32(m.data() + 2 * 512, 9);
             putU32(m.data() + 2 * 512 + 4, 1000);
         }, "broken.dbt"},
        {"free list head in the header", [](std::string &, std::string &m) { putU32(m.data(), 0); }, "broken.dbt"},
    };
    for (const Case &c : cases) {
        std::string d = dbf, m = dbt;
        c.damage(d, m);
        writeFile(path, d);
        writeFile(dir.path("broken.dbt"), m);
        try {
            openAndReadAll();
            ADD_FAILURE() << c.what << ": no error";
        } catch (const Error &e) {
            EXPECT_EQ(e.kind(), ErrorKind::Corrupt) << c.what << ": " << e.what();
            EXPECT_NE(std::string(e.what()).find(c.file), std::string::npos) << c.what << ": " << e.what();
        }
    }
}

TEST_F(DamagedInputTest, CountBeyondTheFileOpensWithTheWholeRecords)
{
    putU32(dbf.data() + 4, 1000);
    const uint16_t recordLength = getU16(dbf.data() + 10);
    dbf.resize(dbf.size() - 1 - recordLength / 2); // the second record cut in half
    writeFile(path, dbf);
    Table t;
    t.open(path, false);
    EXPECT_EQ(t.recordCount(), 1u);
    EXPECT_EQ(t.asString(kName), "first");
    EXPECT_EQ(t.asBlob(kNotes), "short note");
    t.close();

    // Appending continues after the whole records and repairs the count.
    t.open(path, true);
    appendSample(t, "third", 3);
    t.close();
    t.open(path, false);
    EXPECT_EQ(t.header().recordCount, 2u);
    t.last();
    EXPECT_EQ(t.asString(kName), "third");
}

TEST_F(DamagedInputTest, MissingMemoFileIsReported)
{
    std::remove(dir.path("broken.dbt").c_str());
    Table t;
    try {
        t.open(path, false);
        ADD_FAILURE() << "opened without its memo file";
    } catch (const Error &e) {
        EXPECT_EQ(e.kind(), ErrorKind::NotFound);
    }
    EXPECT_FALSE(t.isOpen());
}

} // namespace
