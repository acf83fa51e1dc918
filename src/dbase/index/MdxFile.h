#pragma once

#include "dbase/index/IndexNode.h"
#include "dbase/index/MdxHeader.h"
#include "dbase/index/PageFile.h"
#include "dbase/index/TagHeader.h"

#include <cstdint>
#include <memory>
#include <string>

namespace dbase {

// The .MDX file below the tags: header, page allocation with the free list, and the
// lock discipline. Every access happens inside a Scope holding the index lock; the
// outermost scope re-reads the first page and drops cached blocks when another
// process changed the file. A write scope sets the being-modified marker before its
// first write and clears it when it ends.
class MdxFile
{
public:
    static std::unique_ptr<MdxFile> create(const std::string &path, const std::string &tableName);
    // An empty index at path + ".new", to be filled and then moved over path with replace().
    static std::unique_ptr<MdxFile> createBeside(const std::string &path, const std::string &tableName);
    // Renames this file to path, replacing what was there in one step.
    void replace(const std::string &path);
    // Removes a file made by createBeside that will not be used.
    void discard();
    static std::unique_ptr<MdxFile> open(const std::string &path);

    class Scope
    {
    public:
        Scope(MdxFile &file, bool exclusive);
        ~Scope();
        Scope(const Scope &) = delete;
        Scope &operator=(const Scope &) = delete;

    private:
        MdxFile &file_;
    };

    const std::string &path() const { return file_.path(); }
    const MdxHeader &header() const { return header_; }
    // Grows whenever cached structures may be out of date (own writes, other writers).
    uint64_t generation() const { return generation_; }
    // Grows only when the header was read again from disk (tag definitions may differ).
    uint64_t reloads() const { return reloads_; }
    // The marker was found set at open, or a change failed part-way: tags need rebuilding.
    bool isStale() const { return stale_; }
    void markStale() { stale_ = true; }
    // Sets the being-modified marker in the file and leaves it set until a regeneration.
    void markStaleOnDisk();
    // As read with the header (call inside a scope).
    const std::optional<DeletedSeal> &deletedSeal() const { return header_.deletedSeal; }
    // Writes a new seal (none: clears it) into the header, after the scope it was found
    // in has ended; left out while anyone else holds the index (another table object
    // of this process may, and a wait would never end).
    void setDeletedSeal(const std::optional<DeletedSeal> &seal);

    IndexNode node(uint32_t page, const TagHeader &tag);
    // Brings the blocks of these pages (ascending) into the cache, neighbours read together.
    void fetch(const std::vector<uint32_t> &pages);
    // The node in the block cache, checked like node(); valid until the next block read.
    IndexNodeView view(uint32_t page, const TagHeader &tag);
    IndexNode newNode(uint32_t page, const TagHeader &tag) const;
    void writeNode(const IndexNode &node);
    // Consecutive blocks from firstPage in one write, bypassing the cache (for bulk builds).
    void writeBlocks(uint32_t firstPage, const std::vector<uint8_t> &blocks);
    TagHeader tagHeader(uint32_t page);
    void writeTagHeader(uint32_t page, const TagHeader &tag);
    void setSlots(std::vector<TagSlot> tagSlots);

    uint32_t allocate();
    // Appends at the end of the file, never reusing a free block (for builds that may be undone).
    uint32_t appendBlock();
    void release(uint32_t page);
    // The free block after this one (0 at the end of the list).
    uint32_t nextFree(uint32_t page);
    // Undo of a failed tag build: header pages and size as saved.
    std::vector<uint8_t> saveHeader() const;
    void restoreHeader(const std::vector<uint8_t> &saved);

    bool blockInFile(uint32_t page) const;

private:
    MdxFile(const std::string &path, PageFile::Mode mode);
    void acquire(bool exclusive);
    void release();
    void beginWrite();
    void refresh();
    void writeHeader(bool allPages);

    PageFile file_;
    MdxHeader header_;
    int depth_ = 0;
    bool exclusive_ = false;
    bool writing_ = false;
    bool slotsChanged_ = false;
    bool stale_ = false;
    bool sizeChanged_ = false;
    uint64_t generation_ = 0;
    uint64_t reloads_ = 0;
    std::optional<DeletedSeal> pendingSeal_;
    bool pendingSealSet_ = false;
};

} // namespace dbase
