#pragma once

#include <cstdint>
#include <string>
#include <unordered_map>
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
    PageFile(const std::string &path, Mode mode);
    ~PageFile();
    PageFile(const PageFile &) = delete;
    PageFile &operator=(const PageFile &) = delete;

    const std::string &path() const { return path_; }
    void setPath(const std::string &path) { path_ = path; }
    uint64_t size() const;

    void lock(bool exclusive);
    void unlock();

    // Reads bypass the cache; block reads go through it.
    void read(uint64_t offset, uint8_t *data, size_t length) const;
    void write(uint64_t offset, const uint8_t *data, size_t length);
    void truncate(uint64_t length);
    void sync();

    // Blocks by first page; the cache is dropped whenever another writer may have changed the file.
    const std::vector<uint8_t> &block(uint32_t page, uint32_t blockSize);
    // Written blocks wait in the cache until flushWrites(), so a block changed
    // many times under one lock reaches the file once. Callers flush before
    // they let go of the lock or clear the being-modified marker.
    void writeBlock(uint32_t page, const uint8_t *data, uint32_t blockSize);
    void flushWrites();
    void dropCache();
    void forget(uint32_t page);

private:
    std::string path_;
    int fd_ = -1;
    std::unordered_map<uint32_t, std::vector<uint8_t>> cache_;
    std::unordered_set<uint32_t> dirty_;
};

} // namespace dbase
