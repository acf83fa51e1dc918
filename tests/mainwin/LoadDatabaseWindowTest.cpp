#include "GeneratedCardsWindow.h"

#include "mainwin/RecordCycle.h"
#include "support/WidgetLookup.h"

#include "store/RecordEditor.h"

#include <QAbstractButton>
#include <QDialog>
#include <QLineEdit>
#include <QListWidget>
#include <QTest>
#include <QTimer>

namespace zendrova::test {
namespace {

class LoadDatabaseWindowTest : public GeneratedCardsWindow
{
protected:
    void SetUp() override
    {
        GeneratedCardsWindow::SetUp();
        fixture.state.isSupervisor = true; // may create databases in the public folder
    }

    // Runs the Load Database dialog from the speed bar: work runs while it is up.
    void withLoadDialog(TForm3 &form, const std::function<void(QWidget &)> &work)
    {
        bool shown = false;
        QTimer::singleShot(0, [&] {
            QWidget *dialog = topLevel(QStringLiteral("LoadDbDlg"));
            ASSERT_NE(dialog, nullptr);
            shown = true;
            work(*dialog);
        });
        QTest::mouseClick(child<QAbstractButton>(form, "B_Load"), Qt::LeftButton);
        EXPECT_TRUE(shown);
    }
    void loadRow(QWidget &dialog, int row)
    {
        child<QListWidget>(dialog, "ListBox1")->setCurrentRow(row);
        QTest::mouseClick(child<QAbstractButton>(dialog, "OKBtn"), Qt::LeftButton);
    }
};

TEST_F(LoadDatabaseWindowTest, ASecondDatabaseIsCreatedLoadedAndLeftAgain)
{
    auto form = openWindow();
    // Through the letter range of "A", as the list shows them.
    const int shownBefore = store.recordTable().recordCount();
    withLoadDialog(*form, [&](QWidget &dialog) {
        EXPECT_EQ(dialog.windowTitle(), QStringLiteral("Load Database"));
        EXPECT_FALSE(child<QWidget>(dialog, "RadioGroup1")->isEnabled());
        QTimer::singleShot(0, [] {
            QWidget *edit = topLevel(QStringLiteral("EditDbDlg"));
            ASSERT_NE(edit, nullptr);
            EXPECT_EQ(edit->windowTitle(), QStringLiteral("Create New Database"));
            child<QLineEdit>(*edit, "Edit1")->setText(QStringLiteral("Rookies"));
            child<QLineEdit>(*edit, "Edit2")->setText(QStringLiteral("Cards of first years"));
            QTest::mouseClick(child<QAbstractButton>(*edit, "OKBtn"), Qt::LeftButton);
        });
        QTest::mouseClick(child<QAbstractButton>(dialog, "New_Btn"), Qt::LeftButton);
        auto *list = child<QListWidget>(dialog, "ListBox1");
        ASSERT_EQ(list->count(), 2);
        EXPECT_EQ(list->item(1)->text(), QStringLiteral("Rookies"));
        EXPECT_EQ(list->currentRow(), 1);
        loadRow(dialog, 1);
    });
    EXPECT_EQ(fixture.state.currentTableFile, QStringLiteral("data_1.dbf"));
    EXPECT_EQ(form->windowTitle(), QStringLiteral("Zendrova - Database: Rookies"));
    EXPECT_EQ(store.recordTable().fileName(), QStringLiteral("data_1.dbf"));
    EXPECT_EQ(store.recordTable().recordCount(), 0);

    // Loading the one that is open changes nothing.
    withLoadDialog(*form, [&](QWidget &dialog) { loadRow(dialog, 1); });
    EXPECT_EQ(fixture.state.currentTableFile, QStringLiteral("data_1.dbf"));

    withLoadDialog(*form, [&](QWidget &dialog) { loadRow(dialog, 0); });
    EXPECT_EQ(fixture.state.currentTableFile, QStringLiteral("data.dbf"));
    EXPECT_EQ(form->windowTitle(), QStringLiteral("Zendrova - Database: data.dbf"));
    EXPECT_EQ(store.recordTable().recordCount(), shownBefore);
    EXPECT_GT(shownBefore, 0);
    EXPECT_TRUE(user.allConsumed());
}

TEST_F(LoadDatabaseWindowTest, ARefusedLeaveOfTheCardCancelsTheSwitch)
{
    auto form = openWindow();
    form->recordCycle()->beforePost
        = [](RecordEditor &) { throw StoreError(StoreErrorKind::Locked, "held"); };
    child<QLineEdit>(*form, "L1")->setText(QStringLiteral("Typed"));
    user.expectMessage(MessageKind::Warning, RecordCycle::updateFailedText(), MessageButtons::YesNo,
        kNoHelp, Answer::No);
    bool shown = false;
    QTimer::singleShot(0, [&] {
        if (auto *dialog = qobject_cast<QDialog *>(topLevel(QStringLiteral("LoadDbDlg")))) {
            shown = true;
            dialog->reject();
        }
    });
    QTest::mouseClick(child<QAbstractButton>(*form, "B_Load"), Qt::LeftButton);
    EXPECT_FALSE(shown);
    EXPECT_EQ(child<QLineEdit>(*form, "L1")->text(), QStringLiteral("Typed"));
    EXPECT_TRUE(user.allConsumed());
}

} // namespace
} // namespace zendrova::test
