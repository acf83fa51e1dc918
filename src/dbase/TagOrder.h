#pragma once

#include "dbase/CursorOrder.h"
#include "dbase/index/TagCursor.h"

#include <functional>
#include <optional>
#include <string>
#include <string_view>

namespace dbase {

// A table's walking order along one tag of its production index. The table may
// have moved on its own (a bookmark, a posted record whose key changed): before
// stepping, the cursor is put back on the table's record, found by its current key.
//
// Other dBASE writers leave the keys of deleted records in their tags. Such a tag
// (one holding more keys than the table has live records) is walked past those
// keys, and its counts and positions are of live records only; a tag without them
// never pays for reading a record's deleted mark.
class TagOrder : public CursorOrder
{
public:
    // What the order needs of the table.
    struct Records
    {
        // The tag's key of a record as the table holds it now, in stored form.
        std::function<std::string(uint32_t recno)> keyOf;
        // Marked deleted, or not a record of the file at all.
        std::function<bool(uint32_t recno)> isDeleted;
        // Whether the tag holds keys of deleted records.
        std::function<bool()> holdsDeletedKeys;
        // The table's live records while known without reading them (none: walk the tag).
        std::function<std::optional<uint64_t>()> liveRecords;
    };

    TagOrder(ProductionIndex &index, const std::string &tagName, Records records);

    uint32_t first() override;
    uint32_t last() override;
    uint32_t next(uint32_t recno) override;
    uint32_t prior(uint32_t recno) override;
    uint64_t count() override;
    // Starts from the first, the last (while the count is known) or the position
    // reached last time, whichever is nearest, as long as neither the index nor the
    // range changed since.
    uint32_t recordAt(uint64_t n) override;
    // The first live record whose key starts with `key` (exact) or is at or after it
    // (nearest), in stored form; 0 when there is none.
    uint32_t find(std::string_view key, bool nearest);

    const std::string &tagName() const { return m_tagName; }
    TagCursor &cursor() { return m_cursor; }

private:
    // A tag left out of step by a crash or a failed change gives no order until rebuilt.
    void requireSound() const;
    // False when the record is not in the tag (or not in its range): the cursor then
    // stands on the entry that would follow it, or at the end.
    bool syncTo(uint32_t recno);

    bool holdsDeletedKeys();
    // From the cursor's entry on, steps in the direction past deleted records' keys;
    // true when it stands on a live record.
    bool settleLive(bool forward);
    bool firstLive();
    bool lastLive();
    // Moves up to |n| live records forward (n > 0) or back; returns the number moved.
    int64_t moveBy(int64_t n);
    // The count while it is still known without walking.
    std::optional<uint64_t> knownCount();
    uint64_t countLive();
    // A whole tag without deleted records' keys holds one key per live record, unless
    // it is unique (one key per value) or another writer gave it a FOR clause.
    std::optional<uint64_t> countOfLiveRecords();

    ProductionIndex &m_index;
    std::string m_tagName;
    Records m_records;
    TagCursor m_cursor;
    std::optional<bool> m_holdsDeletedKeys; // the table's answer, kept: walks ask at every step
    struct KnownPosition
    {
        TagCursor::Version version;
        uint32_t recno = 0;
        uint64_t position = 0;
    };
    std::optional<KnownPosition> m_known;
    struct LiveCount
    {
        TagCursor::Version version;
        uint64_t count = 0;
    };
    std::optional<LiveCount> m_liveCount;
};

} // namespace dbase
