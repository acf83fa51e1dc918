#pragma once

#include <QCursor>
#include <QGuiApplication>

namespace zendrova {

// The hourglass for the length of a scope; pause() gives the normal cursor
// back while a message is shown.
class WaitCursor
{
public:
    WaitCursor() { show(); }
    ~WaitCursor()
    {
        if (m_shown)
            QGuiApplication::restoreOverrideCursor();
    }
    WaitCursor(const WaitCursor &) = delete;
    WaitCursor &operator=(const WaitCursor &) = delete;

    template<typename Show>
    void pause(Show &&showMessage)
    {
        hide();
        showMessage();
        show();
    }

private:
    void show()
    {
        if (qobject_cast<QGuiApplication *>(QCoreApplication::instance())) {
            QGuiApplication::setOverrideCursor(QCursor(Qt::WaitCursor));
            m_shown = true;
        }
    }
    void hide()
    {
        if (m_shown)
            QGuiApplication::restoreOverrideCursor();
        m_shown = false;
    }

    bool m_shown = false;
};

} // namespace zendrova
