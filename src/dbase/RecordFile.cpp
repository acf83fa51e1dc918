#include "dbase/RecordFile.h"

#include "dbase/ByteOrder.h"
#include "dbase/Error.h"
#include "dbase/LockOffsets.h"

#include <algorithm>
#include <cstring>

namespace dbase {

namespace {

constexpr size_t kReadAhead = 64 * 1024;

} // namespace

void RecordFile::open(const std::string &path, bool exclusive)
{
    m_dbf = File(path, File::Mode::ReadWrite);
    m_exclusive = exclusive;
    const bool locked = exclusive ? m_dbf.tryLock(locks::kTableStart, locks::kTableLength, true)
                                  : m_dbf.tryLock(locks::kSharedMarker, 1, false);
    if (!locked)
        throw Error(ErrorKind::Locked, exclusive ? "Table " + path + " is in use by another user"
                                                 : "Table " + path + " is opened exclusively by another user");
    m_header = DbfHeader::read(m_dbf);
    m_countStale = false;
    m_count = 0;
    refreshCount();
    adoptUncountedRecords();
    m_written = false; // adopting synced what it wrote
}

void RecordFile::close()
{
    m_countStale = false;
    m_dbf.close(); // closing the descriptor drops its OFD locks
    m_cache.clear();
    m_cacheCount = 0;
}

uint64_t RecordFile::recordOffset(uint32_t recno) const
{
    return m_header.headerLength + uint64_t(recno - 1) * m_header.recordLength;
}

// The header keeps the count too: callers read it there.
void RecordFile::setCount(uint32_t count)
{
    m_count = count;
    m_header.recordCount = count;
}

void RecordFile::refreshCount()
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
    setCount(count);
}

uint32_t RecordFile::physicalCount(bool refresh)
{
    if (refresh && !m_exclusive)
        refreshCount();
    return m_count;
}

bool RecordFile::isCached(uint32_t recno) const
{
    return recno >= m_cacheFirst && recno < m_cacheFirst + m_cacheCount;
}

char *RecordFile::cached(uint32_t recno)
{
    return m_cache.data() + size_t(recno - m_cacheFirst) * m_header.recordLength;
}

const char *RecordFile::recordBytes(uint32_t recno)
{
    if (!isCached(recno)) {
        // A tag can lead to a record another process appended since the count was read.
        if (recno > m_count)
            physicalCount(true);
        if (recno == 0 || recno > m_count)
            throw Error(ErrorKind::NotFound, "Table " + path() + " has no record " + std::to_string(recno));
        // Reading on from the cached run is a scan and reads ahead; a jump (a bookmark,
        // a tag's next record) reads its record only.
        const bool scanning = m_cacheCount > 0 && recno == m_cacheFirst + m_cacheCount;
        const uint32_t want = scanning ? std::max<uint32_t>(1, uint32_t(kReadAhead / m_header.recordLength)) : 1;
        const uint32_t count = std::min<uint32_t>(want, m_count - recno + 1);
        m_cache.resize(size_t(count) * m_header.recordLength);
        m_dbf.readExact(recordOffset(recno), m_cache.data(), m_cache.size(), "a record");
        m_cacheFirst = recno;
        m_cacheCount = count;
    }
    return cached(recno);
}

bool RecordFile::isDeleted(uint32_t recno)
{
    return recordBytes(recno)[0] == kDeleted;
}

std::vector<bool> RecordFile::deletionMarks()
{
    constexpr size_t kPieceBytes = 1 << 20;
    const uint32_t length = m_header.recordLength;
    const uint32_t perPiece = std::max<uint32_t>(1, uint32_t(kPieceBytes / length));
    std::vector<bool> deleted(size_t(m_count) + 1, false);
    std::vector<char> piece(size_t(perPiece) * length);
    for (uint32_t recno = 1; recno <= m_count; recno += perPiece) {
        const uint32_t records = std::min(perPiece, m_count - recno + 1);
        m_dbf.readExact(recordOffset(recno), piece.data(), size_t(records) * length, "a record");
        for (uint32_t i = 0; i < records; ++i)
            deleted[recno + i] = piece[size_t(i) * length] == kDeleted;
    }
    return deleted;
}

void RecordFile::readFresh(uint32_t recno, std::string &into)
{
    into.resize(m_header.recordLength);
    m_dbf.readExact(recordOffset(recno), into.data(), into.size(), "a record");
    if (isCached(recno))
        std::memcpy(cached(recno), into.data(), into.size());
}

bool RecordFile::tryLockRecord(uint32_t recno)
{
    return m_dbf.tryLock(locks::kRecordBase - recno, 1, true);
}

void RecordFile::unlockRecord(uint32_t recno)
{
    m_dbf.unlock(locks::kRecordBase - recno, 1);
}

ShortLock RecordFile::lockAppends()
{
    ShortLock lock = ShortLock::take([this] { return m_dbf.tryLock(locks::kHeader, 1, true); },
                                     [this] { m_dbf.unlock(locks::kHeader, 1); }, "Table " + path());
    refreshCount();
    return lock;
}

// The record (with the end mark) is in the file before the count grows.
void RecordFile::append(const std::string &record)
{
    const uint32_t recno = m_count + 1;
    std::string bytes = record;
    bytes += kEndOfFile;
    if (m_exclusive) {
        // Nobody else reads the file meanwhile: the mapping saves a system call per record.
        m_dbf.writeMapped(recordOffset(recno), bytes.data(), bytes.size());
        m_countStale = true;
    } else {
        m_dbf.write(recordOffset(recno), bytes.data(), bytes.size());
    }
    setCount(recno);
    m_written = true;
    if (!m_exclusive)
        writeHeaderCount();
}

void RecordFile::rewrite(uint32_t recno, const std::string &record)
{
    // Nobody else reads the file meanwhile: a walk that changes every record
    // would otherwise spend most of its time in system calls.
    if (m_exclusive)
        m_dbf.writeInPlace(recordOffset(recno), record.data(), record.size());
    else
        m_dbf.write(recordOffset(recno), record.data(), record.size());
    m_written = true;
    if (isCached(recno))
        std::memcpy(cached(recno), record.data(), record.size());
}

void RecordFile::markDeleted(uint32_t recno)
{
    m_dbf.write(recordOffset(recno), &kDeleted, 1);
    m_written = true;
    if (isCached(recno))
        *cached(recno) = kDeleted;
}

void RecordFile::finishAppends()
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
void RecordFile::adoptUncountedRecords()
{
    const uint64_t size = m_dbf.size();
    if (m_dbf.isReadOnly() || size <= recordOffset(m_count + 1))
        return;
    const bool lockTaken = !m_exclusive && m_dbf.tryLock(locks::kHeader, 1, true);
    if (!m_exclusive && !lockTaken)
        return;
    refreshCount();
    uint32_t count = m_count;
    char flag = 0;
    while (recordOffset(count + 2) <= size && m_dbf.readSome(recordOffset(count + 1), &flag, 1) == 1
           && (flag == kLive || flag == kDeleted))
        ++count;
    if (count != m_count) {
        setCount(count);
        m_dbf.write(recordOffset(count + 1), &kEndOfFile, 1);
        writeHeaderCount();
        m_dbf.sync();
    }
    if (lockTaken)
        m_dbf.unlock(locks::kHeader, 1);
}

void RecordFile::writeHeaderCount()
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

bool RecordFile::tryTakeWholeTable()
{
    return m_dbf.tryLock(locks::kTableStart, locks::kTableLength, true);
}

// Rebuilding replaced the whole-table lock: the shared marker goes back to a read lock.
void RecordFile::backToShared()
{
    m_dbf.tryLock(locks::kSharedMarker, 1, false);
    m_dbf.unlock(locks::kSharedMarker + 1, locks::kTableLength - 1);
}

void RecordFile::writeIndexFlags(bool production, const std::vector<bool> &taggedFields)
{
    const uint8_t flag = production ? 1 : 0;
    if (m_header.productionIndex != flag) {
        const char byte = char(flag);
        m_dbf.write(28, &byte, 1);
        m_header.productionIndex = flag;
        m_written = true;
    }
    for (size_t i = 0; i < taggedFields.size() && i < m_header.fields.size(); ++i) {
        FieldInfo &f = m_header.fields[i];
        if (f.tagged == taggedFields[i])
            continue;
        const char byte = taggedFields[i] ? 1 : 0;
        m_dbf.write(DbfHeader::kFixedSize + i * DbfHeader::kDescriptorSize + 31, &byte, 1);
        f.tagged = taggedFields[i];
        m_written = true;
    }
}

} // namespace dbase
