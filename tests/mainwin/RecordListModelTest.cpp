// The record list's pages on a real store: which records each page shows,
// what the columns say and which paging buttons are enabled.
#include "CycleInstance.h"
#include "support/DatabaseFixture.h"
#include "support/ScriptedInteraction.h"

#include "common/DateFormatList.h"
#include "dbase/Table.h"
#include "mainwin/ListCellText.h"
#include "mainwin/RecordListModel.h"

#include <QLocale>
#include <gtest/gtest.h>

namespace zendrova::test {
namespace {

constexpr int kCardName = 0; // field index of "Card Name"
constexpr int kSport = 1;

class RecordListModelTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedStates));
        DatabaseFixture::expectNewDatabase(user);
        ASSERT_TRUE(main.open());
    }

    void addCards(int count)
    {
        for (int i = 0; i < count; ++i) {
            main.cycle.newRecord();
            main.values.setText(kCardName, QStringLiteral("Card %1").arg(i, 2, 10, QLatin1Char('0')));
            ASSERT_TRUE(main.cycle.leaveRecord());
        }
    }

    QStringList firstColumn(const ListPage &page)
    {
        QStringList names;
        for (const ListRow &row : page.rows)
            names << (row.hasRecord ? row.texts.value(0) : QStringLiteral("-"));
        return names;
    }

    ScriptedInteraction user;
    DatabaseFixture fixture;
    Instance main { fixture.state };
    RecordListModel list { main.store, fixture.state.dateFormats };
};

TEST_F(RecordListModelTest, TenRowsAndTenRecordsPageToAnEmptyPageAndLastStaysOnTheFirst)
{
    addCards(10);
    list.setColumns({ { kCardName, 50 } });
    list.setRowCount(10);

    ListPage page = list.read(-1);
    EXPECT_EQ(page.rows.size(), 10);
    EXPECT_EQ(page.rows[9].texts.value(0), QStringLiteral("Card 09"));
    EXPECT_FALSE(page.paging.first);
    EXPECT_FALSE(page.paging.pageUp);
    EXPECT_TRUE(page.paging.pageDown);
    EXPECT_FALSE(page.paging.last);

    ASSERT_TRUE(list.nextPage());
    page = list.read(-1);
    EXPECT_EQ(list.top(), 10);
    EXPECT_EQ(firstColumn(page), QStringList(10, QStringLiteral("-")));
    EXPECT_TRUE(page.paging.first);
    EXPECT_TRUE(page.paging.pageUp);
    EXPECT_FALSE(page.paging.pageDown);
    EXPECT_FALSE(list.nextPage());

    EXPECT_TRUE(list.lastPage());
    EXPECT_EQ(list.top(), 0);
    EXPECT_FALSE(list.lastPage());
}

TEST_F(RecordListModelTest, PagesFollowEachOtherAndTheCardsRecordIsSelected)
{
    addCards(25);
    list.setColumns({ { kCardName, 50 } });
    list.setRowCount(10);
    main.cycle.showRecord(13);
    const int onCard = main.cycle.card().recordNumber;

    ASSERT_TRUE(list.nextPage());
    ListPage page = list.read(onCard);
    EXPECT_EQ(page.rows[0].texts.value(0), QStringLiteral("Card 10"));
    EXPECT_EQ(page.selectedRow, 3);
    EXPECT_TRUE(page.paging.last);

    ASSERT_TRUE(list.lastPage());
    EXPECT_EQ(list.top(), 20);
    page = list.read(onCard);
    EXPECT_EQ(firstColumn(page),
        QStringList({ "Card 20", "Card 21", "Card 22", "Card 23", "Card 24", "-", "-", "-", "-", "-" }));
    EXPECT_EQ(page.selectedRow, -1);
    EXPECT_FALSE(page.paging.pageDown);
    EXPECT_FALSE(page.paging.last);

    ASSERT_TRUE(list.previousPage());
    ASSERT_TRUE(list.previousPage());
    EXPECT_EQ(list.top(), 0);
    EXPECT_FALSE(list.previousPage());
    EXPECT_FALSE(list.firstPage());
}

TEST_F(RecordListModelTest, ColumnsShowNumbersGroupedAndBlanksBetween)
{
    StoreTable &table = main.store.recordTable();
    RecordEditor(table).append();
    RecordEditor(table).setText(2, QStringLiteral("Mays"));
    RecordEditor(table).setText(3, QStringLiteral("Baseball"));
    RecordEditor(table).setNumber(9, 12345);      // no decimals
    RecordEditor(table).setNumber(11, 1234567.5); // two decimals
    RecordEditor(table).setText(21, QStringLiteral("memo text"));
    RecordEditor(table).post();

    // Card number (index 7), price (index 9), notes (index 19), a field the
    // caption list no longer has (-1).
    list.setColumns({ { kCardName, 20 }, { 7, 20 }, { 9, 20 }, { 19, 20 }, { -1, 10 }, { kSport, 10 } });
    const ListRow row = list.read(-1).rows.value(0);
    EXPECT_EQ(row.texts,
        QStringList({ "Mays", " 12,345", " 1,234,567.50", " ", " ", " Baseball" }));
    EXPECT_EQ(row.rightAligned, QList<bool>({ false, true, true, false, false, false }));
}

TEST(ListCellText, DateColumnsTakeTheDateFormatsLeftToRight)
{
    DatabaseFixture fixture;
    const QString path = fixture.databaseFile(QStringLiteral("dates.dbf"));
    dbase::Table::create(path.toStdString(),
        { dbase::makeField("RECNUM", 'N', 10), dbase::makeField("FILTER", 'C', 1),
            dbase::makeField("BOUGHT", 'D', 8), dbase::makeField("SOLD", 'D', 8) });
    {
        dbase::Table t;
        t.open(path.toStdString(), true);
        t.append();
        t.setDate(2, dbase::Date { 1996, 4, 5 });
        t.setDate(3, dbase::Date { 1997, 12, 31 });
        t.post();
    }
    StoreTable table;
    table.setFolder(fixture.state.databaseFolder);
    table.setFileName(QStringLiteral("dates.dbf"));
    table.open();
    table.first();

    DateFormatList formats;
    formats.fillDefaultsIfEmpty({ 0, 1 });
    formats.setCodeForField(0, 1); // dd/mm/yyyy
    formats.setCodeForField(1, 2); // yyyy/mm/dd
    EXPECT_TRUE(ListCellText::isDate(table, 0));
    EXPECT_EQ(ListCellText::of(table, 0, 0, formats).text, QStringLiteral("05/04/1996"));
    EXPECT_EQ(ListCellText::of(table, 1, 1, formats).text, QStringLiteral("1997/12/31"));
    // More date columns than formats: the first format of all.
    EXPECT_EQ(ListCellText::of(table, 1, 2, formats).text, QStringLiteral("12/31/1997"));
}

} // namespace
} // namespace zendrova::test
