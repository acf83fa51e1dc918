#include "store/MaintenanceFixture.h"
#include "support/FullDisk.h"
#include "support/ScriptedInteraction.h"

#include "common/FileLookup.h"
#include "dbase/Table.h"
#include "store/ListCopy.h"
#include "store/LookupList.h"
#include "store/MaintenanceCommands.h"
#include "store/TableMaintenance.h"
#include "store/TableSafekeeping.h"
#include "store/TableSwap.h"

#include <QDir>
#include <QFile>
#include <QtEndian>
#include <gtest/gtest.h>

namespace zendrova::test {
namespace {

QStringList tagsOf(const QString &path)
{
    dbase::Table table;
    table.open(QFile::encodeName(path).toStdString(), false);
    QStringList tags;
    for (const dbase::TagInfo &tag : table.indexDefinitions())
        tags << QString::fromStdString(tag.name);
    return tags;
}

// Makes the notes of the record with this number unreadable: its memo block
// claims a length far beyond the memo file.
void damageNotes(const QString &tablePath, int recordNumber)
{
    const std::string path = QFile::encodeName(tablePath).toStdString();
    dbase::Table table;
    table.open(path, false);
    uint32_t block = 0;
    for (table.first(); !table.eof(); table.next()) {
        if (table.asInteger(kRecordNumber) == recordNumber)
            block = uint32_t(std::stoul(std::string(table.rawValue(kNotes))));
    }
    const std::string memoPath = table.memoPath();
    table.close();
    ASSERT_NE(block, 0u);
    QFile memo(QString::fromStdString(memoPath));
    ASSERT_TRUE(memo.open(QIODevice::ReadWrite));
    const QByteArray header = memo.read(22);
    const quint16 blockSize = qFromLittleEndian<quint16>(header.constData() + 20);
    ASSERT_TRUE(memo.seek(qint64(block) * blockSize + 4));
    memo.write(QByteArray::fromHex("ffffff7f"));
}

class MaintenanceTest : public ::testing::Test
{
protected:
    MaintenanceTest()
    {
        commands.hooks.confirmTyped = [this](const QString &firstLine, const QString &warning) {
            confirmations << firstLine + QLatin1Char('|') + warning;
            return true;
        };
        commands.hooks.securityCheck = [] { return true; };
        commands.hooks.backupDone = [this] { ++backupsRecorded; };
    }

    QString file(const QString &name) const { return db.databaseFile(name); }
    QString backupFile(const QString &name) const
    {
        return db.databaseFile(QStringLiteral("BACKUP/") + name);
    }

    void expectInformation(const QString &text)
    {
        user.expectMessage(MessageKind::Information, text, MessageButtons::Ok, kNoHelp);
    }

    void backUp()
    {
        user.expectMessage(MessageKind::Information, MaintenanceCommands::backedUpText(),
            MessageButtons::OkHelp, MaintenanceCommands::kBackupHelpContext);
        commands.backup();
    }

    void restore(bool lists = false)
    {
        user.expectMessage(MessageKind::Confirmation, MaintenanceCommands::restoreListsQuestion(),
            MessageButtons::YesNo, kNoHelp, lists ? Answer::Yes : Answer::No);
        expectInformation(MaintenanceCommands::restoredText());
        commands.restore();
    }

    ScriptedInteraction user;
    MaintenanceFixture db;
    MaintenanceCommands commands { db.state, db.store };
    QStringList confirmations;
    int backupsRecorded = 0;
};

TEST_F(MaintenanceTest, RepairNumbersTheRecordsAfreshAndKeepsTheOriginal)
{
    db.addCard(3, QStringLiteral("Alpha"));
    db.addCard(7, QStringLiteral("Bravo"), "first\r\nsecond");
    db.addCard(9, QStringLiteral("Deleted"));
    db.addCard(12, QStringLiteral("Charlie"));
    StoreTable &table = db.store.recordTable();
    table.selectNaturalOrder();
    table.gotoRecord(2);
    RecordEditor(table).remove();

    expectInformation(MaintenanceCommands::repairedText());
    commands.repair();

    EXPECT_TRUE(user.allConsumed());
    EXPECT_EQ(confirmations,
        QStringList { MaintenanceCommands::repairPrompt() + "|"
            + MaintenanceCommands::warningText() });
    EXPECT_EQ(MaintenanceFixture::readByForeignReader(file("data.dbf")),
        (QStringList { "1 Alpha ''", "2 Bravo 'first\\r\\nsecond'", "3 Charlie ''" }));
    EXPECT_EQ(MaintenanceFixture::readByForeignReader(file("TEMP$$$.DBF")),
        (QStringList { "3 Alpha ''", "7 Bravo 'first\\r\\nsecond'", "12 Charlie ''" }));
    EXPECT_EQ(db.recordCounter(), 4.0);
    EXPECT_EQ(tagsOf(file("data.dbf")), (QStringList { "IDX0", "IDX1" }));
    EXPECT_EQ(MaintenanceFixture::checkTable(file("data.dbf")), QString());
    EXPECT_EQ(MaintenanceFixture::checkTable(file("TEMP$$$.DBF")), QString());
    EXPECT_FALSE(TableSwap::exists(file(TableSafekeeping::kBuildFile)));
    EXPECT_FALSE(TableSwap::exists(file(TableSafekeeping::kReadyFile)));
    // The store's table object shows the repaired table.
    EXPECT_EQ(MaintenanceFixture::cards(table), (QStringList { "1 Alpha", "2 Bravo", "3 Charlie" }));
    EXPECT_TRUE(commands.results().tableChanged);
    EXPECT_TRUE(commands.results().indexesChanged);
}

TEST_F(MaintenanceTest, ARecordWithUnreadableMemosIsStoredWithoutThemAndCountedOnce)
{
    db.addCard(1, QStringLiteral("Alpha"), "fine");
    db.addCard(2, QStringLiteral("Bravo"), "lost notes", QByteArray(900, 'p'));
    db.addCard(3, QStringLiteral("Charlie"));
    db.store.recordTable().close();
    damageNotes(file("data.dbf"), 2);
    // The picture goes too: its block follows the notes' and the damaged
    // length swallows it; either way the record counts once.

    user.expectMessage(MessageKind::Warning, QStringLiteral("1 records could not be Recovered!"),
        MessageButtons::Ok, kNoHelp);
    commands.repair();

    EXPECT_TRUE(user.allConsumed());
    EXPECT_EQ(MaintenanceFixture::readByForeignReader(file("data.dbf")),
        (QStringList { "1 Alpha 'fine'", "2 Bravo ''", "3 Charlie ''" }));
    EXPECT_EQ(db.recordCounter(), 4.0);
}

TEST_F(MaintenanceTest, BackupOfAnEmptyTableGivesAnEmptyBackupAndTheLists)
{
    for (const QString &list : { QStringLiteral("list1.dbf"), QStringLiteral("list1.mdx") })
        ASSERT_TRUE(QFile::copy(db.programFolder + "/" + (list.endsWith("dbf") ? "list.dbf" : "list.mdx"),
            file(list)));

    backUp();

    EXPECT_TRUE(user.allConsumed());
    EXPECT_EQ(backupsRecorded, 1);
    EXPECT_EQ(MaintenanceFixture::readByForeignReader(backupFile("data.dbf")), QStringList());
    EXPECT_EQ(tagsOf(backupFile("data.dbf")), QStringList());
    EXPECT_TRUE(QFile::exists(backupFile("list1.dbf")));
    EXPECT_TRUE(QFile::exists(backupFile("list1.mdx")));
    EXPECT_FALSE(commands.results().tableChanged);
}

TEST_F(MaintenanceTest, BackupNumbersTheCopiesAndLeavesTheTableAlone)
{
    db.addCard(5, QStringLiteral("Alpha"), "note");
    db.addCard(2, QStringLiteral("Bravo"));
    backUp();
    EXPECT_EQ(MaintenanceFixture::readByForeignReader(backupFile("data.dbf")),
        (QStringList { "1 Alpha 'note'", "2 Bravo ''" }));
    EXPECT_EQ(MaintenanceFixture::cards(db.store.recordTable()),
        (QStringList { "5 Alpha", "2 Bravo" }));
    EXPECT_EQ(MaintenanceFixture::checkTable(backupFile("data.dbf")), QString());
}

TEST_F(MaintenanceTest, RestoreWithoutABackupSaysSoAndLeavesTheTable)
{
    db.addCard(4, QStringLiteral("Alpha"));
    user.expectMessage(MessageKind::Confirmation, MaintenanceCommands::restoreListsQuestion(),
        MessageButtons::YesNo, kNoHelp, Answer::Yes);
    user.expectMessage(MessageKind::Warning, MaintenanceCommands::backupNotFoundText(),
        MessageButtons::Ok, kNoHelp);

    commands.restore();

    EXPECT_TRUE(user.allConsumed());
    EXPECT_EQ(MaintenanceFixture::cards(db.store.recordTable()), QStringList { "4 Alpha" });
    EXPECT_FALSE(TableSwap::exists(file(TableSafekeeping::kKeptFile)));
    EXPECT_FALSE(commands.results().listsEdited);
}

TEST_F(MaintenanceTest, EachRestoreKeepsTheTableItReplacedAsTemp)
{
    db.addCard(1, QStringLiteral("Alpha"));
    db.addCard(2, QStringLiteral("Bravo"));
    backUp();
    db.addCard(3, QStringLiteral("Charlie"));

    restore();
    EXPECT_EQ(MaintenanceFixture::cards(db.store.recordTable()),
        (QStringList { "1 Alpha", "2 Bravo" }));
    EXPECT_EQ(MaintenanceFixture::readByForeignReader(file("TEMP$$$.DBF")),
        (QStringList { "1 Alpha ''", "2 Bravo ''", "3 Charlie ''" }));
    EXPECT_EQ(db.recordCounter(), 3.0);

    db.addCard(3, QStringLiteral("Delta"));
    restore();
    EXPECT_EQ(MaintenanceFixture::readByForeignReader(file("TEMP$$$.DBF")),
        (QStringList { "1 Alpha ''", "2 Bravo ''", "3 Delta ''" }));
    EXPECT_EQ(MaintenanceFixture::readByForeignReader(file("data.dbf")),
        (QStringList { "1 Alpha ''", "2 Bravo ''" }));
    EXPECT_EQ(MaintenanceFixture::checkTable(file("data.dbf")), QString());
    EXPECT_TRUE(user.allConsumed());
}

TEST_F(MaintenanceTest, DeleteIndexesKeepsTheTemplateTags)
{
    StoreTable &table = db.store.recordTable();
    table.close();
    {
        dbase::Table engine;
        engine.open(QFile::encodeName(file("data.dbf")).toStdString(), true);
        engine.addIndex("IDX2", "UPPER(CARDNAME)", false);
        engine.addIndex("IDXF3", "FILTER+UPPER(CARDNAME)", false);
    }
    ASSERT_EQ(tagsOf(file("data.dbf")), (QStringList { "IDX0", "IDX1", "IDX2", "IDXF3" }));
    user.expectMessage(MessageKind::Warning, MaintenanceCommands::deleteIndexesQuestion(),
        MessageButtons::YesNo, kNoHelp, Answer::Yes);

    commands.deleteIndexes();

    EXPECT_EQ(tagsOf(file("data.dbf")), (QStringList { "IDX0", "IDX1" }));
    EXPECT_TRUE(commands.results().indexesChanged);
    EXPECT_TRUE(user.allConsumed());
}

// A backup that cannot be finished (the disk fills up half way) leaves the
// previous backup as it was, and no half-made table under its name.
TEST_F(MaintenanceTest, ABackupCutShortKeepsThePreviousBackup)
{
    db.addCard(1, QStringLiteral("Alpha"));
    db.addCard(2, QStringLiteral("Bravo"));
    backUp();
    for (int i = 3; i <= 400; ++i)
        db.addCard(i, QStringLiteral("Card %1").arg(i));

    TableSafekeeping safekeeping(db.store.recordTable(), db.store.catalog(), db.programFolder);
    {
        const FullDisk disk(64 * 1024);
        ASSERT_TRUE(disk.active());
        EXPECT_THROW(safekeeping.backupTable(), StoreError);
    }

    EXPECT_EQ(MaintenanceFixture::readByForeignReader(backupFile("data.dbf")),
        (QStringList { "1 Alpha ''", "2 Bravo ''" }));
    EXPECT_FALSE(TableSwap::exists(backupFile(TableSafekeeping::kBuildFile)));
    EXPECT_EQ(MaintenanceFixture::cards(db.store.recordTable()).size(), 400);
}

class ListCopyTest : public ::testing::Test
{
protected:
    ListCopyTest()
    {
        QDir().mkpath(source);
        QDir().mkpath(target);
    }

    void makeList(const QString &folder, int k, const QString &item)
    {
        const QString path = joinPath(folder, ListCopy::listFile(k));
        ASSERT_TRUE(LookupList::createFromTemplate(db.programFolder, path));
        LookupList(folder, ListCopy::listFile(k)).addItem(item);
    }

    QStringList itemsOf(const QString &folder, int k)
    {
        return LookupList(folder, ListCopy::listFile(k)).readItems();
    }

    static bool has(const QString &folder, const QString &name)
    {
        return !findFileCaseInsensitive(folder, name).isEmpty();
    }

    ScriptedInteraction user;
    DatabaseFixture db;
    QString source = db.databaseFile(QStringLiteral("from"));
    QString target = db.databaseFile(QStringLiteral("to"));
};

TEST_F(ListCopyTest, CopiesListsUpToTheFirstIncompletePairAndDropsTheTargetsOthers)
{
    for (int k = 1; k <= 5; ++k) {
        makeList(source, k, QStringLiteral("new %1").arg(k));
        makeList(target, k, QStringLiteral("old %1").arg(k));
    }
    ASSERT_TRUE(QFile::remove(joinPath(source, QStringLiteral("list4.mdx"))));
    ASSERT_TRUE(QFile::remove(joinPath(target, QStringLiteral("list5.mdx"))));
    makeList(target, 7, QStringLiteral("beyond the gap"));

    ListCopy::run(source, target);

    for (int k = 1; k <= 3; ++k)
        EXPECT_EQ(itemsOf(target, k), QStringList { QStringLiteral("new %1").arg(k) });
    // List 4 of the source lacks its index: neither it nor list 5 is copied, and
    // the target's lists from 4 to its own first incomplete one (5) are gone.
    for (const QString name : { "list4.dbf", "list4.mdx", "list5.dbf", "list5.mdx" })
        EXPECT_FALSE(has(target, name)) << name.toStdString();
    EXPECT_TRUE(has(target, QStringLiteral("list7.dbf")));
    EXPECT_FALSE(has(target, ListCopy::readyFile(1)));
    EXPECT_EQ(itemsOf(source, 4), QStringList { QStringLiteral("new 4") });
}

// A list copy stopped after its copies were made, while replacing the lists,
// is completed by the next one: no list goes missing.
TEST_F(ListCopyTest, AListLeftReadyButNotInPlaceTakesItsPlace)
{
    makeList(target, 1, QStringLiteral("old"));
    makeList(source, 1, QStringLiteral("new"));
    TableSwap::copy(joinPath(source, ListCopy::listFile(1)), joinPath(target, ListCopy::readyFile(1)));
    TableSwap::discard(joinPath(target, ListCopy::listFile(1)));

    ListCopy::finishInterrupted(target);

    EXPECT_EQ(itemsOf(target, 1), QStringList { QStringLiteral("new") });
    EXPECT_FALSE(has(target, ListCopy::readyFile(1)));
}

} // namespace
} // namespace zendrova::test
