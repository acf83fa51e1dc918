#pragma once

#include "dbase/index/BlockCache.h"

#include <cstdint>
#include <string>
#include <unordered_set>
#include <vector>

namespace dbase {

// An index file opened for shared use: reads and writes whole pages, keeps a cache
// of blocks, and takes the index lock (1 byte at 0xEFFFFFFE) as an open-file-
// description lock, which stays per open file even when other descriptors close.
class PageFile
{
public:
    enum class Mode { OpenExisting, CreateNew };
    // Room for a 1,000,000-card name tag (128 MB in 1 KB blocks): counts along a tag
    // that does not fit read every leaf from the file again.
    static constexpr size_t kDefaultMaxBlocks = 1 << 17;
    PageFile(const std::string &path, Mode mode, size_t maxCachedBlocks = kDefaultMaxBlocks);
    ~PageFile();
    PageFile(const PageFile &) = delete;
    PageFile &operator=(const PageFile &) = delete;

    const std::string &path() const { return path_; }
    void setPath(const std::string &path) { path_ = path; }
    uint64_t size() const;

    void lock(bool exclusive);
    // Never waits: false while another open file holds a conflicting lock.
    bool tryLock(bool exclusive);
    void unlock();

    // Reads bypass the cache; block reads go through it.
    void read(uint64_t offset, uint8_t *data, size_t length) const;
    void write(uint64_t offset, const uint8_t *data, size_t length);
    void truncate(uint64_t length);
    void sync();

    // Blocks by first page; the cache is dropped whenever another writer may have changed the file.
    // A full cache lets go of a block not used lately. The bytes hold until the next
    // block read or write. All blocks of a file have one size.
    const uint8_t *block(uint32_t page, uint32_t blockSize);
    // Written blocks wait in the cache until flushWrites(), so a block changed
    // many times under one lock reaches the file once. Callers flush before
    // they let go of the lock or clear the being-modified marker.
    void writeBlock(uint32_t page, const uint8_t *data, uint32_t blockSize);
    void flushWrites();
    // Puts the blocks of the given pages (ascending) in the cache, reading blocks not
    // there yet that lie close together with one read: the leaves of a tree counted
    // whole, which lie all over the file once keys came one at a time.
    void fetch(const std::vector<uint32_t> &pages, uint32_t blockSize);
    void dropCache();
    void forget(uint32_t page);

private:
    std::string path_;
    int fd_ = -1;
    // The buffer for a block; a changed block it takes the place of is written first.
    uint8_t *place(uint32_t page, uint32_t blockSize);
    // Reads the block and those after it that are not cached in one go; false when
    // not even the block could be read whole.
    bool readAhead(uint32_t page, uint32_t blockSize);
    // Up to length bytes of the file from offset into ahead_; returns how many came
    // (fewer at the file's end).
    size_t readSpan(uint64_t offset, size_t length);
    void writeOut(uint32_t page, const uint8_t *data);

    BlockCache cache_;
    std::unordered_set<uint32_t> dirty_;
    // The last block read from the file: a read of the block after it is taken for a
    // walk along a tag's leaves, which a built tag lays out one after another.
    uint32_t lastRead_ = 0;
    std::vector<uint8_t> ahead_;
};

} // namespace dbase
