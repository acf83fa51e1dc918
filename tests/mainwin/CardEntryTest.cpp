// Typing on the card as a collector does, in the window with the real store:
// what the fields show is what the table keeps, looking stores nothing, and a
// value the record cannot take keeps the card on it. The table on disk is
// read back by an independent reader.
#include "GeneratedCardsWindow.h"
#include "support/IndependentReader.h"
#include "support/WidgetLookup.h"

#include "editors/ui/TCurrencyEdit.h"
#include "editors/ui/TDateEdit.h"
#include "mainwin/RecordCycle.h"
#include "mainwin/ui/RecordCard.h"
#include "store/ui/TLookup.h"

#include <QAbstractButton>
#include <QClipboard>
#include <QDateTime>
#include <QFile>
#include <QFileInfo>
#include <QGuiApplication>
#include <QLabel>
#include <QLineEdit>
#include <QMap>
#include <QTest>
#include <gtest/gtest.h>

// Texts in failure messages as texts.
static void PrintTo(const QString &text, std::ostream *os)
{
    *os << '"' << text.toStdString() << '"';
}

namespace zendrova::test {
namespace {

constexpr int kSalePrice = 13; // field position of the Sale Price
const QString kInvalidDate = QStringLiteral("Invalid Date!");
const QStringList kFields { QStringLiteral("RECNUM"), QStringLiteral("CARDNAME"),
    QStringLiteral("CARDNUM"), QStringLiteral("PURCHASE"), QStringLiteral("SALEPRICE"),
    QStringLiteral("SPORT"), QStringLiteral("CUSTOM3"), QStringLiteral("CUSTOM4") };

// The files of the record table as they lie on disk.
struct TableFiles
{
    QByteArray records;
    QByteArray memos;
    QDateTime modified;
    bool operator==(const TableFiles &) const = default;
};

class CardEntryTest : public GeneratedCardsWindow
{
protected:
    std::unique_ptr<TForm3> openActiveWindow()
    {
        auto form = openWindow();
        form->activateWindow();
        EXPECT_TRUE(QTest::qWaitForWindowActive(form.get()));
        return form;
    }

    // Buttons of the record bar and the speed bar take no focus: a field
    // being typed in is not left before the click acts.
    static void click(TForm3 &form, const char *button)
    {
        QTest::mouseClick(child<QAbstractButton>(form, button), Qt::LeftButton);
    }

    // Puts the focus into a card field and types over what it shows.
    static void typeInto(TForm3 &form, const char *field, const QString &text)
    {
        auto *control = child<QWidget>(form, field);
        auto *card = child<RecordCard>(form, "PgRight");
        card->selectPart(CardFields::byTag(CardFields::tagOf(control)).page);
        control->setFocus(Qt::OtherFocusReason);
        QLineEdit *edit = qobject_cast<QLineEdit *>(control);
        if (auto *lookup = qobject_cast<TLookup *>(control))
            edit = lookup->lineEdit();
        ASSERT_NE(edit, nullptr) << field;
        if (qobject_cast<TDateEdit *>(control))
            QTest::keyClick(edit, Qt::Key_Home); // it overwrites place by place
        else
            edit->selectAll();
        QTest::keyClicks(edit, text);
    }

    static QString shown(TForm3 &form, const char *field)
    {
        auto *control = child<QWidget>(form, field);
        if (auto *lookup = qobject_cast<TLookup *>(control))
            return lookup->currentText();
        return qobject_cast<QLineEdit *>(control)->text();
    }

    static int cardRecordNumber(TForm3 &form) { return form.recordCycle()->card().recordNumber; }

    QString dataFile() const { return fixture.databaseFile(QStringLiteral("data.dbf")); }

    // The rows of kFields by record number, read without our engine.
    QMap<int, QString> rowsByRecordNumber()
    {
        QMap<int, QString> rows;
        for (const QString &row : dbfreadRows(dataFile(), kFields))
            rows.insert(row.section(QLatin1Char('|'), 0, 0).toInt(), row);
        return rows;
    }

    // Dates the table files back, so that any write shows in the time too.
    TableFiles tableFilesAged()
    {
        for (const char *suffix : { "dbf", "dbt" }) {
            QFile file(fixture.databaseFile(QStringLiteral("data.") + QLatin1String(suffix)));
            EXPECT_TRUE(file.open(QIODevice::ReadWrite));
            EXPECT_TRUE(file.setFileTime(
                QDateTime(QDate(2001, 2, 3), QTime(4, 5, 6)), QFileDevice::FileModificationTime));
        }
        return tableFiles();
    }

    TableFiles tableFiles() const
    {
        auto bytes = [this](const char *name) {
            QFile file(fixture.databaseFile(QLatin1String(name)));
            EXPECT_TRUE(file.open(QIODevice::ReadOnly)) << name;
            return file.readAll();
        };
        return { bytes("data.dbf"), bytes("data.dbt"), QFileInfo(dataFile()).lastModified() };
    }
};

TEST_F(CardEntryTest, WhatTheFieldsShowWhenAButtonIsClickedIsWhatTheRecordKeeps)
{
    const QMap<int, QString> before = rowsByRecordNumber();
    int first = 0;
    int second = 0;
    {
        auto form = openActiveWindow();
        first = cardRecordNumber(*form);
        // Each kind of field typed in; the last one is not left before the click.
        typeInto(*form, "L8", QStringLiteral("4321"));
        typeInto(*form, "L10", QStringLiteral("12.5"));
        typeInto(*form, "L18", QStringLiteral("12311996"));
        typeInto(*form, "L2", QStringLiteral("Curling"));
        click(*form, "B_Next");
        second = cardRecordNumber(*form);
        ASSERT_NE(second, first);
        EXPECT_EQ(shown(*form, "L8"),
            QStringLiteral("%L1").arg(before[second].section('|', 2, 2).toInt()))
            << "the next card shows its own number";

        click(*form, "B_New");
        const struct
        {
            const char *field;
            const char *cleared;
        } fields[] = { { "L8", "0" }, { "L10", "0.00" }, { "L2", "" }, { "L18", "__/__/____" } };
        for (const auto &f : fields)
            EXPECT_EQ(shown(*form, f.field), QLatin1String(f.cleared)) << f.field;

        // A new card with a number typed and not left, then another new card.
        typeInto(*form, "L1", QStringLiteral("Zz First New"));
        typeInto(*form, "L8", QStringLiteral("7"));
        click(*form, "B_New");
        EXPECT_EQ(shown(*form, "L8"), QStringLiteral("0"))
            << "nothing typed moves into the next card";
        typeInto(*form, "L1", QStringLiteral("Zz Second New"));
        EXPECT_TRUE(form->close());
    }
    store.closeAll();

    QMap<int, QString> after = rowsByRecordNumber();
    ASSERT_EQ(after.size(), before.size() + 2);
    const QString firstBefore = before[first];
    EXPECT_EQ(after.take(first),
        QStringList(
            { QString::number(first), firstBefore.section('|', 1, 1), QStringLiteral("4321"),
                QStringLiteral("12.5"), firstBefore.section('|', 4, 4), QStringLiteral("Curling"),
                firstBefore.section('|', 6, 6), QStringLiteral("1996-12-31") })
            .join('|'));
    const int lastNumber = after.lastKey();
    EXPECT_EQ(after.take(lastNumber - 1).section('|', 1, 3), QStringLiteral("Zz First New|7|0.0"));
    EXPECT_EQ(after.take(lastNumber).section('|', 1, 3), QStringLiteral("Zz Second New|0|0.0"));
    QMap<int, QString> others = before;
    others.remove(first);
    EXPECT_EQ(after, others) << "the other cards, the second among them, are as they were";
    EXPECT_TRUE(
        dbfreadRows(fixture.databaseFile(QStringLiteral("list1.dbf")), { QStringLiteral("ITEM") })
            .contains(QStringLiteral("Curling")))
        << "a new sport goes into the Sport list as when its field is left";
    EXPECT_TRUE(user.allConsumed());
}

TEST_F(CardEntryTest, LookingAtCardsWritesNothingAndAnUntouchedBlankAmountStaysBlank)
{
    const QMap<int, QString> before = rowsByRecordNumber();
    const TableFiles untouched = tableFilesAged();
    int blankSale = 0;
    {
        auto form = openActiveWindow();
        StoreTable &card = form->recordCycle()->cardCursor();
        for (int step = 0; step < 12; ++step) {
            if (!blankSale && card.isNull(kSalePrice))
                blankSale = step;
            click(*form, "B_Next");
        }
        click(*form, "B_Prev");
        ASSERT_GT(blankSale, 0) << "among the cards looked at is one without a sale price";
        EXPECT_TRUE(form->close());
    }
    store.closeAll();
    EXPECT_TRUE(tableFiles() == untouched) << "records, memos and the table's time unchanged";

    // That card changed in another field keeps its blank amount.
    int changed = 0;
    {
        auto form = openActiveWindow();
        for (int step = 0; step < blankSale; ++step)
            click(*form, "B_Next");
        changed = cardRecordNumber(*form);
        ASSERT_TRUE(form->recordCycle()->cardCursor().isNull(kSalePrice));
        EXPECT_EQ(shown(*form, "L12"), QStringLiteral("0.00"));
        typeInto(*form, "L17", QStringLiteral("seen at a fair"));
        click(*form, "B_Next");
        EXPECT_TRUE(form->close());
    }
    store.closeAll();
    QMap<int, QString> after = rowsByRecordNumber();
    QStringList expected = before[changed].split('|');
    ASSERT_EQ(expected.at(4), QStringLiteral("None"));
    expected[6] = QStringLiteral("seen at a fair");
    EXPECT_EQ(after.take(changed), expected.join('|'));
    QMap<int, QString> others = before;
    others.remove(changed);
    EXPECT_EQ(after, others);
    EXPECT_TRUE(user.allConsumed());
}

TEST_F(CardEntryTest, AnImpossibleDateKeepsTheCardOnItsRecordUntilCorrected)
{
    const TableFiles untouched = tableFilesAged();
    auto form = openActiveWindow();
    const int record = cardRecordNumber(*form);
    auto *date = child<TDateEdit>(*form, "L18");
    typeInto(*form, "L18", QStringLiteral("02311999"));

    for (const char *leave : { "B_Next", "B_New" }) {
        user.expectMessage(MessageKind::Error, kInvalidDate, MessageButtons::Ok, kNoHelp);
        click(*form, leave);
        EXPECT_EQ(cardRecordNumber(*form), record) << leave;
        EXPECT_EQ(date->Date(), QStringLiteral("02/31/1999"));
        EXPECT_EQ(QApplication::focusWidget(), date) << leave;
    }
    user.expectMessage(MessageKind::Error, kInvalidDate, MessageButtons::Ok, kNoHelp);
    EXPECT_FALSE(form->close()) << "closing is leaving too";
    EXPECT_TRUE(user.allConsumed());
    EXPECT_TRUE(tableFiles() == untouched) << "nothing stored blank meanwhile";

    typeInto(*form, "L18", QStringLiteral("02281999"));
    click(*form, "B_Next");
    EXPECT_NE(cardRecordNumber(*form), record);
    EXPECT_TRUE(form->close());
    store.closeAll();
    EXPECT_EQ(rowsByRecordNumber()[record].section('|', 7, 7), QStringLiteral("1999-02-28"));
}

TEST_F(CardEntryTest, AnAmountEditorTakesOnlyWhatItsFieldCanStore)
{
    auto form = openActiveWindow();
    const struct
    {
        const char *field;
        const char *typed;
        const char *shown;
    } cases[] = {
        { "L8", "123456789012345", "1234567890" }, // N(10): ten digits
        { "L8", "-123456789012", "-123456789" }, // the sign takes a place
        { "L8", "12.5", "125" }, // no decimals in a whole number
        { "L10", "99999999999999.99", "999999999.99" }, // N(12,2)
        { "L10", "1.234", "1.23" },
        { "L19", "-999999999", "-99999999" },
    };
    for (const auto &c : cases) {
        typeInto(*form, c.field, QLatin1String(c.typed));
        EXPECT_EQ(shown(*form, c.field), QLatin1String(c.shown)) << c.field << " " << c.typed;
    }
}

TEST_F(CardEntryTest, AnAmountTooLongForItsFieldIsNamedByItsCaptionAndKeepsTheCard)
{
    fixture.state.captions.setCaptions(CaptionList::builtInCaptions());
    fixture.state.captions.setCaption(10, QStringLiteral("Paid:"));
    const TableFiles untouched = tableFilesAged();
    auto form = openActiveWindow();
    const int record = cardRecordNumber(*form);
    // Pasted, not typed: the editor's key filter never saw it.
    QGuiApplication::clipboard()->setText(QStringLiteral("99999999999999.99"));
    auto *paid = child<TCurrencyEdit>(*form, "L10");
    typeInto(*form, "L10", QString());
    QTest::keySequence(paid, QKeySequence::Paste);
    ASSERT_EQ(paid->text(), QStringLiteral("99999999999999.99"));
    typeInto(*form, "L1", QStringLiteral("Paste Test"));

    user.expectMessage(MessageKind::Error,
        QStringLiteral("The number in Paid is too long to be stored!\r"
                       "This field holds numbers from -99,999,999.99 to 999,999,999.99."),
        MessageButtons::Ok, kNoHelp);
    click(*form, "B_Next");
    EXPECT_EQ(cardRecordNumber(*form), record);
    EXPECT_EQ(QApplication::focusWidget(), paid);
    EXPECT_EQ(child<RecordCard>(*form, "PgRight")->currentPart(), 2);
    EXPECT_TRUE(user.allConsumed());
    EXPECT_TRUE(tableFiles() == untouched);

    typeInto(*form, "L10", QStringLiteral("150"));
    EXPECT_TRUE(form->close());
    store.closeAll();
    const QString row = rowsByRecordNumber()[record];
    EXPECT_EQ(row.section('|', 1, 1), QStringLiteral("Paste Test"));
    EXPECT_EQ(row.section('|', 3, 3), QStringLiteral("150.0"));
}

} // namespace
} // namespace zendrova::test
