// Copy and paste of records and record templates on a real store: the card
// is held without widgets, the tables are read back from disk.
#include "CycleInstance.h"
#include "support/DatabaseFixture.h"
#include "support/IndependentReader.h"
#include "support/ScriptedInteraction.h"

#include "common/Clock.h"
#include "common/TextLinesFile.h"
#include "mainwin/CardCodec.h"
#include "mainwin/CopyBuffer.h"
#include "mainwin/RecordTemplates.h"
#include "store/SortFile.h"

#include <QFile>
#include <gtest/gtest.h>
#include <memory>

namespace zendrova::test {
namespace {

constexpr int kCardName = 0; // control index of field position 2
constexpr int kSport = 1;
constexpr int kCustom2 = 15; // 50 characters wide
constexpr int kDate = 17; // the custom date field, position 19
constexpr int kDatePosition = 19;
constexpr int kNotes = 19; // the memo, position 21
const QDate kToday(2026, 3, 14);

// One program run on the fixture's database: its store, card, copy buffer and templates.
struct ProgramRun : Instance
{
    explicit ProgramRun(AppState &state)
        : Instance(state)
        , buffer(state, store, cycle)
        , templates(state, store, cycle)
    {
        templates.load();
    }
    CopyBuffer buffer;
    RecordTemplates templates;
};

class RecordTemplatesTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        Clock::setToday(kToday);
        fixture.state.captions.fillDefaultsIfEmpty();
        DatabaseFixture::expectNewDatabase(user);
        start();
        for (const char *name : { "Alpha", "Bravo", "Charlie" }) {
            run->cycle.newRecord();
            run->values.setText(kCardName, QString::fromLatin1(name));
            ASSERT_TRUE(run->cycle.leaveRecord());
        }
        // The list in name order, as a user would sort it.
        SortBytes byName;
        byName.primary = 2;
        ASSERT_TRUE(SortFile::write(fixture.state.databaseFolder, fixture.state.currentTableFile, byName));
        restart();
        run->cycle.showRecord(0);
    }

    void TearDown() override { Clock::setToday(std::nullopt); }

    void start()
    {
        run = std::make_unique<ProgramRun>(fixture.state);
        ASSERT_TRUE(run->open());
    }

    // Ends the run as the program does and starts a new one.
    void restart()
    {
        ASSERT_TRUE(run->cycle.release());
        run->store.closeAll();
        run.reset();
        start();
    }

    // A card holding only these values, saved as a template.
    void saveTemplate(const QString &name, const QString &sport, std::optional<QDate> date = {},
        const QList<int> &today = {})
    {
        run->cycle.newRecord();
        run->values.setText(kCardName, name + QStringLiteral(" card"));
        run->values.setText(kSport, sport);
        run->values.setValue(kDate, CardValue::ofDate(date));
        const std::optional<int> index = run->templates.chooseName(name);
        ASSERT_TRUE(index);
        ASSERT_TRUE(run->templates.saveCard(*index, today));
        run->cycle.clearCard();
    }

    QStringList onDisk(const QString &file, const QStringList &fields)
    {
        return dbfreadRows(fixture.databaseFile(file), fields);
    }
    QStringList recordsOnDisk()
    {
        return onDisk(QStringLiteral("data.dbf"), { "CARDNAME", "SPORT", "CUSTOM4" });
    }
    QStringList copyRowsOnDisk()
    {
        return onDisk(QStringLiteral("copy.dbf"), { "CARDNAME", "SPORT", "CUSTOM4" });
    }
    QStringList names() { return DatabaseFixture::columnInOrder(run->store.recordTable(), 2); }

    ScriptedInteraction user;
    DatabaseFixture fixture;
    std::unique_ptr<ProgramRun> run;
};

TEST_F(RecordTemplatesTest, PasteStaysDisabledAfterARestartThoughTheTableKeepsTheBuffer)
{
    EXPECT_FALSE(run->buffer.pasteAllowed());
    EXPECT_TRUE(run->buffer.copyAllowed());
    run->cycle.showRecord(1);
    run->buffer.copyCard();
    EXPECT_TRUE(run->buffer.pasteAllowed());
    EXPECT_TRUE(run->cycle.commandStates(run->buffer.pasteAllowed()).paste);
    restart();
    EXPECT_EQ(copyRowsOnDisk(), QStringList({ "Bravo||None" }));
    EXPECT_FALSE(run->buffer.pasteAllowed());
    EXPECT_FALSE(run->cycle.commandStates(run->buffer.pasteAllowed()).paste);
    EXPECT_FALSE(run->buffer.pasteIntoRow(3));
    EXPECT_EQ(names(), QStringList({ "Alpha", "Bravo", "Charlie" }));
}

TEST_F(RecordTemplatesTest, CopyingNothingIsRefused)
{
    run->cycle.newRecord();
    user.expectMessage(MessageKind::Warning, QStringLiteral("Empty Record - Not Copied!"),
        MessageButtons::Ok, kNoHelp);
    run->buffer.copyCard();
    user.expectMessage(MessageKind::Warning, QStringLiteral("Empty Record - Not Copied!"),
        MessageButtons::Ok, kNoHelp);
    run->buffer.copyRow(3); // the empty row past the end
    EXPECT_TRUE(user.allConsumed());
    EXPECT_FALSE(run->buffer.pasteAllowed());
}

TEST_F(RecordTemplatesTest, PastingIntoTheEmptyRowAddsARecordWithTheBuffersValues)
{
    run->cycle.showRecord(2);
    run->values.setText(kSport, QStringLiteral("Hockey"));
    run->values.setText(kNotes, QStringLiteral("first line\r\nsecond"));
    run->buffer.copyCard(); // unsaved edits are copied as the card shows them
    ASSERT_TRUE(run->buffer.pasteIntoRow(3));
    EXPECT_EQ(recordsOnDisk(),
        QStringList({ "Alpha||None", "Bravo||None", "Charlie||None",
            "Charlie|Hockey|None" }));
    run->store.recordTable().gotoRecord(3);
    EXPECT_EQ(run->store.recordTable().text(21), QStringLiteral("first line\r\nsecond"));
    // The card still shows Charlie at the same place: the new copy sorts after it.
    EXPECT_EQ(run->cycle.card().position, 3);
}

TEST_F(RecordTemplatesTest, PastingOverARowReplacesItsValuesAndMovesTheCardsPosition)
{
    run->cycle.showRecord(0); // Alpha
    run->buffer.copyRow(2); // Charlie
    run->cycle.showRecord(2); // the card moves to Charlie
    run->values.setText(kSport, QStringLiteral("Golf"));
    run->buffer.copyCard();
    run->cycle.showRecord(1); // Charlie is saved; Bravo on the card
    ASSERT_TRUE(run->buffer.pasteIntoRow(0)); // Alpha becomes a second Charlie
    EXPECT_EQ(recordsOnDisk(),
        QStringList({ "Charlie|Golf|None", "Bravo||None", "Charlie|Golf|None" }));
    EXPECT_EQ(names(), QStringList({ "Bravo", "Charlie", "Charlie" }));
    // Bravo moved up one place in the name order; the card's position follows it.
    EXPECT_EQ(run->cycle.card().position, 1);
}

TEST_F(RecordTemplatesTest, PastingOnTheCardsOwnRowFillsTheCardInstead)
{
    run->cycle.showRecord(0);
    run->buffer.copyRow(1); // Bravo
    run->cycle.showRecord(2);
    EXPECT_FALSE(run->buffer.pasteIntoRow(2));
    EXPECT_EQ(run->values.text(kCardName), QStringLiteral("Bravo"));
    EXPECT_EQ(recordsOnDisk().at(2), QStringLiteral("Charlie||None")); // not stored yet
    run->cycle.showRecord(0);
    EXPECT_EQ(names(), QStringList({ "Alpha", "Bravo", "Bravo" }));
}

TEST_F(RecordTemplatesTest, TheBufferViewListsTheCopiedFields)
{
    run->cycle.showRecord(1);
    run->values.setValue(kDate, CardValue::ofDate(QDate(2024, 2, 29)));
    run->values.setText(kNotes, QStringLiteral("top\r\nbottom"));
    run->values.setText(kCustom2, QString(60, QLatin1Char('x')));
    run->buffer.copyCard();
    const QStringList lines = run->buffer.viewLines();
    ASSERT_EQ(lines.size(), 21);
    EXPECT_EQ(lines.at(0), QStringLiteral("Card Name: Bravo"));
    EXPECT_EQ(lines.at(kCustom2), QStringLiteral("Custom 2: ") + QString(50, QLatin1Char('x')));
    EXPECT_EQ(lines.at(kDate), QStringLiteral("Custom 4: 02/29/2024"));
    EXPECT_EQ(lines.at(kNotes), QStringLiteral("Notes: top"));
    EXPECT_EQ(lines.at(20), QStringLiteral("Picture: <PICTURE> - Empty"));
}

TEST_F(RecordTemplatesTest, SavingUnderAnExistingNameOverwritesItsRecordInPlace)
{
    saveTemplate(QStringLiteral("One"), QStringLiteral("Golf"));
    saveTemplate(QStringLiteral("Two"), QStringLiteral("Polo"));
    saveTemplate(QStringLiteral("Three"), QStringLiteral("Judo"));
    saveTemplate(QStringLiteral("Two"), QStringLiteral("Chess"));
    EXPECT_EQ(readTextLines(fixture.state.userFolder, QStringLiteral("records.tml")),
        QStringList({ "One", "Two", "Three" }));
    EXPECT_EQ(copyRowsOnDisk(),
        QStringList({ "||None", "One card|Golf|None", "Two card|Chess|None",
            "Three card|Judo|None" }));
    run->cycle.showRecord(0);
    run->templates.replaceCard(QStringLiteral("Two"));
    EXPECT_EQ(run->values.text(kSport), QStringLiteral("Chess"));
}

TEST_F(RecordTemplatesTest, DeletingTheMiddleTemplateKeepsTheOthersOnTheirOwnRecords)
{
    saveTemplate(QStringLiteral("One"), QStringLiteral("Golf"));
    saveTemplate(QStringLiteral("Two"), QStringLiteral("Polo"));
    saveTemplate(QStringLiteral("Three"), QStringLiteral("Judo"));
    ASSERT_TRUE(run->templates.remove(1));
    EXPECT_EQ(readTextLines(fixture.state.userFolder, QStringLiteral("records.tml")),
        QStringList({ "One", "Three" }));
    EXPECT_EQ(copyRowsOnDisk(),
        QStringList({ "||None", "One card|Golf|None", "Three card|Judo|None" }));
    // Packed: the deleted row is gone from the file itself.
    QFile copy(fixture.databaseFile(QStringLiteral("copy.dbf")));
    ASSERT_TRUE(copy.open(QIODevice::ReadOnly));
    EXPECT_EQ(uchar(copy.read(8).at(4)), 3);
    restart();
    for (const auto &[name, sport] : { std::pair { "One", "Golf" }, { "Three", "Judo" } }) {
        run->cycle.showRecord(0);
        run->templates.replaceCard(QString::fromLatin1(name));
        EXPECT_EQ(run->values.text(kSport), QString::fromLatin1(sport)) << name;
    }
    user.expectMessage(MessageKind::Error,
        QStringLiteral("Template could not be loaded!\rYou should delete this template"),
        MessageButtons::Ok, kNoHelp);
    run->templates.replaceCard(QStringLiteral("Two"));
    EXPECT_TRUE(user.allConsumed());
}

TEST_F(RecordTemplatesTest, ANewRecordFromATemplateTakesTodayForTheMarkerAndKeepsAnEmptyDateEmpty)
{
    saveTemplate(QStringLiteral("Dated"), QStringLiteral("Golf"), QDate(2020, 5, 1),
        { kDatePosition });
    saveTemplate(QStringLiteral("Undated"), QStringLiteral("Polo"));
    saveTemplate(QStringLiteral("Fixed"), QStringLiteral("Judo"), QDate(2020, 5, 1));
    EXPECT_EQ(run->templates.todayFields(0), QList<int>({ kDatePosition }));
    EXPECT_EQ(run->templates.todayFields(1), QList<int>());
    EXPECT_EQ(copyRowsOnDisk().mid(1),
        QStringList({ "Dated card|Golf|1899-12-31", "Undated card|Polo|None",
            "Fixed card|Judo|2020-05-01" }));
    for (const char *name : { "Dated", "Undated", "Fixed" }) {
        ASSERT_TRUE(run->cycle.newRecord());
        run->templates.fillNewRecord(QString::fromLatin1(name));
        ASSERT_TRUE(run->cycle.leaveRecord());
    }
    run->templates.fillNewRecord(QStringLiteral("Blank")); // nothing, silently
    EXPECT_EQ(recordsOnDisk().mid(3),
        QStringList({ "Dated card|Golf|2026-03-14", "Undated card|Polo|None",
            "Fixed card|Judo|2020-05-01" }));
}

TEST_F(RecordTemplatesTest, ReplacingTheCardWithBlankClearsItAndAnUnknownNameIsReported)
{
    run->cycle.showRecord(0);
    run->templates.replaceCard(QStringLiteral("Blank"));
    EXPECT_TRUE(run->cycle.cardEmpty());
    user.expectMessage(MessageKind::Error,
        QStringLiteral("Template could not be loaded!\rYou should delete this template"),
        MessageButtons::Ok, kNoHelp);
    run->templates.replaceCard(QStringLiteral("Nowhere"));
    EXPECT_TRUE(user.allConsumed());
}

TEST_F(RecordTemplatesTest, ATemplateNeedsANameOtherThanBlank)
{
    for (const QString &name : { QString(), QStringLiteral("Blank") }) {
        user.expectMessage(MessageKind::Warning,
            QStringLiteral("You must enter Template Name (\"Blank\" is not allowed)!"),
            MessageButtons::Ok, kNoHelp);
        EXPECT_FALSE(run->templates.chooseName(name));
    }
    EXPECT_EQ(run->templates.chooseName(QStringLiteral("blank")), 0);
    EXPECT_TRUE(user.allConsumed());
}

TEST_F(RecordTemplatesTest, ATemplateWhoseListCannotBeWrittenIsNotCreated)
{
    // A folder in the list file's place: it cannot be rewritten.
    ASSERT_TRUE(QDir(fixture.state.userFolder).mkdir(QStringLiteral("records.tml")));
    user.expectMessage(MessageKind::Warning, QStringLiteral("Could not create New Template!"),
        MessageButtons::Ok, kNoHelp);
    EXPECT_FALSE(run->templates.chooseName(QStringLiteral("One")));
    EXPECT_EQ(run->templates.list().count(), 0);
    EXPECT_TRUE(user.allConsumed());
}

} // namespace
} // namespace zendrova::test
