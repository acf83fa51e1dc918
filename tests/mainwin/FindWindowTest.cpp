// The Search window beside the main window on generated cards.
#include "GeneratedCardsWindow.h"
#include "support/WidgetLookup.h"

#include "mainwin/ui/RecordCard.h"
#include "mainwin/ui/RecordListPage.h"
#include "store/ui/TFormatedButton.h"
#include "store/FindSearch.h"
#include "store/ui/TColorButton.h"
#include "store/ui/TFindDlg.h"

#include <QAbstractEventDispatcher>
#include <QCheckBox>
#include <QElapsedTimer>
#include <QComboBox>
#include <QGroupBox>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>

namespace zendrova::test {
namespace {

constexpr uint8_t kNotes = 21;

class FindWindowTest : public GeneratedCardsWindow
{
protected:
    TFindDlg *openSearch(TForm3 &form)
    {
        form.runCommand({ MainCommand::Find });
        TFindDlg *dialog = form.findDialog();
        EXPECT_NE(dialog, nullptr);
        return dialog;
    }

    // A card name of the table from the middle of the alphabet, read straight from the file.
    QString nameStartingWith(char letter)
    {
        dbase::Table table;
        table.open(fixture.databaseFile(QStringLiteral("data.dbf")).toStdString(), false);
        for (table.first(); !table.eof(); table.next()) {
            const std::string name = table.asString(kCardName);
            if (!name.empty() && name[0] == letter)
                return QString::fromLatin1(name.c_str());
        }
        return {};
    }
};

TEST_F(FindWindowTest, TheWindowsControlsFollowTheChoices)
{
    auto form = openWindow();
    TFindDlg *dialog = openSearch(*form);
    auto *fields = child<QComboBox>(*dialog, "ComboBox1");
    // All fields, then every caption but the two pictures.
    ASSERT_EQ(fields->count(), 20);
    EXPECT_EQ(fields->itemText(0), QStringLiteral("ALL FIELDS"));
    EXPECT_EQ(fields->itemText(1), QStringLiteral("Card Name:"));
    auto *skipMemos = child<QCheckBox>(*dialog, "CheckBox1");
    skipMemos->setChecked(true);
    fields->setCurrentIndex(1);
    EXPECT_FALSE(skipMemos->isEnabled());
    EXPECT_FALSE(skipMemos->isChecked());
    fields->setCurrentIndex(0);
    EXPECT_TRUE(skipMemos->isChecked());

    auto *end = child<QGroupBox>(*dialog, "RadioGroup1")->findChildren<QRadioButton *>().last();
    end->setChecked(true);
    child<QCheckBox>(*dialog, "CheckBox2")->setChecked(true);
    EXPECT_FALSE(end->isChecked());
    EXPECT_FALSE(end->isEnabled());

    user.expectMessage(MessageKind::Information, FindSearch::emptyTextText(), MessageButtons::Ok, kNoHelp);
    child<QPushButton>(*dialog, "BitBtn1")->click();
    EXPECT_TRUE(user.allConsumed());
}

TEST_F(FindWindowTest, AChosenMemoIsSearchedWithTheSkipBoxUncheckedAndDisabled)
{
    // The first line of a card's notes, read straight from the file.
    QString note;
    {
        dbase::Table table;
        table.open(fixture.databaseFile(QStringLiteral("data.dbf")).toStdString(), false);
        for (table.first(); !table.eof() && note.isEmpty(); table.next())
            note = QString::fromLatin1(table.asString(kNotes).c_str()).section(QLatin1Char('\r'), 0, 0).left(40);
    }
    ASSERT_FALSE(note.isEmpty());
    auto form = openWindow();
    TFindDlg *dialog = openSearch(*form);
    auto *fields = child<QComboBox>(*dialog, "ComboBox1");
    auto *skipMemos = child<QCheckBox>(*dialog, "CheckBox1");
    skipMemos->setChecked(true);
    const int notesItem = fields->findText(QStringLiteral("Notes:"));
    ASSERT_EQ(notesItem, fields->count() - 1);
    fields->setCurrentIndex(notesItem);
    EXPECT_FALSE(skipMemos->isEnabled());
    EXPECT_FALSE(skipMemos->isChecked());

    child<QComboBox>(*dialog, "Edit1")->setEditText(note);
    child<QPushButton>(*dialog, "BitBtn1")->click();
    EXPECT_EQ(child<RecordCard>(*form, "PgRight")->highlightedField(), kNotes - 2);
    EXPECT_TRUE(child<QPushButton>(*dialog, "BitBtn2")->isEnabled());
    EXPECT_FALSE(skipMemos->isEnabled());
    EXPECT_FALSE(skipMemos->isChecked());

    // Another single field keeps the box off; all fields bring back the saved check.
    fields->setCurrentIndex(1);
    EXPECT_FALSE(skipMemos->isEnabled());
    EXPECT_FALSE(skipMemos->isChecked());
    fields->setCurrentIndex(0);
    EXPECT_TRUE(skipMemos->isEnabled());
    EXPECT_TRUE(skipMemos->isChecked());
    EXPECT_TRUE(user.allConsumed());
}

TEST_F(FindWindowTest, AStepSearchWalksTheLettersAndHighlightsTheMatch)
{
    const QString wanted = nameStartingWith('M');
    ASSERT_FALSE(wanted.isEmpty());
    auto form = openWindow();
    TFindDlg *dialog = openSearch(*form);
    child<QComboBox>(*dialog, "Edit1")->setEditText(wanted);
    child<QPushButton>(*dialog, "BitBtn1")->click();

    EXPECT_EQ(child<QLineEdit>(*form, "L1")->text().toUpper(), wanted.toUpper());
    auto *card = child<RecordCard>(*form, "PgRight");
    EXPECT_EQ(card->highlightedField(), 0);
    EXPECT_EQ(child<QLineEdit>(*form, "L1")->palette().color(QPalette::Active, QPalette::Base),
        QColor(Qt::red));
    EXPECT_TRUE(child<TColorButton>(*form, "ColorButton13")->isSelected());
    EXPECT_TRUE(child<QPushButton>(*dialog, "BitBtn2")->isEnabled());
    EXPECT_TRUE(form->isEnabled());

    // Back from the match through the letters before M: nothing else holds the
    // name, so the search ends and the list returns to the match's letter.
    auto *previous = child<QPushButton>(*dialog, "BitBtn3");
    previous->setEnabled(true);
    user.expectMessage(MessageKind::Information, FindSearch::notFoundText(), MessageButtons::Ok, kNoHelp);
    previous->click();
    EXPECT_TRUE(child<TColorButton>(*form, "ColorButton13")->isSelected());
    EXPECT_FALSE(previous->isEnabled());
    EXPECT_TRUE(user.allConsumed());
}

TEST_F(FindWindowTest, ANonStopSearchListsItsMatches)
{
    const QString wanted = nameStartingWith('M');
    ASSERT_FALSE(wanted.isEmpty());
    fixture.state.userOptions.letterTabs = 1;
    auto form = openWindow();
    TFindDlg *dialog = openSearch(*form);
    child<QCheckBox>(*dialog, "CheckBox2")->setChecked(true);
    child<QComboBox>(*dialog, "ComboBox1")->setCurrentIndex(1); // Card Name only
    child<QComboBox>(*dialog, "Edit1")->setEditText(wanted);
    int expected = 0;
    {
        dbase::Table table;
        table.open(fixture.databaseFile(QStringLiteral("data.dbf")).toStdString(), false);
        for (table.first(); !table.eof(); table.next())
            expected += QString::fromLatin1(table.asString(kCardName).c_str())
                            .contains(wanted, Qt::CaseInsensitive);
    }
    user.expectMessage(MessageKind::Information, FindSearch::recordsFoundText(expected),
        MessageButtons::Ok, kNoHelp);
    child<QPushButton>(*dialog, "BitBtn1")->click();
    EXPECT_EQ(store.sortOrder().filterScope, FilterScope::NormalFilter);
    EXPECT_EQ(store.recordTable().recordCount(), expected);
    EXPECT_EQ(child<QLineEdit>(*form, "L1")->text().toUpper(), wanted.toUpper());
    EXPECT_TRUE(form->isEnabled());
    EXPECT_TRUE(user.allConsumed());
}

TEST_F(FindWindowTest, AfterTextNotFoundTheSelectedLetterIsTheLetterOfTheList)
{
    auto form = openWindow();
    const auto selectedLetters = [&] {
        QString letters;
        for (char letter = 'A'; letter <= 'Z'; ++letter) {
            const QString name = QStringLiteral("ColorButton%1").arg(letter - 'A' + 1);
            if (child<TColorButton>(*form, name.toLatin1().constData())->isSelected())
                letters += QLatin1Char(letter);
        }
        return letters;
    };
    const auto listLetter = [&] {
        const auto rows = child<RecordListPage>(*form, "Panel1")->rows();
        return rows.isEmpty() || rows.first()->columns().isEmpty()
            ? QChar()
            : rows.first()->columns().first().caption.trimmed().front().toUpper();
    };
    ASSERT_EQ(selectedLetters(), QStringLiteral("A"));
    ASSERT_EQ(listLetter(), QLatin1Char('A'));

    TFindDlg *dialog = openSearch(*form);
    auto *end = child<QGroupBox>(*dialog, "RadioGroup1")->findChildren<QRadioButton *>().last();
    for (const bool fromEnd : { false, true }) {
        end->setChecked(fromEnd);
        child<QComboBox>(*dialog, "Edit1")->setEditText(QStringLiteral("no card holds this"));
        user.expectMessage(
            MessageKind::Information, FindSearch::notFoundText(), MessageButtons::Ok, kNoHelp);
        child<QPushButton>(*dialog, "BitBtn1")->click();
        ASSERT_TRUE(user.allConsumed());
        EXPECT_EQ(selectedLetters(), QStringLiteral("A")) << "from the end: " << fromEnd;
        EXPECT_EQ(listLetter(), QLatin1Char('A')) << "from the end: " << fromEnd;
    }
}

TEST_F(FindWindowTest, ANonStopSearchKeepsTheWindowAliveByTimeNotByCard)
{
    auto form = openWindow();
    TFindDlg *dialog = openSearch(*form);
    child<QCheckBox>(*dialog, "CheckBox2")->setChecked(true);
    child<QComboBox>(*dialog, "Edit1")->setEditText(QStringLiteral("no card holds this"));
    user.expectMessage(
        MessageKind::Information, FindSearch::noRecordsFoundText(), MessageButtons::Ok, kNoHelp);
    int passes = 0;
    const auto connection = QObject::connect(QAbstractEventDispatcher::instance(),
        &QAbstractEventDispatcher::awake, [&] { ++passes; });
    QElapsedTimer clock;
    clock.start();
    child<QPushButton>(*dialog, "BitBtn1")->click();
    const qint64 elapsed = clock.elapsed();
    QObject::disconnect(connection);
    EXPECT_TRUE(user.allConsumed());
    // One pass at the start, then at most one every 50 ms (each pass may wake twice).
    EXPECT_LE(passes, 2 * (2 + elapsed / 50)) << kCards << " cards in " << elapsed << " ms";
}

} // namespace
} // namespace zendrova::test
