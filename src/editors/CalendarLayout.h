#pragma once

#include <QRect>
#include <QSize>

namespace zendrova {

// Geometry of the month calendar from its column unit u and row height r.
class CalendarLayout
{
public:
    static constexpr int kArrowSize = 16;
    static constexpr int kButtonWidth = 30;
    static constexpr int kButtonHeight = 24;

    // u = 1.6 x average character width, r = 4/3 x character height, both rounded.
    static CalendarLayout fromFont(int averageCharWidth, int charHeight);
    CalendarLayout(int unit, int rowHeight) : m_u(unit), m_r(rowHeight) {}

    int unit() const { return m_u; }
    int rowHeight() const { return m_r; }
    QSize windowSize() const { return {21 * m_u + 8, 8 * m_r + 28}; }
    QRect titleRect() const { return {0, 0, windowSize().width(), m_r}; }
    QRect leftArrow() const { return QRect(QPoint(4, 2), QPoint(20, 18)); }
    QRect rightArrow() const { return QRect(QPoint(21 * m_u - 12, 2), QPoint(21 * m_u + 4, 18)); }
    QRect weekdayCell(int column) const { return {4 + column * 3 * m_u, m_r, 3 * m_u, m_r}; }
    int etchedLineY() const { return 2 * m_r; }
    QRect cellRect(int cell) const;
    // Cell under a point, -1 outside the grid.
    int cellAt(QPoint p) const;
    QRect todayButton() const;
    QRect cancelButton() const;

private:
    int m_u;
    int m_r;
};

} // namespace zendrova
