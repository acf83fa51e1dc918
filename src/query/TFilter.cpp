#include "query/TFilter.h"

#include "store/StoreTable.h"

#include "common/DateSerial.h"

#include <algorithm>

namespace zendrova {

namespace {

QString upperAscii(QString text)
{
    for (QChar &c : text) {
        if (c >= QLatin1Char('a') && c <= QLatin1Char('z'))
            c = QChar(c.unicode() - ('a' - 'A'));
    }
    return text;
}

// Ordinal order of the upper-cased texts' bytes as the table stores them; a
// prefix is the smaller.
int compareTexts(const QString &a, const QString &b)
{
    return toCp1252(upperAscii(a)).compare(toCp1252(upperAscii(b)));
}

template <typename Ordering> bool holds(std::uint8_t condition, Ordering toFirst, Ordering toSecond)
{
    switch (static_cast<FilterCondition>(condition)) {
    case FilterCondition::Less:
        return toFirst < 0;
    case FilterCondition::LessEqual:
        return toFirst <= 0;
    case FilterCondition::Equal:
        return toFirst == 0;
    case FilterCondition::GreaterEqual:
        return toFirst >= 0;
    case FilterCondition::Greater:
        return toFirst > 0;
    case FilterCondition::Between:
        return toFirst > 0 && toSecond < 0;
    case FilterCondition::OneOf:
        break;
    }
    return false;
}

template <typename T> int order(T a, T b)
{
    return a < b ? -1 : (b < a ? 1 : 0);
}

long double numberOr0(const QString &text)
{
    return parseFilterNumber(text).value_or(0);
}

double dateOrFailed(const QString &text, FilterDateFormat format)
{
    return parseFilterDate(text, format).value_or(failedFilterDate());
}

bool isCondition(std::uint8_t condition, FilterCondition which)
{
    return condition == static_cast<std::uint8_t>(which);
}

} // namespace

bool FilterKind::isNumber(std::uint8_t kind)
{
    return kind == 3 || kind == 6 || kind == 7 || kind == 8;
}

void TFilter::prepare(FilterDateFormat format)
{
    Value1 = upperAscii(Value1);
    Value2 = upperAscii(Value2);
    NumbersValid = DatesValid = YearsOnly = false;
    if (Condition > static_cast<std::uint8_t>(FilterCondition::Between))
        return; // One Of lists, and unknown conditions, are parsed per record
    const bool between = isCondition(Condition, FilterCondition::Between);
    const auto n1 = parseFilterNumber(Value1);
    const auto n2 = between ? parseFilterNumber(Value2) : std::optional<long double>(0);
    if (n1 && n2) {
        NumbersValid = true;
        Number1 = *n1, Number2 = *n2;
    }
    if (format == FilterDateFormat::YearOnly) {
        const auto y1 = parseFilterYear(Value1);
        const auto y2 = between ? parseFilterYear(Value2) : std::optional<int>(0);
        if (y1 && y2) {
            DatesValid = YearsOnly = true;
            Date1 = *y1, Date2 = *y2;
            return;
        }
    }
    if (NumbersValid)
        return;
    const auto d1 = parseFilterDate(Value1, format);
    const auto d2 = between ? parseFilterDate(Value2, format) : std::optional<double>(0);
    if (d1 && d2) {
        DatesValid = true;
        Date1 = *d1, Date2 = *d2;
    }
}

bool TFilter::passesText(const QString &text) const
{
    if (isCondition(Condition, FilterCondition::OneOf))
        return std::any_of(Values.begin(), Values.end(),
            [&](const QString &value) { return compareTexts(text, value) == 0; });
    return holds(Condition, compareTexts(text, Value1), compareTexts(text, Value2));
}

bool TFilter::passesNumber(long double number) const
{
    if (isCondition(Condition, FilterCondition::OneOf))
        return std::any_of(Values.begin(), Values.end(),
            [&](const QString &value) { return number == numberOr0(value); });
    const long double b1 = NumbersValid ? Number1 : numberOr0(Value1);
    const long double b2 = NumbersValid ? Number2 : numberOr0(Value2);
    return holds(Condition, order(number, b1), order(number, b2));
}

bool TFilter::passesDate(double serial, FilterDateFormat format) const
{
    const bool byYear = format == FilterDateFormat::YearOnly;
    if (isCondition(Condition, FilterCondition::OneOf)) {
        const int year = dateFromSerial(serial).year();
        return std::any_of(Values.begin(), Values.end(), [&](const QString &value) {
            const auto wholeYear = byYear ? parseFilterYear(value) : std::nullopt;
            return wholeYear ? year == *wholeYear : serial == dateOrFailed(value, format);
        });
    }
    if (YearsOnly) {
        const double year = dateFromSerial(serial).year();
        return holds(Condition, order(year, Date1), order(year, Date2));
    }
    const double b1 = DatesValid ? Date1 : dateOrFailed(Value1, format);
    const double b2 = DatesValid ? Date2 : dateOrFailed(Value2, format);
    return holds(Condition, order(serial, b1), order(serial, b2));
}

bool TFilter::passesFieldText(const QString &text, FilterDateFormat format) const
{
    if (NumbersValid) {
        if (const auto number = parseFilterNumber(text))
            return passesNumber(*number);
    }
    if (DatesValid) {
        if (const auto date = parseFilterDate(text, format))
            return passesDate(*date, format);
    }
    return passesText(text);
}

} // namespace zendrova
