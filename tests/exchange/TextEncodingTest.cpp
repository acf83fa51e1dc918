#include "exchange/TextEncoding.h"

#include <gtest/gtest.h>

namespace zendrova {
namespace {

TEST(ImportText, ReadsUtf8AsWindows1252)
{
    struct Case
    {
        QByteArray file;
        QByteArray bytes;
        bool wasUtf8;
    };
    const Case cases[] = {
        // A byte-order mark, and valid UTF-8 with multi-byte characters.
        { "\xEF\xBB\xBFM\xC3\xBCller,\xC3\x98"
          "degaard\r\n",
            "M\xFCller,\xD8"
            "degaard\r\n",
            true },
        { "\xE2\x82\xAC 5", "\x80 5", true },
        { "\xEF\xBB\xBFplain", "plain", true },
        // Anything else is Windows-1252 already.
        { "M\xFCller \x80", "M\xFCller \x80", false },
        { "plain", "plain", false },
    };
    for (const Case &c : cases) {
        const ImportText text = ImportText::decode(c.file);
        EXPECT_EQ(text.bytes, c.bytes) << c.file.toStdString();
        EXPECT_EQ(text.wasUtf8, c.wasUtf8) << c.file.toStdString();
        EXPECT_FALSE(text.unmappable);
    }
}

TEST(ImportText, StopsAtACharacterWindows1252CannotHold)
{
    // Line 3 holds a Cyrillic letter, line 4 an emoji.
    const ImportText text
        = ImportText::decode("a\r\nb\xC3\xA9\r\nc \xD0\x96 d\r\n\xF0\x9F\x98\x80\r\n");
    ASSERT_TRUE(text.unmappable);
    EXPECT_EQ(text.unmappable->line, 3);
    EXPECT_EQ(text.unmappable->character, QString(QChar(0x416)));
    EXPECT_EQ(text.bytes, QByteArray("a\r\nb\xE9\r\nc "));

    const ImportText emoji = ImportText::decode("\xEF\xBB\xBF"
                                                "ok\n\xF0\x9F\x98\x80");
    ASSERT_TRUE(emoji.unmappable);
    EXPECT_EQ(emoji.unmappable->line, 2);
    EXPECT_EQ(emoji.unmappable->character, QString::fromUtf8("\xF0\x9F\x98\x80"));
}

} // namespace
} // namespace zendrova
