#include "editors/CalendarLayout.h"

#include <cmath>

namespace zendrova {

CalendarLayout CalendarLayout::fromFont(int averageCharWidth, int charHeight)
{
    return CalendarLayout(static_cast<int>(std::lround(1.6 * averageCharWidth)),
                          static_cast<int>(std::lround(4.0 * charHeight / 3.0)));
}

QRect CalendarLayout::cellRect(int cell) const
{
    const int column = cell % 7;
    const int row = cell / 7;
    return {4 + column * 3 * m_u, 2 * m_r + 2 + row * m_r, 3 * m_u, m_r};
}

int CalendarLayout::cellAt(QPoint p) const
{
    const int x = p.x() - 4;
    const int y = p.y() - (2 * m_r + 2);
    if (x < 0 || y < 0 || m_u <= 0 || m_r <= 0)
        return -1;
    const int column = x / (3 * m_u);
    const int row = y / m_r;
    if (column > 6 || row > 5)
        return -1;
    return row * 7 + column;
}

QRect CalendarLayout::todayButton() const
{
    const QSize size = windowSize();
    return {size.width() / 2 - kButtonWidth - 2, size.height() - 4 - kButtonHeight, kButtonWidth,
            kButtonHeight};
}

QRect CalendarLayout::cancelButton() const
{
    const QSize size = windowSize();
    return {size.width() / 2 + 2, size.height() - 4 - kButtonHeight, kButtonWidth, kButtonHeight};
}

} // namespace zendrova
