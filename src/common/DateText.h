#pragma once

#include <QDate>
#include <QString>
#include <optional>

namespace zendrova {

enum class DateOrder { MonthDayYear, DayMonthYear, YearMonthDay };

// Reading and writing dates with "/" as the separator and a format such as
// "mm/dd/yyyy", "dd/mm/yy" or "yyyy".
class DateText
{
public:
    static DateOrder orderOf(const QString &format);
    // Two or three numbers separated by "/", blanks allowed around them and one
    // trailing separator; two numbers are month and day (day and month when the
    // order is day first) of the current year; years below 100 fall in the
    // current century. The date must exist.
    static std::optional<QDate> parse(const QString &text, DateOrder order, QDate today);
    // Writes the date group by group as the format lays it out.
    static QString format(QDate date, const QString &format);
};

} // namespace zendrova
