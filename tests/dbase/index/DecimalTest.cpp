#include "dbase/index/Decimal.h"

#include <gtest/gtest.h>

using dbase::Decimal;

namespace {

Decimal dec(const char *text)
{
    Decimal value;
    EXPECT_TRUE(Decimal::parse(text, value)) << text;
    return value;
}

} // namespace

TEST(Decimal, SubtractsExactlyBeyondDoublePrecision)
{
    struct Case { const char *a, *b, *difference; };
    const Case cases[] = {
        {"999999999999999999", "0.1", "999999999999999998.9000"},
        {"999999999999999999", "12345678901234567.89", "987654321098765431.1100"},
        {"0.3", "0.1", "0.2000"},
        {"5", "12.25", "-7.2500"},
        {"-3", "-3", "0.0000"},
        {"100000000000000000000", "1", "99999999999999999999.0000"},
    };
    for (const auto &c : cases)
        EXPECT_EQ((dec(c.a) - dec(c.b)).toFixed(4), c.difference) << c.a << " - " << c.b;
    EXPECT_EQ((dec("0.1") + dec("0.2")).toFixed(2), "0.30");
}

TEST(Decimal, RoundsHalfAwayFromZero)
{
    struct Case { const char *value; int decimals; const char *text; };
    const Case cases[] = {
        {"2.345", 2, "2.35"},   {"-2.345", 2, "-2.35"}, {"9.995", 2, "10.00"},
        {"0.4", 0, "0"},        {"-0.4", 0, "0"},       {"-0.5", 0, "-1"},
        {"0.005", 1, "0.0"},    {"123", 2, "123.00"},   {"0", 3, "0.000"},
    };
    for (const auto &c : cases)
        EXPECT_EQ(dec(c.value).toFixed(c.decimals), c.text) << c.value;
}

TEST(Decimal, ParsesStoredFieldsAndRefusesOtherText)
{
    EXPECT_EQ(Decimal::fromField("     12.50").toFixed(2), "12.50");
    EXPECT_EQ(Decimal::fromField("   -0.75").toFixed(2), "-0.75");
    EXPECT_TRUE(Decimal::fromField("          ").isZero());
    EXPECT_TRUE(Decimal::fromField("**********").isZero());
    Decimal out;
    for (const char *bad : {"", "-", "1.2.3", "1e5", "12a", "."})
        EXPECT_FALSE(Decimal::parse(bad, out)) << bad;
}

TEST(Decimal, OrdersBySignAndMagnitude)
{
    const char *ascending[] = {"-1000", "-999.99", "-1", "-0.001", "0", "0.001", "0.01", "1", "9.5", "10", "999999999999999999"};
    for (size_t i = 0; i + 1 < std::size(ascending); ++i)
        EXPECT_LT(dec(ascending[i]), dec(ascending[i + 1])) << ascending[i];
    EXPECT_EQ(dec("1.50"), dec("001.5"));
}
