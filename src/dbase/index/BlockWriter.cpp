#include "dbase/index/BlockWriter.h"

namespace dbase {

namespace {

// Large enough that the writes are few, small enough that the buffer comes from memory
// the process already has (a fresh multi-megabyte buffer faults in page by page).
constexpr size_t kFlushBytes = 256 << 10;

} // namespace

void BlockWriter::add(const IndexNode &node)
{
    const uint32_t blockSize = file_.header().blockSize;
    const uint32_t expected =
        first_ + static_cast<uint32_t>(pending_.size() / blockSize) * file_.header().pagesPerBlock;
    if (!pending_.empty() && (node.page() != expected || pending_.size() >= kFlushBytes))
        flush();
    if (pending_.empty()) {
        first_ = node.page();
        pending_.reserve(kFlushBytes + blockSize);
    }
    pending_.insert(pending_.end(), node.data(), node.data() + blockSize);
}

void BlockWriter::flush()
{
    if (!pending_.empty())
        file_.writeBlocks(first_, pending_);
    pending_.clear();
}

} // namespace dbase
