#include "query/FilterFile.h"
#include "query/TFilterList.h"
#include "query/TFilterTemplateList.h"
#include "query/ui/TFieldFilterDlg.h"
#include "query/ui/TFilterDlg.h"
#include "query/ui/TLoadFiltersDlg.h"

#include "editors/ui/TCurrencyEdit.h"
#include "editors/ui/TDateEdit.h"

#include "common/AppState.h"
#include "common/Clock.h"

#include "FilterDialogFixture.h"
#include "support/ScriptedInteraction.h"
#include "support/WidgetLookup.h"

#include <QApplication>
#include <QLabel>
#include <QListWidget>
#include <QMenu>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <gtest/gtest.h>

namespace zendrova::test {
namespace {

void click(QWidget &window, const char *name)
{
    auto *button = child<QAbstractButton>(window, name);
    ASSERT_TRUE(button);
    QTest::mouseClick(button, Qt::LeftButton);
}

// Runs steps on the next modal dialog once it is open.
template <typename Steps> void onModal(Steps steps)
{
    QTimer::singleShot(0, [steps] {
        auto *opened = qobject_cast<QDialog *>(QApplication::activeModalWidget());
        ASSERT_TRUE(opened);
        steps(*opened);
    });
}

class FilterDialogsWidgetTest : public ::testing::Test
{
protected:
    FilterDialogsWidgetTest()
    {
        state.captions = filterDialogCaptions();
        state.userFolder = dir.path();
        templates.loadList(dir.path());
    }

    FilterDialogSetup setup(FilterScope scope)
    {
        return { filter, templates, fields, state, scope,
            [](int pos) {
                return pos == kNamePos ? std::optional(QStringList { "Ann", "Bo" }) : std::nullopt;
            } };
    }

    QStringList lines(QWidget &window, const char *list)
    {
        QStringList texts;
        auto *box = child<QListWidget>(window, list);
        for (int i = 0; box && i < box->count(); ++i)
            texts << box->item(i)->text();
        return texts;
    }

    QTemporaryDir dir;
    AppState state;
    TFilterList filter;
    TFilterTemplateList templates { filter };
    FieldModel fields = filterDialogFields();
    ScriptedInteraction user;
};

TEST_F(FilterDialogsWidgetTest, TheFilterDialogAddsEditsAndClosesWithTheChosenScope)
{
    TFilterDlg dialog(setup(FilterScope::NormalFilter));
    dialog.show();
    EXPECT_EQ(dialog.windowTitle(), "Set Filter");
    EXPECT_EQ(
        lines(dialog, "ListBox1"), QStringList({ "Name", "Team", "Price", "Bought", "team" }));
    EXPECT_TRUE(child<QRadioButton>(dialog, "Filter_RG_1")->isChecked());
    EXPECT_FALSE(child<QPushButton>(dialog, "Edit_Btn")->isEnabled());
    EXPECT_FALSE(child<QPushButton>(dialog, "OKBtn")->isEnabled());
    EXPECT_EQ(child<QPushButton>(dialog, "OKBtn")->text(), "A&pply");

    child<QListWidget>(dialog, "ListBox1")->setCurrentRow(2);
    click(dialog, "Add_Btn");
    click(dialog, "Add_Btn");
    EXPECT_EQ(lines(dialog, "ListBox2"), QStringList({ "Price" }));
    EXPECT_TRUE(child<QPushButton>(dialog, "Edit_Btn")->isEnabled());
    EXPECT_FALSE(child<QPushButton>(dialog, "OKBtn")->isEnabled());

    onModal([](QDialog &field) {
        EXPECT_EQ(field.windowTitle(), "Filter For Price");
        EXPECT_TRUE(child<QWidget>(field, "CurrencyEdit1")->isVisible());
        EXPECT_FALSE(child<QWidget>(field, "Edit1")->isVisible());
        click(field, "RadioGroup1_3");
        EXPECT_EQ(child<QLabel>(field, "Text3")->text(), "TO");
        child<TCurrencyEdit>(field, "CurrencyEdit1")->setValue(1250);
        click(field, "OKBtn");
    });
    click(dialog, "Edit_Btn");
    ASSERT_EQ(filter.count(), 1);
    EXPECT_EQ(filter.entry(0)->Kind, 6);
    EXPECT_EQ(filter.entry(0)->Condition, 3);
    EXPECT_EQ(filter.entry(0)->Value1, "1,250.00");
    EXPECT_TRUE(child<QPushButton>(dialog, "OKBtn")->isEnabled());

    click(dialog, "Filter_RG_2");
    click(dialog, "CancelBtn");
    EXPECT_EQ(dialog.result(), TFilterDlg::kYesResult);
    EXPECT_FALSE(dialog.outcome().apply);
    EXPECT_EQ(dialog.outcome().scope, FilterScope::ReversedFilter);
}

TEST_F(FilterDialogsWidgetTest, OnlyEntriesWithAConditionShowATick)
{
    filter.add(kNamePos);
    filter.add(kTeamPos);
    filter.storeCondition(1, "Reds", QString(), 1, 2);
    filter.add(kPricePos);
    filter.storeCondition(2, "5", QString(), 6, 2);
    TFilterDlg dialog(setup(FilterScope::AllRecords));
    dialog.show();
    auto *list = child<QListWidget>(dialog, "ListBox2");
    ASSERT_EQ(list->currentRow(), 0);
    list->setCurrentRow(2);
    const QImage image = list->viewport()->grab().toImage();
    // The tick's lowest corner: (left + h/2, top + h - 2), h being 13.
    const auto corner = [&](int row) {
        const QRect r = list->visualItemRect(list->item(row));
        return image.pixelColor(r.left() + 6, r.top() + 11);
    };
    EXPECT_NE(corner(0), QColor(Qt::black));
    EXPECT_NE(corner(0), QColor(Qt::yellow));
    EXPECT_EQ(corner(1), QColor(Qt::black));
    EXPECT_EQ(corner(2), QColor(Qt::yellow)); // selected
}

TEST_F(FilterDialogsWidgetTest, ApplyAndTemplatesFromTheFilterDialog)
{
    filter.add(kTeamPos);
    filter.storeCondition(0, "Reds", QString(), 1, 2);
    ASSERT_TRUE(FilterFile::saveSaved(filter, dir.path()));
    TFilterDlg dialog(setup(FilterScope::AllRecords));
    dialog.show();
    EXPECT_EQ(lines(dialog, "ListBox2"), QStringList({ "Team" }));

    user.expectInput(QStringLiteral("Reds"));
    click(dialog, "BitBtn2");
    EXPECT_EQ(templates.names(), QStringList({ "Reds" }));

    click(dialog, "RemoveAll_Btn");
    EXPECT_TRUE(lines(dialog, "ListBox2").isEmpty());
    EXPECT_FALSE(child<QPushButton>(dialog, "OKBtn")->isEnabled());
    onModal([](QDialog &picker) {
        EXPECT_EQ(picker.objectName(), "TLoadFiltersDlg");
        click(picker, "OKBtn");
    });
    click(dialog, "BitBtn1");
    EXPECT_EQ(lines(dialog, "ListBox2"), QStringList({ "Team" }));
    EXPECT_TRUE(child<QPushButton>(dialog, "OKBtn")->isEnabled());

    // A template whose file went missing: the saved filter comes back.
    ASSERT_TRUE(QFile::remove(dir.filePath("tml1.flt")));
    filter.clear();
    user.expectMessage(MessageKind::Error, "Error Loading Template.", MessageButtons::Ok, kNoHelp);
    onModal([](QDialog &picker) { click(picker, "OKBtn"); });
    click(dialog, "BitBtn1");
    EXPECT_TRUE(user.allConsumed());
    EXPECT_EQ(lines(dialog, "ListBox2"), QStringList({ "Team" }));

    click(dialog, "HelpBtn");
    EXPECT_EQ(user.helpRequests(), QList<int>({ 23 }));
    click(dialog, "OKBtn");
    EXPECT_EQ(dialog.result(), QDialog::Accepted);
    EXPECT_TRUE(dialog.outcome().apply);
    EXPECT_FALSE(dialog.outcome().scope);
}

TEST_F(FilterDialogsWidgetTest, TheFieldFilterDialogLaysOutByConditionAndFillsItsList)
{
    filter.add(kNamePos);
    std::uint16_t dateSetting = 0;
    TFieldFilterDlg text(
        { filter, 0, kNamePos, "Name", FieldKind::Text, QStringList { "Ann", "Bo" }, dateSetting });
    text.show();
    click(text, "RadioGroup1_6");
    EXPECT_TRUE(child<QWidget>(text, "Panel2")->isVisible());
    EXPECT_FALSE(child<QWidget>(text, "Edit1")->isVisible());
    EXPECT_EQ(child<QPushButton>(text, "BitBtn1")->text(), "&Populate");
    click(text, "BitBtn1");
    EXPECT_EQ(text.memoLines(), QStringList({ "Ann", "Bo" }));
    click(text, "HelpBtn");
    click(text, "OKBtn");
    EXPECT_EQ(text.result(), QDialog::Accepted);
    EXPECT_EQ(filter.entry(0)->Values, QStringList({ "Ann", "Bo" }));
    EXPECT_EQ(user.helpRequests(), QList<int>({ 85 }));

    filter.add(kBoughtPos);
    TFieldFilterDlg date(
        { filter, 1, kBoughtPos, "Bought", FieldKind::Date, std::nullopt, dateSetting });
    date.show();
    click(date, "RadioGroup1_5");
    EXPECT_TRUE(child<QWidget>(date, "DateEdit2")->isVisible());
    EXPECT_TRUE(child<QWidget>(date, "Text4")->isVisible());
    EXPECT_FALSE(child<QWidget>(date, "Text3")->isVisible());
    auto *second = child<TDateEdit>(date, "DateEdit2");
    for (QAction *format : second->popupMenu()->findChildren<QAction *>()) {
        if (format->text() == "DDMMYYYY")
            format->trigger();
    }
    EXPECT_EQ(child<TDateEdit>(date, "DateEdit1")->DateFormat(), "dd/mm/yyyy");
    EXPECT_EQ(dateSetting, 1);
    child<TDateEdit>(date, "DateEdit1")->setDate("01/02/2020");
    user.expectMessage(
        MessageKind::Error, "The Field expression cannot be Empty!", MessageButtons::Ok, kNoHelp);
    click(date, "OKBtn");
    EXPECT_TRUE(date.isVisible());
    EXPECT_TRUE(filter.entry(1)->Unset);
    click(date, "RadioGroup1_6");
    EXPECT_EQ(child<QPushButton>(date, "BitBtn1")->text(), "&Add");
    EXPECT_TRUE(child<QWidget>(date, "BitBtn1")->isVisible());
}

TEST_F(FilterDialogsWidgetTest, TheCalendarAddsDatesUntilCancelledAndTheMemoOwnsRemove)
{
    Clock::setToday(QDate(2024, 7, 4));
    filter.add(kBoughtPos);
    std::uint16_t dateSetting = 0;
    TFieldFilterDlg dialog(
        { filter, 0, kBoughtPos, "Bought", FieldKind::Date, std::nullopt, dateSetting });
    dialog.show();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&dialog));
    click(dialog, "RadioGroup1_6");

    // Today twice, then Cancel: one popup shown three times.
    const auto today = [](QDialog &popup) { click(popup, "TodayBtn"); };
    onModal([today](QDialog &first) {
        onModal([today](QDialog &second) {
            onModal([](QDialog &third) { click(third, "CancelBtn"); });
            today(second);
        });
        today(first);
    });
    click(dialog, "BitBtn1");
    Clock::setToday(std::nullopt);
    EXPECT_EQ(dialog.memoLines(), QStringList({ "07/04/2024", "07/04/2024" }));

    dialog.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&dialog));
    auto *memo = child<QPlainTextEdit>(dialog, "Memo1");
    auto *remove = child<QPushButton>(dialog, "BitBtn2");
    EXPECT_FALSE(remove->isEnabled());
    memo->setFocus();
    EXPECT_TRUE(remove->isEnabled());
    QTest::mouseClick(remove, Qt::LeftButton);
    EXPECT_EQ(dialog.memoLines(), QStringList({ "07/04/2024" }));
    EXPECT_TRUE(memo->hasFocus());
    child<QWidget>(dialog, "OKBtn")->setFocus();
    EXPECT_FALSE(remove->isEnabled());
}

TEST_F(FilterDialogsWidgetTest, ThePickerDeletesAfterAskingAndReturnsTheFileName)
{
    ASSERT_TRUE(templates.save("One"));
    ASSERT_TRUE(templates.save("Two"));
    TLoadFiltersDlg picker(templates);
    picker.show();
    EXPECT_EQ(lines(picker, "ListBox1"), QStringList({ "One", "Two" }));
    user.expectMessage(MessageKind::Confirmation, "Delete Selected Template?",
        MessageButtons::YesNo, kNoHelp, Answer::No);
    click(picker, "BitBtn1");
    EXPECT_EQ(templates.size(), 2);
    user.expectMessage(MessageKind::Confirmation, "Delete Selected Template?",
        MessageButtons::YesNo, kNoHelp, Answer::Yes);
    click(picker, "BitBtn1");
    EXPECT_EQ(templates.names(), QStringList({ "Two" }));
    EXPECT_FALSE(QFile::exists(dir.filePath("tml1.flt")));
    child<QListWidget>(picker, "ListBox1")->setCurrentRow(0);
    click(picker, "HelpBtn");
    click(picker, "OKBtn");
    EXPECT_EQ(picker.fileName(), "tml2.flt");
    EXPECT_EQ(user.helpRequests(), QList<int>({ 100 }));
}

} // namespace
} // namespace zendrova::test
