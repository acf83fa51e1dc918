#pragma once

#include <cstddef>
#include <cstdint>
#include <future>
#include <string>

namespace dbase {

// An open file descriptor with whole reads and writes at an offset, and
// open-file-description byte-range locks: they belong to this open file, not
// to the process, so two table objects of one process exclude each other and
// closing another descriptor of the same file drops nothing.
class File
{
public:
    enum class Mode { ReadWrite, ReadOnly, Create };

    File() = default;
    File(const std::string &path, Mode mode);
    ~File();
    File(File &&other) noexcept;
    File &operator=(File &&other) noexcept;
    File(const File &) = delete;
    File &operator=(const File &) = delete;

    bool isOpen() const { return m_fd >= 0; }
    bool isReadOnly() const { return m_readOnly; }
    const std::string &path() const { return m_path; }
    void close();

    uint64_t size() const;
    // What tells one state of the file's bytes from a later one without reading them.
    struct Stamp
    {
        uint64_t size = 0;
        int64_t modifiedNs = 0; // since the epoch
        bool operator==(const Stamp &) const = default;
    };
    Stamp stamp() const;
    // Reads up to n bytes; returns the number read (less only at the end of the file).
    size_t readSome(uint64_t offset, void *data, size_t n) const;
    // Reads exactly n bytes or throws Corrupt naming `what`.
    void readExact(uint64_t offset, void *data, size_t n, const char *what) const;
    void write(uint64_t offset, const void *data, size_t n);
    void truncate(uint64_t size);
    void sync();

    // Writes through a shared writable mapping of the file's tail: each store is
    // in the page cache at once, so a killed process loses nothing, without a
    // system call per call. The file grows ahead in allocated steps; endMapped(fileEnd)
    // drops the mapping and cuts the file back to fileEnd. Stores into the first
    // page (the header) go through a mapping of their own.
    void writeMapped(uint64_t offset, const void *data, size_t n);
    void endMapped(uint64_t fileEnd);
    bool isMapped() const { return m_map != nullptr; }

    // Overwrites bytes the file already holds through a shared mapping of a
    // window around them: like writeMapped, in the page cache at once without
    // a system call per store. For a file nobody else changes meanwhile; falls
    // back to write() where the file has holes or the bytes reach past its end.
    void writeInPlace(uint64_t offset, const void *data, size_t n);

    // Never waits: false when another open file holds a conflicting lock.
    bool tryLock(uint64_t start, uint64_t length, bool exclusive);
    void unlock(uint64_t start, uint64_t length);

private:
    void unmap();
    void unmapHead();
    void unmapInPlace();
    bool mapInPlace(uint64_t offset, size_t n);
    void handOver(uint64_t done);
    void flushInBackground();
    void awaitBackgroundFlush();
    bool writeHead(uint64_t offset, const void *data, size_t n);

    int m_fd = -1;
    char *m_map = nullptr;
    uint64_t m_mapStart = 0;
    size_t m_mapLength = 0;
    uint64_t m_populatedEnd = 0; // file offset up to which the window's pages are in place
    uint64_t m_writtenBackEnd = 0; // file offset up to which the disk was asked to take the stores
    uint64_t m_flushedEnd = 0; // file offset up to which a background flush was started
    std::future<int> m_backgroundFlush; // its errno (0: done)
    int m_flushError = 0; // a failed background flush, told by the next sync
    char *m_headMap = nullptr;
    size_t m_headLength = 0;
    char *m_inPlaceMap = nullptr;
    uint64_t m_inPlaceStart = 0;
    size_t m_inPlaceLength = 0; // never past the file's end when mapped
    bool m_readOnly = false;
    std::string m_path;
};

} // namespace dbase
