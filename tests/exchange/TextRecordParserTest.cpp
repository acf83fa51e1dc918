#include "exchange/TextRecordParser.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace zendrova {
namespace {

using Values = std::vector<std::string>;

TextLayout layout(char separator, char delimiter, std::vector<bool> memos)
{
    return TextLayout { separator, delimiter, std::move(memos) };
}

std::vector<Values> parseAll(const QByteArray &bytes, const TextLayout &layout, bool cutOff = false)
{
    TextRecordParser parser(bytes, layout, cutOff);
    std::vector<Values> records;
    while (auto record = parser.next()) {
        Values values;
        for (const QByteArray &value : record->values)
            values.push_back(value.toStdString());
        records.push_back(values);
    }
    return records;
}

struct Case
{
    const char *name;
    QByteArray bytes;
    TextLayout layout;
    std::vector<Values> records;
};

void PrintTo(const Case &c, std::ostream *out)
{
    *out << c.name;
}

class ParserCases : public ::testing::TestWithParam<Case>
{
};

TEST_P(ParserCases, ReadsRecords)
{
    EXPECT_EQ(parseAll(GetParam().bytes, GetParam().layout), GetParam().records);
}

const TextLayout kCommas = layout(',', 0, { false, false, false });
const TextLayout kQuoted = layout(',', '"', { false, false, false });
const TextLayout kMemoLast = layout(',', 0, { false, true });
const TextLayout kQuotedMemoFirst = layout(',', '"', { true, false });

INSTANTIATE_TEST_SUITE_P(TextFiles, ParserCases,
    ::testing::Values(Case { "PlainLines", "a,b,c\r\nd,e,f\r\n", kCommas,
                          { { "a", "b", "c" }, { "d", "e", "f" } } },
        // Fixed: the last line counts without its line feed.
        Case { "LastLineWithoutLineFeed", "a,b,c\r\nd,e,f", kCommas,
            { { "a", "b", "c" }, { "d", "e", "f" } } },
        Case { "LastLineShortWithoutLineFeed", "a,b,c\r\nd,e", kCommas,
            { { "a", "b", "c" }, { "d", "e" } } },
        Case {
            "TrailingEmptyLinesAddNothing", "a,b,c\r\n\r\n\r\n", kCommas, { { "a", "b", "c" } } },
        // A short line ends its value at LF and the next line goes on with the record.
        Case { "ShortLineContinues", "a,b\r\nc\r\nd,e,f\r\n", kCommas,
            { { "a", "b", "c" }, { "d", "e", "f" } } },
        Case { "LongLineLosesItsRest", "a,b,c,x,y\r\nd,e,f\r\n", kCommas,
            { { "a", "b", "c" }, { "d", "e", "f" } } },
        Case { "ControlBytesDropped", "a\x01\x7f,b\tc,\rd\r\n", kCommas,
            { { "a\x7f", "b\tc", "d" } } },
        Case { "OtherSeparator", "a;b;c\r\n", layout(';', 0, { false, false, false }),
            { { "a", "b", "c" } } },
        Case { "EmptyValues", ",,\r\n", kCommas, { { "", "", "" } } },
        // Without delimiters a separator inside a value splits it.
        Case { "SeparatorSplitsUnquoted", "a,b,c,d\r\n", kCommas, { { "a", "b", "c" } } },
        Case { "QuotedSeparatorKept", "\"a,1\",\"b\",\"c,2\"\r\n", kQuoted,
            { { "a,1", "b", "c,2" } } },
        Case { "DoubledDelimiterReadsAsOne", "\"say \"\"hi\"\"\",\"b\",\"\"\"c\"\"\"\r\n", kQuoted,
            { { "say \"hi\"", "b", "\"c\"" } } },
        // In a middle column the byte after a lone delimiter is lost.
        Case { "LoneDelimiterInMiddleColumn", "\"a\"x\",\"b\",\"c\"\r\n", kQuoted,
            { { "a\"", "b", "c" } } },
        Case {
            "QuotedLastLineWithoutLineFeed", "\"a\",\"b\",\"c\"", kQuoted, { { "a", "b", "c" } } },
        Case { "QuotedUnclosedAtEnd", "\"a\",\"b\",\"c", kQuoted, { { "a", "b", "c" } } },
        Case { "QuotedShortLineContinues", "\"a\",\"b\"\r\n\"c\"\r\n", kQuoted,
            { { "a", "b", "c" } } },
        Case { "MemoLinesJoinedByLineFeed", "n,\x03one\r\ntwo\r\n\x03\r\nm,\x03\x03\r\n", kMemoLast,
            { { "n", "one\r\ntwo\r\n" }, { "m", "" } } },
        // A comma in memo text ends the memo value when no delimiters guard it.
        Case { "CommaEndsUnquotedMemo", "\x03x, y\x03,n\r\n", layout(',', 0, { true, false }),
            { { "x", " y" } } },
        Case { "QuotedMemoWithCommaAndQuote", "\"\x03x, \"\"y\"\"\r\nz\x03\",\"n\"\r\n",
            kQuotedMemoFirst, { { "x, \"y\"\r\nz", "n" } } },
        Case { "MemoWithoutWrappersTakesOneLine", "n,plain\r\nm,\x03\x03\r\n", kMemoLast,
            { { "n", "plain" }, { "m", "" } } }),
    [](const ::testing::TestParamInfo<Case> &info) { return std::string(info.param.name); });

TEST(TextRecordParser, LongValues)
{
    const std::string word(100, 'w');
    const std::string line300 = word + " " + word + " " + std::string(98, 'x');
    ASSERT_EQ(line300.size(), 300u);
    // A text value keeps its first 255 bytes; a memo line breaks at its last space.
    const QByteArray bytes = QByteArray::fromStdString(line300 + ",\x03" + line300 + "\x03\r\n");
    const auto records = parseAll(bytes, layout(',', 0, { false, true }));
    ASSERT_EQ(records.size(), 1u);
    EXPECT_EQ(records[0][0], line300.substr(0, 255));
    EXPECT_EQ(records[0][1], word + " " + word + "\r\n" + std::string(98, 'x'));
}

TEST(TextRecordParser, CutOffEndDropsTheRecordInProgress)
{
    EXPECT_EQ(
        parseAll("a,b,c\r\nd,e,f", kCommas, true), (std::vector<Values> { { "a", "b", "c" } }));
}

TEST(TextRecordParser, ValuesNameTheirLines)
{
    TextRecordParser parser(
        "a,b,c\r\nd,\x03m\r\nm\x03,f\r\n", layout(',', 0, { false, true, false }));
    ASSERT_TRUE(parser.next());
    const auto second = parser.next();
    ASSERT_TRUE(second);
    EXPECT_EQ(second->lines, (std::vector<int> { 2, 3, 3 }));
    EXPECT_FALSE(parser.next());
}

TEST(TextRecordParser, SplitsTheFirstLine)
{
    qsizetype next = 0;
    EXPECT_EQ(
        TextRecordParser::splitFirstLine("\"Card Name\",\"a,b\",\"x\"\"y\"\r\n1", kQuoted, &next),
        (QList<QByteArray> { "Card Name", "a,b", "x\"y" }));
    EXPECT_EQ(next, 26);
    EXPECT_EQ(TextRecordParser::splitFirstLine("Year\tSport\r\n", layout('\t', 0, { false })),
        (QList<QByteArray> { "Year", "Sport" }));
    EXPECT_TRUE(TextRecordParser::splitFirstLine("\r\n", kCommas).isEmpty());
}

} // namespace
} // namespace zendrova
