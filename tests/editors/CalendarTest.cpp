#include "EditorTestSupport.h"
#include "editors/CalendarModel.h"
#include "editors/PopupPlacement.h"
#include "editors/ui/TDateEdit.h"
#include "editors/ui/TEditButton.h"
#include "editors/ui/TfrmCalPop.h"

#include <QPushButton>
#include <gtest/gtest.h>

#include <functional>

namespace zendrova {
namespace {

using test::FixedToday;

const QDate kToday(2026, 5, 17);

struct KeyCase
{
    QDate from;
    Qt::Key key;
    QDate to;
};

TEST(Calendar, KeysMoveAcrossMonthAndLeapYearEnds)
{
    const KeyCase cases[] = {
        {QDate(1996, 12, 31), Qt::Key_Right, QDate(1997, 1, 1)},
        {QDate(1996, 3, 1), Qt::Key_Left, QDate(1996, 2, 29)},
        {QDate(1996, 2, 29), Qt::Key_Down, QDate(1996, 3, 7)},
        {QDate(1997, 1, 3), Qt::Key_Up, QDate(1996, 12, 27)},
        // Page Up goes back by the length of the previous month (31 from January).
        {QDate(1996, 3, 31), Qt::Key_PageUp, QDate(1996, 3, 2)},
        {QDate(1997, 3, 31), Qt::Key_PageUp, QDate(1997, 3, 3)},
        {QDate(1996, 1, 15), Qt::Key_PageUp, QDate(1995, 12, 15)},
        // Page Down goes forward by the length of the current month.
        {QDate(1996, 1, 31), Qt::Key_PageDown, QDate(1996, 3, 2)},
        {QDate(1996, 2, 10), Qt::Key_PageDown, QDate(1996, 3, 10)},
        // Home is one year forward, End one year back, counted in days.
        {QDate(1996, 2, 10), Qt::Key_Home, QDate(1997, 2, 10)},
        {QDate(1995, 4, 10), Qt::Key_Home, QDate(1996, 4, 10)},
        {QDate(1995, 3, 10), Qt::Key_Home, QDate(1996, 3, 10)},
        {QDate(1996, 2, 29), Qt::Key_Home, QDate(1997, 3, 1)},
        {QDate(1999, 6, 1), Qt::Key_Home, QDate(2000, 6, 1)},
        {QDate(1996, 3, 10), Qt::Key_End, QDate(1995, 3, 10)},
        {QDate(1997, 2, 10), Qt::Key_End, QDate(1996, 2, 10)},
        {QDate(1996, 12, 31), Qt::Key_End, QDate(1995, 12, 31)},
        {QDate(2000, 2, 29), Qt::Key_End, QDate(1999, 3, 1)},
    };
    FixedToday today(kToday);
    for (const KeyCase &c : cases) {
        TDateEdit edit;
        edit.setDateFormat(QStringLiteral("mm/dd/yyyy"));
        edit.writeDate(c.from);
        TfrmCalPop popup(&edit);
        ASSERT_EQ(c.from, popup.date());
        QTest::keyClick(&popup, c.key);
        EXPECT_EQ(c.to, popup.date()) << c.from.toString(Qt::ISODate).toStdString() << " key "
                                      << c.key;
        EXPECT_EQ(c.from, *edit.shownDate()) << "moving does not touch the field";
    }
}

TEST(Calendar, GridStartsOnSundayWithTheFirstOfTheMonth)
{
    const CalendarModel december(QDate(1996, 12, 31)); // 1 December 1996 was a Sunday
    EXPECT_EQ(1, december.dayAt(0));
    EXPECT_EQ(31, december.dayAt(30));
    EXPECT_EQ(0, december.dayAt(31));
    EXPECT_EQ(30, december.selectedCell());
    const CalendarModel february(QDate(1997, 2, 1)); // a Saturday
    EXPECT_EQ(0, february.dayAt(5));
    EXPECT_EQ(1, february.dayAt(6));
    EXPECT_EQ(28, february.dayAt(33));
    EXPECT_EQ(0, february.dayAt(34));
    EXPECT_EQ(0, february.dayAt(-1));
    EXPECT_EQ(0, february.dayAt(42));
}

TEST(Calendar, PopupsStayOnTheScreen)
{
    const QRect screen(0, 0, 1024, 768);
    const QSize popup(218, 164);
    struct Case
    {
        QRect editor;
        QPoint expected;
    };
    const Case cases[] = {
        {QRect(100, 100, 120, 22), QPoint(101, 123)},
        // Would cross the right edge: moved left to end 1 pixel before it.
        {QRect(900, 100, 120, 22), QPoint(1024 - 218 - 1, 123)},
        {QRect(806, 100, 120, 22), QPoint(805, 123)},
        {QRect(805, 100, 120, 22), QPoint(806, 123)}, // ends exactly at the edge: fits
        // No room below: opened above the editor.
        {QRect(100, 700, 120, 22), QPoint(101, 700 - 164)},
        {QRect(900, 740, 120, 22), QPoint(805, 740 - 164)},
    };
    for (const Case &c : cases)
        EXPECT_EQ(c.expected, popupPosition(c.editor, popup, screen));
    EXPECT_EQ(QPoint(1101, 123), popupPosition(QRect(1100, 100, 120, 22), popup,
                                               QRect(1024, 0, 1280, 1024)));
}

bool runCalendar(TDateEdit &edit, const std::function<void(TfrmCalPop *)> &drive)
{
    return test::runPopup<TfrmCalPop>(edit, drive);
}

TEST(Calendar, BlankFieldOpensOnTodayAndEscapeLeavesItBlank)
{
    FixedToday today(kToday);
    TDateEdit edit;
    edit.setDateFormat(QStringLiteral("mm/dd/yyyy"));
    QDate shown;
    ASSERT_TRUE(runCalendar(edit, [&](TfrmCalPop *popup) {
        shown = popup->date();
        QTest::keyClick(popup, Qt::Key_Escape);
    }));
    EXPECT_EQ(kToday, shown);
    EXPECT_EQ(QStringLiteral("__/__/____"), edit.Date());
}

TEST(Calendar, EnterTodayButtonAndMouseWriteTheDate)
{
    FixedToday today(kToday);
    TDateEdit edit;
    edit.setDateFormat(QStringLiteral("mm/dd/yyyy"));
    edit.setDate(QStringLiteral("12/31/1996"));

    ASSERT_TRUE(runCalendar(edit, [](TfrmCalPop *popup) {
        QTest::keyClick(popup, Qt::Key_Right);
        QTest::keyClick(popup, Qt::Key_Return);
    }));
    EXPECT_EQ(QStringLiteral("01/01/1997"), edit.Date());
    EXPECT_EQ(0, edit.caret());

    ASSERT_TRUE(runCalendar(edit, [](TfrmCalPop *popup) {
        EXPECT_EQ(QStringLiteral("Set Today Date"), popup->TodayBtn()->toolTip());
        EXPECT_EQ(QStringLiteral("Close Calendar Without Updating Date Field."),
                  popup->CancelBtn()->toolTip());
        popup->TodayBtn()->click();
    }));
    EXPECT_EQ(QStringLiteral("05/17/2026"), edit.Date());

    // January 1997 starts on a Wednesday (cell 3): press on the 2nd, drag to
    // the 9th, release there. Presses on empty cells and the arrows do not close.
    edit.setDate(QStringLiteral("01/01/1997"));
    ASSERT_TRUE(runCalendar(edit, [](TfrmCalPop *popup) {
        const CalendarLayout &layout = popup->layout();
        QTest::mousePress(popup, Qt::LeftButton, {}, layout.cellRect(0).center());
        EXPECT_EQ(QDate(1997, 1, 1), popup->date());
        QTest::mousePress(popup, Qt::LeftButton, {}, layout.rightArrow().center());
        EXPECT_EQ(QDate(1997, 2, 1), popup->date());
        QTest::mousePress(popup, Qt::LeftButton, {}, layout.leftArrow().center());
        EXPECT_EQ(QDate(1997, 1, 1), popup->date());
        QTest::mousePress(popup, Qt::LeftButton, {}, layout.cellRect(4).center());
        QTest::mouseMove(popup, layout.cellRect(11).center());
        QTest::mouseRelease(popup, Qt::LeftButton, {}, layout.cellRect(11).center());
    }));
    EXPECT_EQ(QStringLiteral("01/09/1997"), edit.Date());
}

TEST(Calendar, OpeningZeroFillsTheField)
{
    FixedToday today(kToday);
    TDateEdit edit;
    edit.setDateFormat(QStringLiteral("mm/dd/yyyy"));
    test::typeKeys(&edit, QStringLiteral("R5R71996"));
    QDate shown;
    ASSERT_TRUE(runCalendar(edit, [&](TfrmCalPop *popup) {
        shown = popup->date();
        popup->CancelBtn()->click();
    }));
    EXPECT_EQ(QDate(1996, 5, 7), shown);
    EXPECT_EQ(QStringLiteral("05/07/1996"), edit.Date());
}

} // namespace
} // namespace zendrova
