#pragma once

#include "editors/CaptureDrag.h"

#include <QDialog>
#include <QImage>
#include <QPointer>

class QScreen;

namespace zendrova {

// The full-screen window of Screen Capture: it shows a frozen copy of the
// screen, lets the user drag a rectangle with a dotted rubber band, and on
// release keeps that part of the copy and closes with OK.
class TCaptureForm : public QDialog
{
    Q_OBJECT
public:
    // Covers `screen` (the primary screen when none is given).
    explicit TCaptureForm(QScreen *screen = nullptr, QWidget *parent = nullptr);

    // The copy of the screen; null when the screen could not be read (the window then closes).
    const QImage &frozenScreen() const { return m_screenImage; }
    // The captured part; null until a drag of at least 1 x 1 pixel ended.
    const QImage &capturedImage() const { return m_captured; }
    bool isTracking() const { return m_drag.tracking(); }

protected:
    void showEvent(QShowEvent *event) override;
    void paintEvent(QPaintEvent *event) override;
    void mousePressEvent(QMouseEvent *event) override;
    void mouseMoveEvent(QMouseEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;

private:
    void freezeScreen();

    QPointer<QScreen> m_screen;
    QImage m_screenImage;
    QImage m_captured;
    CaptureDrag m_drag;
};

} // namespace zendrova
