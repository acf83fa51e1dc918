#include "ExchangeFixture.h"

#include "exchange/ExchangeProgress.h"
#include "exchange/ExchangeTexts.h"
#include "exchange/ExportRun.h"
#include "exchange/TextExport.h"
#include "exchange/TextImport.h"
#include "exchange/ViewWalk.h"

#include <QDate>

namespace zendrova::test {
namespace {

class TextExchange : public ::testing::Test
{
protected:
    QByteArray exported(const ExchangeSettings &settings)
    {
        const QString path = db.fixture.state.userFolder + QStringLiteral("/cards.txt");
        ViewWalk walk(db.records(), std::nullopt);
        const TextExport writer(settings, db.records().fieldModel(), cardCodec());
        EXPECT_TRUE(exportTextFile(path, walk, writer,
            settings.namesInFirstLine ? &captions() : nullptr, ExchangeProgress {}));
        return readFile(path);
    }

    int imported(const QByteArray &file, const ExchangeSettings &settings)
    {
        return TextImport(db.records(), cardCodec(), captions()).run(file, settings, {});
    }

    ScriptedInteraction user;
    OpenDatabase db { user };
};

TEST_F(TextExchange, ExportWritesOneLinePerRecord)
{
    db.addCard([](RecordEditor &card) {
        card.setText(kName, QStringLiteral("Say \"Hi\", B\u00e4r"));
        card.setNumber(kPurchase, -12.5);
        card.setDate(kCustom4, QDate(1999, 3, 7));
        card.setText(kNotes, QStringLiteral("line one\r\nline, two"));
    });
    db.addCard([](RecordEditor &card) { card.setText(kName, QStringLiteral("Plain")); });
    const std::vector<int> fields { kName, kPurchase, kCustom4, kNotes };

    struct Case
    {
        ExchangeSettings settings;
        QByteArray bytes;
    };
    const Case cases[] = {
        // A delimiter inside a value is doubled; a blank number and date write nothing.
        { settingsFor(',', '"', fields),
            "\"Say \"\"Hi\"\", B\xE4r\",\"-12.50\",\"03/07/1999\",\"\x03line one\r\nline, two\x03\"\r\n"
            "\"Plain\",\"\",\"\",\"\x03\x03\"\r\n" },
        // Without delimiters the separator inside a value is written as it is.
        { settingsFor('\t', 0, { kNotes, kName }),
            "\x03line one\r\nline, two\x03\tSay \"Hi\", B\xE4r\r\n\x03\x03\tPlain\r\n" },
    };
    for (const Case &c : cases)
        EXPECT_EQ(exported(c.settings), c.bytes);

    ExchangeSettings named = settingsFor(';', '\'', { kName, kPurchase });
    named.namesInFirstLine = true;
    EXPECT_EQ(exported(named),
        "'Card Name:';'Purchase Price:'\r\n'Say \"Hi\", B\xE4r';'-12.50'\r\n'Plain';''\r\n");
}

TEST_F(TextExchange, ImportStoresTheFieldsByKind)
{
    const QByteArray file = "\"A, 1\",\"-3.25\",\"12/31/1998\",\"\x03one\r\ntwo\x03\"\r\n"
                            "\"B\",\"\",\"\",\"\x03\x03\"";
    EXPECT_EQ(imported(file, settingsFor(',', '"', { kName, kPurchase, kCustom4, kNotes })), 2);
    EXPECT_EQ(db.column(kName), (QStringList { "A, 1", "B" }));
    EXPECT_EQ(db.column(kPurchase), (QStringList { "-3.25", "" }));
    EXPECT_EQ(db.column(kNotes), (QStringList { "one\r\ntwo", "" }));
    db.records().first();
    EXPECT_EQ(db.records().date(kCustom4), QDate(1998, 12, 31));
    db.records().next();
    // Blank numbers and dates, as the export writes them, stay blank.
    EXPECT_TRUE(db.records().isNull(kPurchase));
    EXPECT_FALSE(db.records().date(kCustom4));
}

TEST_F(TextExchange, AFailureStopsTheImportAndKeepsTheRecordsBefore)
{
    struct Case
    {
        QByteArray file;
        std::vector<int> fields;
        QStringList names;
        QString message;
    };
    const QString kept = QStringLiteral("\rThe records before it were imported.");
    const Case cases[] = {
        { "A,1.5\r\nB,abc\r\nC,2\r\n", { kName, kPurchase }, { "A" },
            "Line 2: \"abc\" is not a valid value for Purchase Price." + kept },
        { "A,01/02/2000\r\nB,\r\nC,02/30/2001\r\n", { kName, kCustom4 }, { "A", "B" },
            "Line 3: \"02/30/2001\" is not a valid value for Custom 4." + kept },
        // Short lines continue the record: the value is named by its own line.
        { "A\r\n1\r\nB\r\nx\r\n", { kName, kCustom5 }, { "A" },
            "Line 4: \"x\" is not a valid value for Custom 5." + kept },
        { "A\r\nB\xD0\x96\r\nC\r\n", { kName }, { "A" },
            QString::fromUtf8("Line 2 holds the character \"\xD0\x96\", which a card cannot hold.") + kept },
    };
    for (const Case &c : cases) {
        OpenDatabase fresh(user);
        user.expectMessage(MessageKind::Error, c.message, MessageButtons::Ok, kNoHelp);
        TextImport(fresh.records(), cardCodec(), captions()).run(c.file, settingsFor(',', 0, c.fields), {});
        EXPECT_EQ(fresh.column(kName), c.names) << c.file.toStdString();
        EXPECT_TRUE(user.allConsumed());
    }
}

TEST_F(TextExchange, FirstLineNamesTheFields)
{
    ExchangeSettings settings = settingsFor(',', '"', {});
    settings.namesInFirstLine = true;
    const TextImport import(db.records(), cardCodec(), captions());
    EXPECT_EQ(import.namedPositions("\"card name\",\" PURCHASE PRICE: \",\"Notes:\"\r\n", settings),
        (std::vector<int> { kName, kPurchase, kNotes }));

    // Picture fields are never matched; nothing is imported when a name is unknown.
    user.expectMessage(MessageKind::Error,
        "These columns of the first line name no field: Colour, Picture.\rNothing was imported.",
        MessageButtons::Ok, kNoHelp);
    EXPECT_FALSE(import.namedPositions("\"Card Name\",\"Colour\",\"Picture\"\r\n", settings));
}

} // namespace
} // namespace zendrova::test
