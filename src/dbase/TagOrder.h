#pragma once

#include "dbase/CursorOrder.h"
#include "dbase/index/TagCursor.h"

#include <functional>
#include <optional>
#include <string>

namespace dbase {

// A table's walking order along one tag of its production index. The table may
// have moved on its own (a bookmark, a posted record whose key changed): before
// stepping, the cursor is put back on the table's record, found by its current key.
class TagOrder : public CursorOrder
{
public:
    // The tag's key of a record as the table holds it now, in stored form.
    using KeyOfRecord = std::function<std::string(uint32_t recno)>;

    TagOrder(ProductionIndex &index, const std::string &tagName, KeyOfRecord keyOf);

    uint32_t first() override;
    uint32_t last() override;
    uint32_t next(uint32_t recno) override;
    uint32_t prior(uint32_t recno) override;
    uint64_t count() override;
    // Starts from the first, the last (while the count is known) or the position
    // reached last time, whichever is nearest, as long as neither the index nor the
    // range changed since.
    uint32_t recordAt(uint64_t n) override;

    const std::string &tagName() const { return m_tagName; }
    TagCursor &cursor() { return m_cursor; }

private:
    // A tag left out of step by a crash or a failed change gives no order until rebuilt.
    void requireSound() const;
    // False when the record is not in the tag (or not in its range): the cursor then
    // stands on the entry that would follow it, or at the end.
    bool syncTo(uint32_t recno);

    ProductionIndex &m_index;
    std::string m_tagName;
    KeyOfRecord m_keyOf;
    TagCursor m_cursor;
    struct KnownPosition
    {
        TagCursor::Version version;
        uint32_t recno = 0;
        uint64_t position = 0;
    };
    std::optional<KnownPosition> m_known;
};

} // namespace dbase
