// The card codec on the real card table: what each kind of control takes from
// a field, what it leaves in the record, and when a control counts as empty.
#include "support/DatabaseFixture.h"

#include "common/Clock.h"
#include "mainwin/CardCodec.h"
#include "store/RecordEditor.h"
#include "store/StoreTable.h"

#include <QLocale>
#include <QProcess>
#include <gtest/gtest.h>

// Texts in failure messages as texts.
static void PrintTo(const QString &text, std::ostream *os)
{
    *os << '"' << text.toStdString() << '"';
}

namespace zendrova {

// For failure messages.
void PrintTo(const CardValue &value, std::ostream *os)
{
    *os << "{text \"" << value.text.toStdString() << "\", number "
        << (value.number ? std::to_string(*value.number) : std::string("none")) << ", date "
        << (value.date ? value.date->toString(Qt::ISODate).toStdString() : std::string("none"))
        << ", " << value.picture.size() << " picture bytes}";
}

namespace test {
namespace {

using Kind = CardControlKind;

// Field positions of the card table.
constexpr int kCardName = 2;
constexpr int kSport = 3;
constexpr int kCardNumber = 9; // N(10)
constexpr int kSmallPicture = 10;
constexpr int kPurchase = 11; // N(12,2)
constexpr int kCurrentValue = 12;
constexpr int kCustom4 = 19; // the date field
constexpr int kNotes = 21;
constexpr int kPicture = 22;

const QDate kToday(2024, 2, 29);
const QByteArray kBitmap = QByteArrayLiteral("BM\x1f\x00\x1a\xff") + QByteArray(300, '\x1f');

class CardCodecTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedStates));
        Clock::setToday(kToday);
        InstallationFixture::copyShippedTemplates(fixture.state.databaseFolder);
        table.setFolder(fixture.state.databaseFolder);
        table.setFileName(QStringLiteral("data.dbf"));
        table.open();
        ASSERT_TRUE(table.isOpen());
    }
    void TearDown() override
    {
        Clock::setToday(std::nullopt);
        QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedStates));
    }

    // A stored record with every kind of field filled; the table stands on it.
    void appendFullRecord()
    {
        RecordEditor record(table);
        record.append();
        record.setText(kCardName, QStringLiteral("Old Card"));
        record.setText(kSport, QStringLiteral("Golf"));
        record.setNumber(kCardNumber, 7);
        record.setNumber(kPurchase, 1.5);
        record.setDate(kCustom4, QDate(2000, 1, 2));
        record.setText(kNotes, QStringLiteral("old notes\r\nline 2"));
        record.setBytes(kPicture, kBitmap);
        record.post();
    }

    // Writes one control's value into the current record and stores it.
    void write(Kind kind, const CardValue &value, int position)
    {
        RecordEditor record(table);
        record.lock();
        CardCodec::write(kind, value, record, position);
        record.post();
    }

    DatabaseFixture fixture;
    StoreTable table;
};

struct LoadCase
{
    const char *what;
    Kind kind;
    int position;
    bool asTemplate;
    CardValue expected;
};

TEST_F(CardCodecTest, EachKindOfControlLoadsItsFieldAndOnlyATemplateTurnsTheMarkerIntoToday)
{
    appendFullRecord();
    const LoadCase full[] = {
        { "edit: the text without the field's padding", Kind::Edit, kCardName, false,
            CardValue::ofText(QStringLiteral("Old Card")) },
        { "lookup", Kind::Lookup, kSport, false, CardValue::ofText(QStringLiteral("Golf")) },
        { "memo: its lines", Kind::Memo, kNotes, false,
            CardValue::ofText(QStringLiteral("old notes\r\nline 2")) },
        { "edit on a numeric field: its display text", Kind::Edit, kCardNumber, false,
            CardValue::ofText(QStringLiteral("7")) },
        { "currency: the amount", Kind::Currency, kPurchase, false, CardValue::ofNumber(1.5) },
        { "currency on a blank field: no amount, not 0", Kind::Currency, kCurrentValue, false,
            CardValue::blankNumber() },
        { "date", Kind::Date, kCustom4, false, CardValue::ofDate(QDate(2000, 1, 2)) },
        { "a template's real date stays", Kind::Date, kCustom4, true,
            CardValue::ofDate(QDate(2000, 1, 2)) },
        { "picture: the field's bytes", Kind::Picture, kPicture, false,
            CardValue::ofPicture(kBitmap) },
        { "no picture: no bytes", Kind::Picture, kSmallPicture, false, CardValue() },
    };
    for (const LoadCase &c : full)
        EXPECT_EQ(CardCodec::load(c.kind, table, c.position, c.asTemplate), c.expected) << c.what;

    write(Kind::Date, CardValue::ofDate(CardCodec::todayMarker()), kCustom4);
    ASSERT_EQ(table.text(kCustom4), QStringLiteral("18991231"));
    EXPECT_EQ(
        CardCodec::load(Kind::Date, table, kCustom4, false), CardValue::ofDate(QDate(1899, 12, 31)))
        << "the marker outside a template is a date like any other";
    EXPECT_EQ(CardCodec::load(Kind::Date, table, kCustom4, true), CardValue::ofDate(kToday))
        << "in a template it is today, as the clock says";
    write(Kind::Date, CardValue(), kCustom4);
    EXPECT_EQ(CardCodec::load(Kind::Date, table, kCustom4, true), CardValue())
        << "a blank date stays blank";
}

struct WriteCase
{
    const char *what;
    Kind kind;
    int position;
    CardValue value;
    // The field's text as the table gives it back; nothing for a blank field.
    std::optional<QString> stored;
};

TEST_F(CardCodecTest, EachKindOfControlLeavesItsValueInTheRecord)
{
    const WriteCase cases[] = {
        { "edit", Kind::Edit, kCardName, CardValue::ofText(QStringLiteral("Zed Card")),
            QStringLiteral("Zed Card") },
        { "lookup", Kind::Lookup, kSport, CardValue::ofText(QStringLiteral("Hockey")),
            QStringLiteral("Hockey") },
        { "memo", Kind::Memo, kNotes, CardValue::ofText(QStringLiteral("line one\r\nline two")),
            QStringLiteral("line one\r\nline two") },
        { "currency: its amount", Kind::Currency, kPurchase, CardValue::ofNumber(1234.5),
            QStringLiteral("1234.50") },
        { "currency of 0: a stored 0, not a blank", Kind::Currency, kPurchase,
            CardValue::ofNumber(0), QStringLiteral("0.00") },
        { "currency of no amount clears the field", Kind::Currency, kPurchase,
            CardValue::blankNumber(), std::nullopt },
        { "text on a numeric field: thousands separators dropped", Kind::Edit, kCardNumber,
            CardValue::ofText(QStringLiteral("12,345")), QStringLiteral("12345") },
        { "text with blanks around and decimals", Kind::Lookup, kPurchase,
            CardValue::ofText(QStringLiteral(" 1,234.56 ")), QStringLiteral("1234.56") },
        { "blank text on a numeric field clears it", Kind::Edit, kPurchase, CardValue(),
            std::nullopt },
        { "date", Kind::Date, kCustom4, CardValue::ofDate(QDate(1996, 12, 31)),
            QStringLiteral("19961231") },
        { "no date clears the field", Kind::Date, kCustom4, CardValue(), std::nullopt },
        { "empty picture clears the field", Kind::Picture, kPicture, CardValue(), std::nullopt },
    };
    for (const WriteCase &c : cases) {
        table.first();
        if (table.atEnd())
            appendFullRecord();
        write(c.kind, c.value, c.position);
        EXPECT_EQ(table.text(c.position), c.stored.value_or(QString())) << c.what;
        EXPECT_EQ(table.isNull(c.position), !c.stored) << c.what;
    }

    write(Kind::Picture, CardValue::ofPicture(kBitmap), kSmallPicture);
    EXPECT_EQ(table.bytes(kSmallPicture), kBitmap);
}

TEST_F(CardCodecTest, ANumberIsReadWithTheLocalesSeparatorsAndATextThatIsNoNumberFailsTheWrite)
{
    appendFullRecord();
    QLocale::setDefault(QLocale(QLocale::German, QLocale::Germany));
    write(Kind::Edit, CardValue::ofText(QStringLiteral("1.234,5")), kPurchase);
    EXPECT_EQ(table.number(kPurchase), 1234.5);

    RecordEditor record(table);
    record.lock();
    try {
        CardCodec::write(Kind::Edit, CardValue::ofText(QStringLiteral("12x")), record, kPurchase);
        ADD_FAILURE() << "a text that is no number was stored";
    } catch (const StoreError &error) {
        EXPECT_EQ(error.kind(), StoreErrorKind::Value);
    }
    record.cancel();
    EXPECT_EQ(table.number(kPurchase), 1234.5);
}

TEST_F(CardCodecTest, AnIndependentReaderFindsTheWrittenValues)
{
    appendFullRecord();
    write(Kind::Edit, CardValue::ofText(QStringLiteral("98,765")), kCardNumber);
    write(Kind::Currency, CardValue::ofNumber(-12.25), kPurchase);
    write(Kind::Date, CardValue::ofDate(QDate(1996, 12, 31)), kCustom4);
    write(Kind::Memo, CardValue::ofText(QStringLiteral("first\r\nsecond")), kNotes);
    write(Kind::Picture, CardValue(), kPicture);
    table.close();

    QProcess python;
    python.start(QStringLiteral("/usr/bin/python3"),
        { QStringLiteral("-c"),
            QStringLiteral(
                "import dbfread\n"
                "for r in dbfread.DBF('%1', encoding='cp1252'):\n"
                // It reads 8 bytes past a memo's end (it takes the length without the header).
                "  notes = r['NOTES'][:-8]\n"
                "  print(r['CARDNUM'], r['PURCHASE'], r['CUSTOM4'], repr(notes), r['PICTURE'])\n")
                .arg(fixture.databaseFile(QStringLiteral("data.dbf"))) });
    ASSERT_TRUE(python.waitForFinished());
    EXPECT_EQ(python.exitCode(), 0) << python.readAllStandardError().toStdString();
    EXPECT_EQ(python.readAllStandardOutput().toStdString(),
        "98765 -12.25 1996-12-31 'first\\r\\nsecond' None\n");
}

struct RefusalCase
{
    const char *what;
    Kind kind;
    int position;
    CardValue value;
    const char *refusal;
};

TEST_F(CardCodecTest, AValueItsFieldCannotTakeIsRefusedInWordsAndNeverStoredBlank)
{
    const QString paid = QStringLiteral("Paid:");
    const RefusalCase cases[] = {
        { "a whole number of ten digits fits N(10)", Kind::Currency, kCardNumber,
            CardValue::ofNumber(9999999999.0), "" },
        { "eleven do not", Kind::Currency, kCardNumber, CardValue::ofNumber(12345678901.0),
            "The number in Paid is too long to be stored!\r"
            "This field holds numbers from -999,999,999 to 9,999,999,999." },
        { "N(12,2) keeps three places for the point and cents", Kind::Currency, kPurchase,
            CardValue::ofNumber(999999999.99), "" },
        { "a cent more does not fit", Kind::Currency, kPurchase, CardValue::ofNumber(1e9),
            "The number in Paid is too long to be stored!\r"
            "This field holds numbers from -99,999,999.99 to 999,999,999.99." },
        { "the sign takes a place", Kind::Currency, kPurchase, CardValue::ofNumber(-1e8), "x" },
        { "more decimals are rounded away", Kind::Currency, kPurchase,
            CardValue::ofNumber(0.333333333333), "" },
        { "no amount", Kind::Currency, kPurchase, CardValue::blankNumber(), "" },
        { "a date", Kind::Date, kCustom4, CardValue::ofDate(QDate(1999, 2, 28)), "" },
        { "no date", Kind::Date, kCustom4, CardValue(), "" },
        { "a text that is no date", Kind::Date, kCustom4,
            CardValue::ofUnreadableDate(QStringLiteral("02/31/1999")), "Invalid Date!" },
    };
    for (const RefusalCase &c : cases) {
        const QString refusal
            = CardCodec::refusal(c.kind, c.value, table.fieldModel(), c.position, paid);
        if (QLatin1String(c.refusal) == QLatin1String("x"))
            EXPECT_FALSE(refusal.isEmpty()) << c.what;
        else
            EXPECT_EQ(refusal, QLatin1String(c.refusal)) << c.what;
    }

    appendFullRecord();
    RecordEditor record(table);
    record.lock();
    EXPECT_THROW(CardCodec::write(Kind::Date,
                     CardValue::ofUnreadableDate(QStringLiteral("02/31/1999")), record, kCustom4),
        StoreError);
    record.cancel();
    EXPECT_EQ(table.date(kCustom4), QDate(2000, 1, 2));
}

struct EmptyCase
{
    const char *what;
    Kind kind;
    CardValue value;
    bool empty;
};

TEST(CardCodecEmptiness, EachKindIsEmptyByWhatItHolds)
{
    for (Kind kind :
        { Kind::Edit, Kind::Lookup, Kind::Currency, Kind::Date, Kind::Picture, Kind::Memo })
        EXPECT_TRUE(CardCodec::isEmpty(kind, CardValue()))
            << "an emptied control, kind " << int(kind);
    const CardValue textOnly = CardValue::ofText(QStringLiteral("x"));
    const EmptyCase cases[] = {
        { "a blank is text", Kind::Edit, CardValue::ofText(QStringLiteral(" ")), false },
        { "memo with text", Kind::Memo, textOnly, false },
        { "an amount of 0", Kind::Currency, CardValue::ofNumber(0), true },
        { "no amount", Kind::Currency, CardValue::blankNumber(), true },
        { "a date control's text that is no date", Kind::Date,
            CardValue::ofUnreadableDate(QStringLiteral("02/31/1999")), false },
        { "a cent", Kind::Currency, CardValue::ofNumber(0.01), false },
        { "a negative amount", Kind::Currency, CardValue::ofNumber(-1), false },
        { "a currency counts its amount, not a text", Kind::Currency, textOnly, true },
        { "a date", Kind::Date, CardValue::ofDate(QDate(1899, 12, 31)), false },
        { "a picture", Kind::Picture, CardValue::ofPicture(kBitmap), false },
        { "a picture control counts its picture, not a text", Kind::Picture, textOnly, true },
        { "an edit counts its text, not an amount", Kind::Edit, CardValue::ofNumber(5), true },
    };
    for (const EmptyCase &c : cases)
        EXPECT_EQ(CardCodec::isEmpty(c.kind, c.value), c.empty) << c.what;
}

} // namespace
} // namespace test
} // namespace zendrova
