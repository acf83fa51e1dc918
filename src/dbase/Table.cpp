#include "dbase/Table.h"

#include "dbase/ByteOrder.h"
#include "dbase/Error.h"
#include "dbase/LockOffsets.h"
#include "dbase/MemoFile.h"
#include "dbase/PathNames.h"
#include "dbase/TableFamily.h"
#include "dbase/TableObserver.h"
#include "dbase/TagOrder.h"
#include "dbase/index/IndexCheck.h"

#include <algorithm>
#include <cctype>
#include <chrono>
#include <cmath>
#include <cstdio>
#include <cstring>
#include <thread>

namespace dbase {

namespace {

using locks::kRecordBase;
using locks::kHeader;

constexpr size_t kReadAhead = 64 * 1024;
constexpr char kLive = ' ';
constexpr char kDeleted = '*';
constexpr char kEndOfFile = '\x1A';

bool isMemoKind(FieldKind kind)
{
    return kind == FieldKind::Memo || kind == FieldKind::Picture;
}

} // namespace

FieldKind kindOfType(char type)
{
    switch (type) {
    case 'N': case 'F': return FieldKind::Numeric;
    case 'D': return FieldKind::Date;
    case 'L': return FieldKind::Logical;
    case 'M': return FieldKind::Memo;
    case 'B': case 'G': return FieldKind::Picture;
    default: return FieldKind::Text;
    }
}

// The record buffer being edited (its memos as changed), or the bytes of a
// record as stored (its memos as in the memo file).
class Table::BufferView : public RecordView
{
public:
    BufferView(const Table &table, const std::string &bytes, bool current)
        : m_table(table), m_bytes(bytes), m_current(current)
    {
    }
    const std::vector<FieldInfo> &fields() const override { return m_table.fields(); }
    std::string_view raw(int field) const override
    {
        const FieldInfo &f = m_table.fieldInfo(field);
        return std::string_view(m_bytes).substr(1 + f.offset, f.length);
    }
    std::string memo(int field) const override
    {
        if (!isMemoKind(m_table.fieldKind(field)))
            return {};
        return m_current ? m_table.asBlob(field) : m_table.storedMemo(m_bytes, field);
    }

private:
    const Table &m_table;
    const std::string &m_bytes;
    bool m_current;
};

Table::Table() : m_currentView(std::make_unique<BufferView>(*this, m_buffer, true)) {}

Table::~Table()
{
    try {
        close();
    } catch (...) {
        releaseAll();
    }
}

void Table::fail(ErrorKind kind, const std::string &message) const
{
    throw Error(kind, message);
}

void Table::create(const std::string &path, std::vector<FieldInfo> fields)
{
    DbfHeader header = DbfHeader::forFields(std::move(fields), path);
    const std::string dbtPath = siblingPath(path, ".dbt");
    std::string bytes = header.serialize();
    bytes += kEndOfFile;
    // Replace an older table of this name whole.
    TableFamily::remove(path);
    if (header.hasMemoFields())
        MemoFile::create(dbtPath, MemoFile::Format::Dbase4);
    File file(path, File::Mode::Create);
    file.write(0, bytes.data(), bytes.size());
    file.sync();
}

void Table::open(const std::string &path, bool exclusive)
{
    m_folder = folderOf(path);
    m_fileName = fileNameOf(path);
    m_exclusive = exclusive;
    open();
}

void Table::open()
{
    if (isOpen())
        fail(ErrorKind::Usage, "Table " + m_path + " is already open");
    const std::string wanted = joinPath(m_folder, m_fileName);
    const auto found = findFileNoCase(wanted);
    if (!found)
        fail(ErrorKind::NotFound, "Table " + wanted + " does not exist");
    try {
        m_path = *found;
        m_dbf = File(m_path, File::Mode::ReadWrite);
        const bool locked = m_exclusive ? m_dbf.tryLock(locks::kTableStart, locks::kTableLength, true)
                                        : m_dbf.tryLock(locks::kSharedMarker, 1, false);
        if (!locked)
            fail(ErrorKind::Locked, m_exclusive ? "Table " + m_path + " is in use by another user"
                                                : "Table " + m_path + " is opened exclusively by another user");
        m_header = DbfHeader::read(m_dbf);
        refreshCount();
        adoptUncountedRecords();
        if (m_header.hasMemoFields()) {
            const auto memoPath = findFileNoCase(siblingPath(m_path, ".dbt"));
            if (!memoPath)
                fail(ErrorKind::NotFound, "Memo file of table " + m_path + " does not exist");
            m_memo = std::make_unique<MemoFile>(*memoPath, MemoFile::formatFor(m_header.version),
                                                m_dbf.isReadOnly());
        }
        m_order = std::make_unique<PhysicalOrder>(static_cast<PhysicalRecords &>(*this));
        m_buffer.assign(m_header.recordLength, ' ');
        m_original = m_buffer;
        m_memoValues.assign(m_header.fields.size(), std::nullopt);
        m_memoChanged.assign(m_header.fields.size(), false);
        m_state = State::Browse;
        m_written = false;
        m_liveCount.reset();
        openIndex();
        if (!m_indexName.empty())
            m_order = makeTagOrder(m_indexName);
        first();
    } catch (...) {
        releaseAll();
        throw;
    }
}

void Table::releaseAll()
{
    m_countStale = false;
    m_tagOrder = nullptr;
    m_order.reset();
    m_hasRange = false;
    m_indexSession.reset();
    m_index.reset();
    m_memo.reset();
    m_dbf.close(); // closing the descriptor drops its OFD locks
    m_state = State::Inactive;
    m_order.reset();
    m_cache.clear();
    m_cacheCount = 0;
    m_recno = 0;
    m_lockedRecno = 0;
    m_modified = false;
    m_bof = m_eof = true;
}

void Table::close()
{
    if (!isOpen())
        return;
    try {
        checkBrowseMode();
        flush();
    } catch (...) {
        releaseAll();
        throw;
    }
    releaseAll();
}

void Table::flush()
{
    requireOpen();
    endIndexSession();
    writeStaleCount();
    if (!m_written)
        return;
    if (m_memo)
        m_memo->sync();
    m_dbf.sync();
}

bool Table::isReadOnly() const
{
    return m_dbf.isReadOnly();
}

std::string Table::memoPath() const
{
    return m_memo ? m_memo->path() : std::string();
}

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
    m_order = order ? std::move(order) : std::make_unique<PhysicalOrder>(static_cast<PhysicalRecords &>(*this));
    first();
}

void Table::requireOpen() const
{
    if (!isOpen())
        fail(ErrorKind::Usage, "Table " + (m_path.empty() ? m_fileName : m_path) + " is not open");
}

void Table::requireWritable() const
{
    requireOpen();
    if (m_dbf.isReadOnly())
        fail(ErrorKind::Usage, "Table " + m_path + " is read-only");
}

const FieldInfo &Table::fieldInfo(int pos) const
{
    requireOpen();
    if (pos < 0 || pos >= fieldCount())
        fail(ErrorKind::Usage, "Table " + m_path + " has no field at position " + std::to_string(pos));
    return m_header.fields[size_t(pos)];
}

int Table::fieldIndex(std::string_view name) const
{
    for (int i = 0; i < fieldCount(); ++i) {
        const std::string &own = m_header.fields[size_t(i)].name;
        if (own.size() == name.size()
            && std::equal(own.begin(), own.end(), name.begin(), [](unsigned char a, unsigned char b) {
                   return std::toupper(a) == std::toupper(b);
               }))
            return i;
    }
    return -1;
}

// ---- physical records -------------------------------------------------------

uint64_t Table::recordOffset(uint32_t recno) const
{
    return m_header.headerLength + uint64_t(recno - 1) * m_header.recordLength;
}

void Table::refreshCount()
{
    char counter[4];
    m_dbf.readExact(4, counter, sizeof counter, "the header");
    const uint32_t declared = getU32(counter);
    const uint64_t size = m_dbf.size();
    const uint64_t whole = size > m_header.headerLength ? (size - m_header.headerLength) / m_header.recordLength : 0;
    // A count beyond the file (a cut-off copy) opens with the whole records.
    const uint32_t count = uint32_t(std::min<uint64_t>(declared, whole));
    if (count != m_count || m_cacheFirst + m_cacheCount - 1 > count) {
        m_cache.clear();
        m_cacheCount = 0;
    }
    m_count = count;
}

uint32_t Table::physicalCount(bool refresh)
{
    if (refresh && !m_exclusive)
        refreshCount();
    return m_count;
}

const char *Table::recordBytes(uint32_t recno)
{
    if (recno < m_cacheFirst || recno >= m_cacheFirst + m_cacheCount) {
        const uint32_t want = std::max<uint32_t>(1, uint32_t(kReadAhead / m_header.recordLength));
        const uint32_t count = std::min<uint32_t>(want, m_count - recno + 1);
        m_cache.resize(size_t(count) * m_header.recordLength);
        m_dbf.readExact(recordOffset(recno), m_cache.data(), m_cache.size(), "a record");
        m_cacheFirst = recno;
        m_cacheCount = count;
    }
    return m_cache.data() + size_t(recno - m_cacheFirst) * m_header.recordLength;
}

bool Table::isDeleted(uint32_t recno)
{
    return recordBytes(recno)[0] == kDeleted;
}

void Table::readRecordFresh(uint32_t recno, std::string &into)
{
    into.resize(m_header.recordLength);
    m_dbf.readExact(recordOffset(recno), into.data(), into.size(), "a record");
    if (recno >= m_cacheFirst && recno < m_cacheFirst + m_cacheCount)
        std::memcpy(m_cache.data() + size_t(recno - m_cacheFirst) * m_header.recordLength, into.data(), into.size());
}

// ---- navigation -------------------------------------------------------------

void Table::setEmpty()
{
    m_recno = 0;
    m_buffer.assign(m_header.recordLength, ' ');
    m_original = m_buffer;
    m_bof = m_eof = true;
    std::fill(m_memoValues.begin(), m_memoValues.end(), std::nullopt);
}

void Table::moveTo(uint32_t recno)
{
    // In shared use a tag leads to records others may have just changed: read them afresh.
    if (m_tagOrder && !m_exclusive)
        readRecordFresh(recno, m_buffer);
    else
        m_buffer.assign(recordBytes(recno), m_header.recordLength);
    m_original = m_buffer;
    m_recno = recno;
    std::fill(m_memoValues.begin(), m_memoValues.end(), std::nullopt);
}

void Table::checkBrowseMode()
{
    if (m_state == State::Edit || m_state == State::Insert) {
        if (m_modified)
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
    requireOpen();
    checkBrowseMode();
    const uint32_t r = m_recno ? m_order->next(m_recno) : 0;
    if (!r) {
        m_eof = true;
        return false;
    }
    moveTo(r);
    m_bof = m_eof = false;
    return true;
}

bool Table::prior()
{
    requireOpen();
    checkBrowseMode();
    const uint32_t r = m_recno ? m_order->prior(m_recno) : 0;
    if (!r) {
        m_bof = true;
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

void Table::gotoBookmark(Bookmark bookmark)
{
    requireOpen();
    checkBrowseMode();
    if (bookmark == 0 || bookmark > physicalCount(true) || isDeleted(bookmark))
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

// ---- record cycle -----------------------------------------------------------

void Table::acquireShortLock(File &file, uint64_t offset, const std::string &what)
{
    // Others hold this lock only while they write a record or a memo: a few
    // short tries ride that out, a longer hold is reported as locked.
    for (int attempt = 0; attempt < 200; ++attempt) {
        if (file.tryLock(offset, 1, true))
            return;
        std::this_thread::sleep_for(std::chrono::milliseconds(1));
    }
    fail(ErrorKind::Locked, what + " is locked by another user");
}

void Table::unlockRecord()
{
    if (m_lockedRecno && !m_exclusive)
        m_dbf.unlock(kRecordBase - m_lockedRecno, 1);
    m_lockedRecno = 0;
}

void Table::append()
{
    requireWritable();
    checkBrowseMode();
    m_returnRecno = m_recno;
    m_buffer.assign(m_header.recordLength, ' ');
    m_original = m_buffer;
    std::fill(m_memoValues.begin(), m_memoValues.end(), std::nullopt);
    std::fill(m_memoChanged.begin(), m_memoChanged.end(), false);
    m_state = State::Insert;
    m_modified = false;
    m_bof = m_eof = false;
    if (m_afterInsert)
        m_afterInsert(*this);
}

void Table::edit()
{
    requireWritable();
    if (m_state == State::Edit || m_state == State::Insert)
        return;
    if (m_recno == 0)
        fail(ErrorKind::Usage, "Table " + m_path + " has no current record to edit");
    if (!m_exclusive) {
        if (!m_dbf.tryLock(kRecordBase - m_recno, 1, true))
            fail(ErrorKind::Locked, "Record " + std::to_string(m_recno) + " of " + m_path
                                        + " is locked by another user");
        m_lockedRecno = m_recno;
        try {
            // Someone may have changed the record since it was read.
            readRecordFresh(m_recno, m_buffer);
            if (m_buffer[0] == kDeleted)
                fail(ErrorKind::NotFound, "Record " + std::to_string(m_recno) + " of " + m_path
                                              + " was deleted by another user");
        } catch (...) {
            unlockRecord();
            throw;
        }
        m_original = m_buffer;
        std::fill(m_memoValues.begin(), m_memoValues.end(), std::nullopt);
    } else {
        m_lockedRecno = m_recno;
    }
    std::fill(m_memoChanged.begin(), m_memoChanged.end(), false);
    m_state = State::Edit;
    m_modified = false;
}

void Table::cancel()
{
    requireOpen();
    const State was = m_state;
    m_state = State::Browse;
    m_modified = false;
    std::fill(m_memoChanged.begin(), m_memoChanged.end(), false);
    if (was == State::Edit) {
        unlockRecord();
        m_buffer = m_original;
        std::fill(m_memoValues.begin(), m_memoValues.end(), std::nullopt);
    } else if (was == State::Insert) {
        if (m_returnRecno && m_returnRecno <= m_count && !isDeleted(m_returnRecno)) {
            moveTo(m_returnRecno);
            m_bof = m_eof = false;
        } else {
            first();
        }
    }
}

void Table::post()
{
    requireOpen();
    if (m_state != State::Edit && m_state != State::Insert)
        fail(ErrorKind::Usage, "Table " + m_path + " has no record being edited");
    if (m_beforePost)
        m_beforePost(*this);
    commit(m_state == State::Insert ? Change::Insert : Change::Update);
    if (m_state == State::Edit)
        unlockRecord();
    m_state = State::Browse;
    m_modified = false;
    m_original = m_buffer;
    std::fill(m_memoChanged.begin(), m_memoChanged.end(), false);
    m_bof = m_eof = false;
}

void Table::deleteRecord()
{
    requireWritable();
    if (m_state == State::Insert) {
        cancel();
        return;
    }
    if (m_recno == 0)
        fail(ErrorKind::Usage, "Table " + m_path + " has no current record to delete");
    const bool wasEditing = m_state == State::Edit;
    if (!wasEditing)
        edit();
    m_buffer = m_original; // pending changes die with the record
    try {
        commit(Change::Delete);
    } catch (...) {
        if (!wasEditing)
            cancel();
        throw;
    }
    unlockRecord();
    m_state = State::Browse;
    m_modified = false;
    const uint32_t gone = m_recno;
    if (const uint32_t r = m_order->next(gone)) {
        moveTo(r);
        m_bof = m_eof = false;
    } else if (const uint32_t p = m_order->prior(gone)) {
        moveTo(p);
        m_bof = false;
        m_eof = true;
    } else {
        setEmpty();
    }
}

std::string Table::storedMemo(const std::string &record, int pos) const
{
    const FieldInfo &f = fieldInfo(pos);
    const uint32_t block = codec::parseBlock(std::string_view(record).substr(1 + f.offset, f.length));
    if (block == 0 || !m_memo)
        return {};
    return m_memo->read(block);
}

void Table::writeMemos(std::vector<uint32_t> &toRelease)
{
    for (int i = 0; i < fieldCount(); ++i) {
        if (!m_memoChanged[size_t(i)])
            continue;
        const FieldInfo &f = m_header.fields[size_t(i)];
        const uint32_t old = codec::parseBlock(std::string_view(m_original).substr(1 + f.offset, f.length));
        if (old)
            toRelease.push_back(old);
        const std::string &value = *m_memoValues[size_t(i)];
        const uint32_t block = value.empty() ? 0 : m_memo->write(value);
        const std::string pointer = codec::formatBlock(block);
        m_buffer.replace(1 + f.offset, f.length, pointer);
    }
}

void Table::writeStaleCount()
{
    if (!m_countStale)
        return;
    m_dbf.endMapped(recordOffset(m_count + 1) + 1); // the file ends after the end mark
    writeHeaderCount();
    m_countStale = false;
}

// Records written after the header's count (an append whose count update a
// crash prevented) are adopted when they are whole and carry a valid deletion
// flag. Only done while nobody can be appending: exclusive use or the append lock.
void Table::adoptUncountedRecords()
{
    const uint64_t size = m_dbf.size();
    if (m_dbf.isReadOnly() || size <= recordOffset(m_count + 1))
        return;
    const bool lockTaken = !m_exclusive && m_dbf.tryLock(kHeader, 1, true);
    if (!m_exclusive && !lockTaken)
        return;
    refreshCount();
    uint32_t count = m_count;
    char flag = 0;
    while (recordOffset(count + 2) <= size && m_dbf.readSome(recordOffset(count + 1), &flag, 1) == 1
           && (flag == kLive || flag == kDeleted))
        ++count;
    if (count != m_count) {
        m_count = count;
        m_dbf.write(recordOffset(count + 1), &kEndOfFile, 1);
        writeHeaderCount();
        m_dbf.sync();
    }
    if (lockTaken)
        m_dbf.unlock(kHeader, 1);
}

void Table::writeHeaderCount()
{
    m_header.setToday();
    m_written = true;
    char bytes[7];
    bytes[0] = char(m_header.year);
    bytes[1] = char(m_header.month);
    bytes[2] = char(m_header.day);
    putU32(bytes + 3, m_count);
    m_dbf.write(1, bytes, sizeof bytes);
}

// Every change of a record passes here: the observer hears of it first, then
// memo values, the record and the header count reach the file in that order,
// so a crash never leaves a counted record unwritten.
void Table::commit(Change change)
{
    const bool memoWork = m_memo && change != Change::Delete
                          && std::find(m_memoChanged.begin(), m_memoChanged.end(), true) != m_memoChanged.end();
    const bool shared = !m_exclusive;
    bool headerLocked = false;
    bool memoLocked = false;
    bool indexChanging = false;
    std::optional<ProductionIndex::Batch> sharedSession;
    try {
        if (change == Change::Insert && shared) {
            acquireShortLock(m_dbf, kHeader, "Table " + m_path);
            headerLocked = true;
            refreshCount();
        }
        const uint32_t recno = change == Change::Insert ? m_count + 1 : m_recno;
        BufferView before(*this, m_original, false);
        if (m_observer) {
            switch (change) {
            case Change::Insert: m_observer->beforeInsert(recno, *m_currentView); break;
            case Change::Update: m_observer->beforeUpdate(recno, before, *m_currentView); break;
            case Change::Delete: m_observer->beforeDelete(recno, before); break;
            }
        }
        if (maintainsIndex()) {
            // The marker stays set until the record is written too: a stop in between
            // leaves the index marked stale, to be rebuilt from the records.
            if (m_exclusive) {
                if (!m_indexSession)
                    m_indexSession.emplace(*m_index);
            } else {
                sharedSession.emplace(*m_index);
            }
            indexChanging = true;
            switch (change) {
            case Change::Insert: m_index->insertKey(recno, *m_currentView); break;
            case Change::Update: m_index->updateKey(recno, before, *m_currentView); break;
            case Change::Delete: m_index->removeKey(recno, before); break;
            }
        }
        std::vector<uint32_t> toRelease;
        if (memoWork) {
            if (shared) {
                if (!m_memo->tryLock()) {
                    bool got = false;
                    for (int i = 0; i < 200 && !got; ++i) {
                        std::this_thread::sleep_for(std::chrono::milliseconds(1));
                        got = m_memo->tryLock();
                    }
                    if (!got)
                        fail(ErrorKind::Locked, "Memo file " + m_memo->path() + " is locked by another user");
                }
                memoLocked = true;
                m_memo->reload();
            }
            writeMemos(toRelease);
        }
        m_buffer[0] = change == Change::Delete ? kDeleted : kLive;
        if (change == Change::Insert) {
            // The record (with the end mark) is in the file before the count grows.
            std::string bytes = m_buffer;
            bytes += kEndOfFile;
            if (shared) {
                m_dbf.write(recordOffset(recno), bytes.data(), bytes.size());
            } else {
                // Nobody else reads the file meanwhile: the mapping saves a system call per record.
                m_dbf.writeMapped(recordOffset(recno), bytes.data(), bytes.size());
                m_countStale = true;
            }
            m_count = recno;
            m_written = true;
            if (shared)
                writeHeaderCount();
            if (m_liveCount)
                ++*m_liveCount;
        } else if (change == Change::Delete) {
            m_dbf.write(recordOffset(recno), &kDeleted, 1);
            m_written = true;
            if (m_liveCount)
                --*m_liveCount;
        } else {
            m_dbf.write(recordOffset(recno), m_buffer.data(), m_buffer.size());
            m_written = true;
        }
        if (recno >= m_cacheFirst && recno < m_cacheFirst + m_cacheCount)
            std::memcpy(m_cache.data() + size_t(recno - m_cacheFirst) * m_header.recordLength, m_buffer.data(),
                        m_buffer.size());
        // Old memo blocks are freed only once no record points at them.
        for (uint32_t block : toRelease)
            m_memo->release(block);
        m_recno = recno;
    } catch (...) {
        // The tags may hold a change the record file does not.
        if (indexChanging)
            m_index->file().markStale();
        sharedSession.reset();
        if (memoLocked)
            m_memo->unlock();
        if (headerLocked)
            m_dbf.unlock(kHeader, 1);
        throw;
    }
    if (memoLocked)
        m_memo->unlock();
    if (headerLocked)
        m_dbf.unlock(kHeader, 1);
}

// ---- field values -----------------------------------------------------------

std::string_view Table::rawValue(int pos) const
{
    const FieldInfo &f = fieldInfo(pos);
    return std::string_view(m_buffer).substr(1 + f.offset, f.length);
}

std::string Table::asString(int pos) const
{
    switch (fieldKind(pos)) {
    case FieldKind::Memo:
    case FieldKind::Picture:
        return asBlob(pos);
    case FieldKind::Numeric:
        return std::string(codec::trim(rawValue(pos)));
    case FieldKind::Date:
        return asDate(pos) ? std::string(rawValue(pos)) : std::string();
    case FieldKind::Logical:
        return isNull(pos) ? std::string() : std::string(asBool(pos) ? "T" : "F");
    case FieldKind::Text:
        break;
    }
    return std::string(codec::trimRight(rawValue(pos)));
}

double Table::asNumber(int pos) const
{
    if (fieldKind(pos) != FieldKind::Numeric)
        fail(ErrorKind::Usage, "Field " + fieldInfo(pos).name + " of " + m_path + " is not numeric");
    return codec::parseNumber(rawValue(pos)).value_or(0.0);
}

int64_t Table::asInteger(int pos) const
{
    const double value = asNumber(pos);
    if (!(std::fabs(value) < 9.2e18))
        return 0;
    return int64_t(std::trunc(value));
}

std::optional<Date> Table::asDate(int pos) const
{
    if (fieldKind(pos) != FieldKind::Date)
        fail(ErrorKind::Usage, "Field " + fieldInfo(pos).name + " of " + m_path + " is not a date");
    return codec::parseDate(rawValue(pos));
}

bool Table::asBool(int pos) const
{
    const char c = char(std::toupper(static_cast<unsigned char>(rawValue(pos)[0])));
    return c == 'T' || c == 'Y';
}

std::string Table::asBlob(int pos) const
{
    if (!isMemoKind(fieldKind(pos)))
        fail(ErrorKind::Usage, "Field " + fieldInfo(pos).name + " of " + m_path + " is not a memo or picture");
    auto &cached = m_memoValues[size_t(pos)];
    if (!cached)
        cached = storedMemo(m_buffer, pos);
    return *cached;
}

bool Table::isNull(int pos) const
{
    switch (fieldKind(pos)) {
    case FieldKind::Memo:
    case FieldKind::Picture:
        // Some writers store an empty value in a block of its own.
        return codec::parseBlock(rawValue(pos)) == 0 && !m_memoChanged[size_t(pos)] ? true : asBlob(pos).empty();
    case FieldKind::Logical: {
        const char c = char(std::toupper(static_cast<unsigned char>(rawValue(pos)[0])));
        return c != 'T' && c != 'F' && c != 'Y' && c != 'N';
    }
    case FieldKind::Date:
        return !codec::parseDate(rawValue(pos));
    default:
        return codec::trim(rawValue(pos)).empty();
    }
}

void Table::requireEditing(int pos) const
{
    fieldInfo(pos);
    if (m_state != State::Edit && m_state != State::Insert)
        fail(ErrorKind::Usage, "Table " + m_path + " is not in edit or insert mode");
}

void Table::setField(int pos, std::string_view bytes)
{
    const FieldInfo &f = m_header.fields[size_t(pos)];
    std::string padded(bytes.substr(0, f.length));
    padded.resize(f.length, ' ');
    m_buffer.replace(1 + f.offset, f.length, padded);
    m_modified = true;
}

void Table::setString(int pos, std::string_view value)
{
    requireEditing(pos);
    const FieldInfo &f = m_header.fields[size_t(pos)];
    switch (fieldKind(pos)) {
    case FieldKind::Memo:
    case FieldKind::Picture:
        setBlob(pos, value);
        return;
    case FieldKind::Numeric: {
        if (codec::trim(value).empty()) {
            setNull(pos);
            return;
        }
        const auto number = codec::parseNumber(value);
        if (!number)
            fail(ErrorKind::Value, "\"" + std::string(value) + "\" is not a number for field " + f.name + " of " + m_path);
        setNumber(pos, *number);
        return;
    }
    case FieldKind::Date: {
        if (codec::trim(value).empty()) {
            setNull(pos);
            return;
        }
        const auto date = codec::parseDate(value);
        if (!date)
            fail(ErrorKind::Value, "\"" + std::string(value) + "\" is not a date (YYYYMMDD) for field " + f.name + " of " + m_path);
        setDate(pos, date);
        return;
    }
    case FieldKind::Logical: {
        const char c = value.empty() ? ' ' : char(std::toupper(static_cast<unsigned char>(value[0])));
        if (c != 'T' && c != 'F' && c != 'Y' && c != 'N' && c != ' ' && c != '?')
            fail(ErrorKind::Value, "\"" + std::string(value) + "\" is not a logical value for field " + f.name + " of " + m_path);
        setField(pos, std::string_view(&c, 1));
        return;
    }
    case FieldKind::Text:
        setField(pos, value);
        return;
    }
}

void Table::setNumber(int pos, double value)
{
    requireEditing(pos);
    const FieldInfo &f = m_header.fields[size_t(pos)];
    if (fieldKind(pos) != FieldKind::Numeric)
        fail(ErrorKind::Usage, "Field " + f.name + " of " + m_path + " is not numeric");
    const auto text = codec::formatNumber(value, f.length, f.decimals);
    if (!text)
        fail(ErrorKind::Value, "The value " + std::to_string(value) + " does not fit field " + f.name + " of " + m_path);
    setField(pos, *text);
}

void Table::setInteger(int pos, int64_t value)
{
    requireEditing(pos);
    const FieldInfo &f = m_header.fields[size_t(pos)];
    if (f.decimals > 0 || fieldKind(pos) != FieldKind::Numeric) {
        setNumber(pos, double(value));
        return;
    }
    const auto text = codec::formatInteger(value, f.length);
    if (!text)
        fail(ErrorKind::Value, "The value " + std::to_string(value) + " does not fit field " + f.name + " of " + m_path);
    setField(pos, *text);
}

void Table::setDate(int pos, const std::optional<Date> &value)
{
    requireEditing(pos);
    const FieldInfo &f = m_header.fields[size_t(pos)];
    if (fieldKind(pos) != FieldKind::Date)
        fail(ErrorKind::Usage, "Field " + f.name + " of " + m_path + " is not a date");
    if (value && !codec::isValidDate(*value))
        fail(ErrorKind::Value, "Invalid date for field " + f.name + " of " + m_path);
    setField(pos, codec::formatDate(value));
}

void Table::setBool(int pos, bool value)
{
    requireEditing(pos);
    if (fieldKind(pos) != FieldKind::Logical)
        fail(ErrorKind::Usage, "Field " + fieldInfo(pos).name + " of " + m_path + " is not logical");
    setField(pos, value ? "T" : "F");
}

void Table::setBlob(int pos, std::string_view value)
{
    requireEditing(pos);
    if (!isMemoKind(fieldKind(pos)))
        fail(ErrorKind::Usage, "Field " + fieldInfo(pos).name + " of " + m_path + " is not a memo or picture");
    if (!m_memo)
        fail(ErrorKind::Usage, "Table " + m_path + " has no memo file");
    if (m_memo->format() == MemoFile::Format::Dbase3 && value.find("\x1A\x1A") != std::string_view::npos)
        fail(ErrorKind::Value, "A dBASE III memo file cannot hold this value: " + m_memo->path());
    m_memoValues[size_t(pos)] = std::string(value);
    m_memoChanged[size_t(pos)] = true;
    m_modified = true;
}

void Table::setNull(int pos)
{
    requireEditing(pos);
    if (isMemoKind(fieldKind(pos)))
        setBlob(pos, {});
    else
        setField(pos, {});
}

void Table::assign(int pos, const Table &source, int sourcePos)
{
    requireEditing(pos);
    const FieldKind to = fieldKind(pos);
    const FieldKind from = source.fieldKind(sourcePos);
    if (source.isNull(sourcePos) && !isMemoKind(from)) {
        setNull(pos);
    } else if (isMemoKind(to) || isMemoKind(from)) {
        setString(pos, source.asString(sourcePos));
    } else if (to == FieldKind::Numeric && from == FieldKind::Numeric) {
        setNumber(pos, source.asNumber(sourcePos));
    } else {
        setString(pos, source.asString(sourcePos));
    }
}

const RecordView &Table::currentRecord() const
{
    requireOpen();
    return *m_currentView;
}

} // namespace dbase

namespace dbase {

// ---- production index -------------------------------------------------------

namespace {

std::string upperCase(std::string text)
{
    for (char &c : text)
        c = char(std::toupper(static_cast<unsigned char>(c)));
    return text;
}

std::string trimmed(const std::string &text)
{
    return std::string(codec::trim(text));
}

} // namespace

void Table::openIndex()
{
    const std::string wanted = siblingPath(m_path, ".mdx");
    const auto found = findFileNoCase(wanted);
    if (!found) {
        if (m_header.productionIndex)
            fail(ErrorKind::NotFound, "Index file " + wanted + " of table " + m_path + " does not exist");
        return;
    }
    m_index = ProductionIndex::open(*found, m_header.fields);
    if (m_index->isStale())
        rebuildStaleIndex();
    if (m_exclusive && !m_dbf.isReadOnly())
        syncIndexFlags();
}

void Table::rebuildStaleIndex()
{
    if (m_dbf.isReadOnly())
        return;
    if (m_exclusive) {
        m_index->regenerate(scanSource());
        return;
    }
    // Rebuilding replaces the file, which only works while no one else has it open.
    if (!m_dbf.tryLock(locks::kTableStart, locks::kTableLength, true))
        return;
    const auto backToShared = [this] {
        m_dbf.tryLock(locks::kSharedMarker, 1, false);
        m_dbf.unlock(locks::kSharedMarker + 1, locks::kTableLength - 1);
    };
    try {
        m_index->regenerate(scanSource());
    } catch (...) {
        backToShared();
        throw;
    }
    backToShared();
}

bool Table::maintainsIndex() const
{
    return m_index && !m_index->isStale();
}

void Table::endIndexSession()
{
    m_indexSession.reset();
}

std::string Table::indexPath() const
{
    return m_index ? m_index->path() : std::string();
}

std::vector<TagInfo> Table::indexDefinitions()
{
    requireOpen();
    return m_index ? m_index->tags() : std::vector<TagInfo>();
}

void Table::setIndexName(const std::string &name)
{
    if (isOpen())
        selectIndex(name);
    else
        m_indexName = name;
}

std::string Table::keyOfRecord(const std::string &tag, uint32_t recno)
{
    if (recno == m_recno)
        return m_index->keyOf(tag, BufferView(*this, m_original, false));
    const std::string bytes(recordBytes(recno), m_header.recordLength);
    return m_index->keyOf(tag, BufferView(*this, bytes, false));
}

std::unique_ptr<TagOrder> Table::makeTagOrder(const std::string &name)
{
    if (!m_index)
        fail(ErrorKind::NotFound, "Table " + m_path + " has no index, so it has no tag " + name);
    if (!m_index->findTag(name))
        fail(ErrorKind::NotFound, "The index file " + m_index->path() + " has no tag " + upperCase(name));
    if (m_index->isStale())
        fail(ErrorKind::Corrupt, "The index file " + m_index->path()
                                     + " is out of date; it is rebuilt when the table is next opened exclusively");
    auto order = std::make_unique<TagOrder>(*m_index, upperCase(name), [this, tag = upperCase(name)](uint32_t recno) {
        return keyOfRecord(tag, recno);
    });
    m_tagOrder = order.get();
    m_liveCount.reset();
    return order;
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
    m_indexName = upperCase(name);
    first();
}

void Table::requireExclusive(const std::string &what) const
{
    requireWritable();
    if (!m_exclusive)
        fail(ErrorKind::Usage, what + " of table " + m_path + " needs exclusive use of the table");
}

void Table::scanRecords(const RecordVisitor &visit)
{
    std::string bytes;
    for (uint32_t recno = 1; recno <= m_count; ++recno) {
        const char *record = recordBytes(recno);
        if (record[0] == kDeleted)
            continue;
        bytes.assign(record, m_header.recordLength);
        visit(recno, BufferView(*this, bytes, false));
    }
}

ScanSource Table::scanSource()
{
    return [this](const RecordVisitor &visit) { scanRecords(visit); };
}

std::vector<bool> Table::taggedFields()
{
    std::vector<bool> tagged(m_header.fields.size(), false);
    if (!m_index)
        return tagged;
    for (const TagInfo &tag : m_index->tags()) {
        const int pos = fieldIndex(trimmed(tag.expression));
        if (pos >= 0)
            tagged[size_t(pos)] = true;
    }
    return tagged;
}

// Other dBASE readers trust byte 28 and the descriptors' byte 31: keep them as the tags are.
void Table::syncIndexFlags()
{
    const uint8_t production = m_index ? 1 : 0;
    if (m_header.productionIndex != production) {
        const char flag = char(production);
        m_dbf.write(28, &flag, 1);
        m_header.productionIndex = production;
        m_written = true;
    }
    const std::vector<bool> tagged = taggedFields();
    for (size_t i = 0; i < tagged.size(); ++i) {
        FieldInfo &f = m_header.fields[i];
        if (f.tagged == tagged[i])
            continue;
        const char flag = tagged[i] ? 1 : 0;
        m_dbf.write(DbfHeader::kFixedSize + i * DbfHeader::kDescriptorSize + 31, &flag, 1);
        f.tagged = tagged[i];
        m_written = true;
    }
}

void Table::addIndex(const std::string &name, const std::string &expression, bool descending)
{
    requireExclusive("Adding index tag " + name);
    checkBrowseMode();
    endIndexSession();
    // Refused expressions fail before any file is made.
    KeyExpression::parse(expression, m_header.fields);
    const bool created = !m_index;
    if (created) {
        const std::string stem = fileNameOf(m_path).substr(0, fileNameOf(m_path).find_last_of('.'));
        m_index = ProductionIndex::create(siblingPath(m_path, ".mdx"), stem, m_header.fields);
    }
    try {
        m_index->addTag(name, expression, descending, scanSource());
    } catch (...) {
        if (created) {
            const std::string path = m_index->path();
            m_index.reset();
            std::remove(path.c_str());
        }
        throw;
    }
    syncIndexFlags();
    flush();
}

void Table::deleteIndex(const std::string &name)
{
    requireExclusive("Deleting index tag " + name);
    checkBrowseMode();
    endIndexSession();
    if (!m_index)
        fail(ErrorKind::NotFound, "Table " + m_path + " has no index, so it has no tag " + name);
    const bool selected = m_tagOrder && m_tagOrder->tagName() == upperCase(name);
    m_index->deleteTag(name);
    if (selected) {
        m_indexName.clear();
        useOrder(nullptr);
    }
    syncIndexFlags();
    flush();
}

void Table::regenerateIndexes()
{
    requireExclusive("Rebuilding the indexes");
    checkBrowseMode();
    endIndexSession();
    if (!m_index)
        return;
    m_index->regenerate(scanSource());
    // The cursor's tree belonged to the old file.
    if (m_tagOrder)
        selectIndex(m_indexName);
    syncIndexFlags();
    flush();
}

KeyBuffer Table::keyBuffer() const
{
    requireOpen();
    return KeyBuffer(m_header.fields);
}

void Table::requireSelectedTag() const
{
    requireOpen();
    if (!m_tagOrder)
        fail(ErrorKind::Usage, "Table " + m_path + " has no index tag selected");
}

// Character keys lose their trailing blanks so that they compare as prefixes.
std::string Table::rangeKey(const KeyBuffer &buffer)
{
    const std::string &tag = m_tagOrder->tagName();
    std::string key = m_index->keyOf(tag, buffer);
    const auto i = m_index->findTag(tag);
    if (i && m_index->tags()[size_t(*i)].keyType == 'C')
        key = std::string(codec::trimRight(key));
    return key;
}

void Table::setRange(const KeyBuffer &start, const KeyBuffer &end)
{
    requireSelectedTag();
    checkBrowseMode();
    m_tagOrder->cursor().setRange(rangeKey(start), rangeKey(end));
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
    return findStoredKey(rangeKey(key), nearest);
}

bool Table::findStoredKey(std::string key, bool nearest)
{
    requireSelectedTag();
    checkBrowseMode();
    if (m_index->isStale())
        fail(ErrorKind::Corrupt, "The index file " + m_index->path() + " is out of date");
    TagCursor &cursor = m_tagOrder->cursor();
    const bool found = nearest ? cursor.seekNearest(key) : cursor.seek(key);
    if (!found)
        return false;
    moveTo(cursor.recNo());
    m_bof = m_eof = false;
    return true;
}

std::vector<std::string> Table::checkIndexes()
{
    requireOpen();
    checkBrowseMode();
    std::vector<std::string> problems;
    if (!m_index) {
        if (m_header.productionIndex)
            problems.push_back("Table " + m_path + " has its production index flag set but no index file");
        return problems;
    }
    if (m_index->isStale())
        problems.push_back("The index file " + m_index->path() + " is marked as being changed (out of date)");
    problems = [&] {
        auto result = checkIndex(*m_index, scanSource()).problems;
        result.insert(result.begin(), problems.begin(), problems.end());
        return result;
    }();
    if (!m_header.productionIndex)
        problems.push_back("Table " + m_path + " has an index file but its production index flag is not set");
    const std::vector<bool> tagged = taggedFields();
    for (size_t i = 0; i < tagged.size(); ++i)
        if (m_header.fields[i].tagged != tagged[i])
            problems.push_back("The tag flag of field " + m_header.fields[i].name + " of " + m_path
                               + " disagrees with the index");
    return problems;
}

} // namespace dbase
