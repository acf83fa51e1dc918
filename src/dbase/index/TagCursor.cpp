#include "dbase/index/TagCursor.h"

#include "dbase/index/IndexError.h"

namespace dbase {

// The lock and the tag's tree for the length of one cursor call.
struct TagCursor::Session
{
    MdxFile::Scope scope;
    TagTree tree;

    Session(ProductionIndex &index, const std::string &tagName)
        : scope(index.file(), false), tree(treeOf(index, tagName))
    {
    }

    static TagTree treeOf(ProductionIndex &index, const std::string &tagName)
    {
        index.syncTags();
        const auto found = index.findTag(tagName);
        if (!found)
            throw IndexError("The index file " + index.path() + " has no tag " + tagName);
        return index.tree(*found);
    }
};

TagCursor::TagCursor(ProductionIndex &index, const std::string &tagName)
    : index_(index), tagName_(tagName)
{
    Session check(index_, tagName_);
}

bool TagCursor::inRange(TagTree &tree, const std::string &key) const
{
    return (!start_ || tree.compareKeys(key, *start_) >= 0) &&
           (!end_ || tree.compareKeys(key, *end_) <= 0);
}

uint64_t TagCursor::entryBound() const
{
    const auto &header = index_.file().header();
    // Items are at least 8 bytes and a block's first 8 bytes hold no item.
    return uint64_t(header.totalPages / header.pagesPerBlock) * (header.blockSize / 8) + 1;
}

void TagCursor::countStep()
{
    if (++steps_ > entryBound())
        throw IndexError("The index file " + index_.path() + " is damaged: a tag's tree loops");
}

bool TagCursor::land(TagTree &tree, TagTree::Path path, bool found)
{
    if (found) {
        IndexEntry entry = tree.entry(path);
        if (inRange(tree, entry.key)) {
            path_ = std::move(path);
            current_ = std::move(entry);
            generation_ = index_.file().generation();
            eof_ = bof_ = false;
            return true;
        }
    }
    return false;
}

template <typename Move>
bool TagCursor::move(Move step)
{
    Session s(index_, tagName_);
    if (current_ && generation_ != index_.file().generation()) {
        // The tree changed under us: find our entry (or the one after it) again.
        if (auto found = s.tree.find(current_->key, current_->recNo)) {
            path_ = std::move(*found);
        } else {
            // Our entry is gone (its record was deleted or its key changed): the path
            // holds the entry that followed it, or the last one when none did.
            path_ = s.tree.lowerBound({current_->key, current_->recNo, false});
            lost_ = s.tree.settle(path_);
            if (!lost_)
                path_ = s.tree.last();
        }
        generation_ = index_.file().generation();
    }
    const bool result = step(s.tree);
    lost_ = false;
    return result;
}

bool TagCursor::first()
{
    steps_ = 0;
    return move([&](TagTree &tree) {
        TagTree::Path path = start_ ? tree.lowerBound({*start_, std::nullopt, false}) : tree.first();
        // Moved before land() copies the path: argument order is up to the compiler.
        const bool found = tree.settle(path);
        if (land(tree, path, found))
            return true;
        current_.reset();
        eof_ = bof_ = true;
        return false;
    });
}

bool TagCursor::last()
{
    steps_ = 0;
    return move([&](TagTree &tree) {
        TagTree::Path path = end_ ? tree.lowerBound({*end_, std::nullopt, true}) : tree.last();
        // Past-the-end positions step back onto the last entry within the range.
        bool found = end_ ? tree.prior(path) : tree.settle(path);
        if (land(tree, path, found))
            return true;
        current_.reset();
        eof_ = bof_ = true;
        return false;
    });
}

bool TagCursor::next()
{
    if (!current_)
        return eof_ ? false : first();
    countStep();
    return move([&](TagTree &tree) {
        TagTree::Path path = path_;
        const bool found = lost_ || tree.next(path);
        if (land(tree, path, found))
            return true;
        current_.reset();
        eof_ = true;
        return false;
    });
}

bool TagCursor::prior()
{
    if (!current_)
        return last();
    countStep();
    return move([&](TagTree &tree) {
        TagTree::Path path = path_;
        const bool found = tree.prior(path);
        if (land(tree, path, found))
            return true;
        bof_ = true;
        return false;
    });
}

int64_t TagCursor::moveBy(int64_t n)
{
    // One lock for the whole walk, not one per entry.
    MdxFile::Scope scope(index_.file(), false);
    int64_t moved = 0;
    while (moved < n && next())
        ++moved;
    while (moved > n && prior())
        --moved;
    return moved;
}

bool TagCursor::seekNearest(std::string_view key)
{
    steps_ = 0;
    return move([&](TagTree &tree) {
        TagTree::Path path = tree.lowerBound({key, std::nullopt, false});
        const bool found = tree.settle(path);
        if (land(tree, path, found))
            return true;
        current_.reset();
        eof_ = true;
        return false;
    });
}

bool TagCursor::seek(std::string_view key)
{
    steps_ = 0;
    return move([&](TagTree &tree) {
        TagTree::Path path = tree.lowerBound({key, std::nullopt, false});
        if (!tree.settle(path) || tree.compareKeys(tree.entry(path).key, std::string(key)) != 0)
            return false;
        return land(tree, path, true);
    });
}

bool TagCursor::seekEntry(std::string_view key, uint32_t recNo)
{
    steps_ = 0;
    return move([&](TagTree &tree) {
        const std::optional<TagTree::Path> path = tree.find(key, recNo);
        return path && land(tree, *path, true);
    });
}

bool TagCursor::startsWith(std::string_view key)
{
    if (!current_)
        return false;
    Session s(index_, tagName_);
    return s.tree.compareKeys(current_->key, key) == 0;
}

void TagCursor::setRange(std::string start, std::string end)
{
    start_ = std::move(start);
    end_ = std::move(end);
    ++rangeChanges_;
    current_.reset();
    eof_ = bof_ = true;
}

void TagCursor::clearRange()
{
    start_.reset();
    end_.reset();
    ++rangeChanges_;
}

uint64_t TagCursor::count()
{
    Session s(index_, tagName_);
    const Version now{index_.file().generation(), rangeChanges_};
    if (countMemo_ && countMemo_->version == now)
        return countMemo_->count;
    if (subtreeGeneration_ != now.index) {
        subtreeCounts_.clear();
        subtreeGeneration_ = now.index;
    }
    TagTree &tree = s.tree;
    const TagTree::Path path = start_ ? tree.lowerBound({*start_, std::nullopt, false}) : tree.first();
    const uint64_t counted = tree.countFrom(path, end_, entryBound(), subtreeCounts_);
    countMemo_ = CountMemo{now, counted};
    return counted;
}

std::optional<uint64_t> TagCursor::knownCount()
{
    const Version now = version();
    if (countMemo_ && countMemo_->version == now)
        return countMemo_->count;
    return std::nullopt;
}

void TagCursor::knowCount(uint64_t count)
{
    countMemo_ = CountMemo{version(), count};
}

TagCursor::Version TagCursor::version()
{
    // Entering the lock is what notices another process's change.
    MdxFile::Scope scope(index_.file(), false);
    return {index_.file().generation(), rangeChanges_};
}

} // namespace dbase
