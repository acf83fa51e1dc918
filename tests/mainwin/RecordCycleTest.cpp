// The record cycle on a real store: the card's values are held without
// widgets and go through the card codec, the store's record table is the list.
#include "CycleInstance.h"
#include "support/DatabaseFixture.h"
#include "support/ScriptedInteraction.h"

#include "mainwin/CycleLetterTabs.h"
#include "mainwin/DeleteConfirmation.h"
#include "mainwin/HeldCardValues.h"
#include "mainwin/RecordCycle.h"
#include "store/LetterTabs.h"
#include "store/RecordStore.h"
#include "store/RecordTableSort.h"

#include <gtest/gtest.h>
#include <memory>

namespace zendrova::test {
namespace {

constexpr int kCardName = 0; // control index of field position 2
constexpr int kSport = 1;

class RecordCycleTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        DatabaseFixture::expectNewDatabase(user);
        ASSERT_TRUE(main.open());
        for (const char *name : { "Alpha", "Bravo", "Charlie" }) {
            main.cycle.newRecord();
            main.values.setText(kCardName, QString::fromLatin1(name));
            ASSERT_TRUE(main.cycle.leaveRecord());
        }
        main.cycle.showRecord(0);
    }

    QStringList names() { return DatabaseFixture::columnInOrder(main.store.recordTable(), 2); }

    ScriptedInteraction user;
    DatabaseFixture fixture;
    Instance main { fixture.state };
};

TEST_F(RecordCycleTest, RowAfterTheLastStartsANewRecordAndAnEmptyCardAddsNothing)
{
    main.cycle.showRecord(3);
    EXPECT_TRUE(main.cycle.card().newRecord);
    EXPECT_EQ(main.cycle.card().position, 4);
    EXPECT_EQ(main.cycle.statusText(), QStringLiteral("New Record"));
    EXPECT_EQ(main.cycle.positionText(), QString());
    EXPECT_EQ(main.cycle.percentText(), QStringLiteral("100%"));
    main.cycle.showRecord(0);
    EXPECT_EQ(names(), QStringList({ "Alpha", "Bravo", "Charlie" }));
    EXPECT_EQ(main.values.text(kCardName), QStringLiteral("Alpha"));
    EXPECT_EQ(main.cycle.statusText(), QStringLiteral("Read/Write Access"));
    EXPECT_EQ(main.cycle.percentText(), QStringLiteral("33%"));
    EXPECT_TRUE(user.allConsumed());
}

TEST_F(RecordCycleTest, SavedRecordsGetNumbersAndEditsArePosted)
{
    main.cycle.showRecord(1);
    const int number = main.cycle.card().recordNumber;
    EXPECT_GT(number, 0);
    main.values.setText(kSport, QStringLiteral("Hockey"));
    main.cycle.showRecord(2);
    main.cycle.showRecord(1);
    EXPECT_EQ(main.values.text(kSport), QStringLiteral("Hockey"));
    EXPECT_EQ(main.cycle.card().recordNumber, number);
}

TEST_F(RecordCycleTest, ANewCardLeftTwiceIsStoredOnce)
{
    main.cycle.newRecord();
    main.values.setText(kCardName, QStringLiteral("Delta"));
    ASSERT_TRUE(main.cycle.leaveRecord());
    ASSERT_TRUE(main.cycle.release());
    EXPECT_EQ(names(), QStringList({ "Alpha", "Bravo", "Charlie", "Delta" }));
}

TEST_F(RecordCycleTest, ClearingEveryFieldKeepsTheRecordUnchanged)
{
    main.cycle.showRecord(1);
    main.values.setText(kCardName, QString());
    main.cycle.showRecord(0);
    EXPECT_EQ(names(), QStringList({ "Alpha", "Bravo", "Charlie" }));
}

TEST_F(RecordCycleTest, SavingANewRecordShiftsTheRequestedPosition)
{
    main.cycle.newRecord();
    main.values.setText(kCardName, QStringLiteral("Delta"));
    main.cycle.showRecord(1); // the list counted three records when row 1 was clicked
    EXPECT_EQ(main.cycle.card().position, 3);
    EXPECT_EQ(main.cycle.positionText(), QStringLiteral("3"));
    EXPECT_EQ(names().size(), 4);
    EXPECT_EQ(main.values.text(kCardName), names().at(2));
}

TEST_F(RecordCycleTest, NextAndPreviousStopAtTheEnds)
{
    main.cycle.previous();
    EXPECT_EQ(main.cycle.card().position, 1);
    EXPECT_FALSE(main.cycle.commandStates(false).previous);
    EXPECT_TRUE(main.cycle.commandStates(false).next);
    main.cycle.next();
    main.cycle.next();
    EXPECT_EQ(main.cycle.card().position, 3);
    EXPECT_FALSE(main.cycle.commandStates(false).next);
    main.cycle.next();
    EXPECT_EQ(main.cycle.card().position, 3);
    EXPECT_FALSE(main.cycle.card().newRecord);
    main.cycle.previous();
    EXPECT_EQ(main.cycle.card().position, 2);
    EXPECT_EQ(main.values.text(kCardName), QStringLiteral("Bravo"));
}

TEST(DeleteConfirmationTest, OnlyYesAfterUpperCasingConfirms)
{
    EXPECT_TRUE(DeleteConfirmation::confirms(QStringLiteral("yes")));
    EXPECT_TRUE(DeleteConfirmation::confirms(QStringLiteral("YES")));
    EXPECT_FALSE(DeleteConfirmation::confirms(QStringLiteral("YE")));
    EXPECT_FALSE(DeleteConfirmation::confirms(QString()));
    EXPECT_EQ(DeleteConfirmation::edited(QStringLiteral("yesno")), QStringLiteral("YES"));
}

TEST_F(RecordCycleTest, ConfirmedDeleteTakesLowerCaseYesAndRefusesYe)
{
    std::optional<QString> typed = QStringLiteral("YE");
    main.cycle.askDeleteConfirmation = [&typed] { return typed; };
    main.cycle.showRecord(1);
    user.expectMessage(MessageKind::Information, QStringLiteral("Record not Deleted."),
        MessageButtons::Ok, kNoHelp);
    main.cycle.deleteRecord();
    EXPECT_EQ(names().size(), 3);
    typed = QStringLiteral("yes");
    main.cycle.deleteRecord();
    EXPECT_EQ(names(), QStringList({ "Alpha", "Charlie" }));
    EXPECT_EQ(main.cycle.card().position, 2);
    EXPECT_EQ(main.values.text(kCardName), QStringLiteral("Charlie"));
    EXPECT_TRUE(user.allConsumed());
}

TEST_F(RecordCycleTest, APostFailingEveryAttemptAsksAndNoKeepsTheCard)
{
    int attempts = 0;
    main.cycle.beforePost = [&attempts](RecordEditor &) {
        ++attempts;
        throw StoreError(StoreErrorKind::Locked, "held");
    };
    main.values.setText(kCardName, QStringLiteral("Changed"));
    user.expectMessage(MessageKind::Warning, RecordCycle::updateFailedText(), MessageButtons::YesNo,
        kNoHelp, Answer::No);
    main.cycle.next();
    EXPECT_EQ(attempts, 100);
    EXPECT_EQ(main.cycle.card().position, 1);
    EXPECT_EQ(main.values.text(kCardName), QStringLiteral("Changed"));
    user.expectMessage(MessageKind::Warning, RecordCycle::updateFailedText(), MessageButtons::YesNo,
        kNoHelp, Answer::Yes);
    main.cycle.next();
    EXPECT_EQ(main.cycle.card().position, 2);
    main.cycle.beforePost = nullptr;
    EXPECT_EQ(names(), QStringList({ "Alpha", "Bravo", "Charlie" }));
    EXPECT_TRUE(user.allConsumed());
}

TEST_F(RecordCycleTest, ARecordOnOneCardIsReadOnlyOnAnother)
{
    main.cycle.showRecord(1);
    Instance other(fixture.state);
    ASSERT_TRUE(other.open());
    other.cycle.showRecord(1);
    EXPECT_TRUE(other.cycle.card().inUse);
    EXPECT_EQ(other.cycle.statusText(), QStringLiteral("Read Only Access - Record In Use"));
    EXPECT_EQ(other.values.text(kCardName), QStringLiteral("Bravo"));
    const CycleCommandStates states = other.cycle.commandStates(true);
    EXPECT_FALSE(states.remove);
    EXPECT_FALSE(states.paste);
    EXPECT_FALSE(states.controls);
    other.cycle.showRecord(2);
    EXPECT_FALSE(other.cycle.card().inUse);
    EXPECT_EQ(other.cycle.statusText(), QStringLiteral("Read/Write Access"));
    EXPECT_TRUE(user.allConsumed());
}

TEST_F(RecordCycleTest, ReadOnlyModeNeitherLocksNorSaves)
{
    Instance other(fixture.state);
    ASSERT_TRUE(other.open());
    fixture.state.accessLevel = AccessLevel::ReadOnly;
    main.cycle.showRecord(1);
    EXPECT_EQ(main.cycle.statusText(), QStringLiteral("Read Only Access"));
    const CycleCommandStates states = main.cycle.commandStates(true);
    EXPECT_FALSE(states.newRecord);
    EXPECT_FALSE(states.controls);
    EXPECT_FALSE(states.maintenance);
    fixture.state.accessLevel = AccessLevel::ReadAndWrite;
    other.cycle.showRecord(1);
    EXPECT_FALSE(other.cycle.card().inUse);
    fixture.state.accessLevel = AccessLevel::ReadOnly;
    main.values.setText(kCardName, QStringLiteral("Changed"));
    main.cycle.showRecord(0);
    EXPECT_EQ(names(), QStringList({ "Alpha", "Bravo", "Charlie" }));
}

TEST_F(RecordCycleTest, AMemoThatCannotBeReadStopsLoadingTheCard)
{
    constexpr int kNotes = 19;
    main.cycle.showRecord(1);
    main.values.setText(kSport, QStringLiteral("Hockey"));
    main.values.setText(kNotes, QString(600, QLatin1Char('n')));
    ASSERT_TRUE(main.cycle.release());
    main.store.closeAll();
    QFile memo(fixture.databaseFile(QStringLiteral("data.dbt")));
    ASSERT_TRUE(memo.resize(512)); // the header survives, the notes' blocks do not

    ASSERT_TRUE(main.store.openDatabase());
    user.expectMessage(MessageKind::Error,
        QStringLiteral("Corrupt Memo Field!!! You should delete record: Hockey\r"
                       "You may have to use Advanced/Maintenance/Repair Data File function."),
        MessageButtons::OkHelp, 62);
    ASSERT_TRUE(main.cycle.reopen(1));
    EXPECT_EQ(main.values.text(kCardName), QStringLiteral("Bravo"));
    EXPECT_EQ(main.values.text(kNotes), QString());
    EXPECT_TRUE(user.allConsumed());
}

TEST(RecordCycleClosedTest, ShowingWithoutAnOpenTableSaysSo)
{
    ScriptedInteraction user;
    DatabaseFixture fixture;
    Instance closed(fixture.state);
    user.expectMessage(MessageKind::Error,
        QStringLiteral("Database is not Open! Cannot display details."), MessageButtons::Ok,
        kNoHelp);
    closed.cycle.showRecord(0);
    EXPECT_EQ(closed.cycle.card().position, 0);
    EXPECT_TRUE(user.allConsumed());
}

TEST_F(RecordCycleTest, ReleaseClosesTheCardCursorAndReopenShowsAgain)
{
    main.cycle.showRecord(2);
    main.values.setText(kSport, QStringLiteral("Golf"));
    ASSERT_TRUE(main.cycle.release());
    EXPECT_FALSE(main.cycle.cardCursor().isOpen());
    ASSERT_TRUE(main.cycle.reopen(2));
    EXPECT_EQ(main.values.text(kSport), QStringLiteral("Golf"));
    EXPECT_EQ(main.cycle.statusText(), QStringLiteral("Read/Write Access"));
}

// The window's letter tabs over the store's name sort, all records in scope.
class StoreLetters final : public CycleLetterTabs
{
public:
    explicit StoreLetters(RecordStore &store)
        : m_store(store)
        , m_tabs { store.sortOrder().descriptor.sort, store.fields(), FilterScope::AllRecords, true,
            true }
    {
        m_tabs.letterCounts(store.sortTarget(), m_counts);
    }

    bool inUse() const override { return true; }
    bool counted() const override { return true; }
    char letterOf(const StoreTable &record) const override
    {
        return LetterCounts::firstLetter(record.text(2));
    }
    char currentLetter() const override { return m_current; }
    int count(char letter) const override { return m_counts.count(letter); }
    bool holdsRecords(char letter) const override { return m_counts.holdsRecords(letter); }
    bool endsAt(char letter, int position) const override
    {
        return m_counts.endsAt(letter, position);
    }
    void rangeList(char letter) override { m_tabs.letterRange(m_store.sortTarget(), letter); }
    void moveCount(char from, char to) override { m_counts.moveLetterCount(from, to); }
    void selectLetter(char letter) override
    {
        m_current = letter;
        rangeList(letter);
    }

private:
    RecordStore &m_store;
    LetterTabs m_tabs;
    LetterCounts m_counts;
    char m_current = 'A';
};

// Alpha and Apple under A, Bravo under B, Charlie under C.
class LetterStepTest : public RecordCycleTest
{
protected:
    void SetUp() override
    {
        RecordCycleTest::SetUp();
        main.cycle.newRecord();
        main.values.setText(kCardName, QStringLiteral("Apple"));
        ASSERT_TRUE(main.cycle.release());
        RecordStore &store = main.store;
        store.sortOrder().descriptor.rememberApplied();
        store.sortOrder().descriptor.sort = SortBytes { 2, false, 0, false };
        ASSERT_TRUE(store.sortOrder().applyChange(store.sortTarget()));
        letters = std::make_unique<StoreLetters>(store);
        main.cycle.setLetterTabs(letters.get());
        ASSERT_TRUE(main.cycle.open());
    }

    void showFirstOf(char letter)
    {
        letters->selectLetter(letter);
        main.cycle.showRecord(0);
    }
    QString onCard() const { return main.values.text(kCardName); }

    std::unique_ptr<StoreLetters> letters;
};

TEST_F(LetterStepTest, NextCrossesToTheNextLetterWhileTheListStays)
{
    showFirstOf('A');
    EXPECT_FALSE(main.cycle.commandStates(false).previous);
    main.cycle.next();
    EXPECT_EQ(onCard(), QStringLiteral("Apple"));
    main.cycle.next();
    EXPECT_EQ(onCard(), QStringLiteral("Bravo"));
    EXPECT_EQ(main.cycle.card().position, 1);
    EXPECT_EQ(main.cycle.card().cardLetter, 'B');
    EXPECT_EQ(DatabaseFixture::columnInOrder(main.store.recordTable(), 2),
        QStringList({ "Alpha", "Apple" }));
    main.cycle.previous();
    EXPECT_EQ(onCard(), QStringLiteral("Apple"));
}

TEST_F(LetterStepTest, TheEndsOfTheFirstAndLastLettersWrapWithinTheirLetter)
{
    showFirstOf('C');
    EXPECT_FALSE(main.cycle.commandStates(false).next);
    main.cycle.next();
    EXPECT_EQ(onCard(), QStringLiteral("Charlie"));
    showFirstOf('A');
    main.cycle.previous();
    EXPECT_EQ(onCard(), QStringLiteral("Apple"));
    EXPECT_EQ(main.cycle.card().position, 2);
}

TEST_F(LetterStepTest, SynchroniseSwitchesTheListToTheCardsLetter)
{
    showFirstOf('A');
    main.cycle.next();
    main.cycle.next(); // Bravo on the card, the list on A
    const std::optional<int> top = main.cycle.synchronise(10);
    ASSERT_TRUE(top.has_value());
    EXPECT_EQ(*top, 0);
    EXPECT_EQ(letters->currentLetter(), 'B');
    EXPECT_EQ(onCard(), QStringLiteral("Bravo"));
    EXPECT_EQ(main.cycle.card().position, 1);
}

} // namespace
} // namespace zendrova::test
