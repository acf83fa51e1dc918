#pragma once

#include "common/Clock.h"

#include <QAbstractButton>
#include <QLineEdit>
#include <QTest>
#include <QTimer>
#include <QVBoxLayout>
#include <QWidget>
#include <gtest/gtest.h>

#include <functional>

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

// A shown, active window holding a field and a second box to move the focus to.
template <typename Field>
class FieldWindow : public ::testing::Test
{
protected:
    void SetUp() override
    {
        auto *layout = new QVBoxLayout(&window);
        field = new Field;
        other = new QLineEdit;
        layout->addWidget(field);
        layout->addWidget(other);
        ASSERT_TRUE(showActive(&window));
        field->setFocus();
    }
    void leave()
    {
        other->setFocus();
        QCoreApplication::processEvents();
    }

    QWidget window;
    Field *field = nullptr;
    QLineEdit *other = nullptr;
};

// Clicks the field's button and, once its modal popup is up, hands it to
// `drive`, which must close it. False when no popup came up.
template <typename Popup, typename Field>
bool runPopup(Field &field, const std::function<void(Popup *)> &drive)
{
    bool driven = false;
    QTimer::singleShot(0, &field, [&] {
        if (auto *popup = field.template findChild<Popup *>()) {
            driven = true;
            drive(popup);
        }
    });
    QTest::mouseClick(field.button(), Qt::LeftButton);
    return driven;
}

} // namespace zendrova::test
