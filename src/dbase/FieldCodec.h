#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace dbase {

struct Date
{
    int year = 0;
    int month = 0;
    int day = 0;
    bool operator==(const Date &) const = default;
};

// Conversions between field bytes and values, for fields of a given width.
namespace codec {

std::string_view trimRight(std::string_view text);
std::string_view trim(std::string_view text);

// Right-justified ASCII number; nullopt when it does not fit the width.
std::optional<std::string> formatNumber(double value, int width, int decimals);
std::optional<std::string> formatInteger(int64_t value, int width);
// Blank or unreadable text reads as nullopt.
std::optional<double> parseNumber(std::string_view text);

bool isValidDate(const Date &date);
std::optional<Date> parseDate(std::string_view yyyymmdd);
std::string formatDate(const std::optional<Date> &date);

// Memo block pointer: blank (or zero) means no value.
uint32_t parseBlock(std::string_view field);
std::string formatBlock(uint32_t block);

} // namespace codec
} // namespace dbase
