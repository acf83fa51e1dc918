#include "ExchangeFixture.h"

#include "exchange/ExchangeProgress.h"
#include "exchange/ExchangeTexts.h"
#include "exchange/ExportRun.h"
#include "exchange/TextExport.h"
#include "exchange/TextImport.h"
#include "exchange/ViewWalk.h"
#include "store/LetterTabs.h"
#include "store/RecordTableSort.h"

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
            "\"Say \"\"Hi\"\", B\xE4r\",\"-12.50\",\"03/07/1999\",\"\x03line one\r\nline, "
            "two\x03\"\r\n"
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
            QString::fromUtf8("Line 2 holds the character \"\xD0\x96\", which a card cannot hold.")
                + kept },
    };
    for (const Case &c : cases) {
        OpenDatabase fresh(user);
        user.expectMessage(MessageKind::Error, c.message, MessageButtons::Ok, kNoHelp);
        TextImport(fresh.records(), cardCodec(), captions())
            .run(c.file, settingsFor(',', 0, c.fields), {});
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

TEST_F(TextExchange, SpreadsheetFileWithNamesInItsFirstLine)
{
    // UTF-8 with a byte-order mark, another column order and case, doubled quotes.
    const QByteArray file
        = "\xEF\xBB\xBF\"YEAR\",\"card name\",\"Notes\",\"Sport:\"\r\n"
          "\"1999\",\"M\xC3\xBCller \"\"The Wall\"\"\",\"Goalie, 2 caps\",\"Hockey\"\r\n"
          "\"2004\",\"\xC3\x98"
          "degaard\",\"\",\"Soccer\"\r\n";
    ExchangeSettings settings = settingsFor(',', '"', {});
    settings.namesInFirstLine = true;
    TextImport import(db.records(), cardCodec(), captions());
    const auto named = import.namedPositions(file, settings);
    ASSERT_TRUE(named);
    settings.positions = *named;
    EXPECT_EQ(settings.positions, (std::vector<int> { kYear, kName, kNotes, kSport }));
    EXPECT_EQ(import.run(file, settings, {}), 2);
    EXPECT_EQ(db.column(kName), (QStringList { "M\u00fcller \"The Wall\"", "\u00d8degaard" }));
    EXPECT_EQ(db.column(kYear), (QStringList { "1999", "2004" }));
    EXPECT_EQ(db.column(kNotes), (QStringList { "Goalie, 2 caps", "" }));
    EXPECT_EQ(db.column(kSport), (QStringList { "Hockey", "Soccer" }));

    // Without the choice the first line is a record like any other.
    OpenDatabase plain(user);
    settings.namesInFirstLine = false;
    EXPECT_EQ(TextImport(plain.records(), cardCodec(), captions()).run(file, settings, {}), 3);
    EXPECT_EQ(plain.column(kName),
        (QStringList { "card name", "M\u00fcller \"The Wall\"", "\u00d8degaard" }));
    EXPECT_EQ(plain.column(kSport), (QStringList { "Sport:", "Hockey", "Soccer" }));
}

TEST(TextExchangeByLetter, LetterTabsWalkEachLetterInTurn)
{
    ScriptedInteraction user;
    OpenDatabase db(user, kName);
    for (const char *name : { "carl", "Bob", "1st", "alice", "Anna", "!x" })
        db.addCard([name](RecordEditor &card) { card.setText(kName, QString::fromLatin1(name)); });
    RecordStore &store = *db.store;
    store.sortOrder().applySort(store.sortTarget());
    const LetterTabs tabs { store.sortOrder().descriptor.sort, store.fields(),
        store.sortOrder().filterScope, !store.sortTarget().currentTag().isEmpty(), true };
    ASSERT_TRUE(tabs.apply());
    ViewWalk walk(db.records(), ViewWalk::Letters { tabs, store.sortTarget() });
    QStringList parts;
    ExchangeProgress progress;
    progress.start = [&](const QString &caption, int total) {
        if (total > 0)
            parts << caption + QStringLiteral(" ") + QString::number(total);
    };
    const QString path = db.fixture.state.userFolder + QStringLiteral("/letters.txt");
    const ExchangeSettings settings = settingsFor(',', 0, { kName });
    ASSERT_TRUE(exportTextFile(
        path, walk, TextExport(settings, store.fields(), cardCodec()), nullptr, progress));
    // Names sorting before "A" are under the A tab: no card is left out.
    EXPECT_EQ(readFile(path), "!x\r\n1st\r\nalice\r\nAnna\r\nBob\r\ncarl\r\n");
    EXPECT_EQ(parts,
        (QStringList { "Exporting. Please Wait... (A) 4", "Exporting. Please Wait... (B) 1",
            "Exporting. Please Wait... (C) 1" }));
}

} // namespace
} // namespace zendrova::test
