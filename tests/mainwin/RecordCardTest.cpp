#include "support/DatabaseFixture.h"
#include "support/ScriptedInteraction.h"
#include "support/WidgetLookup.h"

#include "common/ui/TEditMenu.h"
#include "editors/ui/TBmpControl.h"
#include "editors/ui/TCurrencyEdit.h"
#include "editors/ui/TDateEdit.h"
#include "mainwin/CardFieldDesign.h"
#include "mainwin/CardFields.h"
#include "mainwin/ui/RecordCard.h"
#include "mainwin/ui/RecordCardLabel.h"
#include "mainwin/ui/RecordCardMenus.h"
#include "store/ui/TLookup.h"

#include <QFile>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QSignalSpy>
#include <QStackedWidget>
#include <QTabBar>
#include <QTest>
#include <QTimer>
#include <gtest/gtest.h>

namespace zendrova::test {
namespace {

class RecordCardTest : public ::testing::Test
{
protected:
    RecordCard &card()
    {
        if (!m_card)
            m_card = std::make_unique<RecordCard>(fixture.state);
        return *m_card;
    }
    QWidget *control(int tag) { return card().controls().at(tag - 1); }
    // Shows the card and puts the focus on one of its fields.
    void focus(int tag)
    {
        card().selectPart(CardFields::byTag(tag).page);
        control(tag)->setFocus(Qt::OtherFocusReason);
        ASSERT_EQ(card().focusedControl(), tag - 1);
    }
    void showActive()
    {
        card().show();
        card().activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(&card()));
    }

    DatabaseFixture fixture;
    ScriptedInteraction user;

private:
    std::unique_ptr<RecordCard> m_card;
};

TEST_F(RecordCardTest, TheTwentyOneControlsAreBoundToTheirFieldsWithHintsAndCaptions)
{
    const char *edit = "Enter Text Here";
    const char *lookup = "Click on the down arrow to see the choices";
    const char *value = "Enter Value Here";
    const char *picture = "Right Mouse Click Displays Menu";
    const struct { const char *className; const char *hint; const char *source; } table[21] = {
        {"QLineEdit", edit, ""}, {"zendrova::TLookup", lookup, "list1.dbf"},
        {"zendrova::TLookup", lookup, "list2.dbf"}, {"zendrova::TLookup", lookup, "list3.dbf"},
        {"zendrova::TLookup", lookup, "list4.dbf"}, {"zendrova::TLookup", lookup, "list5.dbf"},
        {"zendrova::TLookup", lookup, "list6.dbf"}, {"zendrova::TCurrencyEdit", value, ""},
        {"zendrova::TBmpControl", picture, ""}, {"zendrova::TCurrencyEdit", value, ""},
        {"zendrova::TCurrencyEdit", value, ""}, {"zendrova::TCurrencyEdit", value, ""},
        {"zendrova::TLookup", lookup, "list7.dbf"}, {"zendrova::TLookup", lookup, "list8.dbf"},
        {"zendrova::TLookup", lookup, "list9.dbf"}, {"QLineEdit", edit, ""},
        {"QLineEdit", edit, ""}, {"zendrova::TDateEdit", "Enter Date Here", ""},
        {"zendrova::TCurrencyEdit", value, ""}, {"QPlainTextEdit", edit, ""},
        {"zendrova::TBmpControl", picture, ""}};
    ASSERT_EQ(card().controls().size(), 21);
    for (int tag = 1; tag <= 21; ++tag) {
        const auto &row = table[tag - 1];
        QWidget *c = control(tag);
        const CardField &field = CardFields::byTag(tag);
        EXPECT_EQ(c->objectName(), QString("L%1").arg(tag));
        EXPECT_STREQ(c->metaObject()->className(), row.className) << tag;
        EXPECT_EQ(CardFields::tagOf(c), tag);
        EXPECT_EQ(field.fieldPosition(), tag + 1);
        EXPECT_EQ(c->toolTip(), QString(row.hint)) << tag;
        EXPECT_EQ(card().captionLabels().at(tag - 1)->text(), CaptionList::builtInCaptions().at(tag - 1));
        EXPECT_EQ(CardFields::tagOf(card().captionLabels().at(tag - 1)), tag);
        if (auto *combo = qobject_cast<TLookup *>(c)) {
            EXPECT_EQ(combo->source(), QString(row.source));
        }
        auto *page = child<QWidget>(card(), QString("PgR%1").arg(field.page).toLatin1().constData());
        EXPECT_TRUE(page->isAncestorOf(c)) << tag;
    }
    EXPECT_EQ(card().pageFieldCounts(), (QList<int>{9, 10, 1, 1}));
    EXPECT_EQ(card().statusBar()->text(), "Read/Write Access");
    EXPECT_EQ(card().templateButton()->text(), "Blank");
    EXPECT_EQ(qobject_cast<QLineEdit *>(control(18))->maxLength(), 10);

    CaptionList renamed;
    renamed.setCaptions({"Player:"});
    card().applyCaptions(renamed);
    EXPECT_EQ(child<QLabel>(card(), "Label1")->text(), "Player:");
    EXPECT_EQ(child<QLabel>(card(), "Label2")->text(), "Sport:");
}

TEST_F(RecordCardTest, ClickingACaptionLabelNamesItsField)
{
    QSignalSpy clicked(&card(), &RecordCard::captionClicked);
    for (const char *name : {"Label2", "Label20"}) {
        auto *label = child<QLabel>(card(), name);
        EXPECT_EQ(label->toolTip(), "Click to Display Popup Menu");
        QTest::mouseClick(label, Qt::LeftButton);
    }
    QTest::mouseClick(child<QLabel>(card(), "Label3"), Qt::RightButton);
    ASSERT_EQ(clicked.size(), 2);
    EXPECT_EQ(clicked.at(0).at(0).toInt(), 2);
    EXPECT_EQ(clicked.at(1).at(0).toInt(), 20);
}

TEST_F(RecordCardTest, ChangingADateFormatSavesDateDatAtOnce)
{
    ASSERT_EQ(card().dateControls().size(), 1);
    TDateEdit *date = card().dateControls().first();
    EXPECT_EQ(date, control(18));
    fixture.state.dateFormats.fillDefaultsIfEmpty();
    QSignalSpy changed(&card(), &RecordCard::dateFormatChanged);

    QAction *dayFirst = nullptr;
    for (QAction *item : date->popupMenu()->findChildren<QAction *>())
        if (item->isCheckable() && item->data() == 1)
            dayFirst = item;
    ASSERT_TRUE(dayFirst);
    dayFirst->trigger();

    ASSERT_EQ(changed.size(), 1);
    EXPECT_EQ(changed.at(0), (QVariantList{18, 1}));
    QFile file(fixture.state.userFolder + "/date.dat");
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    EXPECT_EQ(file.readAll().trimmed(), "1");
    EXPECT_EQ(date->DateFormat(), "dd/mm/yyyy");

    DateFormatList yearOnly;
    yearOnly.setCodeForField(17, 3);
    card().applyDateFormats(yearOnly);
    EXPECT_EQ(date->DateFormat(), "yyyy");
}

TEST_F(RecordCardTest, LookupMenuHasTheListItemsAndItsCheckMarkFollowsTheOption)
{
    auto *sport = qobject_cast<TLookup *>(control(2));
    ASSERT_TRUE(sport && sport->lineEdit());
    QStringList entries;
    bool checked = false;
    auto popUp = [&] {
        QTimer::singleShot(0, [&] {
            auto *menu = qobject_cast<TEditMenu *>(QApplication::activePopupWidget());
            ASSERT_TRUE(menu);
            entries.clear();
            for (QAction *item : menu->actions()) {
                entries << item->text();
                if (item->text() == "Auto-F&ill")
                    checked = item->isChecked();
            }
            menu->close();
        });
        emit sport->lineEdit()->customContextMenuRequested(QPoint(2, 2));
    };
    fixture.state.userOptions.autoFill = true;
    popUp();
    EXPECT_EQ(entries.mid(entries.size() - 5),
        (QStringList{"C&olor...", "&Edit List...", "Auto-F&ill", "", "&Help"}));
    EXPECT_TRUE(checked);
    fixture.state.userOptions.autoFill = false;
    popUp();
    EXPECT_FALSE(checked);

    // The plain field menu has no list items and asks for the field's font.
    QSignalSpy font(&card(), &RecordCard::fieldFontRequested);
    card().menus()->fieldMenu()->prepareFor(control(16));
    card().menus()->fieldMenu()->entry(TEditMenu::FontPos)->trigger();
    ASSERT_EQ(font.size(), 1);
    EXPECT_EQ(font.at(0).at(0).value<QWidget *>(), control(16));
    for (QAction *item : card().menus()->fieldMenu()->actions())
        EXPECT_NE(item->text(), "&Edit List...");
}

TEST_F(RecordCardTest, TabWalksTheFieldsAcrossPartsAndWrapsAround)
{
    showActive();
    const struct { int from; bool backwards; int to; int part; } cases[] = {
        {1, false, 2, 1}, {8, false, 10, 2}, // the small picture takes no Tab
        {19, false, 20, 3}, {20, false, 1, 1}, {1, true, 20, 3}, {10, true, 8, 1}};
    for (const auto &c : cases) {
        focus(c.from);
        EXPECT_TRUE(card().focusNextField(c.backwards));
        EXPECT_EQ(card().focusedControl(), c.to - 1) << c.from << c.backwards;
        EXPECT_EQ(card().currentPart(), c.part);
        EXPECT_EQ(child<QStackedWidget>(card(), "Notebook1")->currentIndex(), c.part - 1);
    }
    control(2)->setEnabled(false);
    focus(1);
    card().focusNextField(false);
    EXPECT_EQ(card().focusedControl(), 2);

    // Focus outside the fields: the window's own Tab handling goes on.
    card().templateButton()->setFocusPolicy(Qt::StrongFocus);
    card().templateButton()->setFocus();
    EXPECT_FALSE(card().focusNextField(false));
}

TEST_F(RecordCardTest, PartTabsSwitchTheNotebookAndOnlyExistingPartsCanBeSelected)
{
    auto *tabs = child<QTabBar>(card(), "TabSet2");
    EXPECT_EQ(tabs->toolTip(), "Select Part of the Record [Alt+#]");
    ASSERT_EQ(card().partCount(), 4);
    for (int i = 0; i < 4; ++i)
        EXPECT_EQ(tabs->tabText(i), QString("Part %1").arg(i + 1));
    EXPECT_FALSE(card().selectPart(5));
    EXPECT_EQ(card().currentPart(), 1);
    tabs->setCurrentIndex(3);
    EXPECT_EQ(child<QStackedWidget>(card(), "Notebook1")->currentWidget()->objectName(), "PgR4");
    EXPECT_TRUE(card().selectPart(2));
    EXPECT_EQ(child<QStackedWidget>(card(), "Notebook1")->currentWidget()->objectName(), "PgR2");
}

TEST_F(RecordCardTest, ResizingScalesTheFieldsAndABiggerFontMovesThemDown)
{
    showActive();
    auto *notebook = child<QStackedWidget>(card(), "Notebook1");
    const QSize design = CardFieldDesign::pageSize();
    ASSERT_EQ(notebook->size(), design); // the card starts at its design size
    for (int tag = 1; tag <= 21; ++tag)
        EXPECT_EQ(control(tag)->geometry(), CardFieldDesign::controlRect(tag)) << tag;
    card().resize(card().width() + 50, card().height() + 100);
    QApplication::processEvents();
    ASSERT_EQ(notebook->size(), design + QSize(50, 100));
    EXPECT_EQ(control(20)->height(),
        CardFieldDesign::controlRect(20).height() + notebook->height() - design.height());
    EXPECT_EQ(control(1)->width(),
        CardFieldDesign::controlRect(1).width() + notebook->width() - design.width());
    EXPECT_EQ(control(1)->x(), CardFieldDesign::controlRect(1).x());

    QFont big = card().font();
    big.setPointSize(30);
    card().setOneLineFont(big);
    const int growth = control(1)->height() - CardFieldDesign::controlRect(1).height();
    ASSERT_GT(growth, 0);
    EXPECT_EQ(control(2)->y(), CardFieldDesign::controlRect(2).y() + growth);
    EXPECT_EQ(card().captionLabels().at(1)->y(), CardFieldDesign::captionRect(2).y() + growth);
    EXPECT_EQ(control(10)->y(), CardFieldDesign::controlRect(10).y()); // a new page starts at 0
    EXPECT_EQ(control(20)->y(), CardFieldDesign::controlRect(20).y());
}

TEST_F(RecordCardTest, RecordBarKeepsPositionAndNavigationAtItsRightEdge)
{
    showActive();
    auto *bar = child<QWidget>(card(), "Panel2");
    auto *position = child<QLabel>(card(), "PgR_Lbl");
    auto *percentage = child<QLabel>(card(), "Perc_Lbl");
    auto *next = child<QPushButton>(card(), "B_Next");
    auto *previous = child<QPushButton>(card(), "B_Prev");
    auto *undo = child<QPushButton>(card(), "B_RUndo");
    auto *synchronise = child<QPushButton>(card(), "B_RSynchro");
    // At the narrowest card the left buttons give up their captions for their key letters.
    const struct { int width; const char *undoCaption; } widths[] = {{230, "U"}, {420, "Undo"}};
    for (const auto &w : widths) {
        card().resize(w.width, card().height());
        QApplication::processEvents();
        EXPECT_EQ(position->geometry().right() + 1, bar->width() - 2);
        EXPECT_EQ(percentage->x(), position->x());
        EXPECT_LT(next->geometry().right(), position->x());
        EXPECT_LT(previous->geometry().right(), next->x());
        EXPECT_LT(synchronise->geometry().right(), previous->x());
        EXPECT_EQ(undo->text(), w.undoCaption);
    }
    QSignalSpy commands(&card(), &RecordCard::commandRequested);
    const struct { const char *name; MainCommand command; } buttons[] = {
        {"B_RPrint", MainCommand::PrintRecord}, {"B_RDelete", MainCommand::DeleteRecord},
        {"B_RCopy", MainCommand::CopyRecord}, {"B_RPaste", MainCommand::PasteRecord},
        {"B_RUndo", MainCommand::UndoRecord}, {"B_Prev", MainCommand::PreviousRecord},
        {"B_Next", MainCommand::NextRecord}, {"B_RSynchro", MainCommand::Synchronise}};
    for (const auto &b : buttons) {
        auto *button = child<QPushButton>(card(), b.name);
        EXPECT_FALSE(button->toolTip().isEmpty()) << b.name;
        QTest::mouseClick(button, Qt::LeftButton);
        ASSERT_FALSE(commands.isEmpty()) << b.name;
        EXPECT_EQ(commands.takeFirst().at(0).value<MainCommand>(), b.command) << b.name;
    }
}

} // namespace
} // namespace zendrova::test
