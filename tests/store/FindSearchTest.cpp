// The search over the store's record table: the field rules, stepping from
// match to match, and the non-stop pass that marks every card.
#include "support/DatabaseFixture.h"
#include "support/ScriptedInteraction.h"

#include "common/Clock.h"
#include "dbase/Table.h"
#include "store/RecordEditor.h"
#include "store/FindPlacement.h"
#include "store/FindSearch.h"
#include "store/RecordStore.h"

#include <QLocale>
#include <gtest/gtest.h>

namespace zendrova::test {
namespace {

constexpr int kName = 2;
constexpr int kSport = 3;
constexpr int kCardNumber = 9; // no decimals
constexpr int kPrice = 11; // two decimals
constexpr int kPurchaseDate = 19; // the date field, field index 17
constexpr int kNotes = 21;

struct Card
{
    const char *name;
    const char *sport;
    double number;
    double price;
    const char *notes;
    const char *date = ""; // YYYYMMDD
};

class FindSearchTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedStates));
        DatabaseFixture::expectNewDatabase(user);
        ASSERT_TRUE(store.openDatabase());
        search.hooks.onMatch = [this](int position, int field, std::optional<MemoMatch> memo) {
            matches.push_back({ position, field });
            lastMemo = memo;
        };
    }

    void TearDown() override { Clock::setToday(std::nullopt); }

    void add(const std::vector<Card> &cards)
    {
        StoreTable &table = store.recordTable();
        for (const Card &card : cards) {
            RecordEditor(table).append();
            RecordEditor(table).setText(kName, QString::fromLatin1(card.name));
            RecordEditor(table).setText(kSport, QString::fromLatin1(card.sport));
            if (card.number != 0)
                RecordEditor(table).setNumber(kCardNumber, card.number);
            if (card.price != 0)
                RecordEditor(table).setNumber(kPrice, card.price);
            RecordEditor(table).setText(kNotes, QString::fromLatin1(card.notes));
            RecordEditor(table).setText(kPurchaseDate, QString::fromLatin1(card.date));
            RecordEditor(table).post();
        }
        table.first();
    }

    void expectInformation(const QString &text)
    {
        user.expectMessage(MessageKind::Information, text, MessageButtons::Ok, kNoHelp);
    }

    QString marks()
    {
        dbase::Table table;
        table.open(fixture.databaseFile(QStringLiteral("data.dbf")).toStdString(), false);
        QString out;
        for (table.first(); !table.eof(); table.next())
            out += QString::fromStdString(table.asString(1));
        return out;
    }

    ScriptedInteraction user;
    DatabaseFixture fixture;
    RecordStore store { fixture.state };
    FindSearch search { store };
    FindSettings settings;
    std::vector<std::pair<int, int>> matches; // list position, field position
    std::optional<MemoMatch> lastMemo;
};

TEST_F(FindSearchTest, TextContainsIgnoringCaseAndNextGoesOnUntilNotFound)
{
    add({ { "Mays", "Baseball", 0, 0, "" }, { "SMITHSON", "Hockey", 0, 0, "" },
        { "Blacksmith", "Golf", 0, 0, "" }, { "Smit", "Golf", 0, 0, "" } });
    ASSERT_TRUE(search.find(QStringLiteral("smith"), true, false, kName, settings));
    ASSERT_TRUE(search.findAgain(true));
    expectInformation(FindSearch::notFoundText());
    EXPECT_FALSE(search.findAgain(true));
    EXPECT_EQ(matches, (std::vector<std::pair<int, int>> { { 1, kName }, { 2, kName } }));
    EXPECT_EQ(settings.history, QStringList { QStringLiteral("smith") });
    EXPECT_TRUE(user.allConsumed());
}

TEST_F(FindSearchTest, NumbersMatchByValueAndBothFieldsOfARecordStopInTurn)
{
    add({ { "Twelve", "Golf", 12, 0, "" }, { "Priced", "Golf", 0, 12.00, "" },
        { "Hundred", "Golf", 120, 0, "" }, { "Both", "Golf", 12, 12, "" } });
    ASSERT_TRUE(search.find(QStringLiteral("12"), true, false, std::nullopt, settings));
    expectInformation(FindSearch::notFoundText());
    while (search.findAgain(true)) { }
    EXPECT_EQ(matches,
        (std::vector<std::pair<int, int>> {
            { 0, kCardNumber }, { 1, kPrice }, { 3, kCardNumber }, { 3, kPrice } }));
    // Backward from the end: the last record's price first.
    matches.clear();
    ASSERT_TRUE(search.find(QStringLiteral("12"), false, false, std::nullopt, settings));
    ASSERT_TRUE(search.findAgain(false));
    EXPECT_EQ(matches,
        (std::vector<std::pair<int, int>> { { 3, kPrice }, { 3, kCardNumber } }));
}

TEST_F(FindSearchTest, MemosAreSearchedUnlessSkipped)
{
    add({ { "Mays", "Baseball", 0, 0, "first line\r\nmint rookie card" } });
    settings.skipMemos = true;
    expectInformation(FindSearch::notFoundText());
    EXPECT_FALSE(search.find(QStringLiteral("rookie"), true, false, std::nullopt, settings));
    settings.skipMemos = false;
    ASSERT_TRUE(search.find(QStringLiteral("ROOKIE"), true, false, std::nullopt, settings));
    ASSERT_TRUE(lastMemo.has_value());
    EXPECT_EQ(lastMemo->offset, 16); // line ends count as one character
    EXPECT_EQ(lastMemo->length, 6);
    EXPECT_TRUE(user.allConsumed());
}

TEST_F(FindSearchTest, AChosenMemoIsSearchedWhateverTheSavedSkipChoice)
{
    // The box is unchecked and disabled while one field is chosen; what it
    // saved for all fields does not reach the chosen memo.
    add({ { "Mays", "Baseball", 0, 0, "first line\r\nmint rookie card" },
        { "Aaron", "Baseball", 0, 0, "" } });
    settings.skipMemos = true;
    ASSERT_TRUE(search.find(QStringLiteral("rookie"), true, false, kNotes, settings));
    EXPECT_EQ(matches, (std::vector<std::pair<int, int>> { { 0, kNotes } }));
    ASSERT_TRUE(lastMemo.has_value());
    EXPECT_EQ(lastMemo->offset, 16);
    expectInformation(FindSearch::recordsFoundText(1));
    ASSERT_TRUE(search.find(QStringLiteral("rookie"), true, true, kNotes, settings));
    EXPECT_EQ(marks(), QStringLiteral("20"));
    EXPECT_TRUE(settings.skipMemos);
    EXPECT_TRUE(user.allConsumed());
}

TEST_F(FindSearchTest, DatesAreReadInTheFieldsDateFormat)
{
    Clock::setToday(QDate(2005, 6, 1));
    add({ { "Early", "Golf", 0, 0, "", "19960304" }, { "Later", "Golf", 0, 0, "", "20050304" },
        { "Undated", "Golf", 0, 0, "" } });
    struct Case
    {
        int code; // the field's entry in the date format list
        const char *text;
        int expected; // list position of the match, -1 for none
    } cases[] = {
        { 0, "03/04/1996", 0 },
        { 0, "3/4/1996", 0 },
        { 0, "03/04/05", 1 }, // two-digit years fall in this century
        { 0, "3/4", 1 }, // month and day of this year
        { 0, "03/04/1996/", 0 },
        { 1, "04/03/1996", 0 },
        { 1, "03/04/1996", -1 }, // 3 April: no card
        { 2, "1996/03/04", 0 },
        { 2, "05/3/4", 1 },
        { 0, "1996-03-04", -1 }, // the separator is "/"
        { 0, "13/04/1996", -1 }, // no such month: never matches, no message of its own
        { 0, "rookie", -1 },
    };
    for (const Case &c : cases) {
        fixture.state.dateFormats.setCodeForField(kPurchaseDate - 2, c.code);
        matches.clear();
        if (c.expected < 0)
            expectInformation(FindSearch::notFoundText());
        search.find(QString::fromLatin1(c.text), true, false, kPurchaseDate, settings);
        const std::vector<std::pair<int, int>> expected = c.expected < 0
            ? std::vector<std::pair<int, int>> {}
            : std::vector<std::pair<int, int>> { { c.expected, kPurchaseDate } };
        EXPECT_EQ(matches, expected) << c.code << " " << c.text;
        EXPECT_TRUE(user.allConsumed()) << c.text;
    }
}

TEST_F(FindSearchTest, ABlankNumberIsZeroAsTheCardShowsIt)
{
    add({ { "Blank", "Golf", 0, 0, "" }, { "Five", "Golf", 5, 5, "" } });
    ASSERT_TRUE(search.find(QStringLiteral("0"), true, false, kCardNumber, settings));
    ASSERT_TRUE(search.find(QStringLiteral("0.00"), true, false, kPrice, settings));
    EXPECT_EQ(matches, (std::vector<std::pair<int, int>> { { 0, kCardNumber }, { 0, kPrice } }));
    // All fields: the blank card number is the first field holding 0.
    matches.clear();
    ASSERT_TRUE(search.find(QStringLiteral("0"), true, false, std::nullopt, settings));
    EXPECT_EQ(matches, (std::vector<std::pair<int, int>> { { 0, kCardNumber } }));
    expectInformation(FindSearch::recordsFoundText(1));
    ASSERT_TRUE(search.find(QStringLiteral("0"), true, true, kPrice, settings));
    EXPECT_EQ(marks(), QStringLiteral("20"));
    EXPECT_TRUE(user.allConsumed());
}

TEST_F(FindSearchTest, AnEmptyTextIsRefused)
{
    expectInformation(FindSearch::emptyTextText());
    EXPECT_FALSE(search.find(QString(), true, false, std::nullopt, settings));
    EXPECT_TRUE(settings.history.isEmpty());
}

TEST_F(FindSearchTest, TheEndHookCanContinueTheScanInANewRange)
{
    add({ { "Alpha", "Golf", 0, 0, "" }, { "Beta", "Golf", 0, 0, "" } });
    int ends = 0;
    search.hooks.atEnd = [&ends](bool) { return ++ends > 1; };
    ASSERT_TRUE(search.find(QStringLiteral("alpha"), true, false, kName, settings));
    // Past the last card the hook answers "not the end" once: the scan starts
    // again from the first card and finds Alpha there.
    EXPECT_TRUE(search.findAgain(true));
    EXPECT_EQ(ends, 1);
    EXPECT_EQ(matches, (std::vector<std::pair<int, int>> { { 0, kName }, { 0, kName } }));
    expectInformation(FindSearch::notFoundText());
    EXPECT_FALSE(search.findAgain(true));
    EXPECT_EQ(ends, 2);
    EXPECT_TRUE(user.allConsumed());
}

TEST_F(FindSearchTest, NonStopMarksEveryCardAndCountsTheMatches)
{
    add({ { "Mays", "Baseball", 0, 0, "" }, { "Smithson", "Hockey", 0, 0, "" },
        { "Blacksmith", "Golf", 0, 0, "smith notes" } });
    std::vector<QString> calls;
    search.hooks.suspendFilter = [&] { calls.push_back(QStringLiteral("suspend")); };
    search.hooks.resumeFilter = [&] { calls.push_back(QStringLiteral("resume")); };
    search.hooks.afterNonStop = [&] { calls.push_back(QStringLiteral("after")); };
    expectInformation(FindSearch::recordsFoundText(2));
    ASSERT_TRUE(search.find(QStringLiteral("smith"), true, true, std::nullopt, settings));
    EXPECT_EQ(marks(), QStringLiteral("022"));
    EXPECT_EQ(calls, (std::vector<QString> { "suspend", "resume", "after" }));
    EXPECT_EQ(FindSearch::recordsFoundText(2),
        QStringLiteral("2 Record(s) Found!\rTo return later to All-Record-Display set Filter to All Records."));

    // A veto still runs the after hook and marks nothing.
    calls.clear();
    search.hooks.beforeNonStop = [] { return false; };
    ASSERT_TRUE(search.find(QStringLiteral("mays"), true, true, std::nullopt, settings));
    EXPECT_EQ(marks(), QStringLiteral("022"));
    EXPECT_EQ(calls, (std::vector<QString> { "after" }));
    EXPECT_TRUE(user.allConsumed());
}

TEST_F(FindSearchTest, NonStopOverAnEmptyTableFindsNothing)
{
    expectInformation(FindSearch::noRecordsFoundText());
    ASSERT_TRUE(search.find(QStringLiteral("smith"), true, true, std::nullopt, settings));
    EXPECT_TRUE(user.allConsumed());
}

TEST(FindPlacement, BesideTheMainWindowOnTheSideWithRoom)
{
    const QRect screen(0, 0, 1280, 900);
    const QSize window(300, 300);
    struct Case
    {
        QRect main;
        QPoint expected;
    } cases[] = {
        { QRect(100, 50, 500, 400), QPoint(600, 50) }, // left half: to its right
        { QRect(480, 1, 800, 600), QPoint(180, 1) }, // right half: to its left
        { QRect(1100, 800, 150, 90), QPoint(800, 600) }, // moved up to fit the screen
        { QRect(100, -20, 1000, 400), QPoint(0, 0) }, // no room on the right: left, not off screen
    };
    for (const Case &c : cases)
        EXPECT_EQ(FindPlacement::place(c.main, window, screen), c.expected) << c.main.x();
}

} // namespace
} // namespace zendrova::test
