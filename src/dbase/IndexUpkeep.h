#pragma once

#include "dbase/File.h"
#include "dbase/KeyBuffer.h"
#include "dbase/index/IndexCheck.h"
#include "dbase/index/ProductionIndex.h"

#include <cstdint>
#include <map>
#include <memory>
#include <optional>
#include <string>
#include <vector>

namespace dbase {

class RecordBuffer;
class RecordFile;

enum class RecordChange { Insert, Update, Delete };

// A table's production index (.MDX) kept in step with its records: opened with
// the table (and rebuilt there when a process died while changing it), changed
// with every record, its tags added, deleted, rebuilt and checked. Header byte
// 28 and the descriptors' byte 31, which other dBASE readers trust, follow the tags.
class IndexUpkeep
{
public:
    // `layout` gives the field layout and reads memos for keys of stored records.
    IndexUpkeep(RecordFile &records, const RecordBuffer &layout) : m_records(records), m_layout(layout) {}

    // A tag name as the index stores it.
    static std::string storedName(const std::string &name);

    // Opens the table's .MDX when there is one; NotFound when the header's flag says
    // there must be. A stale index is rebuilt when nobody else can be using the table.
    void open(bool exclusive);
    void close();

    bool exists() const { return m_index != nullptr; }
    ProductionIndex &index() { return *m_index; }
    // "" when the table has none.
    std::string path() const;
    std::vector<TagInfo> tags();
    // False when the index is missing or stale: record changes then leave the tags alone.
    bool maintained() const;

    // NotFound for an unknown tag, Corrupt while the index is stale; returns the stored name.
    std::string usableTag(const std::string &name);
    void requireCurrent() const;
    // A tag's key of a record as stored, in stored form.
    std::string keyOf(const std::string &tag, const std::string &record);
    // A tag's key of a key buffer; character keys lose their trailing blanks so
    // that they compare as prefixes.
    std::string prefixKey(const std::string &tag, const KeyBuffer &buffer);

    // The marker stays set until the record is written too: a stop in between
    // leaves the index marked stale, to be rebuilt from the records. A shared
    // table holds `batch` for one change; exclusive use holds the index's write
    // lock and marker from the first change to endSession (one marker cycle for many posts).
    void beginChange(bool exclusive, std::optional<ProductionIndex::Batch> &batch);
    void changeKeys(RecordChange change, uint32_t recno, const RecordView &before, const RecordView &after);
    // A change failed halfway: the tags may hold a change the record file does not.
    void markStale();
    // Around each write of a record while the tags are maintained: the count of deleted
    // records is followed through our own writes, and lost at another writer's.
    void beforeRecordWrite(bool exclusive);
    void afterRecordWrite(bool exclusive);
    // At close, after the last write: seals the followed count for the next open, or
    // clears a seal this session made untrue.
    void keepDeletedCount(bool exclusive);
    void endSession();

    // Changes of the tags, for exclusive use. addTag creates the .MDX when the table has none.
    void addTag(const std::string &name, const std::string &expression, bool descending);
    void deleteTag(const std::string &name);
    void regenerate();
    // Every problem: tag trees, keys against the records, header flags; and the notes.
    IndexCheckResult check();

    // Whether a tag holds keys of deleted records, as other dBASE writers leave them
    // (ours never do): more keys than the table has live records. Found once per tag
    // and kept while the tags stand, since our own changes keep a tag's keys and the
    // live records equal in number. The deleted records are counted once per open,
    // and not even then while the index's seal says how many there are.
    bool holdsDeletedKeys(const std::string &tag);
    // The live records' count while known without reading the table: the followed
    // count of deleted records, while no other writer changed the file since.
    std::optional<uint64_t> liveRecords();

private:
    void rebuildStale(bool exclusive);
    void syncFlags();
    std::vector<bool> taggedFields();
    ScanSource scanSource();
    // Indexed by record number (entry 0 unused): the records marked deleted.
    std::vector<bool> deletedRecords();
    // From the seal when the table file is as it was sealed; otherwise from the marks,
    // sealing the count when the file has been still long enough.
    uint64_t countDeletedRecords();
    // The seal while the table file is still as it was sealed.
    std::optional<DeletedSeal> validSeal(const File::Stamp &stamp);
    void followSeal(const DeletedSeal &seal, const File::Stamp &stamp);
    // What this object knows, as a seal for the file in the state `stamp`.
    std::optional<DeletedSeal> followedSeal(const File::Stamp &stamp);
    void sealFollowedCount();
    void scanRecords(const RecordVisitor &visit);

    RecordFile &m_records;
    const RecordBuffer &m_layout;
    std::unique_ptr<ProductionIndex> m_index;
    std::optional<ProductionIndex::Batch> m_session;
    // Records marked deleted: counted at the first question, then followed through our deletes.
    std::optional<uint64_t> m_deletedRecords;
    // The table file's stamp after our last write while the count is exact for it;
    // none once another writer may have changed the marks unseen.
    std::optional<File::Stamp> m_followedStamp;
    bool m_wroteRecords = false;
    // Tags the seal says hold one key per live record (valid while the count is followed).
    uint64_t m_exactTags = 0;
    // The followed count may be sealed: it came from a seal, or from marks counted
    // long after the file's last write.
    bool m_sealable = false;
    std::map<std::string, bool> m_holdsDeletedKeys;
};

} // namespace dbase
