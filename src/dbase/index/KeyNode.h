#pragma once

#include "dbase/RecordView.h"
#include "dbase/index/Decimal.h"

#include <cstdint>
#include <memory>
#include <string>

namespace dbase {

// Value kinds of key expression terms. A memo is only usable inside MLINE.
enum class KeyKind { Character, Number, Date, Memo };

struct KeyValue
{
    KeyKind kind = KeyKind::Character;
    std::string text;  // Character
    Decimal number;    // Number
    int64_t day = 0;   // Date (Julian Day Number, 0 = blank)
};

// One term of a parsed key expression. Its kind and, for character terms, its
// fixed length are known after parsing, so the key length never depends on data.
struct KeyNode
{
    virtual ~KeyNode() = default;
    virtual KeyValue evaluate(const RecordView &record) const = 0;

    KeyKind kind = KeyKind::Character;
    int length = 0; // character terms only
};

using KeyNodePtr = std::shared_ptr<const KeyNode>;

} // namespace dbase
