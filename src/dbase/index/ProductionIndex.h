#pragma once

#include "dbase/RecordView.h"
#include "dbase/index/KeyExpression.h"
#include "dbase/index/MdxFile.h"
#include "dbase/index/ScanSource.h"
#include "dbase/index/TagHeader.h"

#include <memory>
#include <optional>
#include <string>
#include <vector>

namespace dbase {

class KeyBuffer;
class TagTree;

struct TagInfo
{
    std::string name;
    std::string expression;
    bool descending = false;
    char keyType = 'C';
    int keyLength = 0;
};

// A table's production index (.MDX): its tags and their B-trees. The file may be
// open in other processes too; every call takes the index lock for its duration.
// All failures throw IndexError.
class ProductionIndex
{
public:
    static constexpr int kMaxTags = 47;

    // A new empty index (no tags), replacing any file of that name.
    static std::unique_ptr<ProductionIndex> create(const std::string &path, const std::string &tableName,
                                                   const std::vector<FieldInfo> &fields);
    static std::unique_ptr<ProductionIndex> open(const std::string &path,
                                                 const std::vector<FieldInfo> &fields);

    const std::string &path() const { return file_->path(); }
    // A change was cut off (crash, failed write): the tags must be regenerated before use.
    bool isStale() const { return file_->isStale(); }
    // Records on disk that the tags no longer match the table (before a pack or an empty
    // rewrites it); cleared by regenerate().
    void markStale();

    std::vector<TagInfo> tags();
    std::optional<int> findTag(const std::string &name);

    // Adds a tag built from a full scan. Fails, leaving the file as it was, when the name is
    // taken or not a valid tag name, the index already holds 47 tags, or the expression is unusable.
    void addTag(const std::string &name, const std::string &expression, bool descending,
                const ScanSource &scan);
    // Its blocks go to the free list.
    void deleteTag(const std::string &name);
    // Rebuilds every tag from one scan into a compacted file; clears a stale state.
    void regenerate(const ScanSource &scan);

    // The key a tag gives for a record (e.g. a key buffer holding range ends), in stored form.
    std::string keyOf(const std::string &tagName, const RecordView &record);
    // The same for a key buffer, cut after its prefix field (KeyBuffer::setPrefix);
    // named apart so a buffer passed as a plain record view cannot lose the cut.
    std::string keyOfBuffer(const std::string &tagName, const KeyBuffer &buffer);

    // Keeps every tag in step with one record: added, removed, or changed from one form to another.
    void insertKey(uint32_t recNo, const RecordView &record);
    void removeKey(uint32_t recNo, const RecordView &record);
    void updateKey(uint32_t recNo, const RecordView &before, const RecordView &after);

    // Holds the index lock across many changes, as a transaction would (one marker cycle).
    class Batch
    {
    public:
        explicit Batch(ProductionIndex &index) : scope_(*index.file_, true) {}

    private:
        MdxFile::Scope scope_;
    };

    // Lower-level access for cursors and the checker. Call inside a scope.
    struct Tag
    {
        TagSlot slot;
        TagHeader header;
        std::optional<KeyExpression> expression;
    };
    MdxFile &file() { return *file_; }
    // Re-reads the tag definitions when another process changed the header.
    void syncTags();
    int tagCount() const { return static_cast<int>(tags_.size()); }
    Tag &tag(int i) { return tags_.at(static_cast<size_t>(i)); }
    TagTree tree(int i);

private:
    ProductionIndex(std::unique_ptr<MdxFile> file, std::vector<FieldInfo> fields);
    void loadTags();
    int requireTag(const std::string &name);
    template <typename Change>
    void changeEveryTag(Change change);
    void removeOrFail(TagTree &tree, const std::string &key, uint32_t recNo, const std::string &tagName);

    std::unique_ptr<MdxFile> file_;
    std::vector<FieldInfo> fields_;
    std::vector<Tag> tags_;
    uint64_t loadedAt_ = 0;
};

} // namespace dbase
