#pragma once

#include "editors/Clock.h"

#include <QTest>
#include <QWidget>

namespace zendrova::test {

// Pins "today" for the lifetime of the object.
class FixedToday
{
public:
    explicit FixedToday(QDate day) { Clock::setToday(day); }
    ~FixedToday() { Clock::setToday(std::nullopt); }
    FixedToday(const FixedToday &) = delete;
    FixedToday &operator=(const FixedToday &) = delete;
};

// Types a key script into a widget: "<" Backspace, "H" Home, "E" End,
// "L" Left, "R" Right, "D" Delete, "\r" Return; any other character is typed.
inline void typeKeys(QWidget *widget, const QString &script)
{
    for (QChar c : script) {
        switch (c.unicode()) {
        case '<': QTest::keyClick(widget, Qt::Key_Backspace); break;
        case 'H': QTest::keyClick(widget, Qt::Key_Home); break;
        case 'E': QTest::keyClick(widget, Qt::Key_End); break;
        case 'L': QTest::keyClick(widget, Qt::Key_Left); break;
        case 'R': QTest::keyClick(widget, Qt::Key_Right); break;
        case 'D': QTest::keyClick(widget, Qt::Key_Delete); break;
        case '\r': QTest::keyClick(widget, Qt::Key_Return); break;
        default: QTest::keyClicks(widget, QString(c)); break;
        }
    }
}

// Shows a window and waits until it is active, so focus changes reach its widgets.
inline bool showActive(QWidget *window)
{
    window->show();
    window->activateWindow();
    return QTest::qWaitForWindowActive(window);
}

} // namespace zendrova::test
