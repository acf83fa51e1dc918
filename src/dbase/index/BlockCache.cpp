#include "dbase/index/BlockCache.h"

namespace dbase {

BlockCache::Placement BlockCache::place(uint32_t page)
{
    if (std::vector<uint8_t> *cached = find(page))
        return {*cached};
    bool displacedBlock = false;
    uint32_t displaced = 0;
    const size_t at = takeSlot(displacedBlock, displaced);
    Slot &slot = slots_[at];
    slot.page = page;
    slot.used = true;
    if (page >= slotOf_.size())
        slotOf_.resize(size_t(page) + 1 + page / 2, 0);
    slotOf_[page] = uint32_t(at + 1);
    return {slot.data, displacedBlock, displaced};
}

size_t BlockCache::takeSlot(bool &displacedBlock, uint32_t &displaced)
{
    if (!free_.empty()) {
        const size_t at = free_.back();
        free_.pop_back();
        return at;
    }
    if (slots_.size() < maxBlocks_) {
        slots_.emplace_back();
        return slots_.size() - 1;
    }
    // Every slot holds a block: the hand passes used ones, clearing their flag, and
    // takes the first it finds unused.
    for (;;) {
        const size_t at = hand_;
        Slot &slot = slots_[at];
        hand_ = (hand_ + 1) % slots_.size();
        if (slot.used) {
            slot.used = false;
            continue;
        }
        displacedBlock = true;
        displaced = slot.page;
        slotOf_[slot.page] = 0;
        return at;
    }
}

void BlockCache::remove(uint32_t page)
{
    if (!contains(page))
        return;
    const uint32_t at = slotOf_[page] - 1;
    slotOf_[page] = 0;
    slots_[at].page = kNone;
    slots_[at].used = false;
    free_.push_back(at);
}

void BlockCache::clear()
{
    for (uint32_t at = 0; at < slots_.size(); ++at) {
        Slot &slot = slots_[at];
        if (slot.page == kNone)
            continue;
        slotOf_[slot.page] = 0;
        slot.page = kNone;
        slot.used = false;
        free_.push_back(at);
    }
}

} // namespace dbase
