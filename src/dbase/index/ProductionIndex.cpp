#include "dbase/index/ProductionIndex.h"

#include "dbase/KeyBuffer.h"

#include "dbase/index/IndexError.h"
#include "dbase/index/MdxLayout.h"
#include "dbase/index/TagTree.h"

#include <algorithm>
#include <cctype>

namespace dbase {

namespace {

std::string upper(std::string text)
{
    for (char &c : text)
        c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
    return text;
}

bool isTagName(const std::string &name)
{
    if (name.empty() || name.size() > mdx::kTagNameLength || !std::isalpha(static_cast<unsigned char>(name[0])))
        return false;
    return std::all_of(name.begin(), name.end(),
                       [](char c) { return std::isalnum(static_cast<unsigned char>(c)) || c == '_'; });
}

} // namespace

ProductionIndex::ProductionIndex(std::unique_ptr<MdxFile> file, std::vector<FieldInfo> fields)
    : file_(std::move(file)), fields_(std::move(fields))
{
    MdxFile::Scope scope(*file_, false);
    loadTags();
}

std::unique_ptr<ProductionIndex> ProductionIndex::create(const std::string &path,
                                                         const std::string &tableName,
                                                         const std::vector<FieldInfo> &fields)
{
    return std::unique_ptr<ProductionIndex>(
        new ProductionIndex(MdxFile::create(path, upper(tableName)), fields));
}

std::unique_ptr<ProductionIndex> ProductionIndex::open(const std::string &path,
                                                       const std::vector<FieldInfo> &fields)
{
    return std::unique_ptr<ProductionIndex>(new ProductionIndex(MdxFile::open(path), fields));
}

void ProductionIndex::loadTags()
{
    std::vector<Tag> loaded;
    for (const TagSlot &slot : file_->header().tagSlots) {
        Tag tag{slot, file_->tagHeader(slot.headerPage), std::nullopt};
        try {
            tag.expression = KeyExpression::parse(tag.header.expression, fields_);
        } catch (const IndexError &e) {
            throw IndexError("The index file " + path() + " has tag " + slot.name +
                             " that this table cannot use: " + e.what());
        }
        if (tag.expression->keyType() != tag.header.keyType ||
            tag.expression->keyLength() != tag.header.keyLength)
            throw IndexError("The index file " + path() + " is damaged: tag " + slot.name +
                             " does not fit its key expression");
        loaded.push_back(std::move(tag));
    }
    tags_ = std::move(loaded);
    loadedAt_ = file_->reloads();
}

void ProductionIndex::syncTags()
{
    if (loadedAt_ != file_->reloads())
        loadTags();
}

TagTree ProductionIndex::tree(int i)
{
    Tag &t = tag(i);
    return TagTree(*file_, t.slot.headerPage, t.header);
}

std::vector<TagInfo> ProductionIndex::tags()
{
    MdxFile::Scope scope(*file_, false);
    syncTags();
    std::vector<TagInfo> result;
    for (const Tag &t : tags_)
        result.push_back({t.slot.name, t.header.expression, t.header.descending, t.header.keyType,
                          t.header.keyLength});
    return result;
}

std::optional<int> ProductionIndex::findTag(const std::string &name)
{
    MdxFile::Scope scope(*file_, false);
    syncTags();
    const std::string wanted = upper(name);
    for (size_t i = 0; i < tags_.size(); ++i)
        if (tags_[i].slot.name == wanted)
            return static_cast<int>(i);
    return std::nullopt;
}

int ProductionIndex::requireTag(const std::string &name)
{
    const auto found = findTag(name);
    if (!found)
        throw IndexError("The index file " + path() + " has no tag " + upper(name), ErrorKind::NotFound);
    return *found;
}

std::string ProductionIndex::keyOf(const std::string &tagName, const RecordView &record)
{
    MdxFile::Scope scope(*file_, false);
    return tag(requireTag(tagName)).expression->evaluate(record);
}

std::string ProductionIndex::keyOfBuffer(const std::string &tagName, const KeyBuffer &buffer)
{
    MdxFile::Scope scope(*file_, false);
    return buffer.keyOf(*tag(requireTag(tagName)).expression);
}

void ProductionIndex::addTag(const std::string &name, const std::string &expressionText,
                             bool descending, const ScanSource &scan)
{
    const std::string tagName = upper(name);
    if (!isTagName(tagName))
        throw IndexError("\"" + name + "\" is not a valid tag name for " + path() +
                         ": use 1 to 10 letters, digits or _, starting with a letter", ErrorKind::Value);
    const KeyExpression expression = KeyExpression::parse(expressionText, fields_);
    MdxFile::Scope scope(*file_, true);
    syncTags();
    if (findTag(tagName))
        throw IndexError("The index file " + path() + " already has a tag " + tagName, ErrorKind::Value);
    if (tagCount() >= kMaxTags)
        throw IndexError("The index file " + path() + " already holds " + std::to_string(kMaxTags) +
                         " tags, the most it can hold; tag " + tagName + " was not added", ErrorKind::Value);

    KeyBatch entries(static_cast<size_t>(expression.keyLength()));
    scan([&](uint32_t recNo, const RecordView &record) { entries.add(expression.evaluate(record), recNo); });
    const std::vector<uint8_t> saved = file_->saveHeader();
    try {
        // New blocks only at the end, so undoing is cutting the file back.
        Tag tag{TagSlot{file_->appendBlock(), tagName, expression.keyType()},
                TagHeader::forKey(expression.keyType(), expression.keyLength(), descending,
                                  expressionText, file_->header().blockSize),
                expression};
        TagTree built(*file_, tag.slot.headerPage, tag.header);
        built.sort(entries);
        built.build(entries);
        std::vector<TagSlot> tagSlots = file_->header().tagSlots;
        tagSlots.push_back(tag.slot);
        file_->setSlots(std::move(tagSlots));
        tags_.push_back(std::move(tag));
    } catch (...) {
        file_->restoreHeader(saved);
        loadTags();
        throw;
    }
}

void ProductionIndex::markStale()
{
    file_->markStaleOnDisk();
}

void ProductionIndex::deleteTag(const std::string &name)
{
    MdxFile::Scope scope(*file_, true);
    const int i = requireTag(name);
    try {
        // The slot goes first, so a cut-off delete never leaves a slot naming a freed block.
        Tag removed = std::move(tag(i));
        tags_.erase(tags_.begin() + i);
        std::vector<TagSlot> tagSlots;
        for (const Tag &t : tags_)
            tagSlots.push_back(t.slot);
        file_->setSlots(std::move(tagSlots));
        TagTree(*file_, removed.slot.headerPage, removed.header).releaseAll();
        file_->release(removed.slot.headerPage);
    } catch (...) {
        file_->markStale();
        throw;
    }
}

void ProductionIndex::regenerate(const ScanSource &scan)
{
    std::unique_ptr<MdxFile> fresh;
    {
        // The old file is only read: a failure or a kill before the rename leaves it as it was.
        MdxFile::Scope scope(*file_, true);
        syncTags();
        fresh = MdxFile::createBeside(path(), file_->header().tableName);
        try {
            MdxFile::Scope building(*fresh, true);
            std::vector<TagSlot> tagSlots;
            for (size_t i = 0; i < tags_.size(); ++i) {
                const Tag &old = tags_[i];
                TagSlot slot{fresh->appendBlock(), old.slot.name, old.slot.keyType};
                TagHeader header = TagHeader::forKey(old.header.keyType, old.header.keyLength,
                                                     old.header.descending, old.header.expression,
                                                     fresh->header().blockSize);
                // One tag's keys at a time: memory stays at one tag's worth.
                KeyBatch entries(static_cast<size_t>(old.header.keyLength));
                const KeyExpression &expression = *old.expression;
                scan([&](uint32_t recNo, const RecordView &record) { entries.add(expression.evaluate(record), recNo); });
                TagTree built(*fresh, slot.headerPage, header);
                built.sort(entries);
                built.build(entries);
                tagSlots.push_back(slot);
            }
            fresh->setSlots(std::move(tagSlots));
        } catch (...) {
            fresh->discard();
            throw;
        }
        fresh->replace(path());
    }
    file_ = std::move(fresh);
    MdxFile::Scope scope(*file_, false);
    loadTags();
}

void ProductionIndex::removeOrFail(TagTree &tree, const std::string &key, uint32_t recNo,
                                   const std::string &tagName)
{
    if (!tree.remove(key, recNo))
        throw IndexError("The index file " + path() + " is out of date: record " +
                         std::to_string(recNo) + " is missing from tag " + tagName);
}

template <typename Change>
void ProductionIndex::changeEveryTag(Change change)
{
    MdxFile::Scope scope(*file_, true);
    syncTags();
    try {
        for (int i = 0; i < tagCount(); ++i) {
            TagTree t = tree(i);
            change(t, *tag(i).expression, tag(i).slot.name);
        }
    } catch (...) {
        // Some tags may hold the change and others not.
        file_->markStale();
        throw;
    }
}

void ProductionIndex::insertKey(uint32_t recNo, const RecordView &record)
{
    changeEveryTag([&](TagTree &t, const KeyExpression &e, const std::string &) {
        t.insert(e.evaluate(record), recNo);
    });
}

void ProductionIndex::removeKey(uint32_t recNo, const RecordView &record)
{
    changeEveryTag([&](TagTree &t, const KeyExpression &e, const std::string &name) {
        removeOrFail(t, e.evaluate(record), recNo, name);
    });
}

void ProductionIndex::updateKey(uint32_t recNo, const RecordView &before, const RecordView &after)
{
    changeEveryTag([&](TagTree &t, const KeyExpression &e, const std::string &name) {
        // Untouched fields give the same key: no need to compute it (a memo read each).
        if (!e.mayDiffer(before, after))
            return;
        const std::string oldKey = e.evaluate(before), newKey = e.evaluate(after);
        if (oldKey == newKey)
            return;
        removeOrFail(t, oldKey, recNo, name);
        t.insert(newKey, recNo);
    });
}

} // namespace dbase
