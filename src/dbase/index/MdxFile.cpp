#include "dbase/index/MdxFile.h"

#include "dbase/index/IndexError.h"
#include "dbase/index/MdxLayout.h"

#include <cerrno>
#include <cstdio>
#include <cstring>

namespace dbase {

using namespace mdx;

MdxFile::MdxFile(const std::string &path, PageFile::Mode mode) : file_(path, mode) {}

std::unique_ptr<MdxFile> MdxFile::createBeside(const std::string &path, const std::string &tableName)
{
    std::unique_ptr<MdxFile> file(new MdxFile(path + ".new", PageFile::Mode::CreateNew));
    file->header_ = MdxHeader::fresh(tableName);
    file->writeHeader(true);
    file->file_.truncate(kHeaderBytes);
    Scope scope(*file, false);
    return file;
}

void MdxFile::replace(const std::string &path)
{
    if (std::rename(file_.path().c_str(), path.c_str()) != 0)
        throw IndexError("Cannot replace the index file " + path + ": " + std::strerror(errno));
    file_.setPath(path);
}

void MdxFile::discard() { std::remove(file_.path().c_str()); }

std::unique_ptr<MdxFile> MdxFile::create(const std::string &path, const std::string &tableName)
{
    // Built beside the target and renamed, so an old file stays whole until the new one is.
    auto file = createBeside(path, tableName);
    try {
        file->replace(path);
    } catch (...) {
        file->discard();
        throw;
    }
    return file;
}

std::unique_ptr<MdxFile> MdxFile::open(const std::string &path)
{
    std::unique_ptr<MdxFile> file(new MdxFile(path, PageFile::Mode::OpenExisting));
    Scope scope(*file, false);
    file->stale_ = file->header_.beingModified;
    return file;
}

MdxFile::Scope::Scope(MdxFile &file, bool exclusive) : file_(file) { file_.acquire(exclusive); }

MdxFile::Scope::~Scope() { file_.release(); }

void MdxFile::acquire(bool exclusive)
{
    if (depth_ > 0) {
        if (exclusive && !exclusive_)
            throw IndexError("Cannot change the index file " + path() + " while reading it");
        ++depth_;
        return;
    }
    file_.lock(exclusive);
    depth_ = 1;
    exclusive_ = exclusive;
    try {
        refresh();
    } catch (...) {
        depth_ = 0;
        file_.unlock();
        throw;
    }
}

void MdxFile::release()
{
    if (--depth_ > 0)
        return;
    try {
        if (writing_) {
            file_.flushWrites();
            // A failed build must not look finished: keep the marker for the next open.
            header_.beingModified = stale_;
            if (sizeChanged_)
                file_.truncate(static_cast<uint64_t>(header_.totalPages) * kPageSize);
            writeHeader(slotsChanged_);
        }
    } catch (...) {
        // The marker stays set on disk; the next open reports the index as stale.
    }
    writing_ = false;
    slotsChanged_ = false;
    sizeChanged_ = false;
    file_.unlock();
    if (pendingSealSet_) {
        const std::optional<DeletedSeal> seal = pendingSeal_;
        pendingSealSet_ = false;
        try {
            setDeletedSeal(seal);
        } catch (...) {
            // Without the seal the marks are counted again at the next open.
        }
    }
}

void MdxFile::refresh()
{
    uint8_t first[kPageSize];
    file_.read(0, first, sizeof first);
    MdxHeader probe;
    probe.parseFirstPage(first);
    if (generation_ != 0 && probe.changeCounter == header_.changeCounter &&
        probe.totalPages == header_.totalPages && probe.freeListHead == header_.freeListHead)
        return;
    std::vector<uint8_t> bytes(kHeaderBytes);
    file_.read(0, bytes.data(), bytes.size());
    header_ = MdxHeader::parse(bytes.data(), file_.size(), file_.path());
    // Whoever set the marker held the lock we now hold: it died part-way through a change.
    if (header_.beingModified)
        stale_ = true;
    file_.dropCache();
    ++generation_;
    ++reloads_;
}

void MdxFile::markStaleOnDisk()
{
    Scope scope(*this, true);
    stale_ = true;
    beginWrite();
}

void MdxFile::setDeletedSeal(const std::optional<DeletedSeal> &seal)
{
    if (depth_ > 0) {
        pendingSeal_ = seal;
        pendingSealSet_ = true;
        return;
    }
    if (!file_.tryLock(true))
        return;
    depth_ = 1;
    exclusive_ = true;
    try {
        refresh();
        if (!stale_ && header_.deletedSeal != seal) {
            beginWrite();
            header_.deletedSeal = seal;
        }
    } catch (...) {
        release();
        throw;
    }
    release();
}

void MdxFile::beginWrite()
{
    if (depth_ == 0 || !exclusive_)
        throw IndexError("Cannot change the index file " + path() + " without its lock");
    ++generation_;
    if (writing_)
        return;
    writing_ = true;
    header_.beingModified = true;
    ++header_.changeCounter;
    writeHeader(false);
}

void MdxFile::writeHeader(bool allPages)
{
    std::vector<uint8_t> bytes(kHeaderBytes);
    header_.writeTo(bytes.data());
    file_.write(0, bytes.data(), allPages ? kHeaderBytes : kPageSize);
    std::copy(bytes.begin(), bytes.end(), header_.raw.begin());
}

bool MdxFile::blockInFile(uint32_t page) const
{
    return page >= kFirstTagPage && static_cast<uint64_t>(page) + header_.pagesPerBlock <= header_.totalPages;
}

IndexNodeView MdxFile::view(uint32_t page, const TagHeader &tag)
{
    if (!blockInFile(page))
        throw IndexError("The index file " + path() + " is damaged: page " + std::to_string(page) +
                         " is outside the file");
    const uint8_t *block = file_.block(page, header_.blockSize);
    const IndexNodeView node(block, tag.itemLength, tag.keyLength);
    if (node.count() < 0 || node.count() > tag.keysPerNode)
        throw IndexError("The index file " + path() + " is damaged: page " + std::to_string(page) +
                         " claims " + std::to_string(get32(block)) + " keys");
    return node;
}

void MdxFile::fetch(const std::vector<uint32_t> &pages)
{
    std::vector<uint32_t> inFile;
    inFile.reserve(pages.size());
    for (uint32_t page : pages)
        if (blockInFile(page))
            inFile.push_back(page); // view() reports the others
    file_.fetch(inFile, header_.blockSize);
}

IndexNode MdxFile::node(uint32_t page, const TagHeader &tag)
{
    return IndexNode(page, view(page, tag).data(), header_.blockSize, tag.itemLength, tag.keyLength);
}

IndexNode MdxFile::newNode(uint32_t page, const TagHeader &tag) const
{
    return IndexNode(page, header_.blockSize, tag.itemLength, tag.keyLength);
}

void MdxFile::writeNode(const IndexNode &node)
{
    beginWrite();
    file_.writeBlock(node.page(), node.data(), header_.blockSize);
}

void MdxFile::writeBlocks(uint32_t firstPage, const std::vector<uint8_t> &blocks)
{
    beginWrite();
    file_.write(static_cast<uint64_t>(firstPage) * kPageSize, blocks.data(), blocks.size());
    const auto count = static_cast<uint32_t>(blocks.size() / header_.blockSize);
    for (uint32_t i = 0; i < count; ++i)
        file_.forget(firstPage + i * header_.pagesPerBlock);
}

TagHeader MdxFile::tagHeader(uint32_t page)
{
    if (!blockInFile(page))
        throw IndexError("The index file " + path() + " is damaged: a tag header is outside the file");
    const uint8_t *block = file_.block(page, header_.blockSize);
    return TagHeader::parse(block, header_.blockSize, header_.totalPages, path(), !stale_);
}

void MdxFile::writeTagHeader(uint32_t page, const TagHeader &tag)
{
    beginWrite();
    std::vector<uint8_t> block(header_.blockSize);
    tag.writeTo(block.data(), header_.blockSize);
    file_.writeBlock(page, block.data(), header_.blockSize);
}

void MdxFile::setSlots(std::vector<TagSlot> tagSlots)
{
    // Written at once: blocks freed after this must no longer be named by a slot.
    beginWrite();
    header_.tagSlots = std::move(tagSlots);
    writeHeader(true);
}

uint32_t MdxFile::appendBlock()
{
    beginWrite();
    const uint32_t page = header_.totalPages;
    header_.totalPages += header_.pagesPerBlock;
    sizeChanged_ = true;
    return page;
}

uint32_t MdxFile::allocate()
{
    beginWrite();
    const uint32_t page = header_.freeListHead;
    if (page == 0)
        return appendBlock();
    if (!blockInFile(page))
        throw IndexError("The index file " + path() + " is damaged: its free list points outside the file");
    header_.freeListHead = nextFree(page);
    return page;
}

uint32_t MdxFile::nextFree(uint32_t page)
{
    return get32(file_.block(page, header_.blockSize));
}

void MdxFile::release(uint32_t page)
{
    beginWrite();
    std::vector<uint8_t> block(header_.blockSize, 0);
    put32(block.data(), header_.freeListHead);
    file_.writeBlock(page, block.data(), header_.blockSize);
    header_.freeListHead = page;
}

std::vector<uint8_t> MdxFile::saveHeader() const
{
    std::vector<uint8_t> bytes(kHeaderBytes);
    header_.writeTo(bytes.data());
    return bytes;
}

void MdxFile::restoreHeader(const std::vector<uint8_t> &saved)
{
    beginWrite();
    const bool marker = header_.beingModified;
    const uint32_t counter = header_.changeCounter;
    // The saved bytes described this file a moment ago: no size limit to check them against.
    header_ = MdxHeader::parse(saved.data(), UINT64_MAX, path());
    header_.beingModified = marker;
    header_.changeCounter = counter;
    slotsChanged_ = true;
    file_.dropCache();
    file_.truncate(static_cast<uint64_t>(header_.totalPages) * kPageSize);
}

} // namespace dbase
