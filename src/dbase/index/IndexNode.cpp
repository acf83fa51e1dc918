#include "dbase/index/IndexNode.h"

#include "dbase/index/MdxLayout.h"

#include <algorithm>
#include <cstring>

namespace dbase {

using namespace mdx;

IndexNode::IndexNode(uint32_t page, uint32_t blockSize, int itemLength, int keyLength)
    : page_(page), itemLength_(itemLength), keyLength_(keyLength),
      bytes_(blockSize + static_cast<size_t>(itemLength) + 4, 0)
{
}

IndexNode::IndexNode(uint32_t page, const uint8_t *block, uint32_t blockSize, int itemLength,
                     int keyLength)
    : IndexNode(page, blockSize, itemLength, keyLength)
{
    std::memcpy(bytes_.data(), block, blockSize);
}

int IndexNodeView::count() const { return static_cast<int>(get32(bytes_ + kNodeCount)); }

uint32_t IndexNodeView::pointer(int i) const { return get32(item(i)); }

std::string_view IndexNodeView::key(int i) const
{
    return {reinterpret_cast<const char *>(item(i) + 4), static_cast<size_t>(keyLength_)};
}

void IndexNode::setCount(int n) { put32(bytes_.data() + kNodeCount, static_cast<uint32_t>(n)); }

void IndexNode::setPointer(int i, uint32_t value) { put32(item(i), value); }

void IndexNode::setKey(int i, std::string_view key)
{
    uint8_t *at = item(i) + 4;
    std::memset(at, 0, static_cast<size_t>(itemLength_ - 4));
    std::memcpy(at, key.data(), std::min(key.size(), static_cast<size_t>(keyLength_)));
}

void IndexNode::insert(int i, uint32_t pointer, std::string_view key)
{
    const int n = count();
    // Shift entries i..n-1 and the trailing pointer slot one item to the right.
    std::memmove(item(i + 1), item(i), static_cast<size_t>(n - i) * itemLength_ + 4);
    setPointer(i, pointer);
    setKey(i, key);
    setCount(n + 1);
}

void IndexNode::remove(int i)
{
    const int n = count();
    std::memmove(item(i), item(i + 1), static_cast<size_t>(n - i - 1) * itemLength_ + 4);
    std::memset(item(n - 1) + 4, 0, static_cast<size_t>(itemLength_));
    setCount(n - 1);
}

void IndexNode::copyTail(int from, IndexNode &target) const
{
    const int n = count();
    std::memcpy(target.item(0), item(from), static_cast<size_t>(n - from) * itemLength_ + 4);
    target.setCount(n - from);
}

void IndexNode::cut(int n, uint32_t trailing)
{
    const uint8_t *end = bytes_.data() + bytes_.size();
    std::memset(item(n), 0, static_cast<size_t>(end - item(n)));
    setPointer(n, trailing);
    setCount(n);
}

} // namespace dbase
