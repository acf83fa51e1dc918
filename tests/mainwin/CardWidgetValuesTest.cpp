// The real card's controls with the card codec: a record shown on the card and
// written back from it is the same record, and only the user's edits count.
#include "support/DatabaseFixture.h"
#include "support/ScriptedInteraction.h"
#include "support/WidgetLookup.h"

#include "common/Clock.h"
#include "editors/PictureBytes.h"
#include "editors/ui/TBmpControl.h"
#include "editors/ui/TCurrencyEdit.h"
#include "editors/ui/TDateEdit.h"
#include "mainwin/CardCodec.h"
#include "mainwin/ui/CardWidgetValues.h"
#include "mainwin/ui/RecordCard.h"
#include "store/RecordEditor.h"
#include "store/StoreTable.h"
#include "store/ui/TLookup.h"

#include <QLineEdit>
#include <QPlainTextEdit>
#include <QTest>
#include <gtest/gtest.h>

// Texts in failure messages as texts.
static void PrintTo(const QString &text, std::ostream *os)
{
    *os << '"' << text.toStdString() << '"';
}

namespace zendrova::test {
namespace {

constexpr int kFirstPosition = 2;
constexpr int kLastPosition = 22;
const QDate kToday(2024, 2, 29);

class CardWidgetValuesTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        Clock::setToday(kToday);
        card.applyDateFormats(fixture.state.dateFormats); // mm/dd/yyyy, as a new installation has
        InstallationFixture::copyShippedTemplates(fixture.state.databaseFolder);
        table.setFolder(fixture.state.databaseFolder);
        table.setFileName(QStringLiteral("data.dbf"));
        table.open();
        ASSERT_TRUE(table.isOpen());
    }
    void TearDown() override { Clock::setToday(std::nullopt); }

    void loadCard(bool asTemplate = false)
    {
        for (int i = 0; i < CardFields::kCount; ++i)
            values.load(i, table, asTemplate);
    }
    template <typename T> T *control(const char *name) { return child<T>(card, name); }

    DatabaseFixture fixture;
    ScriptedInteraction user;
    StoreTable table;
    RecordCard card { fixture.state };
    CardWidgetValues values { card.cardControls() };
};

TEST_F(CardWidgetValuesTest, ARecordShownOnTheCardAndWrittenBackIsTheSameRecord)
{
    QImage image(5, 3, QImage::Format_RGB32);
    image.fill(Qt::darkGreen);
    const QByteArray bitmap = PictureBytes::encode(image);
    RecordEditor record(table);
    record.append();
    record.setText(2, QStringLiteral("Old Card"));
    record.setText(3, QStringLiteral("Golf"));
    record.setNumber(9, 12345);
    record.setNumber(11, -1234.5);
    record.setDate(19, QDate(1996, 12, 31));
    record.setText(21, QStringLiteral("first line\nsecond line"));
    record.setBytes(22, bitmap);
    record.post();

    loadCard();
    EXPECT_FALSE(values.changed());
    EXPECT_FALSE(values.isEmpty());
    EXPECT_EQ(control<QLineEdit>("L1")->text(), QStringLiteral("Old Card"));
    EXPECT_EQ(control<TLookup>("L2")->currentText(), QStringLiteral("Golf"));
    // The card number is a whole number, the amounts have cents.
    EXPECT_EQ(control<TCurrencyEdit>("L8")->text(), QStringLiteral("12,345"));
    EXPECT_EQ(control<TCurrencyEdit>("L10")->text(), QStringLiteral("-1,234.50"));
    EXPECT_EQ(control<TCurrencyEdit>("L11")->text(), QStringLiteral("0.00")); // a blank field
    EXPECT_EQ(control<TDateEdit>("L18")->Date(), QStringLiteral("12/31/1996"));
    EXPECT_EQ(
        control<QPlainTextEdit>("L20")->toPlainText(), QStringLiteral("first line\nsecond line"));
    EXPECT_TRUE(control<TBmpControl>("L9")->isEmpty());
    EXPECT_EQ(control<TBmpControl>("L21")->picture().size(), QSize(5, 3));

    const StoreTable::Bookmark original = table.bookmark();
    record.append();
    for (int i = 0; i < CardFields::kCount; ++i)
        values.write(i, record);
    record.post();
    QStringList copied;
    for (int position = kFirstPosition; position <= kLastPosition; ++position)
        copied << table.text(position);
    const QByteArray copiedPicture = table.bytes(22);
    table.gotoBookmark(original);
    // A blank amount nobody touched stays blank.
    for (int position = kFirstPosition; position <= kLastPosition; ++position)
        EXPECT_EQ(copied.at(position - kFirstPosition), table.text(position))
            << "field position " << position;
    EXPECT_EQ(copiedPicture, bitmap);
}

TEST_F(CardWidgetValuesTest, OnlyTheUsersEditsMarkTheCardAndAClearedCardIsEmpty)
{
    RecordEditor record(table);
    record.append();
    record.setText(2, QStringLiteral("Old Card"));
    record.setDate(19, CardCodec::todayMarker());
    record.post();

    loadCard(true);
    EXPECT_FALSE(values.changed());
    EXPECT_EQ(control<TDateEdit>("L18")->Date(), QStringLiteral("02/29/2024"))
        << "a template's marker is today";
    loadCard(false);
    EXPECT_EQ(control<TDateEdit>("L18")->Date(), QStringLiteral("12/31/1899"));
    QTest::keyClicks(control<QLineEdit>("L17"), QStringLiteral("typed"));
    EXPECT_TRUE(values.changed());

    values.clearAll();
    EXPECT_FALSE(values.changed());
    EXPECT_TRUE(values.isEmpty());
    EXPECT_EQ(control<QLineEdit>("L1")->text(), QString());
    EXPECT_EQ(control<TCurrencyEdit>("L10")->text(), QStringLiteral("0.00"));
    EXPECT_EQ(control<TDateEdit>("L18")->Date(), QStringLiteral("__/__/____"));
    control<TDateEdit>("L18")->setValue(1000);
    EXPECT_FALSE(values.isEmpty()) << "a date alone makes the card non-empty";
}

} // namespace
} // namespace zendrova::test
