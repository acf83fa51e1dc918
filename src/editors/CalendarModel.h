#pragma once

#include <QDate>

namespace zendrova {

// The month calendar's selected date, its key moves and its grid of 6 weeks
// of 7 days, Sunday first (cells 0 .. 41, row by row).
class CalendarModel
{
public:
    static constexpr int kCells = 42;

    explicit CalendarModel(QDate date);

    QDate date() const { return m_date; }
    static bool isLeapYear(int year);
    static int daysInMonth(int year, int month);

    // Each returns true when the shown month changed (the whole grid needs redrawing).
    bool moveDays(int days);
    bool pageUp();   // back by the length of the previous month
    bool pageDown(); // forward by the length of the current month
    bool yearForward();
    bool yearBack();

    // Day of the shown month in a cell, 0 for an empty cell.
    int dayAt(int cell) const;
    int cellOfDay(int day) const;
    int selectedCell() const { return cellOfDay(m_date.day()); }
    // Selects the day in the cell; false for an empty cell.
    bool selectCell(int cell);

private:
    int firstCell() const;
    bool moveTo(QDate date);

    QDate m_date;
};

} // namespace zendrova
