#include "ExchangeFixture.h"

#include "exchange/DbfExchange.h"
#include "exchange/ExchangeProgress.h"
#include "exchange/ExchangeTexts.h"
#include "exchange/ExportRun.h"
#include "exchange/TextExport.h"
#include "exchange/TextImport.h"
#include "exchange/ViewWalk.h"
#include "store/LetterTabs.h"
#include "store/RecordTableSort.h"
#include "store/SortFile.h"

#include <QDate>
#include <QDir>
#include <QJsonArray>
#include <QJsonDocument>
#include <QProcess>
#include <QRandomGenerator>

namespace zendrova::test {
namespace {

constexpr int kCards = 1000;

// Every user field but the pictures, which text files never carry.
std::vector<int> textFields()
{
    std::vector<int> positions;
    for (int position = kName; position < kPicture; ++position)
        if (position != kSmallPicture)
            positions.push_back(position);
    return positions;
}

// Cards that hold what breaks exchange files: separators, quotes and
// accented Windows-1252 letters in texts, memos of several lines, blank and
// set dates, negative and blank numbers.
void addGeneratedCards(OpenDatabase &db, int count)
{
    QRandomGenerator random(27);
    const QStringList words { "Jos\u00e9", "M\u00fcller", "\u00d8degaard", "say \"hi\"", "a, b",
        "O'Neil", "Stra\u00dfe", "\u20ac5", "caf\u00e9", "plain", "semi;colon", "tab\u00e9" };
    auto phrase = [&](int parts) {
        QStringList picked;
        for (int i = 0; i < parts; ++i)
            picked << words[random.bounded(words.size())];
        return picked.join(QLatin1Char(' '));
    };
    for (int i = 0; i < count; ++i) {
        db.addCard([&](RecordEditor &card) {
            card.setText(kName, phrase(1 + random.bounded(3)));
            for (int position = kSport; position <= kYear; ++position)
                card.setText(position, i % 7 == 0 ? QString() : phrase(1 + random.bounded(2)));
            card.setNumber(kCardNumber, random.bounded(100000) - 500);
            for (int position = kPurchase; position <= kPurchase + 2; ++position) {
                if (random.bounded(4) == 0)
                    card.clear(position);
                else
                    card.setNumber(position, (random.bounded(2000000) - 1000000) / 100.0);
            }
            for (int position = kPurchase + 3; position <= kCustom4 - 1; ++position)
                card.setText(position, phrase(random.bounded(3)));
            card.setDate(kCustom4,
                i % 3 == 0
                    ? std::nullopt
                    : std::optional<QDate>(QDate(1900, 1, 1).addDays(random.bounded(47000))));
            if (i % 5 == 0)
                card.clear(kCustom5);
            else
                card.setNumber(kCustom5, -(random.bounded(99999)) / 100.0);
            QStringList lines;
            for (int line = random.bounded(4); line > 0; --line)
                lines << phrase(random.bounded(12));
            card.setText(kNotes, lines.join(QStringLiteral("\r\n")));
            if (i % 50 == 0)
                card.setBytes(kPicture, QByteArray("BM picture ") + QByteArray::number(i));
        });
    }
}

// Every card as one text, field by field, in the table's physical order.
QStringList cards(OpenDatabase &db, const std::vector<int> &positions)
{
    QStringList rows;
    StoreTable &table = db.records();
    table.selectNaturalOrder();
    for (table.first(); !table.atEnd(); table.next()) {
        QStringList values;
        for (const int position : positions) {
            if (table.fieldModel().kind(position) == FieldKind::Picture)
                values << QString::fromLatin1(table.bytes(position).toHex());
            else
                values << table.text(position);
        }
        rows << values.join(QStringLiteral(" | "));
    }
    return rows;
}

class RoundTrip : public ::testing::Test
{
protected:
    void SetUp() override { addGeneratedCards(source, kCards); }

    ScriptedInteraction user;
    OpenDatabase source { user };
    OpenDatabase target { user };
};

TEST_F(RoundTrip, TextFileGivesBackEveryValue)
{
    const QString path = source.fixture.state.userFolder + QStringLiteral("/cards.txt");
    for (const char delimiter : { '"', '\0' }) {
        OpenDatabase empty(user);
        // Without delimiters no value may hold the separator.
        const ExchangeSettings settings
            = settingsFor(delimiter ? ',' : '\x1f', delimiter, textFields());
        ViewWalk walk(source.records(), std::nullopt);
        ASSERT_TRUE(exportTextFile(path, walk,
            TextExport(settings, source.records().fieldModel(), cardCodec()), nullptr, {}));
        EXPECT_EQ(
            TextImport(empty.records(), cardCodec(), captions()).run(readFile(path), settings, {}),
            kCards);
        EXPECT_EQ(cards(empty, textFields()), cards(source, textFields()));
    }
}

TEST_F(RoundTrip, ExchangeTableGivesBackEveryValue)
{
    const QString userFolder = source.fixture.state.userFolder;
    const DbfExchange exchange(userFolder, source.fixture.state.installFolder);
    ViewWalk walk(source.records(), std::nullopt);
    user.expectMessage(MessageKind::Information,
        ExchangeTexts::exported(QDir::toNativeSeparators(userFolder + "/EXPIMP/CARDS.DBF")),
        MessageButtons::Ok, kNoHelp);
    ASSERT_TRUE(exchange.exportTo(QStringLiteral("cards.txt"), walk, {}));

    std::vector<int> all;
    for (int position = 0; position <= kPicture; ++position)
        all.push_back(position);
    OpenDatabase copy(user);
    const DbfExchange fromTarget(copy.fixture.state.userFolder, copy.fixture.state.installFolder);
    ASSERT_TRUE(QDir().mkpath(fromTarget.folder()));
    for (const char *suffix : { ".DBF", ".DBT", ".MDX" })
        ASSERT_TRUE(QFile::copy(userFolder + "/EXPIMP/CARDS" + QString::fromLatin1(suffix),
            fromTarget.folder() + "/CARDS" + QString::fromLatin1(suffix)));
    user.expectMessage(
        MessageKind::Information, ExchangeTexts::imported(), MessageButtons::Ok, kNoHelp);
    EXPECT_EQ(fromTarget.importFrom(QStringLiteral("Cards"), copy.records(), {}), kCards);
    // Imported cards are numbered by the database that takes them, the same here.
    EXPECT_EQ(cards(copy, all), cards(source, all));

    // Another program reads the exported table with the same values.
    QProcess python;
    python.start(QStringLiteral("/usr/bin/python3"),
        { QStringLiteral("-c"),
            QStringLiteral("import dbfread, json, sys\n"
                           "t = dbfread.DBF(sys.argv[1], encoding='cp1252')\n"
                           "print(json.dumps([[r['RECNUM'], r['CARDNAME'], r['PURCHASE'],\n"
                           "  r['CUSTOM4'].strftime('%Y%m%d') if r['CUSTOM4'] else '',\n"
                           // The reader takes a memo's length as that of its text alone and
                           // so reads the 8 padding bytes after it.
                           "  (r['NOTES'] or '').rstrip('\\0')]\n"
                           "  for r in t]))\n"),
            userFolder + "/EXPIMP/CARDS.DBF" });
    ASSERT_TRUE(python.waitForFinished(60000));
    ASSERT_EQ(python.exitCode(), 0) << python.readAllStandardError().toStdString();
    const QJsonArray rows = QJsonDocument::fromJson(python.readAllStandardOutput()).array();
    ASSERT_EQ(rows.size(), kCards);
    StoreTable &table = source.records();
    table.selectNaturalOrder();
    int i = 0;
    for (table.first(); !table.atEnd(); table.next(), ++i) {
        const QJsonArray row = rows[i].toArray();
        EXPECT_EQ(row[0].toInt(), int(table.number(0)));
        EXPECT_EQ(row[1].toString(), table.text(kName));
        if (table.isNull(kPurchase))
            EXPECT_TRUE(row[2].isNull());
        else
            EXPECT_DOUBLE_EQ(row[2].toDouble(), table.number(kPurchase));
        EXPECT_EQ(row[3].toString(),
            table.date(kCustom4) ? table.date(kCustom4)->toString("yyyyMMdd") : "");
        EXPECT_EQ(row[4].toString(), table.text(kNotes));
    }
}

TEST(ExchangeTable, AskBeforeReplacingAndRefuseWhatCannotBeOpened)
{
    ScriptedInteraction user;
    OpenDatabase db(user);
    db.addCard([](RecordEditor &card) { card.setText(kName, QStringLiteral("First")); });
    const QString folder = db.fixture.state.userFolder;
    const DbfExchange exchange(folder, db.fixture.state.installFolder);
    const QString done
        = ExchangeTexts::exported(QDir::toNativeSeparators(folder + "/EXPIMP/OLD.DBF"));
    auto exportAll = [&] {
        ViewWalk walk(db.records(), std::nullopt);
        return exchange.exportTo(QStringLiteral("old"), walk, {});
    };
    user.expectMessage(MessageKind::Information, done, MessageButtons::Ok, kNoHelp);
    ASSERT_TRUE(exportAll());
    db.addCard([](RecordEditor &card) { card.setText(kName, QStringLiteral("Second")); });

    // No keeps the old table as it was.
    user.expectMessage(MessageKind::Warning, ExchangeTexts::overwrite(), MessageButtons::YesNo,
        kNoHelp, Answer::No);
    user.expectMessage(
        MessageKind::Error, ExchangeTexts::cannotCreate(), MessageButtons::Ok, kNoHelp);
    EXPECT_FALSE(exportAll());
    StoreTable old;
    old.setFolder(exchange.folder());
    old.setFileName(QStringLiteral("OLD.DBF"));
    old.open();
    EXPECT_EQ(old.recordCount(), 1);
    old.close();

    user.expectMessage(MessageKind::Warning, ExchangeTexts::overwrite(), MessageButtons::YesNo,
        kNoHelp, Answer::Yes);
    user.expectMessage(MessageKind::Information, done, MessageButtons::Ok, kNoHelp);
    EXPECT_TRUE(exportAll());
    old.open();
    EXPECT_EQ(DatabaseFixture::columnInOrder(old, kName), (QStringList { "First", "Second" }));
    old.close();

    // Fixed: a name that would leave the folder is refused, on both ways.
    ViewWalk walk(db.records(), std::nullopt);
    user.expectMessage(
        MessageKind::Error, ExchangeTexts::badTableName(), MessageButtons::Ok, kNoHelp);
    EXPECT_FALSE(exchange.exportTo(QStringLiteral("sub/x"), walk, {}));
    user.expectMessage(
        MessageKind::Error, ExchangeTexts::badTableName(), MessageButtons::Ok, kNoHelp);
    EXPECT_EQ(exchange.importFrom(QStringLiteral("..\\DATA\\data"), db.records(), {}), 0);
    user.expectMessage(
        MessageKind::Error, ExchangeTexts::cannotOpen(), MessageButtons::Ok, kNoHelp);
    EXPECT_EQ(exchange.importFrom(QStringLiteral("missing"), db.records(), {}), 0);
    EXPECT_EQ(db.column(kName), (QStringList { "First", "Second" }));
    EXPECT_TRUE(user.allConsumed());
}

TEST(ExchangeTable, NamesStayInTheExchangeFolder)
{
    struct Case
    {
        QString typed;
        std::optional<QString> name;
    };
    const Case cases[] = { { "cards.txt", "CARDS" }, { "My Cards", "MY CARDS" },
        { "*.*", std::nullopt }, { "card?", std::nullopt }, { "../DATA/data", std::nullopt },
        { "sub/cards", std::nullopt }, { "sub\\cards", std::nullopt }, { "C:cards", std::nullopt },
        { "", std::nullopt }, { ".dbf", std::nullopt } };
    for (const Case &c : cases)
        EXPECT_EQ(DbfExchange::tableName(c.typed), c.name) << c.typed.toStdString();
}

} // namespace
} // namespace zendrova::test
