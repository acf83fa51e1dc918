#include "query/FilterValues.h"

#include "common/Clock.h"
#include "common/DateSerial.h"

#include <gtest/gtest.h>

namespace zendrova::test {
namespace {

class FilterValuesTest : public ::testing::Test
{
protected:
    FilterValuesTest() { Clock::setToday(QDate(2026, 6, 15)); }
    ~FilterValuesTest() override { Clock::setToday(std::nullopt); }
};

TEST_F(FilterValuesTest, NumbersDropThousandsSeparatorsAndRejectAnythingElse)
{
    EXPECT_EQ(parseFilterNumber(QStringLiteral("1,200")), 1200.0L);
    EXPECT_EQ(parseFilterNumber(QStringLiteral(" 1,234,567.5 ")), 1234567.5L);
    EXPECT_EQ(parseFilterNumber(QStringLiteral("-2.5e2")), -250.0L);
    EXPECT_EQ(parseFilterNumber(QStringLiteral(".5")), 0.5L);
    for (const char *bad : { "", " ", "abc", "12abc", "1.2.3", "inf", "nan", "1e99999", "$5" })
        EXPECT_FALSE(parseFilterNumber(QString::fromLatin1(bad))) << bad;
}

struct DateCase
{
    const char *text;
    FilterDateFormat format;
    QDate expected; // invalid: the parse fails
};

TEST_F(FilterValuesTest, DatesFollowTheFilterDateOrder)
{
    const auto mdy = FilterDateFormat::MonthDayYear;
    const auto dmy = FilterDateFormat::DayMonthYear;
    const auto ymd = FilterDateFormat::YearMonthDay;
    const DateCase cases[] = {
        { "12/31/1995", mdy, QDate(1995, 12, 31) },
        { "05/04/1996", dmy, QDate(1996, 4, 5) },
        { "5/4", dmy, QDate(2026, 4, 5) },
        { "05/04/96", dmy, QDate(2096, 4, 5) },
        { "5/4", mdy, QDate(2026, 5, 4) },
        { "1995/12/31", ymd, QDate(1995, 12, 31) },
        { " 1 / 2 / 1999 / ", mdy, QDate(1999, 1, 2) },
        { "1/2/1999", FilterDateFormat::YearOnly, QDate(1999, 1, 2) },
        { "2/29/2023", mdy, QDate() },
        { "13/1/2000", mdy, QDate() },
        { "1/2/12345", mdy, QDate() },
        { "1995", mdy, QDate() },
        { "1/2/3x", mdy, QDate() },
        { "1-2-2000", mdy, QDate() },
        { "", mdy, QDate() },
    };
    for (const DateCase &c : cases) {
        const auto parsed = parseFilterDate(QString::fromLatin1(c.text), c.format);
        if (c.expected.isValid()) {
            ASSERT_TRUE(parsed) << c.text;
            EXPECT_EQ(dateFromSerial(*parsed), c.expected) << c.text;
        } else {
            EXPECT_FALSE(parsed) << c.text;
        }
    }
    EXPECT_EQ(dateFromSerial(failedFilterDate()), QDate(2001, 1, 1));
}

TEST_F(FilterValuesTest, BareYearsForTheYearOnlyFormat)
{
    EXPECT_EQ(parseFilterYear(QStringLiteral(" 1995 ")), 1995);
    EXPECT_EQ(parseFilterYear(QStringLiteral("96")), 2096);
    EXPECT_FALSE(parseFilterYear(QStringLiteral("19955")));
    EXPECT_FALSE(parseFilterYear(QStringLiteral("1/1995")));
}

} // namespace
} // namespace zendrova::test
