#pragma once

#include "dbase/File.h"

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace dbase {

// The memo file (.DBT) of a table: memo text and binary pictures, each value a
// chain of consecutive blocks. dBASE IV files keep a free list of block runs
// that a changed or cleared value returns its blocks to; dBASE III files are
// read, and written by appending only.
class MemoFile
{
public:
    enum class Format { Dbase3, Dbase4 };
    static constexpr uint32_t kBlockSize = 512;

    // The memo format that goes with a table's version byte.
    static Format formatFor(uint8_t tableVersion);

    // Writes an empty memo file (header block only) at path.
    static void create(const std::string &path, Format format);

    MemoFile(const std::string &path, Format format, bool readOnly);

    const std::string &path() const { return m_file.path(); }
    Format format() const { return m_format; }
    uint32_t blockSize() const { return m_blockSize; }

    // The value starting at block; throws Corrupt when the block chain does not fit the file.
    std::string read(uint32_t block) const;
    // Stores a value in the first free run that fits (else at the end); returns its first block.
    uint32_t write(std::string_view data);
    // Returns the blocks of the value at block to the free list.
    void release(uint32_t block);

    // Re-reads the header and free list (another process may have written).
    void reload();
    void sync() { m_file.sync(); }

    // While nobody else may use the file, values and the header are stored
    // through mappings (no system call each) and released blocks reach the saved
    // free list later; finishWrites() saves the list, ends the mappings and cuts
    // the file back to its used end.
    void setSoleWriter(bool sole) { m_soleWriter = sole && !m_file.isReadOnly(); }
    void finishWrites();

    // Short critical section for shared use of the free list.
    bool tryLock();
    void unlock();

private:
    struct Run
    {
        uint32_t start;
        uint32_t count;
    };

    uint32_t blocksFor(uint64_t bytes) const { return uint32_t((bytes + m_blockSize - 1) / m_blockSize); }
    uint64_t valueStart(uint32_t block, char *into, size_t length, size_t &got) const;
    void loadFreeList();
    void saveFreeList();
    void store(uint64_t offset, const char *data, size_t n, bool atEnd);
    [[noreturn]] void damaged(const std::string &why) const;

    File m_file;
    Format m_format;
    uint32_t m_blockSize = kBlockSize;
    uint32_t m_endBlock = 1; // the block where the file's used space ends
    std::vector<Run> m_free; // sorted, not touching one another
    // The free list as the file holds it (read or last saved): a save writes only
    // the links that differ, not one per free run.
    struct Link
    {
        uint32_t start, next, count;
        bool operator==(const Link &) const = default;
    };
    std::vector<Link> m_savedLinks; // by start
    uint32_t m_savedHead = 0;
    bool m_soleWriter = false;
    bool m_freeListUnsaved = false; // released runs a sole writer has not saved yet
};

} // namespace dbase
