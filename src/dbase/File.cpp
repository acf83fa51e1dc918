#include "dbase/File.h"

#include "dbase/Error.h"

#include <cerrno>
#include <cstring>
#include <fcntl.h>
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
    : m_fd(other.m_fd), m_readOnly(other.m_readOnly), m_path(std::move(other.m_path))
{
    other.m_fd = -1;
}

File &File::operator=(File &&other) noexcept
{
    if (this != &other) {
        close();
        m_fd = other.m_fd;
        m_readOnly = other.m_readOnly;
        m_path = std::move(other.m_path);
        other.m_fd = -1;
    }
    return *this;
}

void File::close()
{
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
