#include "EditorTestSupport.h"
#include "common/DateSerial.h"
#include "editors/ui/TDateEdit.h"
#include "support/ScriptedInteraction.h"

#include <QAction>
#include <QLineEdit>
#include <QMenu>
#include <QSignalSpy>
#include <gtest/gtest.h>

namespace zendrova {
namespace {

using test::FixedToday;
using test::kNoHelp;
using test::ScriptedInteraction;
using test::typeKeys;

const QDate kToday(2026, 5, 17);

struct TypingCase
{
    const char *format;
    const char *keys;
    const char *text;
    int caret;
};

TEST(DateEdit, TypingOverwritesPlacesAndSkipsSeparators)
{
    const TypingCase cases[] = {
        {"mm/dd/yyyy", "12311996", "12/31/1996", 10},
        {"mm/dd/yyyy", "123119969", "12/31/1996", 10}, // a ninth digit is ignored
        {"mm/dd/yyyy", "12<", "1_/__/____", 1},         // Backspace over the separator
        {"mm/dd/yyyy", "H<", "__/__/____", 0},
        {"mm/dd/yyyy", "12a-/ 3", "12/3_/____", 4},     // only digits are taken
        {"mm/dd/yyyy", "12311996HRRR9", "12/39/1996", 6},
        {"mm/dd/yyyy", "1231LLL5", "12/51/____", 4},    // Left may stop before a separator
        {"mm/dd/yyyy", "1231L", "12/31/____", 5},
        {"mm/dd/yyyy", "12311996E<<<<<", "12/3_/____", 4},
        {"mm/dd/yyyy", "12311996HD", "_2/31/1996", 0},  // Delete blanks the place, caret stays
        {"mm/dd/yyyy", "12HRRD", "12/__/____", 3},      // ... but never a separator
        {"mm/dd/yyyy", "12311996ER", "12/31/1996", 10},
        {"dd/mm/yyyy", "31121996", "31/12/1996", 10},
        {"yyyy/mm/dd", "19960229", "1996/02/29", 10},
        {"yyyy", "19967", "1996", 4},
        {"mm/dd/yy", "123196", "12/31/96", 8},
    };
    for (const TypingCase &c : cases) {
        TDateEdit edit;
        edit.setDateFormat(QString::fromLatin1(c.format));
        typeKeys(&edit, QString::fromLatin1(c.keys));
        EXPECT_EQ(QString::fromLatin1(c.text), edit.Date()) << c.format << " " << c.keys;
        EXPECT_EQ(QString::fromLatin1(c.text), edit.text()) << c.keys;
        EXPECT_EQ(c.caret, edit.caret()) << c.format << " " << c.keys;
        EXPECT_EQ(c.caret, edit.cursorPosition()) << c.keys;
    }
}

TEST(DateEdit, MouseClickNeverLeavesTheCaretBeforeASeparator)
{
    TDateEdit edit;
    edit.setDateFormat(QStringLiteral("mm/dd/yyyy"));
    edit.setDate(QStringLiteral("12/31/1996"));
    edit.resize(200, 24);
    auto pointAt = [&edit](int position) {
        for (int x = 0; x < edit.width(); ++x) {
            if (edit.cursorPositionAt(QPoint(x, edit.height() / 2)) == position)
                return QPoint(x, edit.height() / 2);
        }
        return QPoint();
    };
    const QPoint atSlash = pointAt(2);
    const QPoint beforeSlash = pointAt(0);
    QTest::mouseClick(&edit, Qt::LeftButton, {}, atSlash);
    EXPECT_EQ(1, edit.caret());
    QTest::mouseClick(&edit, Qt::LeftButton, {}, beforeSlash);
    EXPECT_EQ(0, edit.caret());
}

class DateEditWindow : public test::FieldWindow<TDateEdit>
{
protected:
    void SetUp() override
    {
        test::FieldWindow<TDateEdit>::SetUp();
        field->setDateFormat(QStringLiteral("mm/dd/yyyy"));
    }

    FixedToday today{kToday};
};

TEST_F(DateEditWindow, LeavingZeroFillsAValidDateSilently)
{
    const std::pair<const char *, const char *> cases[] = {
        {"", "__/__/____"},
        {"R5R71996", "05/07/1996"},
        {"02291996", "02/29/1996"},
    };
    for (const auto &[keys, shown] : cases) {
        field->setFocus();
        QCoreApplication::processEvents();
        field->setDate(QString());
        typeKeys(field, QString::fromLatin1(keys));
        ScriptedInteraction script; // any message fails
        leave();
        EXPECT_EQ(QString::fromLatin1(shown), field->Date()) << keys;
        EXPECT_TRUE(other->hasFocus()) << keys;
    }
}

TEST_F(DateEditWindow, AnInvalidDateIsReportedAndKeepsTheFocus)
{
    const std::pair<const char *, const char *> cases[] = {
        {"5", "5_/00/0000"}, // the month keeps its blank after the 5
        {"02291997", "02/29/1997"},
        {"13011996", "13/01/1996"},
        {"HRRR51996", "00/05/1996"}, // a blank month group becomes 00
    };
    for (const auto &[keys, kept] : cases) {
        field->setFocus();
        QCoreApplication::processEvents();
        field->setDate(QString());
        typeKeys(field, QString::fromLatin1(keys));
        ScriptedInteraction script;
        script.expectMessage(
            MessageKind::Error, QStringLiteral("Invalid Date!"), MessageButtons::Ok, kNoHelp);
        leave();
        EXPECT_EQ(QString::fromLatin1(kept), field->Date()) << keys;
        EXPECT_TRUE(field->hasFocus()) << keys;
        // The value of a buffer that is not a date is today.
        EXPECT_EQ(serialFromDate(kToday), field->value()) << keys;
    }
}

TEST(DateEdit, ValueFollowsTheFormat)
{
    FixedToday today(kToday);
    TDateEdit edit;
    edit.setDateFormat(QStringLiteral("dd/mm/yyyy"));
    EXPECT_EQ(0.0, edit.value());
    edit.setValue(serialFromDate(QDate(1996, 12, 31)));
    EXPECT_EQ(QStringLiteral("31/12/1996"), edit.Date());
    EXPECT_EQ(serialFromDate(QDate(1996, 12, 31)), edit.value());
    edit.setValue(0);
    EXPECT_EQ(QStringLiteral("__/__/____"), edit.Date());

    edit.setDateFormat(QStringLiteral("yyyy"));
    typeKeys(&edit, QStringLiteral("1996"));
    EXPECT_EQ(serialFromDate(QDate(1996, 1, 1)), edit.value());
}

TEST(DateEdit, SwitchingToTheYearAndBackKeepsOnlyTheYear)
{
    FixedToday today(kToday);
    TDateEdit edit;
    edit.setDateFormat(QStringLiteral("mm/dd/yyyy"));
    edit.setDate(QStringLiteral("12/31/1996"));
    edit.setDateFormat(QStringLiteral("yyyy"));
    EXPECT_EQ(QStringLiteral("1996"), edit.Date());
    edit.setDateFormat(QStringLiteral("mm/dd/yyyy"));
    EXPECT_EQ(QStringLiteral("01/01/1996"), edit.Date());
    edit.setDateFormat(QStringLiteral("yyyy/mm/dd"));
    EXPECT_EQ(QStringLiteral("1996/01/01"), edit.Date());

    edit.setDate(QString());
    edit.setDateFormat(QStringLiteral("dd/mm/yyyy"));
    EXPECT_EQ(QStringLiteral("__/__/____"), edit.Date());
}

TEST(DateEdit, SettingTheTextAcceptsOnlyBlankOrValidDates)
{
    FixedToday today(kToday);
    TDateEdit edit;
    edit.setDateFormat(QStringLiteral("mm/dd/yyyy"));
    edit.setDate(QStringLiteral("02/29/1996"));
    for (const char *rejected : {"02/29/1997", "1996", "ab/cd/efgh", "12-31-1996", "12/31/199_"})
        edit.setDate(QString::fromLatin1(rejected));
    EXPECT_EQ(QStringLiteral("02/29/1996"), edit.Date());
    edit.setDate(QStringLiteral("__/__/____"));
    EXPECT_EQ(QStringLiteral("__/__/____"), edit.Date());
}

TEST(DateEdit, TakesTheSystemFormatAndTheSlashAtCreation)
{
    TDateEdit edit; // the test locale's short format is M/d/yy
    EXPECT_EQ(QStringLiteral("mm/dd/yy"), edit.DateFormat());
    EXPECT_EQ(QStringLiteral("__/__/__"), edit.Date());
    EXPECT_EQ(QSize(120, 22), edit.size());
    EXPECT_EQ(QStringLiteral("Click here to display a Calendar"), edit.ButtonHint());
}

QAction *menuEntry(QMenu *menu, const QString &text)
{
    for (QAction *action : menu->actions()) {
        if (action->text() == text)
            return action;
        if (action->menu()) {
            if (QAction *inner = menuEntry(action->menu(), text))
                return inner;
        }
    }
    return nullptr;
}

TEST(DateEdit, MenuUndoTodayClearAndFormats)
{
    FixedToday today(kToday);
    TDateEdit edit;
    edit.setDateFormat(QStringLiteral("mm/dd/yyyy"));
    edit.setDate(QStringLiteral("12/31/1996"));
    QMenu *menu = edit.popupMenu();
    QAction *undo = menuEntry(menu, QStringLiteral("&Undo"));
    ASSERT_NE(nullptr, undo);

    menuEntry(menu, QStringLiteral("&Clear"))->trigger();
    EXPECT_EQ(QStringLiteral("__/__/____"), edit.Date());
    edit.prepareMenu();
    EXPECT_TRUE(undo->isEnabled());
    undo->trigger();
    EXPECT_EQ(QStringLiteral("12/31/1996"), edit.Date());
    edit.prepareMenu();
    EXPECT_FALSE(undo->isEnabled());

    menuEntry(menu, QStringLiteral("&Today"))->trigger();
    EXPECT_EQ(QStringLiteral("05/17/2026"), edit.Date());

    QSignalSpy formats(&edit, &TDateEdit::OnSetFormat);
    menuEntry(menu, QStringLiteral("DDMMYYYY"))->trigger();
    EXPECT_EQ(QStringLiteral("dd/mm/yyyy"), edit.DateFormat());
    EXPECT_EQ(QStringLiteral("17/05/2026"), edit.Date());
    ASSERT_EQ(1, formats.count());
    EXPECT_EQ(1, formats.at(0).at(0).toInt());

    // The check mark: two-digit forms count as their four-digit relatives.
    edit.setDateFormat(QStringLiteral("yy/mm/dd"));
    edit.prepareMenu();
    EXPECT_TRUE(menuEntry(menu, QStringLiteral("YYYYMMDD"))->isChecked());
    EXPECT_FALSE(menuEntry(menu, QStringLiteral("DDMMYYYY"))->isChecked());
}

TEST(DateEdit, MenuFontColorAndHelpGoToTheirListeners)
{
    qRegisterMetaType<QMenu *>();
    TDateEdit edit;
    QSignalSpy font(&edit, &TDateEdit::OnSetFont);
    QSignalSpy colour(&edit, &TDateEdit::OnSetColor);
    menuEntry(edit.popupMenu(), QStringLiteral("&Font..."))->trigger();
    menuEntry(edit.popupMenu(), QStringLiteral("C&olor..."))->trigger();
    EXPECT_EQ(1, font.count());
    EXPECT_EQ(1, colour.count());
    EXPECT_EQ(edit.popupMenu(), font.at(0).at(0).value<QMenu *>());

    ScriptedInteraction script;
    menuEntry(edit.popupMenu(), QStringLiteral("&Help"))->trigger(); // no topic: nothing
    edit.setProperty("helpContext", 42);
    menuEntry(edit.popupMenu(), QStringLiteral("&Help"))->trigger();
    EXPECT_EQ(QList<int>{42}, script.helpRequests());

    edit.hideFontAndColorEntries();
    EXPECT_FALSE(menuEntry(edit.popupMenu(), QStringLiteral("&Font..."))->isVisible());
    EXPECT_FALSE(menuEntry(edit.popupMenu(), QStringLiteral("C&olor..."))->isVisible());
}

} // namespace
} // namespace zendrova
