#include "dbase/index/JulianDay.h"
#include "dbase/index/KeyEncoding.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <random>

using namespace dbase;

namespace {

std::string hex(const std::string &bytes)
{
    std::string text;
    char buffer[4];
    for (unsigned char b : bytes) {
        std::snprintf(buffer, sizeof buffer, "%02X ", b);
        text += buffer;
    }
    text.pop_back();
    return text;
}

std::string numberKey(const char *text)
{
    Decimal value;
    EXPECT_TRUE(Decimal::parse(text, value)) << text;
    return keys::encodeNumber(value);
}

} // namespace

TEST(KeyEncoding, NumbersTakeTheBcdForm)
{
    struct Case { const char *value, *bytes; };
    const Case cases[] = {
        {"0", "34 01 00 00 00 00 00 00 00 00 00 00"},
        {"-3189.66", "38 99 31 89 66 00 00 00 00 00 00 00"},
        {"1", "35 05 10 00 00 00 00 00 00 00 00 00"},
        {"100", "37 05 10 00 00 00 00 00 00 00 00 00"},
        {"0.05", "33 05 50 00 00 00 00 00 00 00 00 00"},
        {"12345678901234567890", "48 4D 12 34 56 78 90 12 34 56 78 90"},
        // 22 digits: rounded to the 20 the key holds.
        {"1234567890123456789012", "4A 4D 12 34 56 78 90 12 34 56 78 90"},
    };
    for (const auto &c : cases)
        EXPECT_EQ(hex(numberKey(c.value)), c.bytes) << c.value;
}

TEST(KeyEncoding, NumberKeysCompareInNumericOrder)
{
    const char *values[] = {"-1000000", "-3189.66", "-3189.6", "-12", "-1", "-0.5", "-0.05", "0",
                            "0.001", "0.05", "0.5", "1", "1.01", "9.99", "10", "100", "3189.66",
                            "999999999999999999"};
    std::vector<std::string> keyed;
    for (const char *v : values)
        keyed.push_back(numberKey(v));
    std::vector<std::string> shuffled = keyed;
    std::shuffle(shuffled.begin(), shuffled.end(), std::mt19937(7));
    std::sort(shuffled.begin(), shuffled.end(),
              [](const std::string &a, const std::string &b) { return keys::compare('N', a, b) < 0; });
    EXPECT_EQ(shuffled, keyed);
    EXPECT_EQ(keys::compare('N', numberKey("2.50"), numberKey("2.5")), 0);
}

TEST(KeyEncoding, DatesAreJulianDayDoubles)
{
    EXPECT_EQ(julian::fromYmd(1900, 1, 1), 2415021);
    EXPECT_EQ(hex(keys::encodeDate(2415021)), "00 00 00 80 D6 6C 42 41");
    EXPECT_EQ(hex(keys::encodeDate(0)), "00 00 00 00 00 00 00 00");
    EXPECT_LT(keys::compare('D', keys::encodeDate(0), keys::encodeDate(2415021)), 0);
    EXPECT_LT(keys::compare('D', keys::encodeDate(2415021), keys::encodeDate(2415022)), 0);
    EXPECT_EQ(julian::toStored(*julian::fromStored("20240229")), "20240229");
    EXPECT_FALSE(julian::fromStored("20230229"));
    EXPECT_FALSE(julian::fromStored("        "));
    EXPECT_EQ(julian::fromLiteral("12/31/3099"), julian::fromYmd(3099, 12, 31));
    EXPECT_FALSE(julian::fromLiteral("690000800123/1/2000")); // found by fuzzing: overflowed
    EXPECT_FALSE(julian::fromLiteral("1/00000000031/2000"));
}

TEST(KeyEncoding, CharacterKeysCompareBytewiseAndByPrefix)
{
    EXPECT_LT(keys::compare('C', "ABC", "ABD"), 0);
    EXPECT_GT(keys::compare('C', "\xC9T", "ZZ"), 0); // unsigned bytes
    EXPECT_EQ(keys::compare('C', "MAX  ", "M"), 0);
}
