#pragma once

#include <QString>
#include <optional>

namespace zendrova {

// The order of the numbers in a filter date, as the user options keep it.
enum class FilterDateFormat { MonthDayYear = 0, DayMonthYear = 1, YearMonthDay = 2, YearOnly = 3 };

FilterDateFormat filterDateFormatFrom(int setting);

// A filter value as a number: the locale's thousands separators are dropped,
// the rest must be one decimal number (blanks around it, exponent allowed).
// Nothing for an empty or malformed text.
std::optional<long double> parseFilterNumber(const QString &text);

// A filter value as a date serial, its numbers separated by "/" in the order
// of the format (dd/mm and mm/dd name a day of the current year; years below
// 100 fall in the current century). YearOnly reads like MonthDayYear here.
// Nothing when the text is no existing date.
std::optional<double> parseFilterDate(const QString &text, FilterDateFormat format);

// The date a failed parse stands for: 1 January of year 1 of the current century.
double failedFilterDate();

// A bare year (one to four digits, blanks around), the form the date editors
// hold under YearOnly.
std::optional<int> parseFilterYear(const QString &text);

} // namespace zendrova
