#pragma once

#include "dbase/CursorOrder.h"
#include "dbase/DbfHeader.h"
#include "dbase/File.h"
#include "dbase/ShortLock.h"

#include <cstdint>
#include <string>
#include <vector>

namespace dbase {

// The records of an open .DBF: where each lies, how many there are, a read-ahead
// of neighbouring records, and the writes of one record. The header's record
// count follows every change of the count, whether this object appended, adopted
// records a killed process left, or saw another process's appends.
//
// With exclusive use each appended record reaches the file at once through a
// mapping of the file's tail, but the header's count is written at
// finishAppends; open adopts records a crash left beyond the count.
class RecordFile : public PhysicalRecords
{
public:
    static constexpr char kLive = ' ';
    static constexpr char kDeleted = '*';
    static constexpr char kEndOfFile = '\x1A';

    // Opens and locks the table for shared or exclusive use (Locked when others prevent it).
    void open(const std::string &path, bool exclusive);
    void close();

    const std::string &path() const { return m_dbf.path(); }
    bool isReadOnly() const { return m_dbf.isReadOnly(); }
    bool exclusive() const { return m_exclusive; }
    const DbfHeader &header() const { return m_header; }
    uint32_t count() const { return m_count; }

    uint32_t physicalCount(bool refresh) override;
    bool isDeleted(uint32_t recno) override;
    // Every record's deletion mark by record number (index 0 unused), read from the
    // file in large pieces.
    std::vector<bool> deletionMarks();
    File::Stamp stamp() const { return m_dbf.stamp(); }
    // The stored bytes of a record, from the read-ahead; valid until the next read.
    const char *recordBytes(uint32_t recno);
    // Reads a record from the file itself (another process may have changed it).
    void readFresh(uint32_t recno, std::string &into);

    // Shared use: the lock of one record while it is edited (false when another holds it).
    bool tryLockRecord(uint32_t recno);
    void unlockRecord(uint32_t recno);
    // Shared use: holds off other appenders while one record is added, and re-reads the count.
    ShortLock lockAppends();
    // Adds a record after the last; the end mark follows it.
    void append(const std::string &record);
    void rewrite(uint32_t recno, const std::string &record);
    void markDeleted(uint32_t recno);
    // Writes the count that exclusive appends held back and drops the append mapping.
    void finishAppends();
    // Whether anything was written since open.
    bool written() const { return m_written; }
    void sync() { m_dbf.sync(); }

    // Shared use: takes the whole table while no one else has it open, and gives it back.
    bool tryTakeWholeTable();
    void backToShared();

    // Header byte 28 and the descriptors' byte 31, written only where they change.
    void writeIndexFlags(bool production, const std::vector<bool> &taggedFields);

private:
    uint64_t recordOffset(uint32_t recno) const;
    bool isCached(uint32_t recno) const;
    char *cached(uint32_t recno);
    void refreshCount();
    void setCount(uint32_t count);
    void adoptUncountedRecords();
    void writeHeaderCount();

    File m_dbf;
    DbfHeader m_header;
    bool m_exclusive = false;
    uint32_t m_count = 0;
    bool m_written = false;
    bool m_countStale = false;

    std::string m_cache;
    uint32_t m_cacheFirst = 0;
    uint32_t m_cacheCount = 0;
};

} // namespace dbase
