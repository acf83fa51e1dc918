#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace dbase {

// Dates as Julian Day Numbers, the form date keys are stored in
// (1900-01-01 = 2415021). A blank date is day 0, so it sorts before every real date.
namespace julian {

int64_t fromYmd(int year, int month, int day);
// "YYYYMMDD" as stored in a date field; nullopt when blank or not a real date.
std::optional<int64_t> fromStored(std::string_view raw);
// "mm/dd/yyyy" as written in a date literal; nullopt when not a real date.
std::optional<int64_t> fromLiteral(std::string_view text);
// Back to "YYYYMMDD"; day 0 gives 8 blanks.
std::string toStored(int64_t day);

} // namespace julian
} // namespace dbase
