#pragma once

#include "support/WidgetLookup.h"

#include <QCoreApplication>
#include <QTimer>
#include <functional>

namespace zendrova::test {

// Closes the main window of a program run as soon as the message loop shows
// it. It keeps looking rather than firing once: start-up processes events
// (the splash) before the main window exists, and a single early shot would
// leave the loop running for ever. Without a main window after ten seconds
// it ends the loop. The tips window of a start-up is closed first: it stands
// before the message loop, over the main window.
class MainWindowCloser
{
public:
    // seen runs on the window just before it is closed.
    explicit MainWindowCloser(std::function<void(QWidget &)> seen = {})
        : m_seen(std::move(seen))
    {
        QObject::connect(&m_timer, &QTimer::timeout, [this] { tick(); });
        m_timer.start(kIntervalMs);
    }

private:
    static constexpr int kIntervalMs = 20;
    static constexpr int kGiveUpTicks = 10'000 / kIntervalMs;

    void tick()
    {
        if (QWidget *tips = topLevel(QStringLiteral("THintsDlg"))) {
            tips->close();
            return;
        }
        if (QWidget *main = topLevel(QStringLiteral("Form3"))) {
            m_timer.stop();
            if (m_seen)
                m_seen(*main);
            main->close();
        } else if (++m_ticks > kGiveUpTicks) {
            ADD_FAILURE() << "the main window never showed";
            m_timer.stop();
            QCoreApplication::quit();
        }
    }

    std::function<void(QWidget &)> m_seen;
    QTimer m_timer;
    int m_ticks = 0;
};

} // namespace zendrova::test
