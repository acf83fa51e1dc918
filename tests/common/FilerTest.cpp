#include "ByteArrays.h"

#include "common/FilerReader.h"
#include "common/FilerWriter.h"

#include <QList>
#include <gtest/gtest.h>

using namespace zendrova;
using namespace zendrova::test;

TEST(Filer, IntegersTakeTheSmallestFormAndReadBack)
{
    const struct
    {
        std::int32_t value;
        QByteArray bytes;
    } cases[] = {
        { 200, bytesOf({ 3, 200, 0 }) },
        { -5, bytesOf({ 2, 251 }) },
        { 0, bytesOf({ 2, 0 }) },
        { -128, bytesOf({ 2, 0x80 }) },
        { 127, bytesOf({ 2, 0x7F }) },
        { -129, bytesOf({ 3, 0x7F, 0xFF }) },
        { 128, bytesOf({ 3, 0x80, 0x00 }) },
        { -32768, bytesOf({ 3, 0x00, 0x80 }) },
        { 32767, bytesOf({ 3, 0xFF, 0x7F }) },
        { -32769, bytesOf({ 4, 0xFF, 0x7F, 0xFF, 0xFF }) },
        { 32768, bytesOf({ 4, 0x00, 0x80, 0x00, 0x00 }) },
        { INT32_MIN, bytesOf({ 4, 0x00, 0x00, 0x00, 0x80 }) },
        { INT32_MAX, bytesOf({ 4, 0xFF, 0xFF, 0xFF, 0x7F }) },
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.value);
        FilerWriter out;
        out.integer(c.value);
        EXPECT_EQ(hex(out.bytes()), hex(c.bytes));
        FilerReader in(c.bytes);
        EXPECT_EQ(in.integer(), c.value);
        EXPECT_TRUE(in.ok());
    }
}

TEST(Filer, StringsListsAndShortStringsHaveTheirByteForms)
{
    FilerWriter list;
    list.listBegin();
    list.listEnd();
    EXPECT_EQ(hex(list.bytes()), hex(bytesOf({ 1, 0 })));

    FilerWriter text;
    text.string("abc");
    text.string("");
    text.shortString("ab");
    text.raw(bytesOf({ 0, 255 }));
    EXPECT_EQ(hex(text.bytes()), hex(bytesOf({ 6, 3, 97, 98, 99, 6, 0, 2, 97, 98, 0, 255 })));

    FilerReader in(text.bytes());
    EXPECT_EQ(in.string().toStdString(), "abc");
    EXPECT_EQ(in.string().toStdString(), "");
    EXPECT_EQ(in.shortString().toStdString(), "ab");
    EXPECT_EQ(hex(in.raw(2)), hex(bytesOf({ 0, 255 })));
    EXPECT_TRUE(in.ok());
}

TEST(Filer, StringsOf256BytesOrMoreTakeTheLongForm)
{
    const struct
    {
        QString text;
        QByteArray head;
    } cases[] = {
        { QString(255, 'x'), bytesOf({ 6, 255 }) },
        { QString(256, 'x'), bytesOf({ 12, 0, 1, 0, 0 }) },
        // The length counts stored bytes: 128 two-byte characters are 256.
        { QString(128, QChar(0xE9)), bytesOf({ 12, 0, 1, 0, 0 }) },
        { QString(70000, 'y'), bytesOf({ 12, 0x70, 0x11, 0x01, 0x00 }) },
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.text.size());
        FilerWriter out;
        out.string(c.text);
        const QByteArray utf8 = c.text.toUtf8();
        EXPECT_EQ(hex(out.bytes().left(c.head.size())), hex(c.head));
        EXPECT_EQ(out.bytes().size(), c.head.size() + utf8.size());
        EXPECT_EQ(out.bytes().endsWith(utf8), true);
        FilerReader in(out.bytes());
        EXPECT_EQ(in.string(), c.text);
        EXPECT_TRUE(in.ok());
    }
}

TEST(Filer, ShortStringIsCutAt255BytesBeforeAPartialCharacter)
{
    FilerWriter out;
    out.shortString(QString(200, 'a') + QString(40, QChar(0xE9)));
    // 200 + 27 whole two-byte characters; the 28th would need byte 256.
    ASSERT_EQ(static_cast<unsigned char>(out.bytes().at(0)), 254);
    FilerReader in(out.bytes());
    EXPECT_EQ(in.shortString(), QString(200, 'a') + QString(27, QChar(0xE9)));
    EXPECT_TRUE(in.ok());
}

TEST(Filer, ListReadingStopsAtTheFirstZeroWhereAnItemWouldStart)
{
    // The 0 inside the integer is data; the one after it ends the list.
    FilerReader in(bytesOf({ 1, 3, 0, 1, 2, 0, 0, 2, 9 }));
    in.listBegin();
    QList<int> values;
    while (!in.endOfList())
        values.append(in.integer());
    in.listEnd();
    EXPECT_EQ(values, (QList<int> { 256, 0 }));
    EXPECT_TRUE(in.ok());
}

TEST(Filer, WrongTypesAndImpossibleLengthsFail)
{
    const struct
    {
        const char *what;
        QByteArray bytes;
    } cases[] = {
        { "integer where a string belongs", bytesOf({ 2, 5 }) },
        { "unknown type byte", bytesOf({ 5, 1, 'a' }) },
        { "long string longer than the bytes", bytesOf({ 12, 0xFF, 0xFF, 0xFF, 0x7F, 'a' }) },
        { "long string with a negative length", bytesOf({ 12, 0xFF, 0xFF, 0xFF, 0xFF, 'a' }) },
        { "string length past the end", bytesOf({ 6, 4, 'a', 'b' }) },
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.what);
        FilerReader in(c.bytes);
        EXPECT_TRUE(in.string().isEmpty());
        EXPECT_FALSE(in.ok());
        // A failed reader yields nothing more and ends any list loop.
        EXPECT_EQ(in.integer(), 0);
        EXPECT_TRUE(in.endOfList());
    }
    FilerReader notAList(bytesOf({ 6, 0 }));
    notAList.listBegin();
    EXPECT_FALSE(notAList.ok());
}

TEST(Filer, EveryTruncationOfAStreamIsReportedAsFailure)
{
    FilerWriter out;
    out.listBegin();
    out.string("name");
    out.string(QString(300, 'L'));
    out.integer(-1);
    out.integer(1000);
    out.integer(100000);
    out.shortString("short");
    out.raw("RAW");
    out.listEnd();
    const QByteArray full = out.bytes();

    const auto readAll = [](const QByteArray &bytes) {
        FilerReader in(bytes);
        in.listBegin();
        const bool startsEmpty = in.endOfList();
        const QString name = in.string();
        in.string();
        in.integer();
        in.integer();
        const std::int32_t last = in.integer();
        in.shortString();
        in.raw(3);
        const bool ends = in.endOfList();
        in.listEnd();
        return in.ok() && !startsEmpty && ends && name == "name" && last == 100000;
    };
    EXPECT_TRUE(readAll(full));
    for (int length = 0; length < full.size(); ++length)
        EXPECT_FALSE(readAll(full.left(length))) << "prefix of " << length << " bytes";
}
