#pragma once

#include "dbase/RecordView.h"

#include <memory>
#include <string>
#include <string_view>
#include <vector>

namespace dbase {

struct KeyNode;

// A dBASE index key expression, e.g. "UPPER(SUBSTR(NAME, 1, 59))+STR(PRICE, 20, 4)".
// Parsed once against a table's fields; every key it gives has the same type and length.
class KeyExpression
{
public:
    // Throws IndexError when the text does not parse, names an unknown field, mixes
    // types, or gives a character key longer than 100.
    static KeyExpression parse(std::string_view text, const std::vector<FieldInfo> &fields);

    const std::string &text() const { return text_; }
    // 'C', 'N' or 'D'.
    char keyType() const { return keyType_; }
    // Bytes of every key: the character length, 12 for N, 8 for D.
    int keyLength() const { return keyLength_; }

    // The key bytes of one record, in the stored key form of keyType().
    std::string evaluate(const RecordView &record) const;
    // Whether the key may differ between two views of one record: only when a
    // field it names differs (keys depend on nothing else).
    bool mayDiffer(const RecordView &before, const RecordView &after) const;

private:
    KeyExpression() = default;

    std::string text_;
    char keyType_ = 'C';
    int keyLength_ = 0;
    std::shared_ptr<const KeyNode> root_;
    std::vector<int> fields_; // positions of the fields the expression names
};

} // namespace dbase
