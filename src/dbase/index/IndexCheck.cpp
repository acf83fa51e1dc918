#include "dbase/index/IndexCheck.h"

#include "dbase/index/IndexError.h"
#include "dbase/index/MdxLayout.h"
#include "dbase/index/TagTree.h"

#include <set>

namespace dbase {

namespace {

class TreeWalk
{
public:
    TreeWalk(MdxFile &file, TagTree &tree, std::set<uint32_t> &used,
             std::vector<std::string> &problems, const std::string &tagName)
        : file_(file), tree_(tree), used_(used), problems_(problems), tag_(tagName)
    {
    }

    // Largest key of the subtree, or nothing when the subtree could not be read.
    std::optional<std::string> visit(uint32_t page, int depth)
    {
        if (depth > mdx::kMaxDepth)
            return fail("the tree is deeper than " + std::to_string(mdx::kMaxDepth) + " levels");
        if (!file_.blockInFile(page))
            return fail("page " + std::to_string(page) + " is outside the file");
        if (!used_.insert(page).second)
            return fail("page " + std::to_string(page) + " is used twice");
        std::optional<IndexNode> node;
        try {
            node.emplace(tree_.node(page));
        } catch (const IndexError &e) {
            return fail(e.what());
        }
        const int count = node->count();
        if (node->isLeaf()) {
            if (leafDepth_ < 0)
                leafDepth_ = depth;
            else if (leafDepth_ != depth)
                return fail("leaves at different depths");
            if (count == 0 && depth > 0)
                return fail("empty leaf on page " + std::to_string(page));
            for (int i = 0; i < count; ++i)
                entries.push_back({std::string(node->key(i)), node->pointer(i)});
            return count > 0 ? std::optional<std::string>(node->key(count - 1)) : std::string();
        }
        if (count == 0)
            return fail("interior page " + std::to_string(page) + " has no keys");
        std::optional<std::string> largest;
        for (int i = 0; i <= count; ++i) {
            largest = visit(node->pointer(i), depth + 1);
            if (!largest)
                return std::nullopt;
            if (i < count && *largest != node->key(i))
                fail("page " + std::to_string(page) + " names a child by a key that is not its largest");
        }
        return largest;
    }

    std::vector<IndexEntry> entries;

private:
    std::optional<std::string> fail(const std::string &what)
    {
        problems_.push_back("Tag " + tag_ + ": " + what);
        return std::nullopt;
    }

    MdxFile &file_;
    TagTree &tree_;
    std::set<uint32_t> &used_;
    std::vector<std::string> &problems_;
    std::string tag_;
    int leafDepth_ = -1;
};

// Keys must ascend in tag order; within a run of equal keys record order is what this
// engine writes, and another order only a note: dBASE does not promise it.
void checkOrder(TagTree &tree, const std::vector<IndexEntry> &entries, const std::string &tag,
                IndexCheckResult &result)
{
    bool noted = false;
    for (size_t i = 1; i < entries.size(); ++i) {
        const int c = tree.compareKeys(entries[i - 1].key, entries[i].key);
        if (c > 0 || (c == 0 && entries[i - 1].recNo == entries[i].recNo)) {
            result.problems.push_back("Tag " + tag + ": entries " + std::to_string(i) + " and " +
                                      std::to_string(i + 1) + " are out of order");
            return;
        }
        if (c == 0 && entries[i - 1].recNo > entries[i].recNo && !noted) {
            result.notes.push_back("Tag " + tag + ": equal keys are not in record order at entries " +
                                   std::to_string(i) + " and " + std::to_string(i + 1));
            noted = true;
        }
    }
}

void checkFreeList(MdxFile &file, std::set<uint32_t> &used, std::vector<std::string> &problems)
{
    uint32_t page = file.header().freeListHead;
    while (page != 0) {
        if (!file.blockInFile(page) || !used.insert(page).second) {
            problems.push_back("The free list is damaged at page " + std::to_string(page));
            return;
        }
        page = file.nextFree(page);
    }
}

// Drops the keys of deleted records, as other writers leave them; a key naming a record
// that is not in the file stays, to be reported against the records.
void dropDeletedKeys(std::vector<IndexEntry> &entries, const std::vector<bool> &deleted)
{
    if (deleted.empty())
        return;
    std::erase_if(entries, [&](const IndexEntry &e) { return e.recNo < deleted.size() && deleted[e.recNo]; });
}

void reportPastLast(const std::vector<IndexEntry> &entries, size_t records, const std::string &tag,
                    std::vector<std::string> &problems)
{
    for (const IndexEntry &e : entries) {
        if (e.recNo == 0 || e.recNo > records) {
            problems.push_back("Tag " + tag + ": a key names record " + std::to_string(e.recNo) +
                               ", which is not in the table");
            return;
        }
    }
}

} // namespace

IndexCheckResult checkIndex(ProductionIndex &index, const ScanSource &scan, const std::vector<bool> &deleted)
{
    IndexCheckResult result;
    MdxFile::Scope scope(index.file(), false);
    index.syncTags();
    std::set<uint32_t> used;
    std::vector<std::vector<IndexEntry>> expected(static_cast<size_t>(index.tagCount()));
    scan([&](uint32_t recNo, const RecordView &record) {
        for (int i = 0; i < index.tagCount(); ++i)
            expected[static_cast<size_t>(i)].push_back({index.tag(i).expression->evaluate(record), recNo});
    });
    for (int i = 0; i < index.tagCount(); ++i) {
        auto &tag = index.tag(i);
        const std::string &name = tag.slot.name;
        used.insert(tag.slot.headerPage);
        TagTree tree = index.tree(i);
        TreeWalk walk(index.file(), tree, used, result.problems, name);
        if (!walk.visit(tag.header.rootPage, 0))
            continue;
        const size_t notesBefore = result.notes.size();
        checkOrder(tree, walk.entries, name, result);
        if (!deleted.empty())
            reportPastLast(walk.entries, deleted.size() - 1, name, result.problems);
        dropDeletedKeys(walk.entries, deleted);
        auto &want = expected[static_cast<size_t>(i)];
        tree.sort(want);
        // Keys in order with their runs put in record order hold the same entries, whatever
        // order the runs were in; a record given twice shows as a key that does not match.
        if (result.notes.size() > notesBefore)
            tree.sort(walk.entries);
        if (walk.entries.size() != want.size()) {
            result.problems.push_back("Tag " + name + ": " + std::to_string(walk.entries.size()) +
                                      " keys for " + std::to_string(want.size()) + " records");
            continue;
        }
        for (size_t k = 0; k < want.size(); ++k) {
            if (!tree.sameKey(walk.entries[k].key, want[k].key)
                || walk.entries[k].recNo != want[k].recNo) {
                result.problems.push_back("Tag " + name + ": key " + std::to_string(k + 1) +
                                          " does not match record " + std::to_string(want[k].recNo));
                break;
            }
        }
    }
    checkFreeList(index.file(), used, result.problems);
    return result;
}

} // namespace dbase
