#include "query/TFilter.h"

#include "common/Clock.h"
#include "common/DateSerial.h"

#include <gtest/gtest.h>

namespace zendrova::test {
namespace {

using C = FilterCondition;

TFilter prepared(std::uint8_t kind, C condition, const char *v1, const char *v2 = "",
    QStringList values = {}, FilterDateFormat format = FilterDateFormat::MonthDayYear)
{
    TFilter entry;
    entry.Unset = false;
    entry.Kind = kind;
    entry.Condition = static_cast<std::uint8_t>(condition);
    entry.Value1 = QString::fromLatin1(v1);
    entry.Value2 = QString::fromLatin1(v2);
    entry.Values = values;
    entry.prepare(format);
    return entry;
}

double serial(int y, int m, int d)
{
    return serialFromDate(QDate(y, m, d));
}

class FilterConditionTest : public ::testing::Test
{
protected:
    FilterConditionTest() { Clock::setToday(QDate(2026, 6, 15)); }
    ~FilterConditionTest() override { Clock::setToday(std::nullopt); }
};

struct TextCase
{
    C condition;
    const char *v1;
    const char *v2;
    const char *field;
    bool passes;
};

TEST_F(FilterConditionTest, TextFieldsCompareOrdinallyIgnoringAsciiCaseOrAsNumbersAndDates)
{
    const TextCase cases[] = {
        { C::Equal, "smith", "", "Smith", true },
        { C::Equal, "smith", "", "SMITH", true },
        { C::Equal, "smith", "", "Smithe", false },
        { C::Less, "B", "", "Apple", true },
        { C::Less, "B", "", "", true },
        { C::Less, "B", "", "B", false },
        { C::LessEqual, "B", "", "b", true },
        { C::GreaterEqual, "B", "", "BA", true },
        { C::Between, "A", "C", "B", true },
        { C::Between, "A", "C", "BZZ", true },
        { C::Between, "A", "C", "A", false },
        { C::Between, "A", "C", "C", false },
        { C::Between, "A", "C", "CA", false },
        // Both sides numbers: 1,200 > 1000; abc falls back to text (ABC > 1000 byte-wise).
        { C::Greater, "1000", "", "1,200", true },
        { C::Greater, "1000", "", "999", false },
        { C::Greater, "1000", "", "abc", true },
        // Dates held in a text field, written in the filter date order.
        { C::Greater, "06/01/1995", "", "12/25/1994", false },
        { C::Greater, "06/01/1995", "", "1/5/1996", true },
    };
    for (const TextCase &c : cases) {
        const TFilter entry = prepared(FilterKind::Text, c.condition, c.v1, c.v2);
        EXPECT_EQ(
            entry.passesFieldText(QString::fromLatin1(c.field), FilterDateFormat::MonthDayYear),
            c.passes)
            << int(c.condition) << " " << c.v1 << " " << c.field;
    }
}

TEST_F(FilterConditionTest, PreparationUpperCasesValuesButNotTheOneOfList)
{
    const TFilter entry = prepared(FilterKind::Text, C::OneOf, "abc", "d", { "Smith", "jones" });
    EXPECT_EQ(entry.Value1, QStringLiteral("ABC"));
    EXPECT_EQ(entry.Values, QStringList({ "Smith", "jones" }));
    EXPECT_FALSE(entry.NumbersValid || entry.DatesValid);
    EXPECT_TRUE(entry.passesText(QStringLiteral("JONES")));
    EXPECT_FALSE(entry.passesText(QStringLiteral("Jon")));
    EXPECT_FALSE(prepared(FilterKind::Text, C::OneOf, "").passesText(QString()));
    // Between parses as numbers only when both bounds do.
    EXPECT_FALSE(prepared(FilterKind::Number, C::Between, "1", "x").NumbersValid);
}

TEST_F(FilterConditionTest, NumbersCompareWithUnparsableValuesCountingAsZero)
{
    const TFilter oneOf = prepared(FilterKind::Number, C::OneOf, "", "", { "5", "x" });
    EXPECT_TRUE(oneOf.passesNumber(0));
    EXPECT_TRUE(oneOf.passesNumber(5));
    EXPECT_FALSE(oneOf.passesNumber(4));
    const TFilter between = prepared(FilterKind::Number, C::Between, "1,000", "2000");
    EXPECT_FALSE(between.passesNumber(1000));
    EXPECT_TRUE(between.passesNumber(1000.5L));
    EXPECT_FALSE(between.passesNumber(2000));
    EXPECT_TRUE(prepared(FilterKind::Number, C::Greater, "junk").passesNumber(0.01L));
}

TEST_F(FilterConditionTest, DateBetweenExcludesBothEnds)
{
    const TFilter entry = prepared(FilterKind::Date, C::Between, "01/01/1995", "12/31/1995");
    ASSERT_TRUE(entry.DatesValid);
    const auto mdy = FilterDateFormat::MonthDayYear;
    EXPECT_FALSE(entry.passesDate(serial(1995, 1, 1), mdy));
    EXPECT_TRUE(entry.passesDate(serial(1995, 1, 2), mdy));
    EXPECT_TRUE(entry.passesDate(serial(1995, 12, 30), mdy));
    EXPECT_FALSE(entry.passesDate(serial(1995, 12, 31), mdy));
    // A value that is no date stands for 1 January 2001.
    const TFilter junk = prepared(FilterKind::Date, C::Equal, "soon");
    EXPECT_TRUE(junk.passesDate(serial(2001, 1, 1), mdy));
}

TEST_F(FilterConditionTest, DayFirstValuesAndYearOnlyValuesMeanWholeYears)
{
    const auto dmy = FilterDateFormat::DayMonthYear;
    const TFilter april = prepared(FilterKind::Date, C::Equal, "05/04/1996", "", {}, dmy);
    EXPECT_TRUE(april.passesDate(serial(1996, 4, 5), dmy));
    const auto years = FilterDateFormat::YearOnly;
    const TFilter in95 = prepared(FilterKind::Date, C::Equal, "1995", "", {}, years);
    EXPECT_TRUE(in95.YearsOnly);
    EXPECT_TRUE(in95.passesDate(serial(1995, 7, 4), years));
    EXPECT_FALSE(in95.passesDate(serial(1996, 1, 1), years));
    const TFilter after = prepared(FilterKind::Date, C::Between, "1990", "1995", {}, years);
    EXPECT_FALSE(after.passesDate(serial(1990, 12, 31), years));
    EXPECT_TRUE(after.passesDate(serial(1994, 12, 31), years));
    EXPECT_FALSE(after.passesDate(serial(1995, 1, 1), years));
    const TFilter list = prepared(FilterKind::Date, C::OneOf, "", "", { "1993", "1995" }, years);
    EXPECT_TRUE(list.passesDate(serial(1993, 3, 3), years));
    EXPECT_FALSE(list.passesDate(serial(1994, 3, 3), years));
}

} // namespace
} // namespace zendrova::test
