#include "dbase/FieldCodec.h"

#include <charconv>
#include <cmath>
#include <cstdio>

namespace dbase::codec {

std::string_view trimRight(std::string_view text)
{
    while (!text.empty() && (text.back() == ' ' || text.back() == '\0'))
        text.remove_suffix(1);
    return text;
}

std::string_view trim(std::string_view text)
{
    text = trimRight(text);
    while (!text.empty() && text.front() == ' ')
        text.remove_prefix(1);
    return text;
}

namespace {

// The fixed form of a value whose scaled form lies well away from a rounding tie:
// below 2^43 the scaling errs by under 0.001, so the nearest integer is the exact
// value's rounding. Returns the length written, 0 when the value needs the exact way.
size_t fixedByScaling(double value, int decimals, char *out)
{
    static constexpr double kPow10[] = {1e0, 1e1, 1e2, 1e3, 1e4, 1e5, 1e6, 1e7, 1e8, 1e9, 1e10, 1e11, 1e12};
    if (decimals < 0 || decimals > 12)
        return 0;
    const double scaled = value * kPow10[decimals];
    const double rounded = std::nearbyint(scaled);
    if (!(std::fabs(scaled) < 0x1p43) || std::fabs(scaled - rounded) > 0.49)
        return 0;
    auto digits = static_cast<uint64_t>(std::fabs(rounded));
    char reversed[32];
    size_t n = 0;
    do {
        reversed[n++] = char('0' + digits % 10);
        digits /= 10;
    } while (digits != 0 || n <= size_t(decimals));
    size_t at = 0;
    if (rounded < 0)
        out[at++] = '-';
    while (n > 0) {
        if (n == size_t(decimals))
            out[at++] = '.';
        out[at++] = reversed[--n];
    }
    return at;
}

} // namespace

std::optional<std::string> formatNumber(double value, int width, int decimals)
{
    if (!std::isfinite(value))
        return std::nullopt;
    // Numbers are formatted once per field and post: most by scaling, the rest (huge
    // values, near ties) by to_chars, which rounds the exact binary value.
    char buf[512];
    size_t n = fixedByScaling(value, decimals, buf);
    if (n == 0) {
        const auto [end, error] = std::to_chars(buf, buf + sizeof buf, value, std::chars_format::fixed, decimals);
        if (error != std::errc())
            return std::nullopt;
        n = size_t(end - buf);
    }
    if (n > size_t(width))
        return std::nullopt;
    std::string text(size_t(width) - n, ' ');
    text.append(buf, n);
    // "-0.00" is stored as zero.
    if (text.find_first_of("123456789") == std::string::npos)
        if (auto minus = text.find('-'); minus != std::string::npos)
            text[minus] = ' ';
    return text;
}

std::optional<std::string> formatInteger(int64_t value, int width)
{
    char buf[32];
    const auto [end, error] = std::to_chars(buf, buf + sizeof buf, value);
    const auto n = end - buf;
    if (error != std::errc() || n > width)
        return std::nullopt;
    std::string text(size_t(width - n), ' ');
    text.append(buf, size_t(n));
    return text;
}

std::optional<double> parseNumber(std::string_view text)
{
    text = trim(text);
    if (!text.empty() && text.front() == '+')
        text.remove_prefix(1);
    if (text.empty())
        return std::nullopt;
    double value = 0;
    const auto [end, ec] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (ec != std::errc() || end != text.data() + text.size())
        return std::nullopt;
    return value;
}

bool isValidDate(const Date &d)
{
    static constexpr int kDays[] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
    if (d.year < 1 || d.year > 9999 || d.month < 1 || d.month > 12 || d.day < 1)
        return false;
    const bool leap = (d.year % 4 == 0 && d.year % 100 != 0) || d.year % 400 == 0;
    return d.day <= kDays[d.month - 1] + (d.month == 2 && leap ? 1 : 0);
}

std::optional<Date> parseDate(std::string_view text)
{
    if (text.size() != 8)
        return std::nullopt;
    int digits[8];
    for (int i = 0; i < 8; ++i) {
        if (text[size_t(i)] < '0' || text[size_t(i)] > '9')
            return std::nullopt;
        digits[i] = text[size_t(i)] - '0';
    }
    Date d {digits[0] * 1000 + digits[1] * 100 + digits[2] * 10 + digits[3], digits[4] * 10 + digits[5],
            digits[6] * 10 + digits[7]};
    return isValidDate(d) ? std::optional<Date>(d) : std::nullopt;
}

std::string formatDate(const std::optional<Date> &date)
{
    if (!date)
        return std::string(8, ' ');
    char buf[16];
    std::snprintf(buf, sizeof buf, "%04d%02d%02d", date->year % 10000, date->month % 100, date->day % 100);
    return buf;
}

uint32_t parseBlock(std::string_view field)
{
    field = trim(field);
    uint32_t block = 0;
    const auto [end, ec] = std::from_chars(field.data(), field.data() + field.size(), block);
    if (ec != std::errc() || end != field.data() + field.size())
        return 0;
    return block;
}

std::string formatBlock(uint32_t block)
{
    if (block == 0)
        return std::string(10, ' ');
    char buf[16];
    std::snprintf(buf, sizeof buf, "%10u", block);
    return buf;
}

} // namespace dbase::codec
