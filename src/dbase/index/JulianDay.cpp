#include "dbase/index/JulianDay.h"

#include <cstdio>

namespace dbase::julian {

namespace {

bool isLeap(int year) { return (year % 4 == 0 && year % 100 != 0) || year % 400 == 0; }

bool isValid(int year, int month, int day)
{
    static const int lengths[] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
    if (year < 1 || year > 9999 || month < 1 || month > 12 || day < 1)
        return false;
    const int length = lengths[month - 1] + (month == 2 && isLeap(year) ? 1 : 0);
    return day <= length;
}

// Date parts have at most four digits; longer runs are refused before they overflow.
bool readNumber(std::string_view text, int &value)
{
    if (text.empty() || text.size() > 4)
        return false;
    value = 0;
    for (char c : text) {
        if (c < '0' || c > '9')
            return false;
        value = value * 10 + (c - '0');
    }
    return true;
}

} // namespace

int64_t fromYmd(int year, int month, int day)
{
    // Proleptic Gregorian calendar, integer form of the usual conversion.
    const int64_t a = (14 - month) / 12;
    const int64_t y = year + 4800 - a;
    const int64_t m = month + 12 * a - 3;
    return day + (153 * m + 2) / 5 + 365 * y + y / 4 - y / 100 + y / 400 - 32045;
}

std::optional<int64_t> fromStored(std::string_view raw)
{
    int year = 0, month = 0, day = 0;
    if (raw.size() != 8 || !readNumber(raw.substr(0, 4), year) ||
        !readNumber(raw.substr(4, 2), month) || !readNumber(raw.substr(6, 2), day) ||
        !isValid(year, month, day))
        return std::nullopt;
    return fromYmd(year, month, day);
}

std::optional<int64_t> fromLiteral(std::string_view text)
{
    const size_t first = text.find('/');
    const size_t second = first == std::string_view::npos ? first : text.find('/', first + 1);
    if (second == std::string_view::npos)
        return std::nullopt;
    int month = 0, day = 0, year = 0;
    if (!readNumber(text.substr(0, first), month) ||
        !readNumber(text.substr(first + 1, second - first - 1), day) ||
        !readNumber(text.substr(second + 1), year) || text.size() - second - 1 != 4 ||
        !isValid(year, month, day))
        return std::nullopt;
    return fromYmd(year, month, day);
}

std::string toStored(int64_t day)
{
    if (day <= 0)
        return std::string(8, ' ');
    // Inverse of fromYmd (Richards' algorithm).
    const int64_t a = day + 32044;
    const int64_t b = (4 * a + 3) / 146097;
    const int64_t c = a - 146097 * b / 4;
    const int64_t d = (4 * c + 3) / 1461;
    const int64_t e = c - 1461 * d / 4;
    const int64_t m = (5 * e + 2) / 153;
    const int dd = static_cast<int>(e - (153 * m + 2) / 5 + 1);
    const int mm = static_cast<int>(m + 3 - 12 * (m / 10));
    const int yy = static_cast<int>(100 * b + d - 4800 + m / 10);
    if (yy < 0 || yy > 9999)
        return std::string(8, ' ');
    char text[16];
    std::snprintf(text, sizeof text, "%04d%02d%02d", yy, mm, dd);
    return text;
}

} // namespace dbase::julian
