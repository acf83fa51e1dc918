#include "support/DatabaseFixture.h"
#include "support/ScriptedInteraction.h"

#include "common/CaptionList.h"
#include "output/SummaryCount.h"
#include "output/SummaryDialogModel.h"
#include "store/RecordEditor.h"
#include "store/RecordStore.h"
#include "store/StoreError.h"

#include <gtest/gtest.h>

namespace zendrova::test {
namespace {

constexpr int kMark = FieldModel::kFilterMarkPosition;
constexpr int kTeam = 6;
constexpr int kCardNumber = 9;
constexpr int kPurchase = 11;
constexpr int kValue = 12;
constexpr int kDate = 19;

struct Card
{
    const char *team = "";
    const char *mark = "";
    QDate date {};
    double purchase = 0.0;
    double value = 0.0;
};

class SummaryCountTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        DatabaseFixture::expectNewDatabase(user);
        ASSERT_TRUE(store.openDatabase());
    }

    void append(const Card &card)
    {
        RecordEditor editor(store.recordTable());
        editor.append();
        editor.setText(kTeam, QString::fromLatin1(card.team));
        editor.setText(kMark, QString::fromLatin1(card.mark));
        editor.setDate(kDate, card.date.isValid() ? std::optional(card.date) : std::nullopt);
        if (card.purchase != 0.0)
            editor.setNumber(kPurchase, card.purchase);
        if (card.value != 0.0)
            editor.setNumber(kValue, card.value);
        editor.post();
    }

    SummaryList count(FilterScope scope, int position)
    {
        return SummaryCount::run(store.recordTable(), scope, position);
    }

    DatabaseFixture fixture;
    ScriptedInteraction user;
    RecordStore store { fixture.state };
};

TEST_F(SummaryCountTest, GroupsInPhysicalOrderIgnoringCaseWithTheirValueSums)
{
    append({ "Yankees", "2", {}, 10.0, 25.5 });
    append({ "Mets", "2", {}, 4.0, 1.0 });
    append({ "YANKEES", "2", {}, 5.0, 0.0 });
    append({ "", "2" });
    append({ "yankees", "2", {}, 0.0, 3.0 });
    // The main table's own order plays no part: the count reads its own object.
    store.recordTable().last();

    const SummaryList list = count(FilterScope::AllRecords, kTeam);
    EXPECT_EQ(list.keys(), QStringList({ "Yankees", "Mets", "" }));
    EXPECT_EQ(list.countTexts(), QStringList({ "3", "1", "1" }));
    EXPECT_DOUBLE_EQ(list.at(0).purchasePrice, 15.0);
    EXPECT_DOUBLE_EQ(list.at(0).currentValue, 28.5);
    EXPECT_DOUBLE_EQ(list.at(1).gainOrLoss(), -3.0);
    EXPECT_DOUBLE_EQ(list.totalGainOrLoss(), 28.5 + 1.0 - 19.0);
    EXPECT_EQ(list.percentTexts(), QStringList({ "60.0", "20.0", "20.0" }));
    EXPECT_TRUE(store.recordTable().isOpen());
}

TEST_F(SummaryCountTest, TheFilterMarkDecidesWhichRecordsCount)
{
    append({ "A", "2" });
    append({ "B", "0" });
    append({ "C", "" });
    append({ "D", "2" });
    append({ "E", "1" });
    append({ "F", "3" });
    EXPECT_EQ(count(FilterScope::AllRecords, kTeam).keys(),
        QStringList({ "A", "B", "C", "D", "E", "F" }));
    EXPECT_EQ(count(FilterScope::NormalFilter, kTeam).keys(), QStringList({ "A", "D", "F" }));
    EXPECT_EQ(count(FilterScope::ReversedFilter, kTeam).keys(), QStringList({ "B", "C", "E" }));
}

TEST_F(SummaryCountTest, DatesGroupByTwoDigitYearAndMonth)
{
    append({ "", "2", QDate(1998, 1, 3) });
    append({ "", "2", QDate(2004, 11, 30) });
    append({ "", "2", QDate(1998, 1, 28) });
    append({ "", "2", QDate(1998, 2, 1) });
    append({ "", "2" });
    const SummaryList list = count(FilterScope::AllRecords, kDate);
    EXPECT_EQ(list.keys(), QStringList({ "98/01", "04/11", "98/02", "" }));
    EXPECT_EQ(list.countTexts(), QStringList({ "2", "1", "1", "1" }));
}

TEST_F(SummaryCountTest, NumbersGroupByTheirShortestTextAndBlanksByTheEmptyKey)
{
    for (const double number : { 12.0, 12.5, 12.50, 0.0 }) {
        RecordEditor editor(store.recordTable());
        editor.append();
        editor.setNumber(kCardNumber, number);
        editor.setNumber(kPurchase, number);
        editor.post();
    }
    append({ "", "" });
    EXPECT_EQ(count(FilterScope::AllRecords, kPurchase).keys(),
        QStringList({ "12", "12.5", "0", "" }));
}

TEST_F(SummaryCountTest, TheDialogOffersNoMemoOrPictureAndShowsTheChosenFieldsRows)
{
    append({ "Cubs", "2", {}, 2.0, 3.5 });
    append({ "Reds", "0", {}, 1.0, 0.5 });
    append({ "Cubs", "2", {}, 1.25, 1.0 });
    QStringList captions = CaptionList::builtInCaptions();
    captions[9] = QStringLiteral("Paid:");
    SummaryDialogModel model(captions, store.fields());
    EXPECT_EQ(model.fieldItems().size(), 18);
    EXPECT_FALSE(model.fieldItems().contains(QStringLiteral("Notes:")));
    EXPECT_FALSE(model.fieldItems().contains(QStringLiteral("Small Picture:")));
    EXPECT_EQ(model.fieldItems().at(8), QStringLiteral("Paid:"));
    EXPECT_EQ(model.positionOf(8), kPurchase);

    // Nothing chosen yet: nothing to graph or print.
    user.expectMessage(MessageKind::Information,
        QStringLiteral("List Empty!\rYou have to select the field from Summary By list first."),
        MessageButtons::Ok, kNoHelp);
    EXPECT_FALSE(model.checkNotEmpty());
    EXPECT_EQ(model.headers(), QStringList({ "", "Count", "   %" }));

    const int team = int(model.fieldItems().indexOf(QStringLiteral("Team:")));
    ASSERT_TRUE(model.count(team, store.recordTable().folder(), store.recordTable().fileName(),
        FilterScope::NormalFilter));
    EXPECT_TRUE(model.checkNotEmpty());
    EXPECT_EQ(model.headers(), QStringList({ "Team:", "Count", "   %" }));
    EXPECT_EQ(model.row(0), QStringList({ "Cubs", "2", "100.0" }));
    EXPECT_EQ(model.totalText(), QStringLiteral("2"));
    EXPECT_TRUE(model.valueTotals().isEmpty());
    EXPECT_EQ(SummaryDialogModel::titleFor(model.chosenCaption()), QStringLiteral("Summary By Team:"));

    model.setValuesShown(true);
    EXPECT_EQ(model.headers(),
        QStringList({ "Team:", "Count", "   %", "Paid", "Current Value", "Gain/Loss" }));
    EXPECT_EQ(model.row(0), QStringList({ "Cubs", "2", "100.0", "3.25", "4.50", "1.25" }));
    EXPECT_EQ(model.valueTotals(), QStringList({ "3.25", "4.50", "1.25" }));

    // The grid grows with the groups and never shrinks.
    EXPECT_EQ(model.gridRowCount(1), 2);
    EXPECT_EQ(model.gridRowCount(20), 20);
}

TEST_F(SummaryCountTest, ATableThatCannotBeReadIsToldAndLeavesTheListEmpty)
{
    const QString folder = fixture.state.databaseFolder;
    const QString missing = QStringLiteral("gone.dbf");
    std::string why;
    try {
        SummaryCount::run(folder, missing, FilterScope::AllRecords, kTeam);
    } catch (const StoreError &error) {
        why = error.what();
    }
    ASSERT_NE(why.find("gone"), std::string::npos);
    SummaryDialogModel model(CaptionList::builtInCaptions(), store.fields());
    user.expectMessage(MessageKind::Error, QString::fromStdString(why), MessageButtons::Ok, kNoHelp);
    EXPECT_FALSE(model.count(0, folder, missing, FilterScope::AllRecords));
    EXPECT_TRUE(model.list().isEmpty());
}

} // namespace
} // namespace zendrova::test
