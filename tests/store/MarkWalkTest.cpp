// Marking every card (the filter's apply and the non-stop search) while
// another user has one of them on a card.
#include "support/DatabaseFixture.h"
#include "support/ScriptedInteraction.h"

#include "dbase/Table.h"
#include "store/FindSearch.h"
#include "store/MarkWalk.h"
#include "store/RecordEditor.h"
#include "store/RecordStore.h"

#include <gtest/gtest.h>

namespace zendrova::test {
namespace {

constexpr int kName = 2;

class MarkWalkTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        DatabaseFixture::expectNewDatabase(user);
        ASSERT_TRUE(store.openDatabase());
        RecordEditor record(table());
        for (const char *name : { "Aaron", "Bird", "Cobb", "Dean" }) {
            record.append();
            record.setText(kName, QString::fromLatin1(name));
            record.setText(FieldModel::kFilterMarkPosition, MarkWalk::kFailMark);
            record.post();
        }
        // Another user has the third card on a card.
        other.open(fixture.databaseFile(QStringLiteral("data.dbf")).toStdString(), false);
        other.gotoPosition(2);
        other.edit();
    }

    StoreTable &table() { return store.recordTable(); }
    QStringList marks() { return DatabaseFixture::columnInOrder(table(), FieldModel::kFilterMarkPosition); }

    ScriptedInteraction user;
    DatabaseFixture fixture;
    RecordStore store { fixture.state };
    dbase::Table other;
};

TEST_F(MarkWalkTest, AHeldCardEndsTheWalkWithItsChangeCancelledAndTheMarksBeforeKept)
{
    const auto everyCardPasses = [](const StoreTable &) { return true; };
    EXPECT_THROW(MarkWalk::run(table(), everyCardPasses, {}), StoreError);
    EXPECT_FALSE(RecordEditor(table()).editing());
    EXPECT_EQ(marks(), QStringList({ "2", "2", "0", "0" }));

    // Once the other user lets go, the next walk marks them all.
    other.cancel();
    EXPECT_EQ(MarkWalk::run(table(), everyCardPasses, {}), 4);
    EXPECT_EQ(marks(), QStringList({ "2", "2", "2", "2" }));
}

TEST_F(MarkWalkTest, ANonStopSearchStoppedByAHeldCardGivesTheWindowBackBeforeItSaysWhy)
{
    FindSearch search(store);
    QStringList steps;
    search.hooks.beforeNonStop = [&] { return steps << "before", true; };
    search.hooks.suspendFilter = [&] { steps << "suspend"; };
    search.hooks.resumeFilter = [&] {
        // No change of the search is left open for the window's own work.
        steps << (RecordEditor(table()).editing() ? "resume while editing" : "resume");
    };
    search.hooks.afterNonStop = [&] { steps << "after"; };
    user.expectMessage(MessageKind::Error,
        FindSearch::searchStoppedText() + QStringLiteral("\r")
            + QStringLiteral("Record 3 of %1 is locked by another user")
                  .arg(fixture.databaseFile(QStringLiteral("data.dbf"))),
        MessageButtons::Ok, kNoHelp);
    FindSettings settings;
    EXPECT_TRUE(search.find(QStringLiteral("O"), true, true, std::nullopt, settings));
    EXPECT_EQ(steps, QStringList({ "before", "suspend", "resume", "after" }));
    EXPECT_TRUE(user.allConsumed());
}

TEST_F(MarkWalkTest, AnErrorOfTheWindowAfterANonStopSearchReachesTheCaller)
{
    other.cancel();
    FindSearch search(store);
    // Reopening the card failed: the error goes on instead of ending the program.
    search.hooks.afterNonStop = [] { throw StoreError(StoreErrorKind::Locked, "card in use"); };
    FindSettings settings;
    EXPECT_THROW(search.find(QStringLiteral("O"), true, true, std::nullopt, settings), StoreError);
}

} // namespace
} // namespace zendrova::test
