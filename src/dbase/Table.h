#pragma once

#include "dbase/CursorOrder.h"
#include "dbase/DbfHeader.h"
#include "dbase/Error.h"
#include "dbase/FieldCodec.h"
#include "dbase/File.h"
#include "dbase/KeyBuffer.h"
#include "dbase/RecordView.h"
#include "dbase/index/ProductionIndex.h"

#include <cstdint>
#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace dbase {

class MemoFile;
class TableObserver;
class TagOrder;

// How the program treats a field, decided from its dBASE type.
enum class FieldKind { Text, Numeric, Date, Logical, Memo, Picture };
FieldKind kindOfType(char type);

// One dBASE table (.DBF with its .DBT and its production index .MDX) as the
// program uses it: a cursor over the live records in physical or tag order, a
// record buffer, and the append/edit/post/cancel/delete cycle. Shared opens
// lock the record being edited; an exclusive open keeps every other table
// object and process out.
//
// The production index opens with the table when the header's flag is set or
// the file exists (a missing file with the flag set is NotFound naming the
// .MDX). Every record change keeps every tag in step; a deleted record leaves
// every tag, so tag order, ranges and counts only see live records.
//
// An index left stale (a process died while changing it) is rebuilt at open
// when the open is exclusive, or when a shared open finds nobody else using the
// table. Otherwise the table opens in physical order: selecting a tag, ranges,
// finds and tag order raise Corrupt until an exclusive open rebuilds it, and
// record changes go on without touching the tags (which stay marked stale).
class Table : private PhysicalRecords
{
public:
    enum class State { Inactive, Browse, Edit, Insert };
    using Hook = std::function<void(Table &)>;
    using Bookmark = uint32_t;

    Table();
    ~Table();
    Table(const Table &) = delete;
    Table &operator=(const Table &) = delete;

    // Writes a new empty table (and memo file when a field needs one) at path,
    // replacing any table of that name.
    static void create(const std::string &path, std::vector<FieldInfo> fields);

    void setFolder(const std::string &folder) { m_folder = folder; }
    const std::string &folder() const { return m_folder; }
    void setFileName(const std::string &name) { m_fileName = name; }
    const std::string &fileName() const { return m_fileName; }
    void setExclusive(bool exclusive) { m_exclusive = exclusive; }
    bool exclusive() const { return m_exclusive; }
    // The tag selected at open ("" = physical order); on an open table the same as selectIndex.
    void setIndexName(const std::string &name);
    const std::string &indexName() const { return m_indexName; }

    // Opens folder/fileName (name matched without regard to case).
    void open();
    void open(const std::string &path, bool exclusive);
    // Posts a pending change, flushes to disk and releases every lock.
    void close();
    bool isOpen() const { return m_state != State::Inactive; }
    bool isReadOnly() const;
    // The path of the open .DBF and of its memo file ("" when it has none).
    const std::string &path() const { return m_path; }
    std::string memoPath() const;
    // Forces everything written so far to disk.
    void flush();

    State state() const { return m_state; }
    const DbfHeader &header() const { return m_header; }

    int fieldCount() const { return int(m_header.fields.size()); }
    const std::vector<FieldInfo> &fields() const { return m_header.fields; }
    const FieldInfo &fieldInfo(int pos) const;
    FieldKind fieldKind(int pos) const { return kindOfType(fieldInfo(pos).type); }
    // -1 when no field has that name (compared without regard to case).
    int fieldIndex(std::string_view name) const;

    void first();
    void last();
    // False (and eof set) when there is no further record.
    bool next();
    bool prior();
    // Moves up to n records forward (negative: back); returns the number moved.
    int moveBy(int n);
    bool eof() const { return m_eof; }
    bool bof() const { return m_bof; }
    // The record number of the current record, 0 when there is none.
    uint32_t recno() const { return m_recno; }
    Bookmark bookmark() const { return m_recno; }
    void gotoBookmark(Bookmark bookmark);
    // Live records in the current order.
    uint64_t recordCount();

    // Starts a new blank record; it reaches the file on post.
    void append();
    // Locks the current record for change (Locked when another has it).
    void edit();
    void post();
    void cancel();
    // Marks the current record deleted and moves to the next (else the prior).
    void deleteRecord();
    bool isModified() const { return m_modified; }

    std::string_view rawValue(int pos) const;
    // Text without trailing blanks (Windows-1252), numbers as written, dates
    // as YYYYMMDD, logicals T or F, memo contents.
    std::string asString(int pos) const;
    double asNumber(int pos) const;
    // Truncated toward zero.
    int64_t asInteger(int pos) const;
    std::optional<Date> asDate(int pos) const;
    bool asBool(int pos) const;
    std::string asBlob(int pos) const;
    bool isNull(int pos) const;

    void setString(int pos, std::string_view value);
    void setNumber(int pos, double value);
    void setInteger(int pos, int64_t value);
    void setDate(int pos, const std::optional<Date> &value);
    void setBool(int pos, bool value);
    void setBlob(int pos, std::string_view value);
    void setNull(int pos);
    void assign(int pos, const Table &source, int sourcePos);

    // The record buffer as index keys see it.
    const RecordView &currentRecord() const;

    void setAfterInsert(Hook hook) { m_afterInsert = std::move(hook); }
    void setBeforePost(Hook hook) { m_beforePost = std::move(hook); }
    void setObserver(TableObserver *observer) { m_observer = observer; }
    // Replaces the walking order (nullptr: physical order).
    void setCursorOrder(std::unique_ptr<CursorOrder> order);

    // ---- production index ----
    bool hasIndex() const { return m_index != nullptr; }
    // "" when the table has none.
    std::string indexPath() const;
    // Tag-table order; empty without an index.
    std::vector<TagInfo> indexDefinitions();
    // "" = physical order. Cancels any range and moves to the first record.
    // Unknown name: NotFound; stale index: Corrupt.
    void selectIndex(const std::string &name);

    // Need an exclusive open (else Usage). addIndex creates the .MDX when the table has
    // none; a bad name or expression, a key over 100 characters or a 48th tag fail with
    // kind Value and leave the index as it was. The header's production flag and the
    // field descriptors' tag flags follow the tags.
    void addIndex(const std::string &name, const std::string &expression, bool descending);
    void deleteIndex(const std::string &name);
    // Rebuilds every tag into a fresh file; cancels any range and moves to the first record.
    void regenerateIndexes();

    // A blank record of this table's layout for range ends and find keys.
    KeyBuffer keyBuffer() const;
    // On the selected tag (else Usage); both ends included, given in the tag's order
    // (for a descending tag start is the larger). Character keys compare over their
    // length without trailing blanks, so "2M" covers every key starting with "2M".
    // Applies at once and moves to the first record of the range.
    void setRange(const KeyBuffer &start, const KeyBuffer &end);
    void cancelRange();
    bool hasRange() const { return m_hasRange; }
    // Exact: the first record whose key starts with the buffer's key (trailing blanks
    // ignored); nearest: the first key at or after it. False (record unchanged) when
    // there is none.
    bool findKey(const KeyBuffer &key, bool nearest = false);
    // The same with a key in the tag's stored form.
    bool findStoredKey(std::string key, bool nearest = false);
    // Every problem of the index: tag trees, keys against the records, header flags.
    // Empty when sound (or when the table has no index).
    std::vector<std::string> checkIndexes();

private:
    class BufferView;
    enum class Change { Insert, Update, Delete };

    uint32_t physicalCount(bool refresh) override;
    bool isDeleted(uint32_t recno) override;

    void requireOpen() const;
    void requireEditing(int pos) const;
    void requireWritable() const;
    [[noreturn]] void fail(ErrorKind kind, const std::string &message) const;
    void releaseAll();
    void checkBrowseMode();
    void moveTo(uint32_t recno);
    void landOnEnd(uint32_t recno, bool atStart);
    void setEmpty();
    const char *recordBytes(uint32_t recno);
    void readRecordFresh(uint32_t recno, std::string &into);
    uint64_t recordOffset(uint32_t recno) const;
    void refreshCount();
    void unlockRecord();
    void acquireShortLock(File &file, uint64_t offset, const std::string &what);
    std::string storedMemo(const std::string &record, int pos) const;
    void setField(int pos, std::string_view bytes);
    void commit(Change change);
    void writeMemos(std::vector<uint32_t> &toRelease);
    void writeHeaderCount();
    void writeStaleCount();
    void adoptUncountedRecords();
    void openIndex();
    void rebuildStaleIndex();
    void requireExclusive(const std::string &what) const;
    void requireSelectedTag() const;
    void useOrder(std::unique_ptr<CursorOrder> order);
    std::unique_ptr<TagOrder> makeTagOrder(const std::string &name);
    std::string keyOfRecord(const std::string &tag, uint32_t recno);
    std::string rangeKey(const KeyBuffer &buffer);
    void scanRecords(const RecordVisitor &visit);
    ScanSource scanSource();
    void syncIndexFlags();
    std::vector<bool> taggedFields();
    bool maintainsIndex() const;
    // Exclusive use holds the index's write lock and being-modified marker from the
    // first change to the next flush: one marker cycle for many posts.
    void endIndexSession();

    std::string m_folder;
    std::string m_fileName;
    bool m_exclusive = false;
    std::string m_indexName;

    std::string m_path;
    File m_dbf;
    std::unique_ptr<MemoFile> m_memo;
    DbfHeader m_header;
    uint32_t m_count = 0;
    bool m_written = false;
    std::optional<uint64_t> m_liveCount; // kept only while exclusive

    State m_state = State::Inactive;
    std::unique_ptr<CursorOrder> m_order;
    uint32_t m_recno = 0;
    uint32_t m_returnRecno = 0; // where cancelling an append goes back to
    uint32_t m_lockedRecno = 0;
    bool m_bof = true;
    bool m_eof = true;
    bool m_modified = false;
    std::string m_buffer;
    std::string m_original;
    mutable std::vector<std::optional<std::string>> m_memoValues;
    std::vector<bool> m_memoChanged;

    // With exclusive use, each appended record reaches the file at once but the
    // header's count is written at flush and close; open adopts records a crash
    // left beyond the count.
    bool m_countStale = false;

    std::string m_cache;
    uint32_t m_cacheFirst = 0;
    uint32_t m_cacheCount = 0;

    Hook m_afterInsert;
    Hook m_beforePost;
    TableObserver *m_observer = nullptr;
    std::unique_ptr<BufferView> m_currentView;

    std::unique_ptr<ProductionIndex> m_index;
    std::optional<ProductionIndex::Batch> m_indexSession;
    TagOrder *m_tagOrder = nullptr; // the order in m_order when a tag is selected
    bool m_hasRange = false;
};

} // namespace dbase
