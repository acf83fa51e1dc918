#pragma once

#include "dbase/index/ProductionIndex.h"
#include "dbase/index/TagTree.h"

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace dbase {

// Walks one tag in its order, optionally restricted to a range of keys. Keys given to
// it are in the tag's stored form (see KeyExpression::evaluate); a character key may be
// shorter than the tag's keys and then compares as a prefix. When the index changed
// since the last move (here or in another process) the cursor finds its entry again.
class TagCursor
{
public:
    TagCursor(ProductionIndex &index, const std::string &tagName);

    bool first();
    bool last();
    bool next();
    bool prior();
    // Moves up to |n| entries forward (n > 0) or back; returns the number of entries moved.
    int64_t moveBy(int64_t n);

    // Positions on the first entry whose key starts with `key`; unmoved and false if none.
    bool seek(std::string_view key);
    // Positions on the first entry at or after `key` in tag order; false (at the end) if none.
    bool seekNearest(std::string_view key);
    // Positions on one entry (e.g. the record just posted); false if it is not in the tag.
    bool seekEntry(std::string_view key, uint32_t recNo);
    // Whether the current entry's key starts with `key`, as seek() compares.
    bool startsWith(std::string_view key);

    // Both ends included and in the tag's order: for a descending tag `start` is the larger key.
    void setRange(std::string start, std::string end);
    void clearRange();
    bool ranged() const { return start_.has_value() || end_.has_value(); }
    // Entries in the range (or the whole tag), walking only the range; the count is
    // kept until the index or the range changes.
    uint64_t count();
    // Changes whenever positions along the cursor may have moved: the index changed
    // (here or in another process) or the range did.
    struct Version
    {
        uint64_t index = 0;
        uint64_t range = 0;
        bool operator==(const Version &) const = default;
    };
    Version version();
    // The count while it is still known without walking.
    std::optional<uint64_t> knownCount();
    // A count learnt elsewhere, kept as a walk's would be.
    void knowCount(uint64_t count);

    bool atEnd() const { return eof_; }
    bool atStart() const { return bof_; }
    bool positioned() const { return current_.has_value(); }
    uint32_t recNo() const { return current_ ? current_->recNo : 0; }
    std::string key() const { return current_ ? current_->key : std::string(); }

private:
    struct Session;
    template <typename Move>
    bool move(Move step);
    bool land(TagTree &tree, TagTree::Path path, bool found);
    bool inRange(TagTree &tree, const std::string &key) const;
    // A sound tree holds no more entries than its blocks can; walking further means
    // the tree's pages are shared or loop.
    uint64_t entryBound() const;
    void countStep();

    ProductionIndex &index_;
    std::string tagName_;
    std::optional<std::string> start_, end_;
    TagTree::Path path_;
    std::optional<IndexEntry> current_;
    uint64_t generation_ = 0;
    bool lost_ = false; // set by move() when the current entry left the tree

    uint64_t rangeChanges_ = 0;
    struct CountMemo
    {
        Version version;
        uint64_t count = 0;
    };
    std::optional<CountMemo> countMemo_;
    // Whole subtrees' counts, for the file generation they were counted in.
    uint64_t subtreeGeneration_ = 0;
    TagTree::SubtreeCounts subtreeCounts_;

    uint64_t steps_ = 0;
    bool eof_ = true;
    bool bof_ = true;
};

} // namespace dbase
