#include "store/SortKey.h"
#include "StoreFixtures.h"

#include <gtest/gtest.h>

namespace zendrova {
namespace {

using namespace test;

const IndexOptions kExpr { true, false };
const IndexOptions kExprDesc { true, true };

struct KeyCase
{
    const char *what;
    SortBytes sort;
    const char *expression;
    IndexOptions options;
};

TEST(SortKey, BuildsTheExpressionAndOptionsOfEveryKind)
{
    const KeyCase cases[] = {
        // Single keys.
        { "entry order", { kRecNo, false, 0, false }, "STR(RECNO, 20, 4)", kExpr },
        { "entry order from position 1", { 1, false, 0, false }, "STR(RECNO, 20, 4)", kExpr },
        { "text 30 descending", { kCardName, true, 0, false }, "UPPER(CARDNAME)", kExprDesc },
        { "text 99", { kCustom3, false, 0, false }, "UPPER(CUSTOM3)", kExpr },
        { "text 100", { kCustom2, true, 0, false }, "UPPER(SUBSTR(CUSTOM2, 1, 99))", kExprDesc },
        { "numeric", { kPurchase, false, 0, false }, "STR(PURCHASE, 20, 4)", kExpr },
        { "numeric descending", { kPurchase, true, 0, false },
            "STR(999999999999999999-PURCHASE, 20, 4)", kExpr },
        { "float descending", { kCustom5, true, 0, false },
            "STR(999999999999999999-CUSTOM5, 20, 4)", kExpr },
        { "date", { kCustom4, false, 0, false }, "DTOS(CUSTOM4)", kExpr },
        { "date descending", { kCustom4, true, 0, false }, "STR({12/31/3099}-CUSTOM4, 10, 0)",
            kExpr },
        { "memo descending", { kNotes, true, 0, false }, "UPPER(MLINE(NOTES, 1))", kExprDesc },
        { "picture", { kPicture, false, 0, false }, "", {} },
        { "secondary equal to primary", { kSport, true, kSport, false }, "UPPER(SPORT)",
            kExprDesc },
        { "secondary below 2", { kSport, false, 1, true }, "UPPER(SPORT)", kExpr },

        // Two text-like fields: the secondary takes the primary's direction.
        { "text+text, primary descending", { kCardName, true, kSport, false }, "CARDNAME+SPORT",
            kExprDesc },
        { "text+text, secondary descending", { kCardName, false, kSport, true }, "CARDNAME+SPORT",
            kExpr },
        // Only the primary text-like: a descending primary inverts the secondary.
        { "text+number, primary descending", { kCardName, true, kPurchase, false },
            "CARDNAME+STR(999999999999999999-PURCHASE, 20, 4)", kExprDesc },
        { "text+number, both descending", { kCardName, true, kPurchase, true },
            "CARDNAME+STR(PURCHASE, 20, 4)", kExprDesc },
        { "text+number, secondary descending", { kCardName, false, kPurchase, true },
            "CARDNAME+STR(999999999999999999-PURCHASE, 20, 4)", kExpr },
        // Only the secondary text-like: a descending secondary inverts the primary.
        { "date+text, secondary descending", { kCustom4, false, kCardName, true },
            "STR({12/31/3099}-CUSTOM4, 10, 0)+CARDNAME", kExprDesc },
        { "date+text, primary descending", { kCustom4, true, kCardName, false },
            "STR({12/31/3099}-CUSTOM4, 10, 0)+CARDNAME", kExpr },
        // Neither: each part keeps its own direction.
        { "date+number descending", { kCustom4, false, kPurchase, true },
            "DTOS(CUSTOM4)+STR(999999999999999999-PURCHASE, 20, 4)", kExpr },
        { "number+number", { kPurchase, false, kCurrent, false },
            "STR(PURCHASE, 20, 4)+STR(CURRENT, 20, 4)", kExpr },

        // Budgets: 59 for the primary, the rest of 99 for the secondary.
        { "text 100+text 99", { kCustom2, false, kCustom3, false },
            "UPPER(SUBSTR(CUSTOM2, 1, 59))+UPPER(SUBSTR(CUSTOM3, 1, 40))", kExpr },
        { "text 30+text 99", { kCardName, false, kCustom3, false },
            "CARDNAME+UPPER(SUBSTR(CUSTOM3, 1, 69))", kExpr },
        { "date gives the secondary 99", { kCustom4, false, kCustom3, false },
            "DTOS(CUSTOM4)+CUSTOM3", kExpr },
        { "memo+text", { kNotes, true, kCardName, false },
            "UPPER(SUBSTR(MLINE(NOTES, 1), 1, 59))+CARDNAME", kExprDesc },
        { "text+memo", { kCardName, false, kNotes, true },
            "CARDNAME+UPPER(SUBSTR(MLINE(NOTES, 1), 1, 69))", kExpr },
        { "number+memo", { kPurchase, false, kNotes, false },
            "STR(PURCHASE, 20, 4)+UPPER(SUBSTR(MLINE(NOTES, 1), 1, 79))", kExpr },
        // A half without a key would leave a dangling "+": no key at all.
        { "text+picture", { kCardName, false, kPicture, false }, "", {} },
    };
    const FieldModel fields = cardFields();
    for (const KeyCase &c : cases) {
        SCOPED_TRACE(c.what);
        const auto key = buildSortKey(fields, c.sort);
        ASSERT_TRUE(key.has_value());
        EXPECT_EQ(key->expression, QString::fromLatin1(c.expression));
        EXPECT_EQ(key->options, c.options);
    }
}

TEST(SortKey, PositionsThatNameNoFieldBuildNothing)
{
    const FieldModel fields = cardFields();
    EXPECT_FALSE(buildSortKey(fields, { 23, false, 0, false }));
    EXPECT_FALSE(buildSortKey(fields, { kCardName, false, 200, false }));
    EXPECT_FALSE(buildSortKey(FieldModel(), { 0, false, 0, false }));
}

TEST(SortKey, FilteredKeyLeadsWithTheFilterMarkAndKeepsTheOptions)
{
    const FieldModel fields = cardFields();
    const SortKey key = *buildSortKey(fields, { kCardName, true, kSport, false });
    const SortKey filtered = key.filtered(fields);
    EXPECT_EQ(filtered.expression, QStringLiteral("FILTER+CARDNAME+SPORT"));
    EXPECT_EQ(filtered.options, kExprDesc);
    EXPECT_TRUE(SortKey {}.filtered(fields).isEmpty());
}

TEST(SortKey, KeysAreCutToOneHundredCharacters)
{
    // Long names (as later dBASE levels allow) push both forms past the limit.
    const std::string longText(31, 'T');
    const std::string longDate(31, 'D');
    std::vector<FieldDescriptor> info = { { QStringLiteral("RECNO"), 'N', 10, 0 },
        { QString(31, QLatin1Char('F')), 'C', 1, 0 }, { QString::fromStdString(longDate), 'D', 8, 0 },
        { QString::fromStdString(longText), 'M', 10, 0 } };
    const FieldModel fields(info);
    const SortKey key = *buildSortKey(fields, { 2, true, 3, false });
    const QString whole
        = QStringLiteral("STR({12/31/3099}-%1, 10, 0)+UPPER(SUBSTR(MLINE(%2, 1), 1, 99))")
              .arg(QString::fromStdString(longDate), QString::fromStdString(longText));
    ASSERT_GT(whole.size(), 100);
    EXPECT_EQ(key.expression, whole.left(100));
    const SortKey filtered = key.filtered(fields);
    EXPECT_EQ(filtered.expression.size(), 100);
    EXPECT_TRUE(filtered.expression.startsWith(QString(31, u'F') + u'+'));
}

} // namespace
} // namespace zendrova
