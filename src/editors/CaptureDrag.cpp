#include "editors/CaptureDrag.h"

#include <algorithm>
#include <cmath>

namespace zendrova {

void CaptureDrag::press(QPoint position)
{
    m_start = m_end = position;
    m_tracking = true;
}

void CaptureDrag::move(QPoint position)
{
    if (m_tracking)
        m_end = position;
}

QRect CaptureDrag::release(QPoint position)
{
    m_end = position;
    m_tracking = false;
    return area(m_start, m_end);
}

QRect CaptureDrag::area(QPoint start, QPoint end)
{
    const int left = std::min(start.x(), end.x());
    const int top = std::min(start.y(), end.y());
    return QRect(
        left, top, std::max(start.x(), end.x()) - left, std::max(start.y(), end.y()) - top);
}

QImage CaptureDrag::cut(const QImage &screen, QRect area)
{
    if (area.width() < 1 || area.height() < 1 || screen.isNull())
        return {};
    const double scale = screen.devicePixelRatio();
    const QRect pixels(int(std::lround(area.x() * scale)), int(std::lround(area.y() * scale)),
        int(std::lround(area.width() * scale)), int(std::lround(area.height() * scale)));
    // Outside the screen there is nothing to take; the part on it is kept.
    const QRect onScreen = pixels & QRect(QPoint(0, 0), screen.size());
    if (onScreen.isEmpty())
        return {};
    QImage part = screen.copy(onScreen);
    part.setDevicePixelRatio(1.0);
    return part;
}

} // namespace zendrova
