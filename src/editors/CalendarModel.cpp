#include "editors/CalendarModel.h"

namespace zendrova {

CalendarModel::CalendarModel(QDate date)
    : m_date(date.isValid() ? date : QDate(1899, 12, 30))
{
}

bool CalendarModel::isLeapYear(int year)
{
    return (year % 4 == 0 && year % 100 != 0) || year % 400 == 0;
}

int CalendarModel::daysInMonth(int year, int month)
{
    static const int lengths[12] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
    if (month == 2 && isLeapYear(year))
        return 29;
    return lengths[(month - 1) % 12];
}

bool CalendarModel::moveTo(QDate date)
{
    if (!date.isValid())
        return false;
    const bool monthChanged = date.year() != m_date.year() || date.month() != m_date.month();
    m_date = date;
    return monthChanged;
}

bool CalendarModel::moveDays(int days)
{
    return moveTo(m_date.addDays(days));
}

bool CalendarModel::pageUp()
{
    const int previousMonth = m_date.month() == 1 ? 12 : m_date.month() - 1;
    const int year = m_date.month() == 1 ? m_date.year() - 1 : m_date.year();
    return moveDays(-daysInMonth(year, previousMonth));
}

bool CalendarModel::pageDown()
{
    return moveDays(daysInMonth(m_date.year(), m_date.month()));
}

// A year step in days: 365, plus the 29th of February when the step crosses
// one. A date in March or later already lies past the February of its own year.
bool CalendarModel::yearForward()
{
    QDate d = m_date;
    if (isLeapYear(d.year()) && d.month() <= 2)
        d = d.addDays(1);
    d = d.addDays(365);
    if (isLeapYear(d.year()) && d.month() >= 3)
        d = d.addDays(1);
    return moveTo(d);
}

bool CalendarModel::yearBack()
{
    QDate d = m_date;
    if (isLeapYear(d.year()) && d.month() >= 3)
        d = d.addDays(-1);
    d = d.addDays(-365);
    if (isLeapYear(d.year()) && d.month() <= 2)
        d = d.addDays(-1);
    return moveTo(d);
}

int CalendarModel::firstCell() const
{
    // Qt counts Monday 1 .. Sunday 7; the grid starts on Sunday.
    return QDate(m_date.year(), m_date.month(), 1).dayOfWeek() % 7;
}

int CalendarModel::dayAt(int cell) const
{
    const int day = cell - firstCell() + 1;
    if (cell < 0 || cell >= kCells || day < 1 || day > daysInMonth(m_date.year(), m_date.month()))
        return 0;
    return day;
}

int CalendarModel::cellOfDay(int day) const
{
    return firstCell() + day - 1;
}

bool CalendarModel::selectCell(int cell)
{
    const int day = dayAt(cell);
    if (day == 0)
        return false;
    m_date = QDate(m_date.year(), m_date.month(), day);
    return true;
}

} // namespace zendrova
