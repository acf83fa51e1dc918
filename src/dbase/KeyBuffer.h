#pragma once

#include "dbase/FieldCodec.h"
#include "dbase/RecordView.h"

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace dbase {

class KeyExpression;

// A blank record of a table's layout whose fields can be set: index tags evaluate
// their key expressions on it to give range ends and keys to find. Memo fields read
// as empty.
class KeyBuffer : public RecordView
{
public:
    explicit KeyBuffer(std::vector<FieldInfo> fields);

    // Windows-1252 bytes, padded with blanks or cut to the field's width.
    void setString(int pos, std::string_view value);
    // Out-of-range values and wrong field types raise Error kind Value / Usage.
    void setNumber(int pos, double value);
    void setDate(int pos, std::optional<Date> value);
    // A character field holding only the start of a value: the key this buffer gives
    // stops where the expression first shows what follows the prefix, so as a range end
    // it covers every key starting the same way, whatever the expression does to the
    // rest (UPPER turns "\377" into "\237") and whatever later fields add. Usage error
    // for other field types; setting the field again, or clear(), ends it.
    void setPrefix(int pos, std::string_view prefix);
    void clear();

    // The key `expression` gives for this buffer, cut after a prefix field.
    std::string keyOf(const KeyExpression &expression) const;

    const std::vector<FieldInfo> &fields() const override { return m_fields; }
    std::string_view raw(int pos) const override;
    std::string memo(int) const override { return {}; }

private:
    const FieldInfo &field(int pos) const;
    void put(int pos, std::string_view bytes);

    struct Prefix
    {
        int pos = 0;
        size_t length = 0;
    };

    std::vector<FieldInfo> m_fields;
    std::string m_bytes;
    std::optional<Prefix> m_prefix;
};

} // namespace dbase
