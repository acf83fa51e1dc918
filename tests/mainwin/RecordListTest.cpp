// The record list in the main window on generated cards: rows, clicks,
// paging and the record-button menu's delete.
#include "GeneratedCardsWindow.h"
#include "support/WidgetLookup.h"

#include "common/WholeFile.h"
#include "dbase/Error.h"
#include "editors/ui/TDateEdit.h"
#include "mainwin/RecordCycle.h"
#include "store/RecordEditor.h"
#include "query/TFilter.h"
#include "mainwin/ui/RecordListPage.h"
#include "mainwin/ui/TOrvanHeader.h"
#include "store/ui/TColorButton.h"
#include "store/ui/TFormatedButton.h"
#include "store/ui/TSortButton.h"

#include <QAction>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QRegularExpression>
#include <QTest>

namespace zendrova::test {
namespace {

class RecordListTest : public GeneratedCardsWindow
{
protected:
    static QString firstColumn(const TFormatedButton *row)
    {
        return row->columns().isEmpty() ? QString() : row->columns().first().caption;
    }

    QList<TFormatedButton *> rows(TForm3 &form)
    {
        return child<RecordListPage>(form, "Panel1")->rows();
    }

    // The card names of one filter mark in name order, read straight from the table.
    QStringList namesMarked(const std::string &mark)
    {
        dbase::Table table;
        table.open(fixture.databaseFile(QStringLiteral("data.dbf")).toStdString(), false);
        QStringList names;
        for (table.first(); !table.eof(); table.next()) {
            if (table.asString(kFilterMark) == mark)
                names << QString::fromLatin1(table.asString(kCardName).c_str());
        }
        std::sort(names.begin(), names.end(),
            [](const QString &a, const QString &b) { return a.toUpper() < b.toUpper(); });
        return names;
    }

    // Deletes through the record-button menu opened on the row.
    void deleteRow(TForm3 &form, int row)
    {
        auto *page = child<RecordListPage>(form, "Panel1");
        emit rows(form)[row]->customContextMenuRequested(QPoint(4, 4));
        page->rowMenu()->hide();
        page->rowMenuItem("Deleterecord1")->trigger();
    }

    QString cardName(TForm3 &form) { return child<QLineEdit>(form, "L1")->text(); }
    QString cardPosition(TForm3 &form) { return child<QLabel>(form, "PgR_Lbl")->text(); }
};

TEST_F(RecordListTest, RowsShowTheSortedCardsAndAClickPutsOneOnTheCard)
{
    fixture.state.userOptions.letterTabs = 1;
    auto form = openWindow();
    const QStringList names = namesMarked("2") + namesMarked("0");
    QStringList sorted = names;
    std::sort(sorted.begin(), sorted.end(),
        [](const QString &a, const QString &b) { return a.toUpper() < b.toUpper(); });
    const QList<TFormatedButton *> list = rows(*form);
    ASSERT_GT(list.size(), 3);
    EXPECT_EQ(firstColumn(list[0]), sorted[0]);
    // The second column keeps a blank from the first.
    EXPECT_TRUE(list[0]->columns().value(1).caption.startsWith(QLatin1Char(' ')));
    EXPECT_TRUE(list[0]->isSelected());

    QTest::mouseClick(list[2], Qt::LeftButton);
    EXPECT_EQ(cardName(*form), sorted[2]);
    EXPECT_EQ(cardPosition(*form), QStringLiteral("3"));
    EXPECT_TRUE(list[2]->isSelected());
    EXPECT_FALSE(list[0]->isSelected());

    child<QAbstractButton>(*form, "B_PgDn")->click();
    EXPECT_EQ(firstColumn(list[0]), sorted[list.size()]);
    EXPECT_FALSE(list[2]->isSelected());
    child<QAbstractButton>(*form, "B_Last")->click();
    const int top = list.size() * (int(kCards) / int(list.size()));
    EXPECT_EQ(firstColumn(list[0]), sorted[top]);
    const int lastRow = int(kCards) - 1 - top;
    EXPECT_EQ(firstColumn(list[lastRow]), sorted.last());
    if (lastRow + 1 < list.size()) {
        EXPECT_TRUE(list[lastRow + 1]->columns().first().caption.isEmpty());
        QTest::mouseClick(list[lastRow + 1], Qt::LeftButton);
        EXPECT_EQ(child<QLabel>(*form, "RStatus")->text(), RecordCycle::newRecordStatus());
    }
    EXPECT_FALSE(child<QAbstractButton>(*form, "B_PgDn")->isEnabled());
    child<QAbstractButton>(*form, "B_First")->click();
    EXPECT_EQ(firstColumn(list[0]), sorted[0]);
    EXPECT_TRUE(user.allConsumed());
}

TEST_F(RecordListTest, TheListFollowsTheFilterScopeAndTheLetter)
{
    auto form = openWindow();
    // Cards from M to N (both left out) pass, the others are the reversed filter.
    TFilter &entry = form->filter().add(kCardName);
    entry.Kind = FilterKind::Text;
    entry.Unset = false;
    entry.Condition = static_cast<std::uint8_t>(FilterCondition::Between);
    entry.Value1 = QStringLiteral("L~");
    entry.Value2 = QStringLiteral("N");
    form->filter().prepareAll();
    form->applyFilter();
    emit child<TSortButton>(*form, "SortButton1")->filterMenuClick(int(FilterScope::ReversedFilter));
    const QStringList unmarked = namesMarked("0");
    ASSERT_FALSE(unmarked.isEmpty());
    // A letter between the ends: A and Z also take what sorts before and after.
    QChar letter;
    for (const QString &name : unmarked) {
        const QChar first = name.at(0).toUpper();
        if (first > QLatin1Char('A') && first < QLatin1Char('Z')) {
            letter = first;
            break;
        }
    }
    ASSERT_FALSE(letter.isNull());
    QTest::mouseClick(child<TColorButton>(*form, QStringLiteral("ColorButton%1")
                                                      .arg(letter.unicode() - 'A' + 1)
                                                      .toLatin1()
                                                      .constData()),
        Qt::LeftButton);
    const QList<TFormatedButton *> list = rows(*form);
    QStringList shown;
    for (const TFormatedButton *row : list) {
        if (!firstColumn(row).isEmpty())
            shown << firstColumn(row);
    }
    QStringList expected;
    for (const QString &name : unmarked) {
        if (name.at(0).toUpper() == letter)
            expected << name;
    }
    ASSERT_FALSE(shown.isEmpty());
    EXPECT_EQ(shown, expected.mid(0, list.size()));
}

TEST_F(RecordListTest, ARowClickRefusedByTheLeaveKeepsTheOldRowSelected)
{
    fixture.state.userOptions.letterTabs = 1;
    auto form = openWindow();
    const QList<TFormatedButton *> list = rows(*form);
    ASSERT_GT(list.size(), 3);
    QTest::mouseClick(list[1], Qt::LeftButton);
    // The card cannot be stored and the user stays on it.
    form->recordCycle()->beforePost
        = [](RecordEditor &) { throw StoreError(StoreErrorKind::Locked, "held"); };
    child<QLineEdit>(*form, "L1")->setText(QStringLiteral("Typed"));
    user.expectMessage(MessageKind::Warning, RecordCycle::updateFailedText(),
        MessageButtons::YesNo, kNoHelp, Answer::No);
    QTest::mouseClick(list[3], Qt::LeftButton);
    EXPECT_TRUE(list[1]->isSelected());
    EXPECT_FALSE(list[3]->isSelected());
    EXPECT_EQ(cardPosition(*form), QStringLiteral("2"));
    EXPECT_EQ(cardName(*form), QStringLiteral("Typed"));
    EXPECT_TRUE(user.allConsumed());
    form->recordCycle()->beforePost = {};
}

TEST_F(RecordListTest, ADateFormatChosenOnTheCardShowsInTheListAtOnce)
{
    fixture.state.userOptions.letterTabs = 1;
    auto form = openWindow();
    child<TOrvanHeader>(*form, "OrvanHeader1")->insertField(17); // Custom 4, the date
    const QList<TFormatedButton *> list = rows(*form);
    const QRegularExpression fullDate(QStringLiteral("^ \\d\\d/\\d\\d/(\\d{4})$"));
    int row = 0;
    while (row < list.size() && !fullDate.match(list[row]->columns().value(2).caption).hasMatch())
        ++row;
    ASSERT_LT(row, list.size());
    const QString year = fullDate.match(list[row]->columns().value(2).caption).captured(1);

    // The date field's own menu: Date Format, YYYY.
    auto *date = child<TDateEdit>(*form, "L18");
    QAction *yearOnly = nullptr;
    for (QAction *item : date->popupMenu()->findChildren<QAction *>()) {
        if (item->isCheckable() && item->data().toInt() == 3)
            yearOnly = item;
    }
    ASSERT_NE(yearOnly, nullptr);
    yearOnly->trigger();
    EXPECT_EQ(list[row]->columns().value(2).caption, QLatin1Char(' ') + year);
    EXPECT_EQ(fixture.state.dateFormats.codeForField(17), 3);
}

TEST_F(RecordListTest, DeletingARowBeforeTheCardsRecordMovesTheCardUp)
{
    fixture.state.userOptions.letterTabs = 1;
    fixture.state.userOptions.recordDeleteMode = 1; // at once
    auto form = openWindow();
    const QList<TFormatedButton *> list = rows(*form);
    QTest::mouseClick(list[5], Qt::LeftButton);
    const QString onCard = cardName(*form);
    const QString deleted = firstColumn(list[2]);
    ASSERT_EQ(cardPosition(*form), QStringLiteral("6"));

    deleteRow(*form, 2);
    EXPECT_EQ(cardPosition(*form), QStringLiteral("5"));
    EXPECT_EQ(cardName(*form), onCard);
    EXPECT_EQ(firstColumn(list[4]), onCard);
    EXPECT_TRUE(list[4]->isSelected());
    EXPECT_FALSE((namesMarked("2") + namesMarked("0")).contains(deleted));
    EXPECT_EQ(store.recordTable().recordCount(), int(kCards) - 1);
    EXPECT_TRUE(user.allConsumed());
}

TEST_F(RecordListTest, ARecordHeldElsewhereOrAnEmptyRowIsNotDeleted)
{
    fixture.state.userOptions.letterTabs = 1;
    fixture.state.userOptions.recordDeleteMode = 1;
    auto form = openWindow();
    const QList<TFormatedButton *> list = rows(*form);
    const QString held = firstColumn(list[3]);
    // Another user has that card open for editing.
    StoreTable other;
    other.setFolder(fixture.state.databaseFolder);
    other.setFileName(QStringLiteral("data.dbf"));
    other.setIndexName(store.recordTable().indexName());
    other.open();
    ASSERT_TRUE(other.gotoRecord(3));
    ASSERT_EQ(other.text(kCardName), held);
    RecordEditor(other).lock();

    user.expectMessage(MessageKind::Error, RecordCycle::deleteFailedText(), MessageButtons::Ok, kNoHelp);
    deleteRow(*form, 3);
    EXPECT_EQ(firstColumn(list[3]), held);
    EXPECT_EQ(store.recordTable().recordCount(), int(kCards));

    child<QAbstractButton>(*form, "B_Last")->click();
    const int top = list.size() * (int(kCards) / int(list.size()));
    if (int(kCards) - top < list.size()) {
        user.expectMessage(MessageKind::Information, RecordCycle::emptyRecordNotDeletedText(),
            MessageButtons::Ok, kNoHelp);
        deleteRow(*form, list.size() - 1);
    }
    EXPECT_TRUE(user.allConsumed());
}

TEST_F(RecordListTest, KeysPageTheListAndQuickViewListsTheRowsFields)
{
    fixture.state.userOptions.letterTabs = 1;
    auto form = openWindow();
    const QList<TFormatedButton *> list = rows(*form);
    const QString first = firstColumn(list[0]);
    QTest::keyClick(list[0], Qt::Key_PageDown, Qt::ControlModifier);
    EXPECT_NE(firstColumn(list[0]), first);
    QTest::keyClick(list[0], Qt::Key_Home, Qt::ControlModifier);
    EXPECT_EQ(firstColumn(list[0]), first);
    QTest::keyClick(list[0], Qt::Key_End, Qt::ControlModifier);
    EXPECT_FALSE(child<QAbstractButton>(*form, "B_Last")->isEnabled());

    child<QAbstractButton>(*form, "B_First")->click();
    auto *page = child<RecordListPage>(*form, "Panel1");
    emit list[1]->customContextMenuRequested(QPoint(4, 4));
    page->rowMenu()->hide();
    const QList<QAction *> lines = page->quickViewMenu()->actions();
    ASSERT_EQ(lines.size(), 21);
    EXPECT_EQ(lines[0]->text(), QStringLiteral("Card Name: ") + firstColumn(list[1]));
    EXPECT_FALSE(lines[0]->isEnabled());
    EXPECT_TRUE(lines[8]->text().startsWith(QStringLiteral("Small Picture: <PICTURE> - ")));
    EXPECT_TRUE(page->quickViewMenu()->menuAction()->isEnabled());
}

TEST_F(RecordListTest, PagingWithLetterTabsStepsIntoTheNeighbouringLetters)
{
    auto form = openWindow();
    const QList<TFormatedButton *> list = rows(*form);
    auto *pageDown = child<QAbstractButton>(*form, "B_PgDn");
    auto *pageUp = child<QAbstractButton>(*form, "B_PgUp");
    // On A: page down until the list moves on to B.
    for (int i = 0; i < 20 && !firstColumn(list[0]).startsWith(QLatin1Char('B')); ++i)
        pageDown->click();
    ASSERT_TRUE(firstColumn(list[0]).startsWith(QLatin1Char('B')));
    EXPECT_TRUE(child<TColorButton>(*form, "ColorButton2")->isSelected());
    // Back on A at its last page: the page holds the last A names and then empty rows.
    pageUp->click();
    EXPECT_TRUE(child<TColorButton>(*form, "ColorButton1")->isSelected());
    const int countA = namesStartingWith('A');
    const int top = list.size() * (countA / int(list.size()));
    const int expectedTop = top > 0 && top == countA ? top - int(list.size()) : top;
    int filled = 0;
    for (const TFormatedButton *row : list)
        filled += !firstColumn(row).isEmpty();
    EXPECT_EQ(filled, countA - expectedTop);
}

TEST_F(RecordListTest, TheRowsTakeTheHeadersColumnsAndTheHeaderOutlivesTheRun)
{
    fixture.state.userOptions.letterTabs = 1;
    {
        auto form = openWindow();
        auto *header = child<TOrvanHeader>(*form, "OrvanHeader1");
        header->insertField(4); // Team
        header->removeField(QStringLiteral("Sport:"));
        const TFormatedButton *row = rows(*form).first();
        ASSERT_EQ(row->columns().size(), 2);
        ASSERT_TRUE(store.recordTable().gotoRecord(0));
        EXPECT_EQ(row->columns()[1].caption, QLatin1Char(' ') + store.recordTable().text(6));
        EXPECT_GT(row->columns()[1].width, 0);
        form->writeFiles();
    }
    store.closeAll();
    RecordStore again { fixture.state };
    auto form = std::make_unique<TForm3>(fixture.state, again);
    form->show();
    QCoreApplication::processEvents();
    const HeaderSections &sections = child<TOrvanHeader>(*form, "OrvanHeader1")->sections();
    ASSERT_EQ(sections.count(), 2);
    EXPECT_EQ(sections.caption(1), QStringLiteral("Team:"));
    EXPECT_EQ(sections.fieldIndex(1), 4);
}


TEST_F(RecordListTest, ANumberInTheLastColumnShowsWholeOrNotAtAll)
{
    // Columns filling the whole header, a price last, as a user leaves them
    // after dragging the borders out to the right edge.
    int headerWidth = 0;
    {
        auto form = openWindow();
        headerWidth = child<TOrvanHeader>(*form, "OrvanHeader1")->sections().headerWidth();
    }
    ASSERT_GT(headerWidth, 100);
    const QString price = fixture.state.captions.captions().at(kPurchasePrice - 2);
    for (const int priceWidth : { headerWidth / 3, 30, 8 }) {
        const int nameWidth = (headerWidth - priceWidth) / 2;
        ASSERT_TRUE(writeFileIn(fixture.state.userFolder, HeaderSections::kFileName,
            HeaderSections::encode({ { fixture.state.captions.captions().at(0), nameWidth },
                { fixture.state.captions.captions().at(1), headerWidth - priceWidth - nameWidth },
                { price, priceWidth } })));
        auto form = openWindow();
        int numbers = 0, whole = 0;
        for (const TFormatedButton *row : rows(*form)) {
            ASSERT_EQ(row->columns().size(), 3);
            const QString number = row->columns().last().caption.trimmed();
            if (number.isEmpty())
                continue;
            ++numbers;
            const QString shown = row->shownTexts().last().trimmed();
            EXPECT_TRUE(shown == number || shown.isEmpty())
                << "width " << priceWidth << ": " << qPrintable(number) << " shows as "
                << qPrintable(shown);
            whole += shown == number;
        }
        ASSERT_GT(numbers, 0);
        // Wide enough for every price, or too narrow for any.
        if (priceWidth != 30) {
            EXPECT_EQ(whole, priceWidth == 8 ? 0 : numbers) << "width " << priceWidth;
        }
    }
}

} // namespace
} // namespace zendrova::test
