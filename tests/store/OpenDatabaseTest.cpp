#include "support/DatabaseFixture.h"
#include "support/ScriptedInteraction.h"

#include "dbase/Table.h"
#include "store/RecordEditor.h"
#include "store/DatabaseCatalog.h"
#include "store/LetterTabs.h"
#include "store/RecordTableSort.h"
#include "store/SortFile.h"
#include "store/RecordStore.h"
#include "store/TableOpening.h"

#include "common/FileLookup.h"

#include <QFile>
#include <gtest/gtest.h>

namespace zendrova::test {
namespace {

class OpenDatabaseTest : public ::testing::Test
{
protected:
    DatabaseFixture fixture;
    ScriptedInteraction user;
    RecordStore store { fixture.state };
};

TEST_F(OpenDatabaseTest, EmptyFolderGetsCatalogCopyTableAndFreshRecordTable)
{
    fixture.state.currentTableFile = QStringLiteral("data_7.dbf");
    DatabaseFixture::expectNewDatabase(user);

    ASSERT_TRUE(store.openDatabase());

    EXPECT_TRUE(user.allConsumed());
    EXPECT_TRUE(QFile::exists(fixture.databaseFile(QStringLiteral("master.dbf"))));
    EXPECT_TRUE(QFile::exists(fixture.databaseFile(QStringLiteral("data_7.dbf"))));
    EXPECT_TRUE(store.recordTable().isOpen());
    EXPECT_EQ(store.recordTable().recordCount(), 0);
    // The copy buffer: one blank record.
    EXPECT_EQ(store.copyTable().recordCount(), 1);

    StoreTable &catalog = store.catalog();
    ASSERT_EQ(catalog.recordCount(), 1);
    catalog.first();
    EXPECT_EQ(catalog.text(DatabaseCatalog::kFileNameColumn), QStringLiteral("data_7.dbf"));
    EXPECT_EQ(catalog.text(DatabaseCatalog::kDatabaseNameColumn), QStringLiteral("data_7.dbf"));
    EXPECT_EQ(catalog.number(DatabaseCatalog::kRecordCounterColumn), 1.0);
    EXPECT_EQ(catalog.indexName(), RecordStore::kCatalogIndex);

    // Position sets and decimals of the open record table.
    EXPECT_TRUE(store.fields().isTextLike(2));
    EXPECT_TRUE(store.fields().isMemo(21));
    EXPECT_TRUE(store.fields().isPicture(10));
    EXPECT_TRUE(store.fields().isPicture(22));
    EXPECT_FALSE(store.fields().isTextLike(9));
    EXPECT_EQ(store.recordTable().numericDecimals(11), 2);
    EXPECT_EQ(store.recordTable().numericDecimals(9), 0);
}

TEST_F(OpenDatabaseTest, APublicFolderMadeByThisRunGetsItsFirstDatabaseSilently)
{
    fixture.state.publicFolderCreatedThisRun = true;
    ASSERT_TRUE(store.openDatabase()); // no message scripted: any would fail the test
    EXPECT_TRUE(QFile::exists(fixture.databaseFile(QStringLiteral("data.dbf"))));
    EXPECT_EQ(store.recordTable().recordCount(), 0);

    // A database that goes missing later is still worth the warning.
    store.closeAll();
    fixture.state.publicFolderCreatedThisRun = false;
    ASSERT_TRUE(QFile::remove(fixture.databaseFile(QStringLiteral("data.dbf"))));
    DatabaseFixture::expectNewDatabase(user);
    RecordStore again { fixture.state };
    ASSERT_TRUE(again.openDatabase());
    EXPECT_TRUE(user.allConsumed());
}

TEST_F(OpenDatabaseTest, SecondOpenFindsEverythingAndAddsNoRow)
{
    DatabaseFixture::expectNewDatabase(user);
    ASSERT_TRUE(store.openDatabase());
    store.closeAll();
    EXPECT_FALSE(store.recordTable().isOpen() || store.catalog().isOpen()
        || store.copyTable().isOpen());

    RecordStore again(fixture.state);
    ASSERT_TRUE(again.openDatabase());
    EXPECT_EQ(again.catalog().recordCount(), 1);
    EXPECT_EQ(again.copyTable().recordCount(), 1);
    EXPECT_EQ(again.databaseName(), QStringLiteral("data.dbf"));
    EXPECT_EQ(user.shownMessages().size(), 1);
}

TEST_F(OpenDatabaseTest, InsertedRecordsAreNumberedFromTheCatalogCounter)
{
    DatabaseFixture::expectNewDatabase(user);
    ASSERT_TRUE(store.openDatabase());
    RecordEditor records(store.recordTable());

    records.append();
    records.post();
    EXPECT_EQ(store.recordTable().number(0), 2.0);
    records.append();
    records.post();
    EXPECT_EQ(store.recordTable().number(0), 3.0);

    store.closeAll();
    RecordStore again(fixture.state);
    ASSERT_TRUE(again.openDatabase());
    EXPECT_EQ(DatabaseCatalog(again.catalog()).recordCounter(QStringLiteral("data.dbf")), 3.0);
    // A counter set by a copy is where numbering goes on.
    again.setRecordCounter(41, QStringLiteral("data.dbf"));
    RecordEditor(again.recordTable()).append();
    EXPECT_EQ(again.recordTable().number(0), 42.0);
    RecordEditor(again.recordTable()).cancel();
}

TEST_F(OpenDatabaseTest, GotoRecordCountsFromZeroAndStopsAtTheEnd)
{
    DatabaseFixture::expectNewDatabase(user);
    ASSERT_TRUE(store.openDatabase());
    StoreTable &records = store.recordTable();
    for (int i = 0; i < 3; ++i) {
        RecordEditor(records).append();
        RecordEditor(records).post();
    }
    ASSERT_TRUE(records.gotoRecord(1));
    EXPECT_EQ(records.number(0), 3.0);
    ASSERT_TRUE(records.gotoRecord(7));
    EXPECT_TRUE(records.atEnd());
    records.close();
    EXPECT_FALSE(records.gotoRecord(0));
}

// A database of three cards, closed again, sorted by card name in its sort file.
class SortedDatabaseTest : public OpenDatabaseTest
{
protected:
    void SetUp() override
    {
        DatabaseFixture::expectNewDatabase(user);
        ASSERT_TRUE(store.openDatabase());
        for (const char *name : { "baker", "Adams", "Mays" }) {
            RecordEditor(store.recordTable()).append();
            RecordEditor(store.recordTable()).setText(2, QString::fromLatin1(name));
            RecordEditor(store.recordTable()).post();
        }
        store.closeAll();
        ASSERT_TRUE(SortFile::write(fixture.state.databaseFolder, QStringLiteral("data.dbf"),
            SortBytes { 2, false, 0, false }));
    }

    static QStringList namesInOrder(StoreTable &table)
    {
        return DatabaseFixture::columnInOrder(table, 2);
    }

    const QStringList byName { "Adams", "baker", "Mays" };
};

TEST_F(SortedDatabaseTest, TheSortFileIsAppliedAtOpenAndTheLetterTabsRangeIt)
{
    RecordStore again(fixture.state);
    ASSERT_TRUE(again.openDatabase());
    // Entry Order made IDX0 on the first open; the name sort adds IDX1.
    EXPECT_EQ(again.recordTable().indexName(), QStringLiteral("IDX1"));
    EXPECT_EQ(namesInOrder(again.recordTable()), byName);

    LetterTabs tabs { again.sortOrder().descriptor.sort, again.fields(), FilterScope::AllRecords,
        true, true };
    LetterCounts counts;
    tabs.letterCounts(again.sortTarget(), counts);
    EXPECT_EQ(counts.count('A'), 1);
    EXPECT_EQ(counts.count('B'), 1);
    EXPECT_EQ(counts.count('M'), 1);
    EXPECT_EQ(counts.count('C'), 0);
    ASSERT_TRUE(tabs.letterRange(again.sortTarget(), 'M'));
    EXPECT_EQ(namesInOrder(again.recordTable()), QStringList { "Mays" });
    EXPECT_EQ(user.shownMessages().size(), 1);
}

TEST_F(SortedDatabaseTest, AFilterScopeDoesNotFollowIntoTheNextDatabase)
{
    RecordStore again(fixture.state);
    ASSERT_TRUE(again.openDatabase());
    ASSERT_TRUE(again.sortOrder().chooseFilterScope(again.sortTarget(), FilterScope::NormalFilter));
    ASSERT_TRUE(again.recordTable().indexName().startsWith(QStringLiteral("IDXF")));

    fixture.state.currentTableFile = QStringLiteral("data_2.dbf");
    DatabaseFixture::expectNewDatabase(user);
    ASSERT_TRUE(again.openDatabase());
    EXPECT_EQ(again.sortOrder().filterScope, FilterScope::AllRecords);
    EXPECT_FALSE(again.sortOrder().descriptor.filtered);
    for (const IndexDefinition &tag : again.sortTarget().indexDefinitions())
        EXPECT_FALSE(tag.name.startsWith(QStringLiteral("IDXF"))) << tag.name.toStdString();
}

TEST_F(SortedDatabaseTest, AMissingIndexIsReplacedByTheProgramsTemplateIndex)
{
    {
        RecordStore sorted(fixture.state);
        ASSERT_TRUE(sorted.openDatabase());
        sorted.closeAll();
    }
    const QString index = findFileCaseInsensitive(fixture.state.databaseFolder, "data.mdx");
    ASSERT_FALSE(index.isEmpty());
    // The program's shipped "DATA.MDX" holds the name tag this sort uses.
    ASSERT_FALSE(findFileCaseInsensitive(fixture.programFolder, "DATA.MDX").isEmpty());
    ASSERT_TRUE(QFile::remove(index));

    RecordStore again(fixture.state);
    ASSERT_TRUE(again.openDatabase());
    EXPECT_TRUE(QFile::exists(fixture.databaseFile(QStringLiteral("data.MDX"))));
    EXPECT_EQ(again.recordTable().indexName(), QStringLiteral("IDX1"));
    EXPECT_EQ(namesInOrder(again.recordTable()), byName);
    EXPECT_EQ(user.shownMessages().size(), 1);
}

// A missing template makes a step fail with its own message.
struct FailureCase
{
    const char *missingTemplate;
    QList<std::pair<MessageKind, QString>> messages;
    bool opened;
};

class OpenDatabaseFailureTest : public OpenDatabaseTest,
                                public ::testing::WithParamInterface<FailureCase>
{ };

TEST_P(OpenDatabaseFailureTest, ShowsItsMessages)
{
    ASSERT_TRUE(QFile::remove(fixture.programFolder + '/' + GetParam().missingTemplate));
    for (const auto &[kind, text] : GetParam().messages)
        user.expectMessage(kind, text, MessageButtons::Ok, kNoHelp);
    EXPECT_EQ(store.openDatabase(), GetParam().opened);
    EXPECT_TRUE(user.allConsumed());
}

INSTANTIATE_TEST_SUITE_P(Templates, OpenDatabaseFailureTest,
    ::testing::Values(FailureCase { "master.dbf",
                          { { MessageKind::Error, RecordStore::catalogFailureText() } }, false },
        // The copy/paste table is made from the record template too.
        FailureCase { "data.dbf",
            { { MessageKind::Error, RecordStore::copyTableFailureText() },
                { MessageKind::Warning, RecordStore::newDatabaseText() },
                { MessageKind::Error, RecordStore::newDatabaseFailureText() } },
            false }));

TEST_F(OpenDatabaseTest, UnreadableTableIsKeptAsideBeforeAFreshOneReplacesIt)
{
    const QByteArray garbage("this is not a table");
    {
        QFile file(fixture.databaseFile(QStringLiteral("data.dbf")));
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(garbage);
    }
    // The shared open keeps failing: the user gives up.
    user.expectMessage(MessageKind::Warning,
        TableOpening::cannotOpenText(QStringLiteral("data.dbf")), MessageButtons::YesNo, kNoHelp,
        Answer::No);
    DatabaseFixture::expectNewDatabase(user);

    ASSERT_TRUE(store.openDatabase());
    EXPECT_EQ(fileBytes(fixture.databaseFile(QStringLiteral("TEMP$$$.DBF"))),
        garbage);
    EXPECT_EQ(store.recordTable().recordCount(), 0);
}

TEST_F(OpenDatabaseTest, ATableHeldByAnotherUserIsNeverReplaced)
{
    DatabaseFixture::expectNewDatabase(user);
    ASSERT_TRUE(store.openDatabase());
    store.closeAll();
    const QString path = fixture.databaseFile(QStringLiteral("data.dbf"));
    const QByteArray before = fileBytes(path);
    dbase::Table holder;
    holder.open(toEnginePath(path), true);

    user.expectMessage(MessageKind::Warning,
        TableOpening::cannotOpenText(QStringLiteral("data.dbf")), MessageButtons::YesNo, kNoHelp,
        Answer::No);
    user.expectMessage(
        MessageKind::Error, RecordStore::newDatabaseFailureText(), MessageButtons::Ok, kNoHelp);
    RecordStore second { fixture.state };
    EXPECT_FALSE(second.openDatabase());
    holder.close();
    EXPECT_EQ(fileBytes(path), before);
    EXPECT_FALSE(QFile::exists(fixture.databaseFile(QStringLiteral("TEMP$$$.DBF"))));
}

} // namespace
} // namespace zendrova::test
