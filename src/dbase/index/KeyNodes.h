#pragma once

#include "dbase/index/KeyNode.h"

#include <stdexcept>
#include <string>

namespace dbase::keynodes {

// A term that cannot be built; the parser adds the expression text to the message.
struct TypeError : std::runtime_error
{
    using std::runtime_error::runtime_error;
};

// Width of a memo line for MLINE, the dBASE default.
constexpr int kMemoLineWidth = 50;

KeyNodePtr field(int index, const FieldInfo &info);
KeyNodePtr text(std::string value);
KeyNodePtr number(const Decimal &value);
KeyNodePtr date(int64_t day);
KeyNodePtr upper(KeyNodePtr arg);
KeyNodePtr substr(KeyNodePtr arg, int start, int count);
KeyNodePtr mline(KeyNodePtr memo, int line);
KeyNodePtr dtos(KeyNodePtr arg);
KeyNodePtr str(KeyNodePtr arg, int length, int decimals);
KeyNodePtr plus(KeyNodePtr a, KeyNodePtr b);
KeyNodePtr minus(KeyNodePtr a, KeyNodePtr b);

// Helpers shared with tests of the functions' text rules.
std::string upperCase(std::string text);
std::string memoLine(const std::string &memo, int line);
std::string formatStr(const Decimal &value, int length, int decimals);

} // namespace dbase::keynodes
