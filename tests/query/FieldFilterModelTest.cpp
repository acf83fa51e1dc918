#include "query/FieldFilterModel.h"
#include "query/TFilterList.h"

#include "support/ScriptedInteraction.h"

#include <gtest/gtest.h>

namespace zendrova::test {
namespace {

constexpr int kBetween = static_cast<int>(FilterCondition::Between);
constexpr int kOneOf = static_cast<int>(FilterCondition::OneOf);
const QString kEmptyText = QStringLiteral("The Field expression cannot be Empty!");

TEST(FieldFilterModelTest, TheFieldTypeChoosesKindEditorsAndListButton)
{
    struct Case
    {
        FieldKind type;
        bool lookup;
        std::uint8_t kind;
        FilterValueEditor editor;
        ListButton button;
    };
    const Case cases[] = {
        { FieldKind::Text, false, 1, FilterValueEditor::Text, ListButton::Hidden },
        { FieldKind::Text, true, 1, FilterValueEditor::Text, ListButton::Populate },
        { FieldKind::Numeric, false, 6, FilterValueEditor::Number, ListButton::Hidden },
        { FieldKind::Date, false, 9, FilterValueEditor::Date, ListButton::AddDates },
        { FieldKind::Date, true, 9, FilterValueEditor::Date, ListButton::Populate },
        { FieldKind::Other, false, 0, FilterValueEditor::Text, ListButton::Hidden },
    };
    TFilterList filter;
    for (const Case &c : cases) {
        const FieldFilterModel model(filter, 0, 2, "Year", c.type, c.lookup);
        EXPECT_EQ(model.kind(), c.kind);
        EXPECT_EQ(model.editor(), c.editor);
        EXPECT_EQ(model.listButton(), c.button);
        EXPECT_EQ(model.windowCaption(), "Filter For Year");
    }
    EXPECT_EQ(FieldFilterModel::listButtonText(ListButton::Populate).caption, "&Populate");
    EXPECT_EQ(FieldFilterModel::listButtonText(ListButton::Populate).hint,
        "Fill The List With All Values");
    EXPECT_EQ(FieldFilterModel::listButtonText(ListButton::AddDates).caption, "&Add");
    EXPECT_EQ(
        FieldFilterModel::listButtonText(ListButton::AddDates).hint, "Add Dates From Calendar");
}

TEST(FieldFilterModelTest, EachConditionShowsItsPartsOfTheDialog)
{
    //                first second text3 text4 panel word
    const FieldFilterLayout than { true, false, true, false, false, "THAN" };
    const FieldFilterLayout to { true, false, true, false, false, "TO" };
    const FieldFilterLayout expected[]
        = { than, to, to, to, than, { true, true, false, true, false, QString() },
              { false, false, false, false, true, QString() } };
    for (int condition = 0; condition < 7; ++condition)
        EXPECT_EQ(FieldFilterModel::layoutFor(condition), expected[condition]) << condition;
}

class FieldFilterAcceptTest : public ::testing::Test
{
protected:
    FieldFilterAcceptTest() { filter.add(2); }

    bool accept(int condition, const QString &first, const QString &second, QStringList lines = {})
    {
        FieldFilterModel model(filter, 0, 2, "Name", FieldKind::Text, false);
        return model.accept(condition, first, second, lines);
    }

    TFilterList filter;
    ScriptedInteraction user;
};

TEST_F(FieldFilterAcceptTest, EmptyValuesKeepTheDialogOpenAndTheEntryUnset)
{
    struct Case
    {
        int condition;
        QString first, second;
        QStringList lines;
    };
    const Case cases[] = {
        { kOneOf, "A", "B", {} },
        { kBetween, "A", QString(), {} },
        { kBetween, QString(), "B", {} },
        { 2, QString(), QString(), { "A" } },
    };
    for (const Case &c : cases) {
        user.expectMessage(MessageKind::Error, kEmptyText, MessageButtons::Ok, kNoHelp);
        EXPECT_FALSE(accept(c.condition, c.first, c.second, c.lines)) << c.condition;
    }
    EXPECT_TRUE(user.allConsumed());
    EXPECT_TRUE(filter.entry(0)->Unset);
}

TEST_F(FieldFilterAcceptTest, OneOfWithOnlyEmptyLinesStoresAListNoRecordPasses)
{
    FieldFilterModel model(filter, 0, 2, "Name", FieldKind::Text, false);
    QStringList lines { QString(), QString() };
    ASSERT_TRUE(model.accept(kOneOf, QString(), QString(), lines));
    EXPECT_TRUE(lines.isEmpty());
    const TFilter &entry = *filter.entry(0);
    EXPECT_FALSE(entry.Unset);
    EXPECT_TRUE(entry.Values.isEmpty());
    EXPECT_FALSE(entry.passesText("A"));
    EXPECT_FALSE(entry.passesText(QString()));
}

TEST_F(FieldFilterAcceptTest, AcceptStoresTheValuesKindAndCondition)
{
    FieldFilterModel model(filter, 0, 2, "Price", FieldKind::Numeric, false);
    QStringList lines { "1", QString(), "2" };
    ASSERT_TRUE(model.accept(kBetween, "1,000.00", "2,500.50", lines));
    const TFilter &entry = *filter.entry(0);
    EXPECT_EQ(entry.Kind, 6);
    EXPECT_EQ(entry.Condition, kBetween);
    EXPECT_EQ(entry.Value1, "1,000.00");
    EXPECT_TRUE(entry.NumbersValid);
    EXPECT_TRUE(entry.passesNumber(2000));
    EXPECT_FALSE(entry.passesNumber(3000));
    // The list is kept as typed for a later One Of, empty lines included.
    EXPECT_EQ(entry.Values, QStringList({ "1", QString(), "2" }));
}

TEST_F(FieldFilterAcceptTest, ANewDateFormatLeavesStoredDatesAsTheyWereRead)
{
    filter.add(5);
    FieldFilterModel first(filter, 0, 5, "Bought", FieldKind::Date, false);
    QStringList none;
    ASSERT_TRUE(first.accept(2, "01/02/2020", QString(), none));
    const double january2 = filter.entry(0)->Date1;

    first.changeDateFormat(1);
    EXPECT_EQ(filter.dateFormat(), FilterDateFormat::DayMonthYear);
    EXPECT_EQ(filter.entry(0)->Value1, "01/02/2020");
    EXPECT_EQ(filter.entry(0)->Date1, january2);

    FieldFilterModel second(filter, 1, 5, "Bought", FieldKind::Date, false);
    ASSERT_TRUE(second.accept(2, "01/02/2020", QString(), none));
    EXPECT_EQ(filter.entry(1)->Date1, january2 + 30); // 1 February
}

TEST(FieldFilterModelTest, TheCalendarLoopCollectsDatesUntilCancelled)
{
    const QStringList picks { "03/01/2021", "03/05/2021", "04/15/2021" };
    int shown = 0;
    const QStringList dates = FieldFilterModel::collectDates([&]() -> std::optional<QString> {
        return shown < picks.size() ? std::optional(picks[shown++]) : (++shown, std::nullopt);
    });
    EXPECT_EQ(dates, picks);
    EXPECT_EQ(shown, 4);
}

} // namespace
} // namespace zendrova::test
