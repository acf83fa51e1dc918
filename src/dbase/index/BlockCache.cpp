#include "dbase/index/BlockCache.h"

namespace dbase {

namespace {

// Below the allocator's mmap threshold, so a new cache reuses the heap an old one gave back
// instead of faulting in fresh pages.
constexpr size_t kArenaBytes = 64u << 10;

} // namespace

void BlockCache::setBlockSize(uint32_t size)
{
    clear();
    free_.clear();
    slotPage_.clear();
    arenas_.clear();
    hand_ = 0;
    blockSize_ = size;
}

uint8_t *BlockCache::slotData(size_t slot)
{
    const size_t perArena = blockSize_ < kArenaBytes ? kArenaBytes / blockSize_ : 1;
    const size_t arena = slot / perArena;
    if (arena == arenas_.size())
        arenas_.push_back(std::make_unique_for_overwrite<uint8_t[]>(perArena * blockSize_));
    return arenas_[arena].get() + slot % perArena * blockSize_;
}

BlockCache::Placement BlockCache::place(uint32_t page)
{
    if (uint8_t *cached = find(page))
        return {cached};
    bool displacedBlock = false;
    uint32_t displaced = 0;
    const size_t slot = takeSlot(displacedBlock, displaced);
    if (page >= pages_.size())
        pages_.resize(size_t(page) + 1 + page / 2);
    PageEntry &entry = pages_[page];
    entry.data = slotData(slot);
    entry.slot = uint32_t(slot);
    entry.used = true;
    slotPage_[slot] = page;
    return {entry.data, displacedBlock, displaced};
}

size_t BlockCache::takeSlot(bool &displacedBlock, uint32_t &displaced)
{
    if (!free_.empty()) {
        const size_t slot = free_.back();
        free_.pop_back();
        return slot;
    }
    if (slotPage_.size() < maxBlocks_) {
        slotPage_.push_back(kNone);
        return slotPage_.size() - 1;
    }
    // Every slot holds a block: the hand passes used ones, clearing their flag, and
    // takes the first it finds unused.
    for (;;) {
        const size_t slot = hand_;
        hand_ = (hand_ + 1) % slotPage_.size();
        PageEntry &entry = pages_[slotPage_[slot]];
        if (entry.used) {
            entry.used = false;
            continue;
        }
        displacedBlock = true;
        displaced = slotPage_[slot];
        entry = PageEntry{};
        return slot;
    }
}

void BlockCache::remove(uint32_t page)
{
    if (!contains(page))
        return;
    const uint32_t slot = pages_[page].slot;
    pages_[page] = PageEntry{};
    slotPage_[slot] = kNone;
    free_.push_back(slot);
}

void BlockCache::clear()
{
    for (uint32_t slot = 0; slot < slotPage_.size(); ++slot) {
        if (slotPage_[slot] == kNone)
            continue;
        pages_[slotPage_[slot]] = PageEntry{};
        slotPage_[slot] = kNone;
        free_.push_back(slot);
    }
}

} // namespace dbase
