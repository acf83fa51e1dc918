#pragma once

#include "dbase/index/IndexNode.h"
#include "dbase/index/KeyBatch.h"
#include "dbase/index/MdxFile.h"
#include "dbase/index/TagHeader.h"

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

namespace dbase {

struct IndexEntry
{
    std::string key;
    uint32_t recNo = 0;
};

// The B-tree of one tag. Entries are in tag order: by key (reversed for descending
// tags), equal keys by record number as this engine writes them; other writers may
// leave a run of equal keys in any record order, which every operation accepts.
// Works inside a scope the caller holds.
class TagTree
{
public:
    struct Step
    {
        uint32_t page;
        int index; // entry in a leaf; child in an interior node (count = rightmost)
    };
    using Path = std::vector<Step>;

    // Where to look: the first entry at or (with after) past the key. A key shorter than
    // the tag's keys compares as a prefix; with a record number, equal keys compare by it.
    struct Target
    {
        std::string_view key;
        std::optional<uint32_t> recNo;
        bool after = false;
    };

    TagTree(MdxFile &file, uint32_t headerPage, TagHeader &header);

    // Three-way comparison in tag order (direction applied).
    int compareKeys(std::string_view a, std::string_view b) const;
    // The same key in this tag (numbers by value, whoever wrote them).
    bool sameKey(std::string_view a, std::string_view b) const;

    // A new key goes where record order puts it: after the equal keys already there
    // when its record is the newest.
    void insert(std::string_view key, uint32_t recNo);
    // False when the entry is not in the tree.
    bool remove(std::string_view key, uint32_t recNo);
    // The path to one entry; nothing when it is not in the tree. The record-ordered
    // descent comes first; only when it misses is the run of equal keys read through.
    std::optional<Path> find(std::string_view key, uint32_t recNo);
    // Replaces the tree with one built bottom-up from entries already in tag order,
    // on blocks appended to the file.
    void build(const KeyBatch &sorted);
    void sort(std::vector<IndexEntry> &entries) const;
    void sort(KeyBatch &keys) const;
    // Gives every block of the tree back to the free list.
    void releaseAll();

    // Cursor support. A path ends at a leaf; its index may equal the leaf's count
    // (past its last entry) only right after lowerBound.
    Path lowerBound(const Target &target);
    Path first();
    Path last();
    bool next(Path &path);
    bool prior(Path &path);
    // Puts a past-the-leaf path on the next entry; false when there is none.
    bool settle(Path &path);
    // Entries under interior nodes counted whole, by page; the caller clears them when
    // the tree may have changed.
    using SubtreeCounts = std::unordered_map<uint32_t, uint64_t>;
    // Entries from a path's position to the end of the tree, or up to the last entry
    // not past `end` (compared as compareKeys does). Reads every node at most once and
    // compares keys only in the leaves the end falls in; a subtree found in `known`
    // is not read again, and whole subtrees counted are added to it. Throws on more
    // than `bound` nodes or entries (a damaged tree).
    uint64_t countFrom(const Path &start, const std::optional<std::string> &end, uint64_t bound,
                       SubtreeCounts &known);
    IndexEntry entry(const Path &path);
    IndexNode node(uint32_t page) { return file_.node(page, header_); }

private:
    int firstReaching(IndexNodeView &n, uint32_t page, const Target &t);
    uint32_t lastRecNo(uint32_t page);
    void descendEdge(Path &path, uint32_t page, bool toLast);
    struct Count;
    void countSubtree(uint32_t page, size_t depth, bool allInRange, Count &count);
    void countLeaf(const IndexNodeView &leaf, int from, bool allInRange, Count &count);
    void countWholeLeaves(Count &count);
    void setMax(const Path &path, int level, std::string_view key);
    void storeSplitting(Path &path, int level, IndexNode node);
    void removeChild(Path &path, int level);
    void fixLonely(Path &path, int level);
    void setRoot(uint32_t page);
    void setHasKeys(bool hasKeys);
    void checkDepth(size_t depth) const;

    MdxFile &file_;
    uint32_t headerPage_;
    TagHeader &header_;
};

} // namespace dbase
