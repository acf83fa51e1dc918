#include "GeneratedCardsWindow.h"
#include "support/DatabaseFixture.h"
#include "support/ScriptedInteraction.h"
#include "support/WidgetLookup.h"

#include "common/ColorSchemeFile.h"
#include "dbase/Table.h"
#include "dbase/tool/CardGenerator.h"
#include "mainwin/CardFields.h"
#include "mainwin/DeleteConfirmation.h"
#include "mainwin/RecordCycle.h"
#include "dbase/Error.h"
#include "mainwin/ui/CaptionMenu.h"
#include "mainwin/ui/RecordCard.h"
#include "mainwin/ui/TOrvanHeader.h"
#include "mainwin/ui/TForm3.h"
#include "query/TFilter.h"
#include "store/RecordEditor.h"
#include "store/RecordStore.h"
#include "store/SortFile.h"
#include "store/StoreTable.h"
#include "store/RecordTableSort.h"
#include "store/ui/TColorButton.h"
#include "store/ui/TSortButton.h"

#include <QAbstractButton>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QPlainTextEdit>
#include <QStackedWidget>
#include <QTest>
#include <QTimer>
#include <gtest/gtest.h>

namespace zendrova::test {
namespace {

class MainWindowTest : public GeneratedCardsWindow
{
protected:
    // The card cannot be stored: leaving it asks, and the user answers No.
    void makeTheLeaveRefused(TForm3 &form)
    {
        form.recordCycle()->beforePost
            = [](RecordEditor &) { throw StoreError(StoreErrorKind::Locked, "held"); };
        child<QLineEdit>(form, "L1")->setText(QStringLiteral("Typed"));
        user.expectMessage(MessageKind::Warning, RecordCycle::updateFailedText(),
            MessageButtons::YesNo, kNoHelp, Answer::No);
    }
};

TEST_F(MainWindowTest, EveryPartCarriesItsName)
{
    auto form = openWindow();
    const char *names[] = { "Panel1", "OrvanHeader1", "SortButton1", "Panel6", "B_First", "B_PgUp",
        "B_PgDn", "B_Last", "Panel7", "Panel5", "Panel9", "SpeedButton2", "Panel8", "SpeedButton1",
        "PgRight", "RStatus", "Panel10", "TemplateBtn", "Notebook1", "PgR1", "PgR2", "PgR3", "PgR4",
        "TabSet2", "Panel2", "B_RPrint", "B_RDelete", "B_RCopy", "B_RPaste", "B_RUndo", "B_Prev",
        "B_Next", "B_RSynchro", "PgR_Lbl", "Perc_Lbl", "Panel3", "Panel4", "TabSet1", "Splitter",
        "MainMenu1", "PopupMenu2", "PopupMenu1", "PopupMenu4", "B_Search", "B_Summary" };
    for (const char *name : names)
        EXPECT_NE(form->findChild<QObject *>(QLatin1String(name)), nullptr) << name;
    for (int letter = 1; letter <= 26; ++letter) {
        auto *tab = child<TColorButton>(*form, QStringLiteral("ColorButton%1").arg(letter).toLatin1());
        ASSERT_NE(tab, nullptr);
        EXPECT_EQ(tab->text(), QString(QChar('A' + letter - 1)));
    }
    // Each field control sits on its part and is bound to field position tag + 1.
    for (int tag = 1; tag <= CardFields::kCount; ++tag) {
        auto *control = child<QWidget>(*form, QStringLiteral("L%1").arg(tag).toLatin1());
        ASSERT_NE(control, nullptr);
        EXPECT_EQ(CardFields::tagOf(control), tag);
        EXPECT_EQ(CardFields::byTag(tag).fieldPosition(), tag + 1);
        const QString page = QStringLiteral("PgR%1").arg(CardFields::byTag(tag).page);
        EXPECT_NE(form->findChild<QWidget *>(page)->findChild<QWidget *>(control->objectName()), nullptr)
            << tag;
    }
    EXPECT_EQ(form->windowTitle(), QStringLiteral("Zendrova - Database: data.dbf"));
}

TEST_F(MainWindowTest, TheWindowKeepsItsLeastSizeAndTheListItsLeastWidth)
{
    auto form = openWindow();
    form->resize(300, 200);
    QCoreApplication::processEvents();
    EXPECT_GE(form->width(), 400);
    EXPECT_GE(form->height(), 300);

    // With the card at its least width, narrowing the window until the list
    // would fall under 180 pixels makes the window grow instead.
    auto *list = child<QWidget>(*form, "Panel1");
    auto *card = child<QWidget>(*form, "PgRight");
    form->resize(900, 600);
    QCoreApplication::processEvents();
    auto *first = child<QAbstractButton>(*form, "B_First");
    auto *find = child<QAbstractButton>(*form, "B_Search");
    EXPECT_EQ(first->text(), QStringLiteral("First"));
    EXPECT_EQ(find->text(), QStringLiteral("Find"));
    // The splitter dragged far to the right leaves the card its least width.
    auto *splitter = child<QWidget>(*form, "Splitter");
    QTest::mousePress(splitter, Qt::LeftButton);
    QTest::mouseRelease(splitter, Qt::LeftButton, {}, QPoint(splitter->width() + 600, 5));
    QCoreApplication::processEvents();
    EXPECT_EQ(card->width(), 230);
    form->resize(420, 600);
    QCoreApplication::processEvents();
    EXPECT_EQ(list->width(), 180);
    EXPECT_EQ(card->width(), 230);
    EXPECT_GT(form->width(), 420);
    // Too narrow for their captions, the bars' buttons go square ...
    EXPECT_EQ(first->text(), QString());
    EXPECT_EQ(first->width(), first->height());
    EXPECT_EQ(find->text(), QString());
    EXPECT_EQ(find->width(), find->height());
    // ... and get them back when there is room again.
    form->resize(1200, 600);
    QCoreApplication::processEvents();
    EXPECT_EQ(first->text(), QStringLiteral("First"));
    EXPECT_EQ(find->text(), QStringLiteral("Find"));
}

TEST_F(MainWindowTest, OnlySpeedBarsRemovesTheMenuAndKeepsTheClientHeight)
{
    auto form = openWindow();
    auto *menu = child<QMenuBar>(*form, "MainMenu1");
    const int clientHeight = form->centralWidget()->height();
    fixture.state.userOptions.menusAndSpeedBars = 2;
    form->applyInterfaceOptions();
    QCoreApplication::processEvents();
    EXPECT_FALSE(menu->isVisible());
    EXPECT_EQ(form->centralWidget()->height(), clientHeight);
    EXPECT_TRUE(child<QWidget>(*form, "Panel3")->isVisible());

    // Only menus hides the speed bars and the window gives up their room.
    fixture.state.userOptions.menusAndSpeedBars = 1;
    form->applyInterfaceOptions();
    QCoreApplication::processEvents();
    EXPECT_TRUE(menu->isVisible());
    EXPECT_FALSE(child<QWidget>(*form, "Panel3")->isVisible());
}

TEST_F(MainWindowTest, SpeedBarAndLetterColumnGoWhereTheOptionsSay)
{
    auto form = openWindow();
    auto *bar = child<QWidget>(*form, "Panel3");
    auto *list = child<QWidget>(*form, "Panel1");
    auto *letters = child<QWidget>(*form, "Panel7");
    auto *card = child<QWidget>(*form, "PgRight");
    auto top = [](QWidget *w) { return w->mapTo(w->window(), QPoint(0, 0)).y(); };
    auto left = [](QWidget *w) { return w->mapTo(w->window(), QPoint(0, 0)).x(); };

    fixture.state.userOptions.speedBarLocation = 1;
    fixture.state.userOptions.letterTabsLocation = 0;
    form->applyInterfaceOptions();
    EXPECT_GT(top(bar), top(list));
    EXPECT_LT(left(letters), left(card));
    EXPECT_GT(left(letters), left(list));

    fixture.state.userOptions.speedBarLocation = 0;
    fixture.state.userOptions.letterTabsLocation = 1;
    form->applyInterfaceOptions();
    EXPECT_LT(top(bar), top(list));
    EXPECT_GT(left(letters), left(card));
    EXPECT_GT(left(card), left(list));
}

TEST_F(MainWindowTest, ALetterClickShowsThatLettersCards)
{
    auto form = openWindow();
    const int expected = namesStartingWith('M');
    ASSERT_GT(expected, 0);
    auto *m = child<TColorButton>(*form, "ColorButton13");
    ASSERT_TRUE(m->isEnabled());
    QTest::mouseClick(m, Qt::LeftButton);
    EXPECT_EQ(store.recordTable().recordCount(), expected);
    const QStringList names = DatabaseFixture::columnInOrder(store.recordTable(), kCardName);
    for (const QString &name : names)
        EXPECT_TRUE(name.startsWith(QLatin1Char('M'), Qt::CaseInsensitive)) << name.toStdString();
}

TEST_F(MainWindowTest, LettersAreDisabledWhenTheSortFieldAllowsNone)
{
    sortBy(kPurchasePrice);
    auto form = openWindow();
    for (int letter = 1; letter <= 26; ++letter)
        EXPECT_FALSE(child<QWidget>(*form, QStringLiteral("ColorButton%1").arg(letter).toLatin1())
                         ->isEnabled());
}

TEST_F(MainWindowTest, KeysOfTheWindowComeBeforeTheFields)
{
    auto form = openWindow();
    form->activateWindow();
    auto *notebook = child<QStackedWidget>(*form, "Notebook1");
    auto *name = child<QLineEdit>(*form, "L1");
    name->setFocus();
    name->setText(QStringLiteral("Ruth"));
    // A card of four parts has no fifth: Alt+5 does nothing, not even type.
    QTest::keyClick(name, Qt::Key_5, Qt::AltModifier);
    EXPECT_EQ(notebook->currentIndex(), 0);
    EXPECT_EQ(name->text(), QStringLiteral("Ruth"));
    QTest::keyClick(name, Qt::Key_2, Qt::AltModifier);
    EXPECT_EQ(notebook->currentIndex(), 1);

    // F3 from a card field: the record-button menu of the first record button.
    name->setFocus();
    QTest::keyClick(name, Qt::Key_F3);
    auto *menu = child<QMenu>(*form, "PopupMenu1");
    EXPECT_TRUE(menu->isVisible());
    auto *firstRow = child<QWidget>(*form, "RecordButton0");
    EXPECT_EQ(menu->pos(), firstRow->mapToGlobal(QPoint(0, firstRow->height())));
    menu->hide();
}

TEST_F(MainWindowTest, F5OpensTheColumnHeaderMenuBelowTheHeader)
{
    auto form = openWindow();
    form->activateWindow();
    auto *name = child<QLineEdit>(*form, "L1");
    name->setFocus();
    QTest::keyClick(name, Qt::Key_F5);
    auto *header = child<TOrvanHeader>(*form, "OrvanHeader1");
    auto *menu = child<QMenu>(*form, "HeaderMenu");
    ASSERT_TRUE(menu->isVisible());
    EXPECT_EQ(menu->pos(), header->mapToGlobal(QPoint(0, header->height())));
    // Filled as it opened: the two default columns can be removed.
    EXPECT_EQ(child<QMenu>(*form, "RemoveField1")->actions().size(), 2);
    menu->hide();
}

TEST_F(MainWindowTest, ALetterTabsChoiceRefusedByTheLeaveKeepsTheOption)
{
    // Either popup, either direction: the option, the column's check marks
    // and the letter buttons stay as they were.
    struct Case
    {
        int optionBefore;
        const char *item;
    };
    const Case cases[] = { { 1, "LetterTabsEnabled" }, { 0, "LetterTabsDisabled" },
        { 1, "UseLetterTabs1" }, { 0, "DontUseLetterTabs1" } };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.item);
        fixture.state.userOptions.letterTabs = c.optionBefore;
        auto form = openWindow();
        const bool on = c.optionBefore == 0;
        makeTheLeaveRefused(*form);
        child<QAction>(*form, c.item)->trigger();
        EXPECT_EQ(fixture.state.userOptions.letterTabs, c.optionBefore);
        EXPECT_EQ(child<QAction>(*form, "LetterTabsEnabled")->isChecked(), on);
        EXPECT_EQ(child<QAction>(*form, "LetterTabsDisabled")->isChecked(), !on);
        EXPECT_EQ(child<QWidget>(*form, "ColorButton13")->isEnabled(), on);
        EXPECT_EQ(child<QLineEdit>(*form, "L1")->text(), QStringLiteral("Typed"));
        EXPECT_TRUE(user.allConsumed());
        form->recordCycle()->beforePost = {};
    }
}

TEST_F(MainWindowTest, ACardThatCannotBeSavedKeepsTheWindowOpen)
{
    auto form = openWindow();
    RecordCycle *cycle = form->recordCycle();
    ASSERT_NE(cycle, nullptr);
    cycle->beforePost = [](RecordEditor &) { throw StoreError(StoreErrorKind::Locked, "held"); };
    child<QLineEdit>(*form, "L1")->setText(QStringLiteral("Changed"));
    user.expectMessage(MessageKind::Warning, RecordCycle::updateFailedText(), MessageButtons::YesNo,
        kNoHelp, Answer::No);
    EXPECT_FALSE(form->close());
    EXPECT_TRUE(form->isVisible());
    user.expectMessage(MessageKind::Warning, RecordCycle::updateFailedText(), MessageButtons::YesNo,
        kNoHelp, Answer::Yes);
    EXPECT_TRUE(form->close());
    EXPECT_TRUE(user.allConsumed());
}

TEST_F(MainWindowTest, ANewCardTypedAndLeftIsThereNextRun)
{
    {
        auto form = openWindow();
        auto *name = child<QLineEdit>(*form, "L1");
        EXPECT_FALSE(name->text().isEmpty()); // the first card is shown
        QTest::mouseClick(child<QAbstractButton>(*form, "B_New"), Qt::LeftButton);
        EXPECT_EQ(child<QLabel>(*form, "RStatus")->text(), RecordCycle::newRecordStatus());
        EXPECT_TRUE(name->text().isEmpty());
        QTest::keyClicks(name, QStringLiteral("Zelda Quinn"));
        EXPECT_TRUE(form->close());
    }
    store.closeAll();
    dbase::Table table;
    table.open(fixture.databaseFile(QStringLiteral("data.dbf")).toStdString(), false);
    EXPECT_EQ(table.recordCount(), kCards + 1);
    int found = 0;
    for (table.first(); !table.eof(); table.next()) {
        if (table.rawValue(kCardName).starts_with("Zelda Quinn")) {
            ++found;
            // Stored with no filter set, the card passes.
            EXPECT_EQ(table.rawValue(kFilterMark), "2");
        }
    }
    EXPECT_EQ(found, 1);
}

// Answers the typed-YES dialog once it is up: types the text and presses OK.
void answerDeleteDialog(const QString &typed, QString *shown)
{
    QTimer::singleShot(0, [typed, shown] {
        QWidget *dialog = topLevel(QStringLiteral("DeleteDlg1"));
        ASSERT_NE(dialog, nullptr);
        auto *edit = child<QLineEdit>(*dialog, "Edit1");
        QTest::keyClicks(edit, typed);
        *shown = edit->text();
        QTest::mouseClick(child<QAbstractButton>(*dialog, "OKBtn"), Qt::LeftButton);
    });
}

TEST_F(MainWindowTest, ANewCardWaitsWhileAnotherUserHoldsTheRecordCounter)
{
    auto form = openWindow();
    QTest::mouseClick(child<QAbstractButton>(*form, "B_New"), Qt::LeftButton);
    auto *name = child<QLineEdit>(*form, "L1");
    QTest::keyClicks(name, QStringLiteral("Held Counter"));
    // Another user is taking a record number: the catalog row is locked.
    dbase::Table catalog;
    catalog.open(fixture.databaseFile(QStringLiteral("master.dbf")).toStdString(), false);
    catalog.first();
    catalog.edit();
    user.expectMessage(MessageKind::Warning, RecordCycle::updateFailedText(), MessageButtons::YesNo,
        kNoHelp, Answer::No);
    EXPECT_FALSE(form->close());
    EXPECT_EQ(name->text(), QStringLiteral("Held Counter"));
    catalog.cancel();
    // Once the row is free the card is stored with the next number.
    EXPECT_TRUE(form->close());
    store.closeAll();
    dbase::Table table;
    table.open(fixture.databaseFile(QStringLiteral("data.dbf")).toStdString(), false);
    EXPECT_EQ(table.recordCount(), kCards + 1);
    EXPECT_TRUE(user.allConsumed());
}

TEST_F(MainWindowTest, TheCardMenuDeletesOnlyWithYesTyped)
{
    auto form = openWindow();
    form->activateWindow();
    child<QLineEdit>(*form, "L1")->setFocus();
    QTest::keyClick(form.get(), Qt::Key_F4);
    auto *menu = child<QMenu>(*form, "PopupMenu3");
    ASSERT_TRUE(menu->isVisible());
    auto *remove = menu->findChild<QAction *>(QStringLiteral("Delete3"));
    EXPECT_EQ(remove->isEnabled(), child<QWidget>(*form, "B_RDelete")->isEnabled());
    EXPECT_TRUE(remove->isEnabled());
    menu->hide();

    // The list shows the cards under the first letter.
    const int before = store.recordTable().recordCount();
    QString shown;
    answerDeleteDialog(QStringLiteral("ye"), &shown);
    user.expectMessage(MessageKind::Information, DeleteConfirmation::notDeletedText(),
        MessageButtons::Ok, kNoHelp);
    remove->trigger();
    EXPECT_EQ(shown, QStringLiteral("YE"));
    EXPECT_EQ(store.recordTable().recordCount(), before);

    answerDeleteDialog(QStringLiteral("yes"), &shown);
    remove->trigger();
    EXPECT_EQ(shown, QStringLiteral("YES"));
    EXPECT_EQ(store.recordTable().recordCount(), before - 1);
    EXPECT_TRUE(user.allConsumed());
}

TEST_F(MainWindowTest, ANewSortAddsItsTagWhileARecordIsOnTheCard)
{
    auto form = openWindow();
    ASSERT_EQ(child<QLabel>(*form, "RStatus")->text(), RecordCycle::readWriteStatus());
    const QString before = store.sortTarget().currentTag();
    // Team has no tag yet: adding one needs the table for this program alone.
    emit child<TSortButton>(*form, "SortButton1")
        ->sort1MenuClick(SortMenuChoice { SortMenuChoice::Part::Field, 5 });
    EXPECT_EQ(store.sortOrder().descriptor.sort.primary, 6);
    EXPECT_NE(store.sortTarget().currentTag(), before);
    EXPECT_EQ(child<QLabel>(*form, "RStatus")->text(), RecordCycle::readWriteStatus());
    EXPECT_TRUE(user.allConsumed());
}

TEST_F(MainWindowTest, ApplyingAFilterMarksEveryCardAndShowsThoseThatPass)
{
    const int expected = namesStartingWith('M');
    ASSERT_GT(expected, 0);
    fixture.state.userOptions.letterTabs = 1; // the list shows the whole scope, not a letter
    auto form = openWindow();
    TFilter &entry = form->filter().add(kCardName);
    entry.Kind = FilterKind::Text;
    entry.Unset = false;
    entry.Condition = static_cast<std::uint8_t>(FilterCondition::Between);
    entry.Value1 = QStringLiteral("L~"); // Between leaves out both ends
    entry.Value2 = QStringLiteral("N");
    form->filter().prepareAll();

    form->applyFilter();

    EXPECT_EQ(store.sortOrder().filterScope, FilterScope::NormalFilter);
    EXPECT_EQ(store.recordTable().recordCount(), expected);
    for (const QString &name : DatabaseFixture::columnInOrder(store.recordTable(), kCardName))
        EXPECT_TRUE(name.startsWith(QLatin1Char('M'), Qt::CaseInsensitive)) << name.toStdString();
    // The marks are on disk: "2" exactly for the cards that pass.
    dbase::Table table;
    table.open(fixture.databaseFile(QStringLiteral("data.dbf")).toStdString(), false);
    int marked = 0;
    for (table.first(); !table.eof(); table.next()) {
        const bool m = std::toupper(static_cast<unsigned char>(table.rawValue(kCardName)[0])) == 'M';
        EXPECT_EQ(table.asString(kFilterMark), m ? "2" : "0");
        marked += m;
    }
    EXPECT_EQ(marked, expected);
    EXPECT_EQ(child<QLabel>(*form, "RStatus")->text(), RecordCycle::readWriteStatus());
    EXPECT_TRUE(user.allConsumed());
}

TEST_F(MainWindowTest, AFindMatchIsHighlightedUntilTheNextRecordIsShown)
{
    auto form = openWindow();
    auto *card = child<RecordCard>(*form, "PgRight");
    const int notes = 19; // L20, the memo
    form->showFindMatch(3, notes);
    auto *memo = child<QPlainTextEdit>(*form, "L20");
    EXPECT_EQ(card->currentPart(), card->pageOfControl(notes));
    memo->setPlainText(QStringLiteral("mint rookie card"));
    card->highlightField(notes, 5, 6);
    EXPECT_EQ(memo->textCursor().selectedText(), QStringLiteral("rookie"));
    EXPECT_EQ(memo->palette().color(QPalette::Active, QPalette::Base), QColor(Qt::red));
    EXPECT_EQ(memo->palette().color(QPalette::Active, QPalette::Text), QColor(Qt::yellow));

    auto *name = child<QWidget>(*form, "L1");
    form->showFindMatch(4, 0);
    EXPECT_EQ(name->palette().color(QPalette::Active, QPalette::Base), QColor(Qt::red));
    EXPECT_NE(memo->palette().color(QPalette::Active, QPalette::Base), QColor(Qt::red));
    form->recordCycle()->next();
    EXPECT_NE(name->palette().color(QPalette::Active, QPalette::Base), QColor(Qt::red));
    EXPECT_EQ(card->highlightedField(), -1);
}

TEST_F(MainWindowTest, ACaptionAndAColourOutliveTheRun)
{
    {
        auto form = openWindow();
        auto *captions = child<CaptionMenu>(*form, "PopupMenu4");
        captions->setFieldNumber(2);
        user.expectInput(QStringLiteral("League:"));
        captions->Text1Click();
        // Record button text in red.
        fixture.state.colorScheme.elements[0] = 5;
        ASSERT_TRUE(ColorSchemeFile::write(fixture.state.databaseFolder, fixture.state.colorScheme));
        form->writeFiles();
    }
    store.closeAll();
    // The next run reads the files again.
    AppState next(fixture.programFolder);
    next.userFolder = next.databaseFolder = fixture.state.databaseFolder;
    ASSERT_TRUE(next.captions.load(next.userFolder));
    RecordStore nextStore(next);
    TForm3 form(next, nextStore);
    form.show();
    EXPECT_EQ(child<QWidget>(form, "Label2")->property("text").toString(), QStringLiteral("League:"));
    EXPECT_EQ(child<TColorButton>(form, "RecordButton0")->textColor(), QColor(255, 0, 0));
    EXPECT_TRUE(user.allConsumed());
}

// Ctrl+O: the dialog (here a stand-in changing the settings as it would) and
// then every change on show, the letter tabs turned off lifting their range.
TEST_F(MainWindowTest, AfterTheOptionsEveryChangedSettingIsShown)
{
    auto form = openWindow();
    form->show();
    const int all = int(kCards);
    QTest::mouseClick(child<TColorButton>(*form, "ColorButton13"), Qt::LeftButton);
    ASSERT_LT(store.recordTable().recordCount(), all);
    bool colorsChanged = false;
    form->showOptions = [&] {
        AppState &s = fixture.state;
        s.userOptions.letterTabs = 1;
        s.userOptions.speedBarLocation = 0;
        s.userOptions.letterTabsLocation = 1;
        s.userOptions.menusAndSpeedBars = 2;
        s.userOptions.recordButtonsFont.size = 14;
        s.captions.setCaption(2, QStringLiteral("League:"));
        s.colorScheme.elements[0] = 5;
        return colorsChanged;
    };
    QTest::keyClick(form.get(), Qt::Key_O, Qt::ControlModifier);
    QCoreApplication::processEvents();
    EXPECT_EQ(store.recordTable().recordCount(), all);
    EXPECT_FALSE(child<QWidget>(*form, "ColorButton1")->isEnabled());
    const auto top = [](QWidget *w) { return w->mapTo(w->window(), QPoint(0, 0)).y(); };
    const auto left = [](QWidget *w) { return w->mapTo(w->window(), QPoint(0, 0)).x(); };
    EXPECT_LT(top(child<QWidget>(*form, "Panel3")), top(child<QWidget>(*form, "Panel1")));
    EXPECT_GT(left(child<QWidget>(*form, "Panel7")), left(child<QWidget>(*form, "PgRight")));
    EXPECT_FALSE(child<QMenuBar>(*form, "MainMenu1")->isVisible());
    EXPECT_EQ(child<QWidget>(*form, "Label2")->property("text").toString(), QStringLiteral("League:"));
    EXPECT_EQ(child<TColorButton>(*form, "RecordButton0")->font().pointSize(), 14);
    // Colours are applied only when the dialog says they changed.
    EXPECT_NE(child<TColorButton>(*form, "RecordButton0")->textColor(), QColor(255, 0, 0));
    colorsChanged = true;
    form->runCommand({ MainCommand::Options });
    EXPECT_EQ(child<TColorButton>(*form, "RecordButton0")->textColor(), QColor(255, 0, 0));
    EXPECT_TRUE(user.allConsumed());
}

} // namespace
} // namespace zendrova::test
