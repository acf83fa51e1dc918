#pragma once

#include "editors/ui/TCaptureForm.h"

#include <QApplication>
#include <QTest>
#include <QTimer>

#include <memory>

namespace zendrova::test {

// Waits for a capture window to come up (Screen Capture runs it modally) and
// drags from `from` to `to` on it, as the user would with the mouse.
class CaptureDragger
{
public:
    CaptureDragger(QPoint from, QPoint to)
        : m_from(from)
        , m_to(to)
    {
        m_poll.setInterval(20);
        QObject::connect(&m_poll, &QTimer::timeout, [this] { tryDrag(); });
        m_poll.start();
    }

    bool dragged() const { return m_dragged; }

    // Drags on a capture window that is already shown.
    static void drag(TCaptureForm *form, QPoint from, QPoint to)
    {
        QTest::mousePress(form, Qt::LeftButton, Qt::NoModifier, from);
        QTest::mouseMove(form, (from + to) / 2);
        QTest::mouseMove(form, to);
        QTest::mouseRelease(form, Qt::LeftButton, Qt::NoModifier, to);
    }

private:
    void tryDrag()
    {
        for (QWidget *window : QApplication::topLevelWidgets()) {
            auto *form = qobject_cast<TCaptureForm *>(window);
            if (form && form->isVisible() && !form->frozenScreen().isNull()) {
                m_poll.stop();
                m_dragged = true;
                drag(form, m_from, m_to);
                return;
            }
        }
    }

    QPoint m_from;
    QPoint m_to;
    QTimer m_poll;
    bool m_dragged = false;
};

} // namespace zendrova::test
