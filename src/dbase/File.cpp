#include "dbase/File.h"

#include "dbase/Error.h"

#include <algorithm>
#include <cerrno>
#include <chrono>
#include <cstring>
#include <fcntl.h>
#include <sys/mman.h>
#include <sys/stat.h>
#include <system_error>
#include <unistd.h>
#include <utility>

namespace dbase {

namespace {

constexpr size_t kHeadPage = 4096;

std::string systemMessage(const std::string &what, const std::string &path)
{
    return what + " " + path + ": " + std::strerror(errno);
}

} // namespace

File::File(const std::string &path, Mode mode) : m_path(path)
{
    if (mode == Mode::Create) {
        m_fd = ::open(path.c_str(), O_RDWR | O_CREAT | O_TRUNC | O_CLOEXEC, 0666);
    } else {
        if (mode == Mode::ReadWrite)
            m_fd = ::open(path.c_str(), O_RDWR | O_CLOEXEC);
        if (m_fd < 0 && (mode == Mode::ReadOnly || errno == EACCES || errno == EROFS)) {
            m_fd = ::open(path.c_str(), O_RDONLY | O_CLOEXEC);
            m_readOnly = true;
        }
    }
    if (m_fd < 0)
        throw Error(errno == ENOENT ? ErrorKind::NotFound : ErrorKind::Io,
                    systemMessage("Cannot open", path));
}

File::~File()
{
    close();
}

File::File(File &&other) noexcept
    : m_fd(other.m_fd), m_map(other.m_map), m_mapStart(other.m_mapStart), m_mapLength(other.m_mapLength),
      m_populatedEnd(other.m_populatedEnd), m_writtenBackEnd(other.m_writtenBackEnd),
      m_flushedEnd(other.m_flushedEnd), m_backgroundFlush(std::move(other.m_backgroundFlush)),
      m_flushError(other.m_flushError), m_headMap(other.m_headMap), m_headLength(other.m_headLength),
      m_inPlaceMap(other.m_inPlaceMap), m_inPlaceStart(other.m_inPlaceStart), m_inPlaceLength(other.m_inPlaceLength),
      m_readOnly(other.m_readOnly), m_path(std::move(other.m_path))
{
    other.m_fd = -1;
    other.m_map = nullptr;
    other.m_headMap = nullptr;
    other.m_inPlaceMap = nullptr;
}

File &File::operator=(File &&other) noexcept
{
    if (this != &other) {
        close();
        m_fd = other.m_fd;
        m_map = other.m_map;
        m_mapStart = other.m_mapStart;
        m_mapLength = other.m_mapLength;
        m_populatedEnd = other.m_populatedEnd;
        m_writtenBackEnd = other.m_writtenBackEnd;
        m_flushedEnd = other.m_flushedEnd;
        m_backgroundFlush = std::move(other.m_backgroundFlush);
        m_flushError = other.m_flushError;
        m_headMap = other.m_headMap;
        m_headLength = other.m_headLength;
        m_inPlaceMap = other.m_inPlaceMap;
        m_inPlaceStart = other.m_inPlaceStart;
        m_inPlaceLength = other.m_inPlaceLength;
        m_readOnly = other.m_readOnly;
        m_path = std::move(other.m_path);
        other.m_fd = -1;
        other.m_map = nullptr;
        other.m_headMap = nullptr;
        other.m_inPlaceMap = nullptr;
    }
    return *this;
}

void File::close()
{
    awaitBackgroundFlush();
    unmap();
    unmapHead();
    unmapInPlace();
    if (m_fd >= 0)
        ::close(m_fd);
    m_fd = -1;
}

uint64_t File::size() const
{
    struct stat st {};
    if (::fstat(m_fd, &st) != 0)
        throw Error(ErrorKind::Io, systemMessage("Cannot get the size of", m_path));
    return uint64_t(st.st_size);
}

File::Stamp File::stamp() const
{
    struct stat st {};
    if (::fstat(m_fd, &st) != 0)
        throw Error(ErrorKind::Io, systemMessage("Cannot get the size of", m_path));
    return {uint64_t(st.st_size), int64_t(st.st_mtim.tv_sec) * 1000000000 + st.st_mtim.tv_nsec};
}

size_t File::readSome(uint64_t offset, void *data, size_t n) const
{
    size_t done = 0;
    while (done < n) {
        const ssize_t got = ::pread(m_fd, static_cast<char *>(data) + done, n - done, off_t(offset + done));
        if (got < 0) {
            if (errno == EINTR)
                continue;
            throw Error(ErrorKind::Io, systemMessage("Cannot read", m_path));
        }
        if (got == 0)
            break;
        done += size_t(got);
    }
    return done;
}

void File::readExact(uint64_t offset, void *data, size_t n, const char *what) const
{
    if (readSome(offset, data, n) != n)
        throw Error(ErrorKind::Corrupt, std::string("File ") + m_path + " is damaged: " + what + " is cut short");
}

void File::write(uint64_t offset, const void *data, size_t n)
{
    size_t done = 0;
    while (done < n) {
        const ssize_t put = ::pwrite(m_fd, static_cast<const char *>(data) + done, n - done, off_t(offset + done));
        if (put < 0) {
            if (errno == EINTR)
                continue;
            throw Error(ErrorKind::Io, systemMessage("Cannot write", m_path));
        }
        done += size_t(put);
    }
}

void File::truncate(uint64_t size)
{
    // A store into a page cut from the file would kill the process.
    unmapHead();
    unmapInPlace();
    if (::ftruncate(m_fd, off_t(size)) != 0)
        throw Error(ErrorKind::Io, systemMessage("Cannot truncate", m_path));
}

void File::sync()
{
    awaitBackgroundFlush();
    if (m_fd < 0 || m_readOnly)
        return;
    if (::fsync(m_fd) != 0 || m_flushError != 0) {
        if (m_flushError != 0)
            errno = std::exchange(m_flushError, 0);
        throw Error(ErrorKind::Io, systemMessage("Cannot flush", m_path));
    }
}

// The disk keeps what it was handed in a cache of its own until a flush; flushing
// the finished pieces now and then on another thread spreads that wait over the
// stores, so a closing sync waits for the last pieces only.
void File::flushInBackground()
{
    if (m_backgroundFlush.valid()) {
        if (m_backgroundFlush.wait_for(std::chrono::seconds(0)) != std::future_status::ready)
            return;
        awaitBackgroundFlush();
    }
    const int fd = m_fd;
    try {
        m_backgroundFlush = std::async(std::launch::async, [fd] { return ::fdatasync(fd) == 0 ? 0 : errno; });
    } catch (const std::system_error &) {
        // No thread to spare: the closing sync does it all.
    }
}

void File::awaitBackgroundFlush()
{
    if (!m_backgroundFlush.valid())
        return;
    if (const int error = m_backgroundFlush.get(); error != 0 && m_flushError == 0)
        m_flushError = error;
}

void File::unmap()
{
    if (m_map)
        ::munmap(m_map, m_mapLength);
    m_map = nullptr;
    m_mapLength = 0;
}

void File::unmapHead()
{
    if (m_headMap)
        ::munmap(m_headMap, kHeadPage);
    m_headMap = nullptr;
}

void File::unmapInPlace()
{
    if (m_inPlaceMap)
        ::munmap(m_inPlaceMap, m_inPlaceLength);
    m_inPlaceMap = nullptr;
    m_inPlaceLength = 0;
}

namespace {

constexpr uint64_t kHugePage = 2u << 20;

uint64_t roundUp(uint64_t n, uint64_t unit) { return (n + unit - 1) / unit * unit; }

// Maps length bytes of the file at start (a multiple of 2 MB) at an address
// aligned alike, so the kernel can back the window with huge pages: on
// virtual machines the first store into each small page of a fresh mapping
// costs far more than copying the record.
char *mapAligned(int fd, uint64_t start, size_t length)
{
    const size_t reserved = length + kHugePage;
    void *area = ::mmap(nullptr, reserved, PROT_NONE, MAP_PRIVATE | MAP_ANONYMOUS | MAP_NORESERVE, -1, 0);
    if (area == MAP_FAILED)
        return nullptr;
    char *const base = static_cast<char *>(area);
    char *const aligned = reinterpret_cast<char *>(roundUp(reinterpret_cast<uintptr_t>(base), kHugePage));
    void *map = ::mmap(aligned, length, PROT_READ | PROT_WRITE, MAP_SHARED | MAP_FIXED, fd, off_t(start));
    if (map == MAP_FAILED) {
        ::munmap(base, reserved);
        return nullptr;
    }
    if (aligned > base)
        ::munmap(base, size_t(aligned - base));
    if (char *const end = aligned + length; end < base + reserved)
        ::munmap(end, size_t(base + reserved - end));
    // A hint; older kernels refuse it.
    ::madvise(aligned, length, MADV_HUGEPAGE);
    return aligned;
}

} // namespace

// Only bytes the file held when the page was mapped: a store past the end of a
// mapped file would be lost.
bool File::writeHead(uint64_t offset, const void *data, size_t n)
{
    if (!m_headMap) {
        const size_t held = size_t(std::min<uint64_t>(size(), kHeadPage));
        void *map = held ? ::mmap(nullptr, kHeadPage, PROT_READ | PROT_WRITE, MAP_SHARED, m_fd, 0) : MAP_FAILED;
        if (map == MAP_FAILED)
            return false;
        m_headMap = static_cast<char *>(map);
        m_headLength = held;
    }
    if (offset + n > m_headLength)
        return false;
    std::memcpy(m_headMap + offset, data, n);
    return true;
}

void File::writeMapped(uint64_t offset, const void *data, size_t n)
{
    constexpr size_t kStep = 8u << 20;
    if (offset + n <= kHeadPage && (!m_map || offset < m_mapStart)) {
        if (!writeHead(offset, data, n))
            write(offset, data, n);
        return;
    }
    if (!m_map || offset < m_mapStart || offset + n > m_mapStart + m_mapLength) {
        const uint64_t start = offset / kHugePage * kHugePage;
        unmap();
        const size_t length = std::max<size_t>(kStep, size_t(roundUp(offset + n - start, kHugePage)));
        // Real blocks, not a sparse hole: a store into a hole on a full disk would
        // kill the process instead of failing the write cleanly.
        char *map = ::fallocate(m_fd, 0, off_t(start), off_t(length)) == 0 ? mapAligned(m_fd, start, length) : nullptr;
        if (!map) {
            // The plain write keeps every record too, and reports a full disk as an error.
            write(offset, data, n);
            return;
        }
        m_map = map;
        m_mapStart = start;
        m_mapLength = length;
        m_populatedEnd = start;
        if (m_writtenBackEnd > start || m_writtenBackEnd + kStep < start)
            m_writtenBackEnd = start;
    }
    // Stores go forward: whole 2 MB pieces before this one are written for good.
    if (const uint64_t done = offset / kHugePage * kHugePage; done > m_writtenBackEnd)
        handOver(done);
    // Pages are put in place 2 MB at a time, in one call (each first store into a page
    // would otherwise fault on its own), and no further than the stores reach: the
    // window's unused end is cut off again.
    if (offset + n > m_populatedEnd) {
        const uint64_t end = std::min<uint64_t>(roundUp(offset + n, kHugePage), m_mapStart + m_mapLength);
        // A hint; older kernels refuse it and the stores fault page by page.
        ::madvise(m_map + (m_populatedEnd - m_mapStart), size_t(end - m_populatedEnd), MADV_POPULATE_WRITE);
        m_populatedEnd = end;
    }
    std::memcpy(m_map + (offset - m_mapStart), data, n);
}

// The pieces before `done` go to the disk while the stores go on, so a closing sync
// waits less. They leave the window first: writing back a page that is still mapped
// write-protects it, one interrupt of the other processor per page.
void File::handOver(uint64_t done)
{
    if (done > m_mapStart) {
        const size_t cut = size_t(done - m_mapStart);
        ::munmap(m_map, cut);
        m_map += cut;
        m_mapStart = done;
        m_mapLength -= cut;
    }
    ::sync_file_range(m_fd, off_t(m_writtenBackEnd), off_t(done - m_writtenBackEnd), SYNC_FILE_RANGE_WRITE);
    m_writtenBackEnd = done;
    constexpr uint64_t kFlushStep = 16u << 20;
    if (done >= m_flushedEnd + kFlushStep || done < m_flushedEnd) {
        flushInBackground();
        m_flushedEnd = done;
    }
}

void File::writeInPlace(uint64_t offset, const void *data, size_t n)
{
    const bool held = m_inPlaceMap && offset >= m_inPlaceStart && offset + n <= m_inPlaceStart + m_inPlaceLength;
    if (held || mapInPlace(offset, n))
        std::memcpy(m_inPlaceMap + (offset - m_inPlaceStart), data, n);
    else
        write(offset, data, n);
}

// A window of a few megabytes from the page that holds `offset`, cut at the
// file's end. Only a file without holes: a first store into a hole on a full
// disk would kill the process instead of failing the write cleanly.
bool File::mapInPlace(uint64_t offset, size_t n)
{
    constexpr uint64_t kWindow = 8u << 20;
    unmapInPlace();
    struct stat st {};
    if (m_readOnly || ::fstat(m_fd, &st) != 0)
        return false;
    const uint64_t fileEnd = uint64_t(st.st_size);
    if (offset + n > fileEnd || uint64_t(st.st_blocks) * 512 < fileEnd)
        return false;
    const uint64_t start = offset / kHeadPage * kHeadPage;
    const size_t length = size_t(std::min<uint64_t>(std::max<uint64_t>(kWindow, offset + n - start), fileEnd - start));
    void *map = ::mmap(nullptr, length, PROT_READ | PROT_WRITE, MAP_SHARED, m_fd, off_t(start));
    if (map == MAP_FAILED)
        return false;
    m_inPlaceMap = static_cast<char *>(map);
    m_inPlaceStart = start;
    m_inPlaceLength = length;
    return true;
}

void File::endMapped(uint64_t fileEnd)
{
    if (!m_map)
        return;
    unmap();
    truncate(fileEnd);
}

bool File::tryLock(uint64_t start, uint64_t length, bool exclusive)
{
    struct flock fl {};
    fl.l_type = exclusive ? F_WRLCK : F_RDLCK;
    fl.l_whence = SEEK_SET;
    fl.l_start = off_t(start);
    fl.l_len = off_t(length);
    if (::fcntl(m_fd, F_OFD_SETLK, &fl) == 0)
        return true;
    if (errno == EAGAIN || errno == EACCES)
        return false;
    throw Error(ErrorKind::Io, systemMessage("Cannot lock", m_path));
}

void File::unlock(uint64_t start, uint64_t length)
{
    struct flock fl {};
    fl.l_type = F_UNLCK;
    fl.l_whence = SEEK_SET;
    fl.l_start = off_t(start);
    fl.l_len = off_t(length);
    ::fcntl(m_fd, F_OFD_SETLK, &fl);
}

} // namespace dbase
