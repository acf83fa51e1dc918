#include "dbase/TagOrder.h"

#include "dbase/Error.h"

namespace dbase {

TagOrder::TagOrder(ProductionIndex &index, const std::string &tagName, KeyOfRecord keyOf)
    : m_index(index), m_tagName(tagName), m_keyOf(std::move(keyOf)), m_cursor(index, tagName)
{
}

void TagOrder::requireSound() const
{
    if (m_index.isStale())
        throw Error(ErrorKind::Corrupt, "The index file " + m_index.path()
                                            + " is out of date; it is rebuilt when the table is next opened exclusively");
}

uint32_t TagOrder::first()
{
    requireSound();
    return m_cursor.first() ? m_cursor.recNo() : 0;
}

uint32_t TagOrder::last()
{
    requireSound();
    return m_cursor.last() ? m_cursor.recNo() : 0;
}

bool TagOrder::syncTo(uint32_t recno)
{
    const std::string key = m_keyOf(recno);
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
    if (syncTo(recno))
        return m_cursor.next() ? m_cursor.recNo() : 0;
    // Off the tag: the entry after the record's place is the next one.
    return m_cursor.positioned() ? m_cursor.recNo() : 0;
}

uint32_t TagOrder::prior(uint32_t recno)
{
    requireSound();
    if (!syncTo(recno) && !m_cursor.positioned())
        return m_cursor.last() ? m_cursor.recNo() : 0;
    return m_cursor.prior() ? m_cursor.recNo() : 0;
}

uint64_t TagOrder::count()
{
    requireSound();
    return m_cursor.count();
}

uint32_t TagOrder::recordAt(uint64_t n)
{
    requireSound();
    // Counting would walk the whole range: the end is a starting point only
    // while the count is known anyway.
    const std::optional<uint64_t> total = m_cursor.knownCount();
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
        placed = m_cursor.first();
        steps = int64_t(n);
    } else {
        placed = m_cursor.last();
        steps = -int64_t(fromEnd);
    }
    if (!placed || m_cursor.moveBy(steps) != steps || !m_cursor.positioned()) {
        m_known.reset();
        return 0;
    }
    m_known = KnownPosition{version, m_cursor.recNo(), n};
    return m_cursor.recNo();
}

} // namespace dbase
