#include "editors/ui/TCaptureForm.h"

#include "editors/ScreenGrab.h"

#include <QApplication>
#include <QMouseEvent>
#include <QPainter>
#include <QScreen>

namespace zendrova {

TCaptureForm::TCaptureForm(QScreen *screen, QWidget *parent)
    : QDialog(parent, Qt::Window | Qt::FramelessWindowHint | Qt::WindowStaysOnTopHint)
    , m_screen(screen ? screen : QGuiApplication::primaryScreen())
{
    setObjectName(QStringLiteral("TCaptureForm"));
    setModal(true);
    setAttribute(Qt::WA_OpaquePaintEvent);
    setMouseTracking(true);
    // Prepares out of sight: entirely above the top of the screen.
    const QPoint origin = m_screen ? m_screen->geometry().topLeft() : QPoint();
    move(origin.x(), origin.y() - (height() + 1));
}

void TCaptureForm::showEvent(QShowEvent *event)
{
    QDialog::showEvent(event);
    if (m_screenImage.isNull())
        freezeScreen();
}

void TCaptureForm::freezeScreen()
{
    setCursor(Qt::CrossCursor);
    // Our own windows are brought up to date first so the copy shows them finished.
    for (QWidget *window : QApplication::topLevelWidgets()) {
        if (window != this && window->isVisible())
            window->repaint();
    }
    m_screenImage = ScreenGrab::wholeScreen(m_screen);
    if (m_screenImage.isNull()) {
        // Nothing to show or cut from: give up at once rather than offer a blank screen.
        QMetaObject::invokeMethod(this, &QDialog::reject, Qt::QueuedConnection);
        return;
    }
    if (m_screen)
        setGeometry(m_screen->geometry());
    update();
}

void TCaptureForm::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    painter.fillRect(rect(), Qt::black);
    painter.drawImage(QPoint(0, 0), m_screenImage);
    if (!m_drag.tracking())
        return;
    // Drawn by inversion, as a focus rectangle is, so it shows on any background.
    const QRect band = m_drag.rubberBand();
    painter.setCompositionMode(QPainter::CompositionMode_Difference);
    painter.setPen(QPen(Qt::white, 1, Qt::DotLine));
    painter.setBrush(Qt::NoBrush);
    painter.drawRect(band.adjusted(0, 0, -1, -1));
}

void TCaptureForm::mousePressEvent(QMouseEvent *event)
{
    m_drag.press(event->position().toPoint());
    update();
}

void TCaptureForm::mouseMoveEvent(QMouseEvent *event)
{
    if (!m_drag.tracking())
        return;
    m_drag.move(event->position().toPoint());
    update();
}

void TCaptureForm::mouseReleaseEvent(QMouseEvent *event)
{
    if (!m_drag.tracking())
        return;
    const QRect area = m_drag.release(event->position().toPoint());
    unsetCursor();
    // The window covers the screen from its origin, so window and screen pixels coincide.
    m_captured = CaptureDrag::cut(m_screenImage, area);
    update();
    accept();
}

} // namespace zendrova
