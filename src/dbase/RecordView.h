#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace dbase {

// One field of a table as its descriptor gives it.
struct FieldInfo
{
    std::string name;      // upper case, at most 10 characters
    char type = 'C';       // C, N, F, D, L, M, B, G
    uint8_t length = 0;    // bytes in the record
    uint8_t decimals = 0;  // numeric fields
    uint32_t offset = 0;   // from the start of the record, after the deletion byte
    bool tagged = false;   // descriptor byte 31: a production index tag's key is this field
};

// Read access to one record as stored: what index keys are computed from.
class RecordView
{
public:
    virtual ~RecordView() = default;
    virtual const std::vector<FieldInfo> &fields() const = 0;
    // The field's bytes as on disk (Windows-1252 text, ASCII numbers, YYYYMMDD dates).
    virtual std::string_view raw(int field) const = 0;
    // The contents of a memo field (empty when it has none).
    virtual std::string memo(int field) const = 0;
    // A memo value given but not yet stored: raw() still shows the old block.
    virtual bool memoPending(int /*field*/) const { return false; }
};

} // namespace dbase
