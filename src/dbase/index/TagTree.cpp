#include "dbase/index/TagTree.h"

#include "dbase/index/BlockWriter.h"
#include "dbase/index/IndexError.h"
#include "dbase/index/KeyEncoding.h"
#include "dbase/index/MdxLayout.h"

#include <algorithm>

namespace dbase {

TagTree::TagTree(MdxFile &file, uint32_t headerPage, TagHeader &header)
    : file_(file), headerPage_(headerPage), header_(header)
{
}

int TagTree::compareKeys(std::string_view a, std::string_view b) const
{
    const int c = keys::compare(header_.keyType, a, b);
    return header_.descending ? -c : c;
}

bool TagTree::sameKey(std::string_view a, std::string_view b) const
{
    return keys::same(header_.keyType, a, b);
}

void TagTree::checkDepth(size_t depth) const
{
    if (depth > static_cast<size_t>(mdx::kMaxDepth))
        throw IndexError("The index file " + file_.path() + " is damaged: a tag's tree loops");
}

// Walks cached blocks without copying them: each view is used before the next read.
uint32_t TagTree::lastRecNo(uint32_t page)
{
    for (size_t depth = 0;; ++depth) {
        checkDepth(depth);
        const IndexNodeView n = file_.view(page, header_);
        if (n.isLeaf())
            return n.count() > 0 ? n.pointer(n.count() - 1) : 0;
        page = n.pointer(n.count());
    }
}

TagTree::Path TagTree::lowerBound(const Target &target)
{
    Path path;
    uint32_t page = header_.rootPage;
    for (;;) {
        checkDepth(path.size());
        IndexNodeView n = file_.view(page, header_);
        const int at = firstReaching(n, page, target);
        path.push_back({page, at});
        if (n.isLeaf())
            return path;
        page = n.pointer(at);
    }
}

// Entries and separators ascend in tag order, equal keys by record number. A
// separator's record number is its subtree's last one, found by walking down, so
// equal keys are first passed over by key alone, and the last of them is looked at
// first: a record appended after others with its key is settled by that one walk.
int TagTree::firstReaching(IndexNodeView &n, uint32_t page, const Target &t)
{
    const auto firstWhere = [](int low, int high, auto reached) {
        while (low < high) {
            const int mid = (low + high) / 2;
            if (reached(mid))
                high = mid;
            else
                low = mid + 1;
        }
        return low;
    };
    const int equal = firstWhere(0, n.count(), [&](int i) { return compareKeys(n.key(i), t.key) >= 0; });
    const int greater = firstWhere(equal, n.count(), [&](int i) { return compareKeys(n.key(i), t.key) > 0; });
    if (!t.recNo)
        return t.after ? greater : equal;
    if (equal == greater)
        return equal;
    const auto reached = [&](int i) {
        uint32_t r = n.pointer(i);
        if (!n.isLeaf()) {
            r = lastRecNo(r);
            n = file_.view(page, header_); // the walk down may have pushed the block out
        }
        return t.after ? r > *t.recNo : r >= *t.recNo;
    };
    if (!reached(greater - 1))
        return greater;
    return firstWhere(equal, greater - 1, reached);
}

void TagTree::descendEdge(Path &path, uint32_t page, bool toLast)
{
    for (;;) {
        checkDepth(path.size());
        const IndexNode n = node(page);
        if (n.isLeaf()) {
            path.push_back({page, toLast ? std::max(0, n.count() - 1) : 0});
            return;
        }
        const int child = toLast ? n.count() : 0;
        path.push_back({page, child});
        page = n.pointer(child);
    }
}

TagTree::Path TagTree::first()
{
    Path path;
    descendEdge(path, header_.rootPage, false);
    return path;
}

TagTree::Path TagTree::last()
{
    Path path;
    descendEdge(path, header_.rootPage, true);
    return path;
}

bool TagTree::settle(Path &path)
{
    if (path.back().index < node(path.back().page).count())
        return true;
    Path moved = path;
    moved.pop_back();
    while (!moved.empty()) {
        const IndexNode parent = node(moved.back().page);
        if (moved.back().index < parent.count()) {
            ++moved.back().index;
            descendEdge(moved, parent.pointer(moved.back().index), false);
            if (node(moved.back().page).count() == 0)
                return false;
            path = std::move(moved);
            return true;
        }
        moved.pop_back();
    }
    return false;
}

struct TagTree::Count
{
    const std::optional<std::string> &end;
    uint64_t bound;
    size_t leafDepth;
    SubtreeCounts &known;
    uint64_t entries = 0;
    uint64_t nodes = 0;
    bool done = false;
    // Leaves inside the range from end to end, counted after the walk in file order.
    std::vector<uint32_t> wholeLeaves;
    // Interior subtrees inside the range, to be kept in `known` once their leaves are counted.
    struct WholeSubtree
    {
        uint32_t page;
        size_t firstLeaf, endLeaf; // in wholeLeaves
        uint64_t entries;          // known before: subtrees below it counted earlier
    };
    std::vector<WholeSubtree> wholeSubtrees;
};

uint64_t TagTree::countFrom(const Path &start, const std::optional<std::string> &end, uint64_t bound,
                            SubtreeCounts &known)
{
    if (start.empty())
        return 0;
    Count count{end, bound, start.size() - 1, known, 0, 0, false, {}, {}};
    countLeaf(file_.view(start.back().page, header_), start.back().index, false, count);
    // Then the subtrees right of the path, nearest first.
    for (size_t level = start.size() - 1; level-- > 0 && !count.done;) {
        const IndexNode parent = node(start[level].page);
        for (int child = start[level].index + 1; child <= parent.count() && !count.done; ++child) {
            // An interior key is the largest key of its child; the rightmost child has none.
            const bool allIn = !end || (child < parent.count() && compareKeys(parent.key(child), *end) <= 0);
            countSubtree(parent.pointer(child), level + 1, allIn, count);
        }
    }
    countWholeLeaves(count);
    return count.entries;
}

void TagTree::countSubtree(uint32_t page, size_t depth, bool allInRange, Count &count)
{
    if (++count.nodes > count.bound)
        throw IndexError("The index file " + file_.path() + " is damaged: a tag's tree loops");
    if (allInRange && depth == count.leafDepth) {
        count.wholeLeaves.push_back(page);
        return;
    }
    // A whole interior subtree counted before adds its count without a read: ranges
    // side by side (the letters of a long list) then read only the nodes at their ends.
    const bool whole = allInRange && depth < count.leafDepth;
    if (whole) {
        if (const auto known = count.known.find(page); known != count.known.end()) {
            count.entries += known->second;
            if (count.entries > count.bound)
                throw IndexError("The index file " + file_.path() + " is damaged: a tag's tree loops");
            return;
        }
    }
    const IndexNodeView looked = file_.view(page, header_);
    if (looked.isLeaf() != (depth == count.leafDepth))
        throw IndexError("The index file " + file_.path() + " is damaged: a tag's leaves are not at one depth");
    if (looked.isLeaf()) {
        countLeaf(looked, 0, allInRange, count);
        return;
    }
    const uint64_t before = count.entries;
    const size_t firstLeaf = count.wholeLeaves.size();
    // Interior nodes are copied: reading the children may evict the cached block.
    const IndexNode n = node(page);
    for (int child = 0; child <= n.count() && !count.done; ++child) {
        const bool allIn = allInRange || (child < n.count() && compareKeys(n.key(child), *count.end) <= 0);
        countSubtree(n.pointer(child), depth + 1, allIn, count);
    }
    if (whole)
        count.wholeSubtrees.push_back({page, firstLeaf, count.wholeLeaves.size(), count.entries - before});
}

// The leaves are read in the order they lie in the file, a batch at a time (the cache
// may be small), each read taking the wanted blocks near each other.
void TagTree::countWholeLeaves(Count &count)
{
    constexpr size_t kBatch = 256;
    const std::vector<uint32_t> &leaves = count.wholeLeaves;
    std::vector<uint32_t> byPosition(leaves.size());
    for (uint32_t i = 0; i < byPosition.size(); ++i)
        byPosition[i] = i;
    std::sort(byPosition.begin(), byPosition.end(), [&](uint32_t a, uint32_t b) { return leaves[a] < leaves[b]; });
    std::vector<uint32_t> entries(leaves.size());
    std::vector<uint32_t> batch;
    for (size_t from = 0; from < byPosition.size(); from += kBatch) {
        const size_t to = std::min(byPosition.size(), from + kBatch);
        batch.clear();
        for (size_t i = from; i < to; ++i)
            batch.push_back(leaves[byPosition[i]]);
        file_.fetch(batch);
        for (size_t i = from; i < to; ++i) {
            const IndexNodeView leaf = file_.view(leaves[byPosition[i]], header_);
            if (!leaf.isLeaf())
                throw IndexError("The index file " + file_.path() + " is damaged: a tag's leaves are not at one depth");
            entries[byPosition[i]] = uint32_t(leaf.count());
        }
    }
    // Running sums in walk order give each whole subtree the sum of its leaves.
    std::vector<uint64_t> before(leaves.size() + 1, 0);
    for (size_t i = 0; i < leaves.size(); ++i)
        before[i + 1] = before[i] + entries[i];
    count.entries += before.back();
    if (count.entries > count.bound)
        throw IndexError("The index file " + file_.path() + " is damaged: a tag's tree loops");
    for (const Count::WholeSubtree &subtree : count.wholeSubtrees)
        count.known.emplace(subtree.page, subtree.entries + before[subtree.endLeaf] - before[subtree.firstLeaf]);
}

void TagTree::countLeaf(const IndexNodeView &leaf, int from, bool allInRange, Count &count)
{
    int to = leaf.count();
    if (!allInRange && count.end && to > from && compareKeys(leaf.key(to - 1), *count.end) > 0) {
        to = from;
        while (to < leaf.count() && compareKeys(leaf.key(to), *count.end) <= 0)
            ++to;
        count.done = true;
    }
    count.entries += uint64_t(std::max(0, to - from));
    if (count.entries > count.bound)
        throw IndexError("The index file " + file_.path() + " is damaged: a tag's tree loops");
}

bool TagTree::next(Path &path)
{
    Path moved = path;
    ++moved.back().index;
    if (!settle(moved))
        return false;
    path = std::move(moved);
    return true;
}

bool TagTree::prior(Path &path)
{
    if (path.back().index > 0) {
        --path.back().index;
        return true;
    }
    Path moved = path;
    moved.pop_back();
    while (!moved.empty()) {
        if (moved.back().index > 0) {
            --moved.back().index;
            const IndexNode parent = node(moved.back().page);
            descendEdge(moved, parent.pointer(moved.back().index), true);
            path = std::move(moved);
            return true;
        }
        moved.pop_back();
    }
    return false;
}

IndexEntry TagTree::entry(const Path &path)
{
    const IndexNode leaf = node(path.back().page);
    const int i = path.back().index;
    if (i >= leaf.count())
        return {};
    return {std::string(leaf.key(i)), leaf.pointer(i)};
}

void TagTree::insert(std::string_view key, uint32_t recNo)
{
    Path path = lowerBound({key, recNo, false});
    const int level = static_cast<int>(path.size()) - 1;
    IndexNode leaf = node(path[level].page);
    const int i = path[level].index;
    leaf.insert(i, recNo, key);
    if (i == leaf.count() - 1)
        setMax(path, level, key);
    storeSplitting(path, level, std::move(leaf));
    if (!header_.hasKeys)
        setHasKeys(true);
}

// The node at `level` got a new largest key: the separator that names it changes,
// and through rightmost children so do those above.
void TagTree::setMax(const Path &path, int level, std::string_view key)
{
    for (int l = level - 1; l >= 0; --l) {
        IndexNode parent = node(path[l].page);
        const int child = path[l].index;
        if (child < parent.count()) {
            if (parent.key(child) != key.substr(0, parent.key(child).size())) {
                parent.setKey(child, key);
                file_.writeNode(parent);
            }
            return;
        }
    }
}

void TagTree::storeSplitting(Path &path, int level, IndexNode n)
{
    for (;;) {
        if (n.count() <= header_.keysPerNode) {
            file_.writeNode(n);
            return;
        }
        IndexNode right = file_.newNode(file_.allocate(), header_);
        std::string upKey;
        const int count = n.count();
        if (n.isLeaf()) {
            const int keep = (count + 1) / 2;
            upKey = n.key(keep - 1);
            n.copyTail(keep, right);
            n.cut(keep, 0);
        } else {
            // The middle separator goes up; its child stays as the left node's rightmost.
            const int keep = count / 2;
            upKey = n.key(keep);
            n.copyTail(keep + 1, right);
            n.cut(keep, n.pointer(keep));
        }
        file_.writeNode(n);
        file_.writeNode(right);
        if (level == 0) {
            IndexNode root = file_.newNode(file_.allocate(), header_);
            root.insert(0, n.page(), upKey);
            root.setPointer(1, right.page());
            file_.writeNode(root);
            setRoot(root.page());
            return;
        }
        --level;
        IndexNode parent = node(path[level].page);
        const int child = path[level].index;
        parent.insert(child, n.page(), upKey);
        parent.setPointer(child + 1, right.page());
        n = std::move(parent);
    }
}

std::optional<TagTree::Path> TagTree::find(std::string_view key, uint32_t recNo)
{
    Path path = lowerBound({key, recNo, false});
    if (settle(path)) {
        const IndexNodeView leaf = file_.view(path.back().page, header_);
        const int i = path.back().index;
        if (leaf.pointer(i) == recNo && sameKey(leaf.key(i), key))
            return path;
    }
    // Out of record order the descent may pass the entry by: read the run leaf by leaf.
    path = lowerBound({key, std::nullopt, false});
    while (settle(path)) {
        const IndexNodeView leaf = file_.view(path.back().page, header_);
        for (int &i = path.back().index; i < leaf.count(); ++i) {
            if (!sameKey(leaf.key(i), key))
                return std::nullopt;
            if (leaf.pointer(i) == recNo)
                return path;
        }
    }
    return std::nullopt;
}

bool TagTree::remove(std::string_view key, uint32_t recNo)
{
    const std::optional<Path> found = find(key, recNo);
    if (!found)
        return false;
    Path path = *found;
    const int level = static_cast<int>(path.size()) - 1;
    IndexNode leaf = node(path[level].page);
    const int i = path[level].index;
    leaf.remove(i);
    if (leaf.count() > 0 || level == 0) {
        file_.writeNode(leaf);
        if (leaf.count() > 0 && i == leaf.count())
            setMax(path, level, leaf.key(leaf.count() - 1));
        if (level == 0 && leaf.count() == 0)
            setHasKeys(false);
        return true;
    }
    // The parent is checked before the leaf is given up, so a damaged one changes nothing.
    removeChild(path, level - 1);
    file_.release(leaf.page());
    return true;
}

void TagTree::removeChild(Path &path, int level)
{
    IndexNode parent = node(path[level].page);
    const int child = path[level].index;
    const int count = parent.count();
    // Only a damaged file has an inner node without keys (one child): it has no key to fall back to.
    if (count == 0)
        throw IndexError("The index file " + file_.path() + " is damaged: an inner node of a tag holds no keys");
    if (child < count) {
        parent.remove(child);
    } else {
        // The rightmost child went: the one before takes its place and the node's largest key falls.
        const std::string newMax(parent.key(count - 1));
        parent.cut(count - 1, parent.pointer(count - 1));
        setMax(path, level, newMax);
    }
    file_.writeNode(parent);
    if (parent.count() == 0)
        fixLonely(path, level);
}

// An interior node left with a single child: give that child to a sibling, or take one
// from a full sibling, so every leaf stays at the same depth.
void TagTree::fixLonely(Path &path, int level)
{
    IndexNode lonely = node(path[level].page);
    const uint32_t only = lonely.pointer(0);
    if (level == 0) {
        setRoot(only);
        file_.release(lonely.page());
        return;
    }
    IndexNode parent = node(path[level - 1].page);
    const int j = path[level - 1].index;
    if (j > 0) {
        IndexNode left = node(parent.pointer(j - 1));
        const std::string leftMax(parent.key(j - 1));
        const int n = left.count();
        if (n < header_.keysPerNode) {
            left.insert(n, left.pointer(n), leftMax);
            left.setPointer(n + 1, only);
            file_.writeNode(left);
            if (j < parent.count()) {
                parent.setKey(j - 1, std::string(parent.key(j)));
                parent.remove(j);
            } else {
                parent.cut(j - 1, parent.pointer(j - 1));
            }
        } else {
            lonely.insert(0, left.pointer(n), leftMax);
            const std::string newLeftMax(left.key(n - 1));
            left.cut(n - 1, left.pointer(n - 1));
            parent.setKey(j - 1, newLeftMax);
            file_.writeNode(left);
            file_.writeNode(lonely);
            file_.writeNode(parent);
            return;
        }
    } else {
        IndexNode right = node(parent.pointer(1));
        const std::string onlyMax(parent.key(0));
        if (right.count() < header_.keysPerNode) {
            right.insert(0, only, onlyMax);
            file_.writeNode(right);
            parent.remove(0);
        } else {
            lonely.insert(0, only, onlyMax);
            lonely.setPointer(1, right.pointer(0));
            const std::string lonelyMax(right.key(0));
            right.remove(0);
            parent.setKey(0, lonelyMax);
            file_.writeNode(right);
            file_.writeNode(lonely);
            file_.writeNode(parent);
            return;
        }
    }
    file_.release(lonely.page());
    file_.writeNode(parent);
    if (parent.count() == 0)
        fixLonely(path, level - 1);
}

void TagTree::setRoot(uint32_t page)
{
    header_.rootPage = page;
    ++header_.changeCounter;
    file_.writeTagHeader(headerPage_, header_);
}

void TagTree::setHasKeys(bool hasKeys)
{
    header_.hasKeys = hasKeys;
    file_.writeTagHeader(headerPage_, header_);
}

void TagTree::sort(std::vector<IndexEntry> &entries) const
{
    // Record numbers break ties, so the order is total and an unstable sort is enough.
    std::sort(entries.begin(), entries.end(), [this](const IndexEntry &a, const IndexEntry &b) {
        const int c = compareKeys(a.key, b.key);
        return c != 0 ? c < 0 : a.recNo < b.recNo;
    });
}

void TagTree::sort(KeyBatch &keys) const
{
    keys.sort([this](std::string_view a, std::string_view b) { return compareKeys(a, b); },
              header_.keyType == 'C', header_.descending);
}

void TagTree::build(const KeyBatch &sorted)
{
    BlockWriter writer(file_);
    struct Built
    {
        uint32_t page;
        std::string maxKey;
    };
    std::vector<Built> level;
    // Leaves keep a little room so the first edits after a build do not all split.
    const int perLeaf = std::max(1, header_.keysPerNode - header_.keysPerNode / 10);
    for (size_t i = 0; i < sorted.size() || level.empty(); i += static_cast<size_t>(perLeaf)) {
        IndexNode leaf = file_.newNode(file_.appendBlock(), header_);
        const size_t end = std::min(sorted.size(), i + static_cast<size_t>(perLeaf));
        for (size_t j = i; j < end; ++j)
            leaf.insert(static_cast<int>(j - i), sorted.recNo(j), sorted.key(j));
        writer.add(leaf);
        level.push_back({leaf.page(), end > i ? std::string(sorted.key(end - 1)) : std::string()});
        if (sorted.size() == 0)
            break;
    }
    header_.firstLeaf = level.front().page;
    header_.lastLeaf = level.back().page;
    const size_t perNode = static_cast<size_t>(header_.keysPerNode) + 1;
    while (level.size() > 1) {
        std::vector<Built> upper;
        for (size_t i = 0; i < level.size();) {
            size_t take = std::min(perNode, level.size() - i);
            if (level.size() - i - take == 1)
                --take; // never leave a node with a single child
            IndexNode n = file_.newNode(file_.appendBlock(), header_);
            for (size_t j = 0; j + 1 < take; ++j)
                n.insert(static_cast<int>(j), level[i + j].page, level[i + j].maxKey);
            n.setPointer(static_cast<int>(take) - 1, level[i + take - 1].page);
            writer.add(n);
            upper.push_back({n.page(), level[i + take - 1].maxKey});
            i += take;
        }
        level = std::move(upper);
    }
    writer.flush();
    header_.rootPage = level.front().page;
    header_.hasKeys = sorted.size() > 0;
    file_.writeTagHeader(headerPage_, header_);
}

void TagTree::releaseAll()
{
    // Walk with a bound: a damaged tree must not make this loop for ever.
    std::vector<std::pair<uint32_t, size_t>> pending = {{header_.rootPage, 0}};
    std::vector<uint32_t> pages;
    const size_t limit = file_.header().totalPages;
    while (!pending.empty()) {
        const auto [page, depth] = pending.back();
        pending.pop_back();
        checkDepth(depth);
        if (pages.size() > limit)
            throw IndexError("The index file " + file_.path() + " is damaged: a tag's tree loops");
        const IndexNode n = node(page);
        pages.push_back(page);
        if (!n.isLeaf())
            for (int i = 0; i <= n.count(); ++i)
                pending.push_back({n.pointer(i), depth + 1});
    }
    std::sort(pages.begin(), pages.end());
    pages.erase(std::unique(pages.begin(), pages.end()), pages.end());
    for (uint32_t page : pages)
        file_.release(page);
}

} // namespace dbase
