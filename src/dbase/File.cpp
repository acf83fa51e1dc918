#include "dbase/File.h"

#include "dbase/Error.h"

#include <algorithm>
#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <sys/mman.h>
#include <sys/stat.h>
#include <unistd.h>

namespace dbase {

namespace {

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
      m_readOnly(other.m_readOnly), m_path(std::move(other.m_path))
{
    other.m_fd = -1;
    other.m_map = nullptr;
}

File &File::operator=(File &&other) noexcept
{
    if (this != &other) {
        close();
        m_fd = other.m_fd;
        m_map = other.m_map;
        m_mapStart = other.m_mapStart;
        m_mapLength = other.m_mapLength;
        m_readOnly = other.m_readOnly;
        m_path = std::move(other.m_path);
        other.m_fd = -1;
        other.m_map = nullptr;
    }
    return *this;
}

void File::close()
{
    unmap();
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
    if (::ftruncate(m_fd, off_t(size)) != 0)
        throw Error(ErrorKind::Io, systemMessage("Cannot truncate", m_path));
}

void File::sync()
{
    if (m_fd >= 0 && !m_readOnly && ::fsync(m_fd) != 0)
        throw Error(ErrorKind::Io, systemMessage("Cannot flush", m_path));
}

void File::unmap()
{
    if (m_map)
        ::munmap(m_map, m_mapLength);
    m_map = nullptr;
    m_mapLength = 0;
}

void File::writeMapped(uint64_t offset, const void *data, size_t n)
{
    constexpr uint64_t kPage = 4096;
    constexpr size_t kStep = 8u << 20;
    if (!m_map || offset < m_mapStart || offset + n > m_mapStart + m_mapLength) {
        unmap();
        const uint64_t start = offset / kPage * kPage;
        const size_t length = std::max<size_t>(kStep, size_t(offset + n - start));
        // Real blocks, not a sparse hole: a store into a hole on a full disk would
        // kill the process instead of failing the write cleanly.
        void *map = ::fallocate(m_fd, 0, off_t(start), off_t(length)) == 0
                        ? ::mmap(nullptr, length, PROT_READ | PROT_WRITE, MAP_SHARED, m_fd, off_t(start))
                        : MAP_FAILED;
        if (map == MAP_FAILED) {
            // The plain write keeps every record too, and reports a full disk as an error.
            write(offset, data, n);
            return;
        }
        m_map = static_cast<char *>(map);
        m_mapStart = start;
        m_mapLength = length;
    }
    std::memcpy(m_map + (offset - m_mapStart), data, n);
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
