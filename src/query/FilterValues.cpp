#include "query/FilterValues.h"

#include "common/Clock.h"
#include "common/DateSerial.h"

#include <QLocale>
#include <QRegularExpression>
#include <array>
#include <cmath>
#include <cstdlib>

namespace zendrova {

namespace {

constexpr QChar kDateSeparator = QLatin1Char('/');

int currentCentury()
{
    return Clock::today().year() / 100 * 100;
}

// Reads blanks and then a number whose value stays below 1000 (so at most
// four digits count); false when no digit stands there.
bool scanNumber(const QString &text, qsizetype &pos, int &value)
{
    while (pos < text.size() && text[pos] == QLatin1Char(' '))
        ++pos;
    const qsizetype start = pos;
    value = 0;
    while (pos < text.size() && text[pos].isDigit() && text[pos].unicode() < 128 && value < 1000)
        value = value * 10 + (text[pos++].unicode() - '0');
    return pos > start;
}

bool scanSeparator(const QString &text, qsizetype &pos)
{
    while (pos < text.size() && text[pos] == QLatin1Char(' '))
        ++pos;
    if (pos < text.size() && text[pos] == kDateSeparator) {
        ++pos;
        return true;
    }
    return false;
}

// Two or three numbers as the date grammar allows; nothing else may follow
// except one separator and blanks.
int scanDateNumbers(const QString &text, std::array<int, 3> &numbers)
{
    qsizetype pos = 0;
    if (!scanNumber(text, pos, numbers[0]) || !scanSeparator(text, pos)
        || !scanNumber(text, pos, numbers[1]))
        return 0;
    int count = 2;
    if (scanSeparator(text, pos) && scanNumber(text, pos, numbers[2])) {
        count = 3;
        scanSeparator(text, pos);
    }
    while (pos < text.size() && text[pos] == QLatin1Char(' '))
        ++pos;
    return pos == text.size() ? count : 0;
}

} // namespace

FilterDateFormat filterDateFormatFrom(int setting)
{
    return setting >= 0 && setting <= 3 ? static_cast<FilterDateFormat>(setting)
                                        : FilterDateFormat::MonthDayYear;
}

std::optional<long double> parseFilterNumber(const QString &text)
{
    static const QRegularExpression kDecimal(
        QStringLiteral("^[+-]?([0-9]+\\.?[0-9]*|\\.[0-9]+)([eE][+-]?[0-9]+)?$"));
    const QLocale locale;
    QString plain = text;
    plain.remove(locale.groupSeparator());
    if (locale.decimalPoint() != QStringLiteral("."))
        plain.replace(locale.decimalPoint(), QStringLiteral("."));
    plain = plain.trimmed();
    if (!kDecimal.match(plain).hasMatch())
        return std::nullopt;
    const QByteArray ascii = plain.toLatin1();
    const long double value = std::strtold(ascii.constData(), nullptr);
    if (!std::isfinite(value))
        return std::nullopt;
    return value;
}

std::optional<double> parseFilterDate(const QString &text, FilterDateFormat format)
{
    std::array<int, 3> n {};
    const int count = scanDateNumbers(text, n);
    if (count == 0)
        return std::nullopt;
    int year = Clock::today().year();
    int month = n[0];
    int day = n[1];
    if (count == 2) {
        if (format == FilterDateFormat::DayMonthYear)
            std::swap(month, day);
    } else if (format == FilterDateFormat::DayMonthYear) {
        day = n[0], month = n[1], year = n[2];
    } else if (format == FilterDateFormat::YearMonthDay) {
        year = n[0], month = n[1], day = n[2];
    } else {
        year = n[2];
    }
    if (year < 100)
        year += currentCentury();
    if (!QDate::isValid(year, month, day))
        return std::nullopt;
    return serialFromDate(QDate(year, month, day));
}

double failedFilterDate()
{
    return serialFromDate(QDate(currentCentury() + 1, 1, 1));
}

std::optional<int> parseFilterYear(const QString &text)
{
    static const QRegularExpression kYear(QStringLiteral("^ *([0-9]{1,4}) *$"));
    const QRegularExpressionMatch match = kYear.match(text);
    if (!match.hasMatch())
        return std::nullopt;
    int year = match.captured(1).toInt();
    if (year < 100)
        year += currentCentury();
    return year > 0 ? std::optional<int>(year) : std::nullopt;
}

} // namespace zendrova
