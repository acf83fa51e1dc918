#include "dbase/TagOrder.h"

#include "dbase/Error.h"

namespace dbase {

TagOrder::TagOrder(ProductionIndex &index, const std::string &tagName, Records records)
    : m_index(index), m_tagName(tagName), m_records(std::move(records)), m_cursor(index, tagName)
{
}

void TagOrder::requireSound() const
{
    if (m_index.isStale())
        throw Error(ErrorKind::Corrupt, "The index file " + m_index.path()
                                            + " is out of date; it is rebuilt when the table is next opened exclusively");
}

bool TagOrder::holdsDeletedKeys()
{
    if (!m_holdsDeletedKeys)
        m_holdsDeletedKeys = m_records.holdsDeletedKeys();
    return *m_holdsDeletedKeys;
}

bool TagOrder::settleLive(bool forward)
{
    if (!m_cursor.positioned())
        return false;
    if (!holdsDeletedKeys())
        return true;
    // One lock for the whole run of deleted records, not one per entry.
    MdxFile::Scope scope(m_index.file(), false);
    while (m_records.isDeleted(m_cursor.recNo())) {
        if (!(forward ? m_cursor.next() : m_cursor.prior()))
            return false;
    }
    return true;
}

bool TagOrder::firstLive()
{
    return m_cursor.first() && settleLive(true);
}

bool TagOrder::lastLive()
{
    return m_cursor.last() && settleLive(false);
}

uint32_t TagOrder::first()
{
    requireSound();
    return firstLive() ? m_cursor.recNo() : 0;
}

uint32_t TagOrder::last()
{
    requireSound();
    return lastLive() ? m_cursor.recNo() : 0;
}

bool TagOrder::syncTo(uint32_t recno)
{
    const std::string key = m_records.keyOf(recno);
    if (m_cursor.positioned() && m_cursor.recNo() == recno && m_cursor.key() == key)
        return true;
    if (m_cursor.seekEntry(key, recno))
        return true;
    m_cursor.seekNearest(key);
    return false;
}

uint32_t TagOrder::next(uint32_t recno)
{
    requireSound();
    // Off the tag, the entry after the record's place is the next one.
    if (syncTo(recno) && !m_cursor.next())
        return 0;
    return settleLive(true) ? m_cursor.recNo() : 0;
}

uint32_t TagOrder::prior(uint32_t recno)
{
    requireSound();
    if (!syncTo(recno) && !m_cursor.positioned())
        return last();
    return m_cursor.prior() && settleLive(false) ? m_cursor.recNo() : 0;
}

uint32_t TagOrder::find(std::string_view key, bool nearest)
{
    requireSound();
    if (nearest)
        return m_cursor.seekNearest(key) && settleLive(true) ? m_cursor.recNo() : 0;
    // Past deleted records' keys the entry must still start with the key.
    return m_cursor.seek(key) && settleLive(true) && m_cursor.startsWith(key) ? m_cursor.recNo() : 0;
}

uint64_t TagOrder::count()
{
    requireSound();
    if (holdsDeletedKeys())
        return countLive();
    if (const std::optional<uint64_t> live = countOfLiveRecords())
        return *live;
    return m_cursor.count();
}

std::optional<uint64_t> TagOrder::countOfLiveRecords()
{
    if (m_cursor.ranged() || !m_records.liveRecords)
        return std::nullopt;
    if (const std::optional<uint64_t> known = m_cursor.knownCount())
        return known;
    {
        MdxFile::Scope scope(m_index.file(), false);
        const std::optional<int> i = m_index.findTag(m_tagName);
        if (!i || m_index.tag(*i).header.unique || m_index.tag(*i).header.filtered)
            return std::nullopt;
    }
    const std::optional<uint64_t> live = m_records.liveRecords();
    if (live)
        m_cursor.knowCount(*live);
    return live;
}

uint64_t TagOrder::countLive()
{
    // Taken before the walk: a change during it leaves the count unkept.
    const TagCursor::Version version = m_cursor.version();
    if (m_liveCount && m_liveCount->version == version)
        return m_liveCount->count;
    MdxFile::Scope scope(m_index.file(), false);
    uint64_t live = 0;
    for (bool on = m_cursor.first(); on; on = m_cursor.next())
        live += !m_records.isDeleted(m_cursor.recNo());
    m_liveCount = LiveCount{version, live};
    return live;
}

std::optional<uint64_t> TagOrder::knownCount()
{
    if (!holdsDeletedKeys())
        return m_cursor.knownCount();
    if (m_liveCount && m_liveCount->version == m_cursor.version())
        return m_liveCount->count;
    return std::nullopt;
}

int64_t TagOrder::moveBy(int64_t n)
{
    if (!holdsDeletedKeys())
        return m_cursor.moveBy(n);
    MdxFile::Scope scope(m_index.file(), false);
    int64_t moved = 0;
    while (moved < n && m_cursor.next() && settleLive(true))
        ++moved;
    while (moved > n && m_cursor.prior() && settleLive(false))
        --moved;
    return moved;
}

uint32_t TagOrder::recordAt(uint64_t n)
{
    requireSound();
    // Counting would walk the whole range: the end is a starting point only
    // while the count is known anyway.
    const std::optional<uint64_t> total = knownCount();
    if (total && n >= *total)
        return 0;
    // Taken before the walk: a change during it makes the next call start afresh.
    const TagCursor::Version version = m_cursor.version();
    const uint64_t fromEnd = total ? *total - 1 - n : UINT64_MAX;
    const bool knownHolds = m_known && m_known->version == version;
    const uint64_t fromKnown = knownHolds
        ? (n > m_known->position ? n - m_known->position : m_known->position - n)
        : UINT64_MAX;
    bool placed = false;
    int64_t steps = 0;
    if (fromKnown <= n && fromKnown <= fromEnd && syncTo(m_known->recno)) {
        placed = true;
        steps = int64_t(n) - int64_t(m_known->position);
    } else if (n <= fromEnd) {
        placed = firstLive();
        steps = int64_t(n);
    } else {
        placed = lastLive();
        steps = -int64_t(fromEnd);
    }
    if (!placed || moveBy(steps) != steps || !m_cursor.positioned()) {
        m_known.reset();
        return 0;
    }
    m_known = KnownPosition{version, m_cursor.recNo(), n};
    return m_cursor.recNo();
}

} // namespace dbase
