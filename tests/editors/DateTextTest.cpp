#include "editors/DateBuffer.h"
#include "common/DateSerial.h"
#include "common/DateText.h"
#include "common/Real48.h"

#include <gtest/gtest.h>

#include <cmath>

namespace zendrova {
namespace {

const QDate kToday(2026, 5, 17);

struct ParseCase
{
    const char *text;
    DateOrder order;
    QDate expected; // invalid: the text is not a date
};

TEST(DateText, ParsesTheNumbersInTheFormatsOrder)
{
    const ParseCase cases[] = {
        {"12/31/1996", DateOrder::MonthDayYear, QDate(1996, 12, 31)},
        {"31/12/1996", DateOrder::DayMonthYear, QDate(1996, 12, 31)},
        {"1996/12/31", DateOrder::YearMonthDay, QDate(1996, 12, 31)},
        {" 1 / 2 / 1996 /  ", DateOrder::MonthDayYear, QDate(1996, 1, 2)},
        {"12/31", DateOrder::MonthDayYear, QDate(2026, 12, 31)},
        {"31/12", DateOrder::DayMonthYear, QDate(2026, 12, 31)},
        {"12/31/96", DateOrder::MonthDayYear, QDate(2096, 12, 31)},
        {"02/29/1996", DateOrder::MonthDayYear, QDate(1996, 2, 29)},
        {"02/29/1997", DateOrder::MonthDayYear, QDate()},
        {"13/01/1996", DateOrder::MonthDayYear, QDate()},
        {"00/10/1996", DateOrder::MonthDayYear, QDate()},
        {"1/2/1996x", DateOrder::MonthDayYear, QDate()},
        {"12-31-1996", DateOrder::MonthDayYear, QDate()},
        {"5_/00/0000", DateOrder::MonthDayYear, QDate()},
        // A number stops once it reaches 1000, so a fifth digit is left over.
        {"19961/1/1", DateOrder::YearMonthDay, QDate()},
        {"", DateOrder::MonthDayYear, QDate()},
        {"12", DateOrder::MonthDayYear, QDate()},
    };
    for (const ParseCase &c : cases) {
        const auto parsed = DateText::parse(QString::fromLatin1(c.text), c.order, kToday);
        EXPECT_EQ(c.expected.isValid(), parsed.has_value()) << c.text;
        if (parsed && c.expected.isValid()) {
            EXPECT_EQ(c.expected, *parsed) << c.text;
        }
    }
}

TEST(DateText, FormatNormalisationKeepsOnlyTheEditorsFormats)
{
    const std::pair<const char *, const char *> cases[] = {
        {"M/d/yyyy", "mm/dd/yyyy"},   {"M/d/yy", "mm/dd/yy"},     {"d.M.yy", "dd/mm/yy"},
        {"dd.MM.yyyy", "dd/mm/yyyy"}, {"yyyy-MM-dd", "yyyy/mm/dd"}, {"yyyy", "yyyy"},
        {"MMM d, y", "mm/dd/yyyy"},   {"", "mm/dd/yyyy"},
    };
    for (const auto &[given, expected] : cases)
        EXPECT_EQ(QString::fromLatin1(expected),
                  DateBuffer::normaliseFormat(QString::fromLatin1(given)))
            << given;
}

TEST(DateSerial, CountsDaysFromTheEndOf1899)
{
    EXPECT_EQ(35430.0, serialFromDate(QDate(1996, 12, 31)));
    EXPECT_EQ(QDate(1996, 12, 31), dateFromSerial(35430.0));
    EXPECT_EQ(0.0, serialFromDate(QDate()));
    EXPECT_FALSE(dateFromSerial(1e300).isValid());
}

TEST(Real48, KeepsFortySignificantBitsWithinItsRange)
{
    const long double third = 1.0L / 3.0L;
    const long double stored = *toReal48(third);
    EXPECT_NE(third, stored);
    EXPECT_LT(std::fabs(stored - third), std::ldexp(1.0L, -41));
    EXPECT_EQ(123456789012352.0L, *toReal48(123456789012345.0L));
    EXPECT_EQ(0.0L, *toReal48(1e-40L));
    EXPECT_FALSE(toReal48(1e39L).has_value());
    EXPECT_FALSE(toReal48(INFINITY).has_value());
    EXPECT_EQ(-2.5L, *toReal48(-2.5L));
}

} // namespace
} // namespace zendrova
