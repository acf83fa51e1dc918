// The cursor of a table: its walking order (physical, a tag, a caller's), moves,
// bookmarks, counts, and the tag selection, ranges and finds that steer it.
#include "dbase/Table.h"

#include "dbase/TagOrder.h"

namespace dbase {

void Table::setCursorOrder(std::unique_ptr<CursorOrder> order)
{
    requireOpen();
    checkBrowseMode();
    m_indexName.clear();
    useOrder(std::move(order));
}

void Table::useOrder(std::unique_ptr<CursorOrder> order)
{
    m_tagOrder = nullptr;
    m_hasRange = false;
    m_liveCount.reset();
    m_order = order ? std::move(order) : std::make_unique<PhysicalOrder>(m_records);
    first();
}

void Table::setEmpty()
{
    m_recno = 0;
    m_record.clear();
    m_bof = m_eof = true;
}

void Table::moveTo(uint32_t recno)
{
    // In shared use a tag leads to records others may have just changed: read them afresh.
    if (m_tagOrder && !m_exclusive) {
        std::string fresh;
        m_records.readFresh(recno, fresh);
        m_record.load(fresh);
    } else {
        m_record.load(std::string_view(m_records.recordBytes(recno), header().recordLength));
    }
    m_recno = recno;
}

void Table::checkBrowseMode()
{
    if (m_state == State::Edit || m_state == State::Insert) {
        if (isModified())
            post();
        else
            cancel();
    }
}

void Table::first()
{
    requireOpen();
    checkBrowseMode();
    landOnEnd(m_order->first(), true);
}

void Table::last()
{
    requireOpen();
    checkBrowseMode();
    landOnEnd(m_order->last(), false);
}

// First sets bof and Last sets eof, as a cursor at either end reports.
void Table::landOnEnd(uint32_t recno, bool atStart)
{
    if (!recno) {
        setEmpty();
        return;
    }
    moveTo(recno);
    m_bof = atStart;
    m_eof = !atStart;
}

bool Table::next()
{
    return step(true);
}

bool Table::prior()
{
    return step(false);
}

// At either end the flag of that end is set and the record stays.
bool Table::step(bool forward)
{
    requireOpen();
    checkBrowseMode();
    const uint32_t r = !m_recno ? 0 : forward ? m_order->next(m_recno) : m_order->prior(m_recno);
    if (!r) {
        (forward ? m_eof : m_bof) = true;
        return false;
    }
    moveTo(r);
    m_bof = m_eof = false;
    return true;
}

int Table::moveBy(int n)
{
    int moved = 0;
    while (n > 0 && next()) {
        --n;
        ++moved;
    }
    while (n < 0 && prior()) {
        ++n;
        --moved;
    }
    return moved;
}

Table::IndexReadHold::IndexReadHold(Table &table)
{
    if (table.isOpen() && table.m_tagOrder && table.m_indexes.exists())
        m_scope.emplace(table.m_indexes.index().file(), false);
}

bool Table::gotoPosition(uint64_t n)
{
    requireOpen();
    checkBrowseMode();
    if (const uint32_t recno = m_order->recordAt(n)) {
        moveTo(recno);
        m_bof = m_eof = false;
        return true;
    }
    last();
    next();
    return false;
}

void Table::gotoBookmark(Bookmark bookmark)
{
    requireOpen();
    checkBrowseMode();
    if (bookmark == 0 || bookmark > m_records.physicalCount(true) || m_records.isDeleted(bookmark))
        fail(ErrorKind::NotFound, "Record " + std::to_string(bookmark) + " of " + m_path + " no longer exists");
    moveTo(bookmark);
    m_bof = m_eof = false;
}

uint64_t Table::recordCount()
{
    requireOpen();
    // A tag's count walks its range; only the physical count is worth keeping.
    if (!m_exclusive || m_tagOrder)
        return m_order->count();
    if (!m_liveCount)
        m_liveCount = m_order->count();
    return *m_liveCount;
}

// A key past the last record (another process's append not seen yet, or damage)
// names no record to show.
bool Table::isLiveRecord(uint32_t recno)
{
    if (recno == 0 || (recno > m_records.physicalCount(false) && recno > m_records.physicalCount(true)))
        return false;
    return !m_records.isDeleted(recno);
}

// ---- tags -------------------------------------------------------------------

void Table::setIndexName(const std::string &name)
{
    if (isOpen())
        selectIndex(name);
    else
        m_indexName = name;
}

// The record being edited is in the tags with its key as stored.
std::string Table::keyOfRecord(const std::string &tag, uint32_t recno)
{
    if (recno == m_recno)
        return m_indexes.keyOf(tag, m_record.original());
    return m_indexes.keyOf(tag, std::string(m_records.recordBytes(recno), header().recordLength));
}

std::unique_ptr<TagOrder> Table::orderAlong(const std::string &tag)
{
    TagOrder::Records records{[this, tag](uint32_t recno) { return keyOfRecord(tag, recno); },
                              [this](uint32_t recno) { return !isLiveRecord(recno); },
                              [this, tag] { return m_indexes.holdsDeletedKeys(tag); },
                              [this] { return m_indexes.liveRecords(); }};
    return std::make_unique<TagOrder>(m_indexes.index(), tag, std::move(records));
}

std::unique_ptr<TagOrder> Table::makeTagOrder(const std::string &name)
{
    auto order = orderAlong(m_indexes.usableTag(name));
    m_tagOrder = order.get();
    m_liveCount.reset();
    return order;
}

std::unique_ptr<TagOrder> Table::rangedTagOrder(const KeyBuffer &start, const KeyBuffer &end)
{
    requireSelectedTag();
    const std::string &tag = m_tagOrder->tagName();
    auto order = orderAlong(tag);
    order->cursor().setRange(m_indexes.prefixKey(tag, start), m_indexes.prefixKey(tag, end));
    return order;
}

uint64_t Table::countInRange(const KeyBuffer &start, const KeyBuffer &end)
{
    return rangedTagOrder(start, end)->count();
}

bool Table::rangeHoldsMoreThan(const KeyBuffer &start, const KeyBuffer &end, uint64_t n)
{
    return rangedTagOrder(start, end)->recordAt(n) != 0;
}

void Table::selectIndex(const std::string &name)
{
    requireOpen();
    checkBrowseMode();
    if (name.empty()) {
        m_indexName.clear();
        useOrder(nullptr);
        return;
    }
    auto order = makeTagOrder(name);
    m_tagOrder = nullptr;
    m_hasRange = false;
    m_order = std::move(order);
    m_tagOrder = static_cast<TagOrder *>(m_order.get());
    m_indexName = IndexUpkeep::storedName(name);
    first();
}

void Table::requireSelectedTag() const
{
    requireOpen();
    if (!m_tagOrder)
        fail(ErrorKind::Usage, "Table " + m_path + " has no index tag selected");
}

void Table::setRange(const KeyBuffer &start, const KeyBuffer &end)
{
    requireSelectedTag();
    checkBrowseMode();
    const std::string &tag = m_tagOrder->tagName();
    m_tagOrder->cursor().setRange(m_indexes.prefixKey(tag, start), m_indexes.prefixKey(tag, end));
    m_hasRange = true;
    first();
}

void Table::cancelRange()
{
    requireOpen();
    if (!m_tagOrder)
        return;
    m_tagOrder->cursor().clearRange();
    m_hasRange = false;
}

bool Table::findKey(const KeyBuffer &key, bool nearest)
{
    requireSelectedTag();
    return findStoredKey(m_indexes.prefixKey(m_tagOrder->tagName(), key), nearest);
}

bool Table::findStoredKey(std::string key, bool nearest)
{
    requireSelectedTag();
    checkBrowseMode();
    m_indexes.requireCurrent();
    const uint32_t found = m_tagOrder->find(key, nearest);
    if (!found)
        return false;
    moveTo(found);
    m_bof = m_eof = false;
    return true;
}

} // namespace dbase
