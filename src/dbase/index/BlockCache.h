#pragma once

#include <cstddef>
#include <cstdint>
#include <deque>
#include <vector>

namespace dbase {

// Blocks of one index file by first page, at most maxBlocks of them. When full, a
// new block takes the place of one not used since the clock hand last went by
// (second chance): a hit costs one flag, not a reordering. Buffers stay allocated
// for reuse when blocks are removed.
class BlockCache
{
public:
    explicit BlockCache(size_t maxBlocks) : maxBlocks_(maxBlocks < 2 ? 2 : maxBlocks) {}

    // The cached block, marked as used; null when it is not cached.
    std::vector<uint8_t> *find(uint32_t page)
    {
        if (page >= slotOf_.size() || slotOf_[page] == 0)
            return nullptr;
        Slot &slot = slots_[slotOf_[page] - 1];
        slot.used = true;
        return &slot.data;
    }
    bool contains(uint32_t page) const { return page < slotOf_.size() && slotOf_[page] != 0; }

    // The buffer for a page: its cached block, or a slot for it whose buffer still
    // holds the block it took the place of (named in `displaced`), for the caller to
    // save first. Buffers stay where they are until the block is removed.
    struct Placement
    {
        std::vector<uint8_t> &data;
        bool displacedBlock = false;
        uint32_t displaced = 0;
    };
    Placement place(uint32_t page);

    void remove(uint32_t page);
    // Removes every block for which drop(page, data) is true.
    template <typename Drop>
    void removeIf(Drop drop)
    {
        for (Slot &slot : slots_)
            if (slot.page != kNone && drop(slot.page, slot.data))
                remove(slot.page);
    }
    void clear();

private:
    static constexpr uint32_t kNone = UINT32_MAX;
    struct Slot
    {
        uint32_t page = kNone;
        bool used = false;
        std::vector<uint8_t> data;
    };
    size_t takeSlot(bool &displacedBlock, uint32_t &displaced);

    size_t maxBlocks_;
    std::deque<Slot> slots_;        // a deque: references to buffers survive its growth
    std::vector<uint32_t> slotOf_;  // by page: slot number + 1, 0 when not cached
    std::vector<uint32_t> free_;    // emptied slots
    size_t hand_ = 0;
};

} // namespace dbase
