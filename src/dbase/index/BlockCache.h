#pragma once

#include <cstddef>
#include <cstdint>
#include <memory>
#include <vector>

namespace dbase {

// Blocks of one index file by first page, at most maxBlocks of them, in buffers
// carved from 64 KB arenas (one allocation for many blocks).
// A page finds its buffer in one step. When full, a new block takes the place of one
// not used since the clock hand last went by (second chance): a hit sets a flag.
class BlockCache
{
public:
    explicit BlockCache(size_t maxBlocks) : maxBlocks_(maxBlocks < 2 ? 2 : maxBlocks) {}

    uint32_t blockSize() const { return blockSize_; }
    // Changing the size empties the cache.
    void setBlockSize(uint32_t size);

    // The cached block, marked as used; null when it is not cached.
    uint8_t *find(uint32_t page)
    {
        if (page >= pages_.size() || !pages_[page].data)
            return nullptr;
        pages_[page].used = true;
        return pages_[page].data;
    }
    bool contains(uint32_t page) const { return page < pages_.size() && pages_[page].data; }

    // The buffer for a page: its cached block, or a slot for it whose buffer still
    // holds the block it took the place of (named in `displaced`), for the caller to
    // save first. A buffer stays where it is until its block is removed.
    struct Placement
    {
        uint8_t *data;
        bool displacedBlock = false;
        uint32_t displaced = 0;
    };
    Placement place(uint32_t page);

    void remove(uint32_t page);
    // Removes every block for which drop(page, data) is true.
    template <typename Drop>
    void removeIf(Drop drop)
    {
        for (uint32_t page : slotPage_)
            if (page != kNone && drop(page, static_cast<const uint8_t *>(pages_[page].data)))
                remove(page);
    }
    void clear();

private:
    static constexpr uint32_t kNone = UINT32_MAX;
    struct PageEntry
    {
        uint8_t *data = nullptr;
        uint32_t slot = 0;
        bool used = false;
    };
    size_t takeSlot(bool &displacedBlock, uint32_t &displaced);
    uint8_t *slotData(size_t slot);

    size_t maxBlocks_;
    uint32_t blockSize_ = 0;
    std::vector<PageEntry> pages_;   // by page
    std::vector<uint32_t> slotPage_; // by slot: its page, kNone when free
    std::vector<uint32_t> free_;     // emptied slots
    std::vector<std::unique_ptr<uint8_t[]>> arenas_;
    size_t hand_ = 0;
};

} // namespace dbase
