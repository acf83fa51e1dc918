#include "dbase/index/PageFile.h"

#include "dbase/index/IndexError.h"
#include "dbase/index/MdxLayout.h"

#include <algorithm>
#include <cerrno>
#include <climits>
#include <cstring>
#include <fcntl.h>
#include <sys/stat.h>
#include <sys/uio.h>
#include <unistd.h>

namespace dbase {

namespace {

constexpr off_t kIndexLockOffset = 0xEFFFFFFEll;

std::string reason() { return std::strerror(errno); }

} // namespace

// Bounded memory for huge files: past maxCachedBlocks the least recently used block goes.
PageFile::PageFile(const std::string &path, Mode mode, size_t maxCachedBlocks)
    : path_(path), cache_(maxCachedBlocks)
{
    const int flags = O_RDWR | O_CLOEXEC | (mode == Mode::CreateNew ? O_CREAT | O_TRUNC : 0);
    fd_ = ::open(path.c_str(), flags, 0644);
    if (fd_ < 0)
        throw IndexError("Cannot open the index file " + path + ": " + reason());
}

PageFile::~PageFile()
{
    if (fd_ >= 0)
        ::close(fd_);
}

uint64_t PageFile::size() const
{
    struct stat st{};
    if (::fstat(fd_, &st) != 0)
        throw IndexError("Cannot read the size of the index file " + path_ + ": " + reason());
    return static_cast<uint64_t>(st.st_size);
}

namespace {

int setIndexLock(int fd, short type, int command)
{
    struct flock fl{};
    fl.l_type = type;
    fl.l_whence = SEEK_SET;
    fl.l_start = kIndexLockOffset;
    fl.l_len = 1;
    return ::fcntl(fd, command, &fl);
}

} // namespace

void PageFile::lock(bool exclusive)
{
    while (setIndexLock(fd_, exclusive ? F_WRLCK : F_RDLCK, F_OFD_SETLKW) != 0) {
        if (errno != EINTR)
            throw IndexError("Cannot lock the index file " + path_ + ": " + reason());
    }
}

bool PageFile::tryLock(bool exclusive)
{
    return setIndexLock(fd_, exclusive ? F_WRLCK : F_RDLCK, F_OFD_SETLK) == 0;
}

void PageFile::unlock() { setIndexLock(fd_, F_UNLCK, F_OFD_SETLK); }

namespace {

// Repeats a positioned read or write until every byte moved or it stops; returns the bytes moved.
template <typename Transfer>
size_t transferAll(size_t length, Transfer transfer)
{
    size_t done = 0;
    errno = 0;
    while (done < length) {
        const ssize_t n = transfer(done);
        if (n < 0 && errno == EINTR)
            continue;
        if (n <= 0)
            break;
        done += static_cast<size_t>(n);
    }
    return done;
}

} // namespace

void PageFile::read(uint64_t offset, uint8_t *data, size_t length) const
{
    const size_t done = transferAll(length, [&](size_t at) {
        return ::pread(fd_, data + at, length - at, static_cast<off_t>(offset + at));
    });
    if (done < length && errno != 0)
        throw IndexError("Cannot read the index file " + path_ + ": " + reason());
    if (done < length)
        throw IndexError("The index file " + path_ + " is damaged: it ends before byte " +
                         std::to_string(offset + length));
}

void PageFile::write(uint64_t offset, const uint8_t *data, size_t length)
{
    const size_t done = transferAll(length, [&](size_t at) {
        return ::pwrite(fd_, data + at, length - at, static_cast<off_t>(offset + at));
    });
    if (done < length)
        throw IndexError("Cannot write the index file " + path_ + ": " + reason());
}

void PageFile::truncate(uint64_t length)
{
    // Blocks past a new, shorter end must not come back with the next flush or read.
    const bool shrinking = length < size();
    if (shrinking) {
        cache_.removeIf([&](uint32_t page, const uint8_t *) {
            const bool past = static_cast<uint64_t>(page) * mdx::kPageSize + cache_.blockSize() > length;
            if (past)
                dirty_.erase(page);
            return past;
        });
    }
    if (::ftruncate(fd_, static_cast<off_t>(length)) != 0)
        throw IndexError("Cannot write the index file " + path_ + ": " + reason());
}

void PageFile::sync() { ::fdatasync(fd_); }

const uint8_t *PageFile::block(uint32_t page, uint32_t blockSize)
{
    if (blockSize == cache_.blockSize())
        if (const uint8_t *cached = cache_.find(page))
            return cached;
    const uint32_t pagesPerBlock = blockSize / mdx::kPageSize;
    const bool walking = page == lastRead_ + pagesPerBlock;
    lastRead_ = page;
    if (walking && readAhead(page, blockSize))
        return cache_.find(page);
    uint8_t *data = place(page, blockSize);
    try {
        read(static_cast<uint64_t>(page) * mdx::kPageSize, data, blockSize);
    } catch (...) {
        forget(page);
        throw;
    }
    return data;
}

size_t PageFile::readSpan(uint64_t offset, size_t length)
{
    ahead_.resize(std::max(ahead_.size(), length));
    return transferAll(length, [&](size_t at) {
        return ::pread(fd_, ahead_.data() + at, length - at, static_cast<off_t>(offset + at));
    });
}

bool PageFile::readAhead(uint32_t page, uint32_t blockSize)
{
    constexpr size_t kAheadBlocks = 32;
    const uint32_t pagesPerBlock = blockSize / mdx::kPageSize;
    const size_t got = readSpan(static_cast<uint64_t>(page) * mdx::kPageSize, kAheadBlocks * blockSize);
    const size_t blocks = got / blockSize;
    if (blocks == 0)
        return false;
    // Backwards, so the block asked for is placed last and no neighbour's placement can
    // take its buffer; cached blocks (changed ones among them) are newer than the file.
    for (size_t i = blocks; i-- > 0;) {
        const uint32_t at = page + static_cast<uint32_t>(i) * pagesPerBlock;
        if (i == 0 || !cache_.contains(at))
            std::memcpy(place(at, blockSize), ahead_.data() + i * blockSize, blockSize);
    }
    lastRead_ = page + static_cast<uint32_t>(blocks - 1) * pagesPerBlock;
    return true;
}

void PageFile::fetch(const std::vector<uint32_t> &pages, uint32_t blockSize)
{
    // Copying a few blocks between two wanted ones costs less than a read of its own.
    constexpr uint32_t kMaxGapBlocks = 8;
    constexpr uint32_t kMaxReadBlocks = 128;
    const uint32_t pagesPerBlock = blockSize / mdx::kPageSize;
    const auto cached = [&](uint32_t page) { return blockSize == cache_.blockSize() && cache_.contains(page); };
    size_t i = 0;
    while (i < pages.size()) {
        if (cached(pages[i])) {
            ++i;
            continue;
        }
        const uint32_t first = pages[i];
        size_t end = i + 1;
        while (end < pages.size() && pages[end] - pages[end - 1] <= kMaxGapBlocks * pagesPerBlock &&
               pages[end] - first < kMaxReadBlocks * pagesPerBlock)
            ++end;
        const size_t length = size_t(pages[end - 1] - first) * mdx::kPageSize + blockSize;
        const size_t got = readSpan(static_cast<uint64_t>(first) * mdx::kPageSize, length);
        // Blocks the file does not hold whole are left to block(), which reports them.
        for (; i < end; ++i) {
            const size_t at = size_t(pages[i] - first) * mdx::kPageSize;
            if (at + blockSize <= got && !cached(pages[i]))
                std::memcpy(place(pages[i], blockSize), ahead_.data() + at, blockSize);
        }
    }
}

void PageFile::writeBlock(uint32_t page, const uint8_t *data, uint32_t blockSize)
{
    std::memcpy(place(page, blockSize), data, blockSize);
    dirty_.insert(page);
}

uint8_t *PageFile::place(uint32_t page, uint32_t blockSize)
{
    if (blockSize != cache_.blockSize()) {
        flushWrites();
        cache_.setBlockSize(blockSize);
    }
    // Still under the lock and marker of the change that wrote it.
    const BlockCache::Placement placed = cache_.place(page);
    if (placed.displacedBlock && dirty_.erase(placed.displaced) != 0)
        writeOut(placed.displaced, placed.data);
    return placed.data;
}

void PageFile::writeOut(uint32_t page, const uint8_t *data)
{
    write(static_cast<uint64_t>(page) * mdx::kPageSize, data, cache_.blockSize());
}

// Neighbouring blocks go out in one vectored write each run.
void PageFile::flushWrites()
{
    if (dirty_.empty())
        return;
    std::vector<uint32_t> pages(dirty_.begin(), dirty_.end());
    std::sort(pages.begin(), pages.end());
    std::vector<iovec> run;
    uint64_t runStart = 0, runEnd = 0;
    auto writeRun = [&] {
        size_t at = 0;
        while (at < run.size()) {
            const size_t count = std::min<size_t>(run.size() - at, IOV_MAX);
            uint64_t bytes = 0;
            for (size_t i = at; i < at + count; ++i)
                bytes += run[i].iov_len;
            // Short vectored writes are rare; the plain write finishes such a run.
            const ssize_t put = ::pwritev(fd_, run.data() + at, static_cast<int>(count), static_cast<off_t>(runStart));
            if (put != static_cast<ssize_t>(bytes)) {
                for (size_t i = at; i < at + count; ++i) {
                    write(runStart, static_cast<const uint8_t *>(run[i].iov_base), run[i].iov_len);
                    runStart += run[i].iov_len;
                }
            } else {
                runStart += bytes;
            }
            at += count;
        }
        run.clear();
    };
    for (uint32_t page : pages) {
        uint8_t *data = cache_.find(page);
        const uint64_t offset = static_cast<uint64_t>(page) * mdx::kPageSize;
        if (run.empty() || offset != runEnd) {
            writeRun();
            runStart = offset;
        }
        run.push_back({data, cache_.blockSize()});
        runEnd = offset + cache_.blockSize();
    }
    writeRun();
    dirty_.clear();
}

void PageFile::dropCache()
{
    flushWrites();
    cache_.clear();
    lastRead_ = 0;
}

void PageFile::forget(uint32_t page)
{
    dirty_.erase(page);
    cache_.remove(page);
}

} // namespace dbase
