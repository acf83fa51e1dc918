#include "CardRecords.h"

#include "dbase/index/IndexError.h"
#include "dbase/index/KeyEncoding.h"
#include "dbase/index/KeyExpression.h"
#include "dbase/index/KeyNodes.h"

#include <gtest/gtest.h>

#include <algorithm>

using namespace dbase;
using namespace dbase::test;

namespace {

Card mantle()
{
    Card c;
    c.recNo = 7;
    c.name = "Mickey Mantle";
    c.sport = "Baseball";
    c.team = "Yankees";
    c.cardNo = "311";
    c.price = "12.50";
    c.value = "1500.00";
    c.bought = "19520415";
    c.notes = "Topps rookie year, centered, sharp corners\r\nsecond line";
    c.descr = std::string(110, 'x');
    return c;
}

std::string pad(std::string text, size_t width)
{
    text.resize(width, ' ');
    return text;
}

std::string keyOf(const char *expression, const Card &card)
{
    return KeyExpression::parse(expression, cardFields()).evaluate(CardRecord(card));
}

} // namespace

TEST(KeyExpression, SortKeysOfEveryFieldKind)
{
    struct Case
    {
        const char *expression;
        char type;
        int length;
        std::string key;
    };
    const Case cases[] = {
        // single keys
        {"UPPER(NAME)", 'C', 50, pad("MICKEY MANTLE", 50)},
        {"UPPER(SUBSTR(DESCR, 1, 99))", 'C', 99, std::string(99, 'X')},
        {"STR(RECNO, 20, 4)", 'C', 20, "              7.0000"},
        {"STR(PPRICE, 20, 4)", 'C', 20, "             12.5000"},
        {"STR(999999999999999999-PPRICE, 20, 4)", 'C', 20, "999999999999999986.5"},
        {"DTOS(CUSTOM4)", 'C', 8, "19520415"},
        {"STR({12/31/3099}-CUSTOM4, 10, 0)", 'C', 10, "    419193"},
        {"UPPER(MLINE(NOTES, 1))", 'C', 50, pad("TOPPS ROOKIE YEAR, CENTERED, SHARP CORNERS", 50)},
        // two keys with budgets
        {"NAME+TEAM", 'C', 70, pad("Mickey Mantle", 50) + pad("Yankees", 20)},
        {"NAME+STR(CVALUE, 20, 4)", 'C', 70, pad("Mickey Mantle", 50) + "           1500.0000"},
        {"DTOS(CUSTOM4)+STR(999999999999999999-CVALUE, 20, 4)", 'C', 28,
         "19520415999999999999998499.0"},
        {"UPPER(SUBSTR(MLINE(NOTES, 1), 1, 49))", 'C', 49,
         pad("TOPPS ROOKIE YEAR, CENTERED, SHARP CORNERS", 49)},
        {"upper(substr(name, 1, 6))+sport", 'C', 36, "MICKEY" + pad("Baseball", 30)},
        // filtered form: the filter mark leads
        {"FMARK+UPPER(NAME)", 'C', 51, "2" + pad("MICKEY MANTLE", 50)},
        {"'a'+\"b\"+SUBSTR(TEAM, 3)", 'C', 20, "abnkees" + std::string(13, ' ')},
    };
    for (const auto &c : cases) {
        const auto expression = KeyExpression::parse(c.expression, cardFields());
        EXPECT_EQ(expression.keyType(), c.type) << c.expression;
        EXPECT_EQ(expression.keyLength(), c.length) << c.expression;
        EXPECT_EQ(expression.evaluate(CardRecord(mantle())), c.key) << c.expression;
    }
}

TEST(KeyExpression, NumericAndDateKeysUseTheStoredForms)
{
    const auto price = KeyExpression::parse("PPRICE", cardFields());
    EXPECT_EQ(price.keyType(), 'N');
    EXPECT_EQ(price.evaluate(CardRecord(mantle())), keys::encodeNumber(Decimal::fromField("12.5")));
    // A date minus a date is a number of days, so the key is numeric.
    const auto age = KeyExpression::parse("{12/31/3099}-CUSTOM4", cardFields());
    EXPECT_EQ(age.keyType(), 'N');
    EXPECT_EQ(age.keyLength(), 12);
    EXPECT_EQ(age.evaluate(CardRecord(mantle())), keys::encodeNumber(Decimal::fromInteger(419193)));
    const auto blank = KeyExpression::parse("{  /  /    }", cardFields());
    EXPECT_EQ(blank.evaluate(CardRecord(mantle())), keys::encodeDate(0));
    const auto bought = KeyExpression::parse("CUSTOM4+1", cardFields());
    EXPECT_EQ(bought.keyType(), 'D');
    EXPECT_EQ(bought.evaluate(CardRecord(mantle())), keys::encodeDate(2434119));
}

TEST(KeyExpression, BlankDatesSortFirstAscendingAndLastDescending)
{
    Card blank = mantle(), early = mantle(), late = mantle();
    blank.bought = "";
    early.bought = "19000101";
    late.bought = "20231231";
    EXPECT_EQ(keyOf("DTOS(CUSTOM4)", blank), "        ");
    std::vector<std::string> ascending = {keyOf("DTOS(CUSTOM4)", late), keyOf("DTOS(CUSTOM4)", blank),
                                          keyOf("DTOS(CUSTOM4)", early)};
    std::sort(ascending.begin(), ascending.end());
    EXPECT_EQ(ascending, (std::vector<std::string>{"        ", "19000101", "20231231"}));
    const char *descending = "STR({12/31/3099}-CUSTOM4, 10, 0)";
    EXPECT_LT(keyOf(descending, late), keyOf(descending, early));
    EXPECT_LT(keyOf(descending, early), keyOf(descending, blank));
    EXPECT_EQ(KeyExpression::parse("CUSTOM4", cardFields()).evaluate(CardRecord(blank)),
              keys::encodeDate(0));
}

TEST(KeyExpression, DescendingNumericKeysKeepOrderForTenthsAndLargeValues)
{
    const char *values[] = {"0.00", "0.10", "0.20", "12.40", "12.50", "99999.90", "1000000.00", "9999999.99"};
    std::vector<std::string> keysInValueOrder;
    for (const char *v : values) {
        Card c = mantle();
        c.price = v;
        keysInValueOrder.push_back(keyOf("STR(999999999999999999-PPRICE, 20, 4)", c));
    }
    // Byte order of the keys must be the reverse of value order.
    for (size_t i = 0; i + 1 < keysInValueOrder.size(); ++i)
        EXPECT_GT(keysInValueOrder[i], keysInValueOrder[i + 1]) << values[i];
}

TEST(KeyExpression, StrDropsDecimalsBeforeGivingAsterisks)
{
    struct Case { const char *value; int length, decimals; const char *text; };
    const Case cases[] = {
        {"12.5", 8, 2, "   12.50"},  {"99.96", 4, 2, " 100"},  {"-1.55", 4, 2, "-1.6"},
        {"123456", 5, 0, "*****"},   {"123456", 5, 2, "*****"}, {"-0.001", 6, 2, "  0.00"},
        {"999999999999999998.9", 20, 4, "999999999999999998.9"},
    };
    for (const auto &c : cases)
        EXPECT_EQ(keynodes::formatStr(Decimal::fromField(c.value), c.length, c.decimals), c.text)
            << c.value;
}

TEST(KeyExpression, MemoLinesWrapAtFiftyColumns)
{
    const std::string memo = "alpha " + std::string(60, 'b') + " gamma\r\n\r\nlast";
    const std::string lines[] = {pad("alpha", 50), std::string(50, 'b'), pad("bbbbbbbbbb gamma", 50),
                                 pad("", 50), pad("last", 50), pad("", 50)};
    for (int i = 0; i < 6; ++i)
        EXPECT_EQ(keynodes::memoLine(memo, i + 1), lines[i]) << "line " << i + 1;
    EXPECT_EQ(keynodes::upperCase("caf\xe9 \xff"), "CAF\xc9 \x9f");
}

TEST(KeyExpression, UnusableExpressionsFailWithAClearMessage)
{
    struct Case { const char *expression, *message; };
    const Case cases[] = {
        {"", "Invalid key expression \"\": the expression ends too early"},
        {"UPPER(NAME", "Invalid key expression \"UPPER(NAME\": \")\" expected at position 11"},
        {"NAME +", "Invalid key expression \"NAME +\": the expression ends too early"},
        {"OWNER", "Invalid key expression \"OWNER\": unknown field OWNER"},
        {"LOWER(NAME)", "Invalid key expression \"LOWER(NAME)\": unknown function LOWER"},
        {"UPPER(PPRICE)", "Invalid key expression \"UPPER(PPRICE)\": UPPER needs a character value"},
        {"NAME+PPRICE", "Invalid key expression \"NAME+PPRICE\": \"+\" needs two texts, two numbers, or a date and a number"},
        {"NOTES", "Invalid key expression \"NOTES\": a memo field needs MLINE to be part of a key"},
        {"'open", "Invalid key expression \"'open\": a text literal is not closed"},
        {"DTOS({13/45/2000})", "Invalid key expression \"DTOS({13/45/2000})\": bad date {13/45/2000}"},
        {"NAME NAME", "Invalid key expression \"NAME NAME\": unexpected \"N\" at position 6"},
        {"DESCR", "Key expression \"DESCR\" gives keys of 120 characters; at most 100 are allowed"},
        {"NAME+TEAM+SPORT+'!'", "Key expression \"NAME+TEAM+SPORT+'!'\" gives keys of 101 characters; at most 100 are allowed"},
        {"SUBSTR(NAME, 60, 5)", "Key expression \"SUBSTR(NAME, 60, 5)\" gives empty keys"},
    };
    for (const auto &c : cases) {
        try {
            KeyExpression::parse(c.expression, cardFields());
            ADD_FAILURE() << "accepted: " << c.expression;
        } catch (const IndexError &e) {
            EXPECT_STREQ(e.what(), c.message);
        }
    }
    EXPECT_EQ(KeyExpression::parse("NAME+TEAM+SPORT", cardFields()).keyLength(), 100);
    EXPECT_THROW(KeyExpression::parse(std::string(100, '(') + "NAME" + std::string(100, ')'),
                                      cardFields()),
                 IndexError);
}
