#include "common/FileText.h"
#include "common/ByteReader.h"
#include "common/ByteWriter.h"

#include <gtest/gtest.h>

using namespace zendrova;

TEST(FileText, ReadsUtf8AndFallsBackToLatin1)
{
    EXPECT_EQ(textFromFileBytes("Ann\xC3\xA9"
                                "e:"),
        QString::fromUtf8("Année:"));
    EXPECT_EQ(textFromFileBytes("Ann\xE9"
                                "e:"),
        QString::fromUtf8("Année:"));
    // A leading byte-order mark is kept, so the text round-trips.
    const QByteArray withMark("\xEF\xBB\xBFx");
    EXPECT_EQ(textToFileBytes(textFromFileBytes(withMark), 255), withMark);
}

TEST(FileText, ScrambledStringsRoundTripAndLongOnesAreCutOnACharacter)
{
    const QString texts[] = { QString(), "a", "exactly10!", "eleven char",
        QString::fromUtf8("C:/Sammlung/Übersicht") };
    for (const QString &text : texts) {
        ByteWriter out;
        out.scrambled(text, kSettingsKey);
        EXPECT_EQ(out.bytes().size(), 1 + text.toUtf8().size());
        ByteReader in(out.bytes());
        EXPECT_EQ(in.scrambled(kSettingsKey), text);
        EXPECT_TRUE(in.ok() && in.atEnd());
    }
    // 200 two-byte characters: 400 bytes, cut to 127 whole characters.
    const QString accents(200, QChar(0xE9));
    ASSERT_FALSE(ByteWriter::fitsString(accents));
    ByteWriter out;
    out.scrambled(accents, kAccountsKey);
    EXPECT_EQ(static_cast<unsigned char>(out.bytes()[0]), 254);
    ByteReader in(out.bytes());
    EXPECT_EQ(in.scrambled(kAccountsKey), QString(127, QChar(0xE9)));
}
