#pragma once

#include "query/FilterValues.h"

#include <QString>
#include <QStringList>
#include <cstdint>

namespace zendrova {

// The comparison of a condition, in the order of the dialog's "Is" group.
enum class FilterCondition : std::uint8_t {
    Less = 0,
    LessEqual,
    Equal,
    GreaterEqual,
    Greater,
    Between,
    OneOf
};

// How a condition compares its field.
namespace FilterKind {
inline constexpr std::uint8_t Text = 1;
inline constexpr std::uint8_t Number = 6;
inline constexpr std::uint8_t Date = 9;
bool isNumber(std::uint8_t kind);
} // namespace FilterKind

// One condition of the filter, on one user field.
struct TFilter
{
    std::uint8_t FieldPos = 0;
    std::uint8_t Kind = 0;
    bool Unset = true;
    QString Value1;
    QString Value2;
    QStringList Values;
    std::uint8_t Condition = 0;

    // Derived by prepare(); never stored.
    bool NumbersValid = false;
    long double Number1 = 0;
    long double Number2 = 0;
    bool DatesValid = false;
    double Date1 = 0;
    double Date2 = 0;
    // Under the year-only date format a bare year means the whole year:
    // Date1 and Date2 then hold years and dates compare by their year.
    bool YearsOnly = false;

    // Upper-cases the values and parses them once, so that testing a record
    // does not parse them again.
    void prepare(FilterDateFormat format);

    bool passesText(const QString &text) const;
    bool passesNumber(long double number) const;
    bool passesDate(double serial, FilterDateFormat format) const;
    // Text entries compare as numbers or dates when both sides parse so.
    bool passesFieldText(const QString &text, FilterDateFormat format) const;
};

} // namespace zendrova
