#include "dbase/IndexUpkeep.h"

#include "dbase/Error.h"
#include "dbase/PathNames.h"
#include "dbase/RecordBuffer.h"
#include "dbase/RecordFile.h"
#include "dbase/index/TagCursor.h"

#include <algorithm>
#include <cctype>
#include <cstdio>
#include <ctime>

namespace dbase {

std::string IndexUpkeep::storedName(const std::string &name)
{
    std::string upper = name;
    for (char &c : upper)
        c = char(std::toupper(static_cast<unsigned char>(c)));
    return upper;
}

void IndexUpkeep::open(bool exclusive)
{
    const std::string wanted = siblingPath(m_records.path(), ".mdx");
    const auto found = findFileNoCase(wanted);
    if (!found) {
        if (m_records.header().productionIndex)
            throw Error(ErrorKind::NotFound,
                        "Index file " + wanted + " of table " + m_records.path() + " does not exist");
        return;
    }
    m_index = ProductionIndex::open(*found, m_records.header().fields);
    m_holdsDeletedKeys.clear(); // also for a stale index: rebuilt tags hold live records' keys only
    if (m_index->isStale())
        rebuildStale(exclusive);
    if (exclusive && !m_records.isReadOnly())
        syncFlags();
}

void IndexUpkeep::rebuildStale(bool exclusive)
{
    if (m_records.isReadOnly())
        return;
    if (exclusive) {
        m_index->regenerate(scanSource());
        return;
    }
    // Rebuilding replaces the file, which only works while no one else has it open.
    if (!m_records.tryTakeWholeTable())
        return;
    try {
        m_index->regenerate(scanSource());
    } catch (...) {
        m_records.backToShared();
        throw;
    }
    m_records.backToShared();
}

void IndexUpkeep::close()
{
    m_session.reset();
    m_index.reset();
    m_deletedRecords.reset();
    m_followedStamp.reset();
    m_exactTags = 0;
    m_sealable = false;
    m_wroteRecords = false;
    m_holdsDeletedKeys.clear();
}

std::string IndexUpkeep::path() const
{
    return m_index ? m_index->path() : std::string();
}

std::vector<TagInfo> IndexUpkeep::tags()
{
    return m_index ? m_index->tags() : std::vector<TagInfo>();
}

bool IndexUpkeep::maintained() const
{
    return m_index && !m_index->isStale();
}

std::string IndexUpkeep::usableTag(const std::string &name)
{
    if (!m_index)
        throw Error(ErrorKind::NotFound, "Table " + m_records.path() + " has no index, so it has no tag " + name);
    if (!m_index->findTag(name))
        throw Error(ErrorKind::NotFound, "The index file " + m_index->path() + " has no tag " + storedName(name));
    if (m_index->isStale())
        throw Error(ErrorKind::Corrupt, "The index file " + m_index->path()
                                            + " is out of date; it is rebuilt when the table is next opened exclusively");
    return storedName(name);
}

void IndexUpkeep::requireCurrent() const
{
    if (m_index->isStale())
        throw Error(ErrorKind::Corrupt, "The index file " + m_index->path() + " is out of date");
}

std::string IndexUpkeep::keyOf(const std::string &tag, const std::string &record)
{
    return m_index->keyOf(tag, RecordBuffer::Stored(m_layout, record));
}

std::string IndexUpkeep::prefixKey(const std::string &tag, const KeyBuffer &buffer)
{
    std::string key = m_index->keyOfBuffer(tag, buffer);
    const auto i = m_index->findTag(tag);
    if (i && m_index->tags()[size_t(*i)].keyType == 'C')
        key = std::string(codec::trimRight(key));
    return key;
}

// ---- record changes ---------------------------------------------------------

void IndexUpkeep::beginChange(bool exclusive, std::optional<ProductionIndex::Batch> &batch)
{
    if (!exclusive)
        batch.emplace(*m_index);
    else if (!m_session)
        m_session.emplace(*m_index);
}

void IndexUpkeep::changeKeys(RecordChange change, uint32_t recno, const RecordView &before, const RecordView &after)
{
    switch (change) {
    case RecordChange::Insert: m_index->insertKey(recno, after); break;
    case RecordChange::Update: m_index->updateKey(recno, before, after); break;
    // The key leaves with its record even in a tag where another writer left the keys of
    // the records it deleted: a tag then holds as many keys beyond the live records as it
    // did, so our own tags never come to need the deleted-record checks of walks.
    case RecordChange::Delete:
        m_index->removeKey(recno, before);
        if (m_deletedRecords)
            ++*m_deletedRecords;
        break;
    }
}

void IndexUpkeep::markStale()
{
    m_index->file().markStale();
}

void IndexUpkeep::endSession()
{
    m_session.reset();
}

// ---- tags -------------------------------------------------------------------

void IndexUpkeep::addTag(const std::string &name, const std::string &expression, bool descending)
{
    endSession();
    m_holdsDeletedKeys.clear();
    m_exactTags = 0;
    // Refused expressions fail before any file is made.
    KeyExpression::parse(expression, m_records.header().fields);
    const bool created = !m_index;
    if (created) {
        const std::string file = fileNameOf(m_records.path());
        m_index = ProductionIndex::create(siblingPath(m_records.path(), ".mdx"), file.substr(0, file.find_last_of('.')),
                                          m_records.header().fields);
    }
    try {
        m_index->addTag(name, expression, descending, scanSource());
    } catch (...) {
        if (created) {
            const std::string path = m_index->path();
            m_index.reset();
            std::remove(path.c_str());
        }
        throw;
    }
    syncFlags();
}

void IndexUpkeep::deleteTag(const std::string &name)
{
    endSession();
    m_holdsDeletedKeys.clear();
    m_exactTags = 0;
    if (!m_index)
        throw Error(ErrorKind::NotFound, "Table " + m_records.path() + " has no index, so it has no tag " + name);
    m_index->deleteTag(name);
    syncFlags();
}

void IndexUpkeep::regenerate()
{
    endSession();
    m_holdsDeletedKeys.clear();
    m_exactTags = 0;
    if (!m_index)
        return;
    m_index->regenerate(scanSource());
    syncFlags();
}

void IndexUpkeep::scanRecords(const RecordVisitor &visit)
{
    std::string bytes;
    const uint32_t count = m_records.count();
    for (uint32_t recno = 1; recno <= count; ++recno) {
        const char *record = m_records.recordBytes(recno);
        if (record[0] == RecordFile::kDeleted)
            continue;
        bytes.assign(record, m_records.header().recordLength);
        visit(recno, RecordBuffer::Stored(m_layout, bytes));
    }
}

std::vector<bool> IndexUpkeep::deletedRecords()
{
    return m_records.deletionMarks();
}

// A table file's modification time is only as fine as the file system's clock: a write
// within the same tick as an earlier one may leave it as it was. Marks counted once the
// last write is this far in the past are told from any later write's by the time alone.
static constexpr int64_t kSettledNs = 2'000'000'000;

std::optional<DeletedSeal> IndexUpkeep::validSeal(const File::Stamp &stamp)
{
    MdxFile &file = m_index->file();
    MdxFile::Scope scope(file, false);
    const std::optional<DeletedSeal> &seal = file.deletedSeal();
    if (seal && seal->records == m_records.count() && seal->tableSize == stamp.size
        && seal->tableModifiedNs == stamp.modifiedNs)
        return seal;
    return std::nullopt;
}

void IndexUpkeep::followSeal(const DeletedSeal &seal, const File::Stamp &stamp)
{
    m_deletedRecords = seal.deleted;
    m_followedStamp = stamp;
    m_exactTags = seal.exactTags;
    m_sealable = true;
}

uint64_t IndexUpkeep::countDeletedRecords()
{
    const uint32_t records = m_records.physicalCount(true); // another process's appends count too
    const File::Stamp before = m_records.stamp();
    if (const std::optional<DeletedSeal> seal = validSeal(before)) {
        followSeal(*seal, before);
        return seal->deleted;
    }
    const std::vector<bool> marks = m_records.deletionMarks();
    const auto deleted = uint32_t(std::count(marks.begin(), marks.end(), true));
    if (m_records.stamp() != before || m_records.physicalCount(true) != records)
        return deleted; // counted while another process wrote: right for this open only
    m_followedStamp = before;
    m_exactTags = 0;
    timespec now{};
    clock_gettime(CLOCK_REALTIME, &now);
    const int64_t nowNs = int64_t(now.tv_sec) * 1'000'000'000 + now.tv_nsec;
    // Counted while the file stood still, long after its last write: the next open may
    // take the count from the seal for as long as the file stays as it is.
    m_sealable = nowNs - before.modifiedNs >= kSettledNs;
    m_deletedRecords = deleted;
    sealFollowedCount();
    return deleted;
}

std::optional<DeletedSeal> IndexUpkeep::followedSeal(const File::Stamp &stamp)
{
    if (!m_deletedRecords || !m_followedStamp)
        return std::nullopt;
    uint64_t exact = m_exactTags;
    for (const auto &[tag, holds] : m_holdsDeletedKeys) {
        const std::optional<int> i = m_index->findTag(tag);
        if (i && *i < 64)
            exact = holds ? exact & ~(uint64_t(1) << *i) : exact | uint64_t(1) << *i;
    }
    return DeletedSeal{m_records.count(), uint32_t(*m_deletedRecords), stamp.size, stamp.modifiedNs, exact};
}

// Between writes of ours: only while the file is still as the count knows it.
void IndexUpkeep::sealFollowedCount()
{
    if (!m_sealable || m_wroteRecords || m_records.isReadOnly() || !m_followedStamp
        || m_records.stamp() != *m_followedStamp)
        return;
    try {
        if (const std::optional<DeletedSeal> seal = followedSeal(*m_followedStamp))
            m_index->file().setDeletedSeal(seal);
    } catch (const std::exception &) {
        // Without the seal the next open counts the marks again: nothing is lost.
    }
}

void IndexUpkeep::beforeRecordWrite(bool exclusive)
{
    m_wroteRecords = true;
    if (!m_deletedRecords) {
        // Never asked yet: the seal, while still true, gives the count to follow.
        const File::Stamp stamp = m_records.stamp();
        if (const std::optional<DeletedSeal> seal = validSeal(stamp))
            followSeal(*seal, stamp);
        return;
    }
    // Nobody else writes a table we hold for ourselves.
    if (m_followedStamp && !exclusive && m_records.stamp() != *m_followedStamp)
        m_followedStamp.reset();
}

void IndexUpkeep::afterRecordWrite(bool exclusive)
{
    if (m_followedStamp && !exclusive)
        m_followedStamp = m_records.stamp();
}

// A seal left as it was after our writes would be wrong only if another write came
// within the same tick of the file system's clock; clearing it closes even that.
void IndexUpkeep::keepDeletedCount(bool exclusive)
{
    if (!m_index || !m_wroteRecords || m_index->isStale() || m_records.isReadOnly())
        return;
    std::optional<DeletedSeal> seal;
    const File::Stamp now = m_records.stamp();
    if (m_followedStamp && (exclusive || now == *m_followedStamp))
        seal = followedSeal(now);
    try {
        m_index->file().setDeletedSeal(seal);
    } catch (const std::exception &) {
        // Without the seal the next open counts the marks again: nothing is lost.
    }
    m_wroteRecords = false;
}

std::optional<uint64_t> IndexUpkeep::liveRecords()
{
    if (!m_deletedRecords || !m_followedStamp)
        return std::nullopt;
    if (!m_records.exclusive() && m_records.stamp() != *m_followedStamp)
        return std::nullopt; // another writer since: the tag itself says
    return m_records.physicalCount(true) - *m_deletedRecords;
}

bool IndexUpkeep::holdsDeletedKeys(const std::string &tag)
{
    if (const auto known = m_holdsDeletedKeys.find(tag); known != m_holdsDeletedKeys.end())
        return known->second;
    if (!m_deletedRecords)
        m_deletedRecords = countDeletedRecords();
    bool holds = false;
    // Records appended since the count, by us or another process, are live: their keys
    // came with them.
    if (*m_deletedRecords > 0) {
        const std::optional<int> i = m_index->findTag(tag);
        const bool sealedExact = m_followedStamp && i && *i < 64 && (m_exactTags >> *i & 1) != 0;
        if (!sealedExact) {
            TagCursor whole(*m_index, tag);
            holds = whole.count() + *m_deletedRecords > m_records.physicalCount(true);
            m_holdsDeletedKeys.emplace(tag, holds);
            sealFollowedCount(); // the next open need not walk the tag again
            return holds;
        }
    }
    m_holdsDeletedKeys.emplace(tag, holds);
    return holds;
}

ScanSource IndexUpkeep::scanSource()
{
    return [this](const RecordVisitor &visit) { scanRecords(visit); };
}

std::vector<bool> IndexUpkeep::taggedFields()
{
    std::vector<bool> tagged(m_records.header().fields.size(), false);
    for (const TagInfo &tag : tags()) {
        const int pos = m_layout.fieldIndex(codec::trim(tag.expression));
        if (pos >= 0)
            tagged[size_t(pos)] = true;
    }
    return tagged;
}

// Other dBASE readers trust byte 28 and the descriptors' byte 31: keep them as the tags are.
void IndexUpkeep::syncFlags()
{
    m_records.writeIndexFlags(m_index != nullptr, taggedFields());
}

IndexCheckResult IndexUpkeep::check()
{
    const DbfHeader &header = m_records.header();
    IndexCheckResult result;
    std::vector<std::string> &problems = result.problems;
    if (!m_index) {
        if (header.productionIndex)
            problems.push_back("Table " + m_records.path() + " has its production index flag set but no index file");
        return result;
    }
    if (m_index->isStale())
        problems.push_back("The index file " + m_index->path() + " is marked as being changed (out of date)");
    const IndexCheckResult found = checkIndex(*m_index, scanSource(), deletedRecords());
    problems.insert(problems.end(), found.problems.begin(), found.problems.end());
    result.notes = found.notes;
    if (!header.productionIndex)
        problems.push_back("Table " + m_records.path() + " has an index file but its production index flag is not set");
    const std::vector<bool> tagged = taggedFields();
    for (size_t i = 0; i < tagged.size(); ++i)
        if (header.fields[i].tagged != tagged[i])
            problems.push_back("The tag flag of field " + header.fields[i].name + " of " + m_records.path()
                               + " disagrees with the index");
    return result;
}

} // namespace dbase
