// Templates and the copy buffer in the main window: its buttons, keys and
// menus reach the records on disk.
#include "GeneratedCardsWindow.h"
#include "support/IndependentReader.h"
#include "support/WidgetLookup.h"

#include "common/Clock.h"

#include <QAbstractButton>
#include <QCheckBox>
#include <QLineEdit>
#include <QListWidget>
#include <QMenu>
#include <QPushButton>
#include <QTest>
#include <QTimer>
#include <gtest/gtest.h>

namespace zendrova::test {
namespace {

class RecordTemplateWindowTest : public GeneratedCardsWindow
{
protected:
    void TearDown() override { Clock::setToday(std::nullopt); }

    // Card name and sport of every record, read without our engine.
    QStringList namesAndSports()
    {
        return dbfreadRows(fixture.databaseFile(QStringLiteral("data.dbf")),
            { QStringLiteral("CARDNAME"), QStringLiteral("SPORT"), QStringLiteral("CUSTOM4") });
    }

    static QAction *item(QWidget &form, const char *menu, const char *name)
    {
        return child<QMenu>(form, menu)->findChild<QAction *>(QLatin1String(name));
    }
};

TEST_F(RecordTemplateWindowTest, AltCCopiesTheCardAndARowsPasteAddsItPastTheEnd)
{
    auto form = openWindow();
    form->activateWindow();
    auto *paste = child<QAbstractButton>(*form, "B_RPaste");
    auto *name = child<QLineEdit>(*form, "L1");
    EXPECT_FALSE(paste->isEnabled());
    EXPECT_TRUE(child<QAbstractButton>(*form, "B_RCopy")->isEnabled());
    name->setFocus();
    name->setText(QStringLiteral("Copied Card"));
    QTest::keyClick(name, Qt::Key_C, Qt::AltModifier);
    EXPECT_TRUE(paste->isEnabled());

    // The last page ends with an empty row: pasting there adds a record.
    QTest::keyClick(name, Qt::Key_End, Qt::ControlModifier);
    QList<QWidget *> rows;
    for (int r = 0; auto *row = form->findChild<QWidget *>(QStringLiteral("RecordButton%1").arg(r)); ++r)
        rows << row;
    const int emptyRow = int(kCards % rows.size());
    if (emptyRow == 0) // a full last page: the page after it is empty
        QTest::keyClick(name, Qt::Key_PageDown, Qt::ControlModifier);
    emit rows[emptyRow]->customContextMenuRequested(QPoint(2, 2));
    QMenu *rowMenu = child<QMenu>(*form, "PopupMenu1");
    EXPECT_TRUE(item(*form, "PopupMenu1", "PasteRecord1")->isEnabled());
    EXPECT_TRUE(child<QMenu>(*form, "PopupMenu1")->findChild<QAction *>("ViewBuffer1")->isEnabled());
    item(*form, "PopupMenu1", "PasteRecord1")->trigger();
    rowMenu->hide();
    const QStringList records = namesAndSports();
    ASSERT_EQ(records.size(), int(kCards) + 1);
    EXPECT_TRUE(records.last().startsWith(QStringLiteral("Copied Card|")));
    // The card itself was not stored yet: only the pasted copy carries the name.
    EXPECT_EQ(records.filter(QStringLiteral("Copied Card|")).size(), 1);
}

TEST_F(RecordTemplateWindowTest, ATemplateSavedWithTodaysDateStartsTheNextNewRecord)
{
    Clock::setToday(QDate(2026, 3, 14));
    auto form = openWindow();
    child<QLineEdit>(*form, "L1")->setText(QStringLiteral("Box Card"));
    bool shown = false;
    QTimer::singleShot(0, [&] {
        QWidget *dialog = topLevel(QStringLiteral("TRecordTemplateForm"));
        ASSERT_NE(dialog, nullptr);
        shown = true;
        EXPECT_EQ(dialog->windowTitle(), QStringLiteral("Save Record As Template"));
        EXPECT_EQ(child<QListWidget>(*dialog, "ListBox1")->item(0)->text(), QStringLiteral("Blank"));
        child<QLineEdit>(*dialog, "Edit1")->setText(QStringLiteral("Box"));
        auto *date = child<QCheckBox>(*dialog, "DateBox1");
        EXPECT_EQ(date->text(), QStringLiteral("Custom 4:"));
        date->setChecked(true);
        QTest::mouseClick(child<QPushButton>(*dialog, "OKBtn"), Qt::LeftButton);
    });
    item(*form, "TemplateRMenu", "SaveRecordToTemplate2")->trigger();
    ASSERT_TRUE(shown);

    // The template menu lists it; choosing it names the template of New Record.
    QMenu *menu = child<QMenu>(*form, "TemplateMenu");
    QStringList listed;
    for (QAction *action : menu->actions())
        listed << action->text();
    EXPECT_EQ(listed, QStringList({ "Templates For Adding New Records:", "Blank", "Box" }));
    menu->actions().last()->trigger();
    auto *button = child<QPushButton>(*form, "TemplateBtn");
    EXPECT_EQ(button->text(), QStringLiteral("Box"));

    QTest::mouseClick(child<QAbstractButton>(*form, "B_RUndo"), Qt::LeftButton);
    QTest::mouseClick(child<QAbstractButton>(*form, "B_New"), Qt::LeftButton);
    EXPECT_EQ(child<QLineEdit>(*form, "L1")->text(), QStringLiteral("Box Card"));
    QTest::mouseClick(child<QAbstractButton>(*form, "B_Next"), Qt::LeftButton);
    // Stored once, as the new record; the template's date field held the today marker.
    const QStringList stored = namesAndSports().filter(QStringLiteral("Box Card|"));
    ASSERT_EQ(stored.size(), 1);
    EXPECT_TRUE(stored.first().endsWith(QStringLiteral("|2026-03-14"))) << stored.first().toStdString();
}

} // namespace
} // namespace zendrova::test
