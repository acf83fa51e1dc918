#pragma once

#include <QImage>
#include <QPoint>
#include <QRect>

namespace zendrova {

// The rectangle dragged over the frozen screen: its corners while the mouse is
// down, and on release the normalised area and the pixels it covers.
class CaptureDrag
{
public:
    void press(QPoint position);
    void move(QPoint position);
    // Ends the drag and returns the area between the corners, whichever way it was dragged.
    QRect release(QPoint position);

    bool tracking() const { return m_tracking; }
    // The rectangle to draw while tracking, normalised.
    QRect rubberBand() const { return area(m_start, m_end); }

    // Left/top inclusive, right/bottom exclusive: a click without movement gives 0 x 0.
    static QRect area(QPoint start, QPoint end);
    // The part of the screen image under the area (given in screen pixels
    // before device scaling); a null image when the area is empty.
    static QImage cut(const QImage &screen, QRect area);

private:
    QPoint m_start;
    QPoint m_end;
    bool m_tracking = false;
};

} // namespace zendrova
