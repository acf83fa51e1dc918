#pragma once

#include <string>
#include <string_view>

namespace dbase {

// Text in the tables is Windows-1252. The five bytes 1252 leaves undefined
// (81, 8D, 8F, 90, 9D) map to the C1 controls of the same number, so every
// byte string survives a round trip through UTF-8.
std::string cp1252ToUtf8(std::string_view text);

// Characters 1252 cannot hold, and malformed UTF-8, become '?'.
std::string utf8ToCp1252(std::string_view text);

} // namespace dbase
