#pragma once

#include <cstdint>
#include <string_view>
#include <vector>

namespace dbase {

// Read-only access to a node's bytes where they lie (a cached block), for walks
// that only look. Valid until the next block is read.
class IndexNodeView
{
public:
    IndexNodeView(const uint8_t *bytes, int itemLength, int keyLength)
        : bytes_(bytes), itemLength_(itemLength), keyLength_(keyLength)
    {
    }
    int count() const;
    bool isLeaf() const { return pointer(count()) == 0; }
    uint32_t pointer(int i) const;
    std::string_view key(int i) const;
    const uint8_t *data() const { return bytes_; }

private:
    const uint8_t *item(int i) const { return bytes_ + 8 + static_cast<size_t>(i) * itemLength_; }

    const uint8_t *bytes_;
    int itemLength_;
    int keyLength_;
};

// One B-tree node as stored: a key count, then entries of a 4-byte pointer and a key.
// In a leaf the pointer is the record number and the slot after the last entry is 0;
// in an interior node it is a child page, the key is the largest key in that child,
// and the slot after the last entry points at the rightmost child.
// The buffer has room for one entry more than a block holds, so a node can overflow
// for a moment before it is split.
class IndexNode
{
public:
    IndexNode(uint32_t page, const uint8_t *block, uint32_t blockSize, int itemLength, int keyLength);
    IndexNode(uint32_t page, uint32_t blockSize, int itemLength, int keyLength);

    uint32_t page() const { return page_; }
    IndexNodeView view() const { return {bytes_.data(), itemLength_, keyLength_}; }
    int count() const { return view().count(); }
    bool isLeaf() const { return view().isLeaf(); }
    // Entry i's pointer; pointer(count()) is the rightmost child of an interior node.
    uint32_t pointer(int i) const { return view().pointer(i); }
    std::string_view key(int i) const { return view().key(i); }

    void setCount(int n);
    void setPointer(int i, uint32_t value);
    void setKey(int i, std::string_view key);
    void insert(int i, uint32_t pointer, std::string_view key);
    void remove(int i);
    // Copies entries [from, count) and the slot after them into an empty node.
    void copyTail(int from, IndexNode &target) const;
    // Keeps the first n entries, with `trailing` in the slot after them.
    void cut(int n, uint32_t trailing);

    const uint8_t *data() const { return bytes_.data(); }

private:
    uint8_t *item(int i) { return bytes_.data() + 8 + static_cast<size_t>(i) * itemLength_; }
    const uint8_t *item(int i) const { return bytes_.data() + 8 + static_cast<size_t>(i) * itemLength_; }

    uint32_t page_;
    int itemLength_;
    int keyLength_;
    std::vector<uint8_t> bytes_;
};

} // namespace dbase
