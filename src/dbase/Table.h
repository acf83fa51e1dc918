#pragma once

#include "dbase/CursorOrder.h"
#include "dbase/DbfHeader.h"
#include "dbase/Error.h"
#include "dbase/FieldCodec.h"
#include "dbase/File.h"
#include "dbase/IndexUpkeep.h"
#include "dbase/KeyBuffer.h"
#include "dbase/RecordBuffer.h"
#include "dbase/RecordFile.h"
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
class Table
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
    // The header as read at open, its record count kept current: own appends, records
    // adopted at open, and other users' appends once the cursor has seen them.
    const DbfHeader &header() const { return m_records.header(); }

    int fieldCount() const { return int(fields().size()); }
    const std::vector<FieldInfo> &fields() const { return m_records.header().fields; }
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
    // The n-th record (from 0) of the current order; false, standing at the end, when
    // there are fewer. On a tag a nearby position is reached from the one before.
    bool gotoPosition(uint64_t n);
    bool eof() const { return m_eof; }
    bool bof() const { return m_bof; }
    // The record number of the current record, 0 when there is none.
    uint32_t recno() const { return m_recno; }
    Bookmark bookmark() const { return m_recno; }
    void gotoBookmark(Bookmark bookmark);
    // Live records in the current order.
    uint64_t recordCount();

    // Keeps the index locked for reading while it lives, so that several moves in a
    // row (a page of a list) take the lock once instead of at every step. Moves only:
    // the table must not change a record while it is held.
    class IndexReadHold
    {
    public:
        explicit IndexReadHold(Table &table);
        IndexReadHold(const IndexReadHold &) = delete;
        IndexReadHold &operator=(const IndexReadHold &) = delete;

    private:
        std::optional<MdxFile::Scope> m_scope;
    };

    // Groups the posts made while it lives as one change of the index: its
    // write lock and being-modified marker are taken once, and a block changed
    // by many posts reaches the file once, when the batch ends. Every post
    // still writes its record at once: a killed process loses no posted record,
    // and the marker it leaves makes the next open rebuild the tags. Other users,
    // and other table objects of this process, wait for the index meanwhile:
    // keep a batch to a few hundred posts and never wait for the user inside one.
    class WriteBatch
    {
    public:
        explicit WriteBatch(Table &table);
        ~WriteBatch();
        WriteBatch(const WriteBatch &) = delete;
        WriteBatch &operator=(const WriteBatch &) = delete;

    private:
        Table &m_table;
    };

    // Starts a new blank record; it reaches the file on post.
    void append();
    // Locks the current record for change (Locked when another has it).
    void edit();
    void post();
    void cancel();
    // Marks the current record deleted and moves to the next (else the prior).
    void deleteRecord();
    bool isModified() const { return m_record.isModified(); }

    std::string_view rawValue(int pos) const { return readable().fieldBytes(m_record.bytes(), pos); }
    // Text without trailing blanks (Windows-1252), numbers as written, dates
    // as YYYYMMDD, logicals T or F, memo contents.
    std::string asString(int pos) const { return readable().asString(pos); }
    double asNumber(int pos) const { return readable().asNumber(pos); }
    // Truncated toward zero.
    int64_t asInteger(int pos) const { return readable().asInteger(pos); }
    std::optional<Date> asDate(int pos) const { return readable().asDate(pos); }
    bool asBool(int pos) const { return readable().asBool(pos); }
    std::string asBlob(int pos) const { return readable().asBlob(pos); }
    bool isNull(int pos) const { return readable().isNull(pos); }

    void setString(int pos, std::string_view value) { editable(pos).setString(pos, value); }
    void setNumber(int pos, double value) { editable(pos).setNumber(pos, value); }
    void setInteger(int pos, int64_t value) { editable(pos).setInteger(pos, value); }
    void setDate(int pos, const std::optional<Date> &value) { editable(pos).setDate(pos, value); }
    void setBool(int pos, bool value) { editable(pos).setBool(pos, value); }
    void setBlob(int pos, std::string_view value) { editable(pos).setBlob(pos, value); }
    void setNull(int pos) { editable(pos).setNull(pos); }
    void assign(int pos, const Table &source, int sourcePos);

    // The record buffer as index keys see it.
    const RecordView &currentRecord() const;

    void setAfterInsert(Hook hook) { m_afterInsert = std::move(hook); }
    void setBeforePost(Hook hook) { m_beforePost = std::move(hook); }
    void setObserver(TableObserver *observer) { m_observer = observer; }
    // Replaces the walking order (nullptr: physical order).
    void setCursorOrder(std::unique_ptr<CursorOrder> order);

    // ---- production index ----
    bool hasIndex() const { return m_indexes.exists(); }
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
    // Live records of the selected tag between two range ends (as setRange takes
    // them), counted beside the table's own order: its range and record stay.
    uint64_t countInRange(const KeyBuffer &start, const KeyBuffer &end);
    // Whether that range holds more than n live records: a descent and n steps,
    // not a count.
    bool rangeHoldsMoreThan(const KeyBuffer &start, const KeyBuffer &end, uint64_t n);
    // Exact: the first record whose key starts with the buffer's key (trailing blanks
    // ignored); nearest: the first key at or after it. False (record unchanged) when
    // there is none.
    bool findKey(const KeyBuffer &key, bool nearest = false);
    // The same with a key in the tag's stored form.
    bool findStoredKey(std::string key, bool nearest = false);
    // Every problem of the index: tag trees, keys against the records, header flags.
    // Empty when sound (or when the table has no index).
    std::vector<std::string> checkIndexes() { return examineIndexes().problems; }
    // The problems and the notes that are not damage (equal keys out of record order).
    IndexCheckResult examineIndexes();

private:
    // The locks and the index batch one record change holds until it is stored.
    struct PendingCommit;

    void requireOpen() const;
    void requireEditing(int pos) const;
    // The record buffer once the table is open, and once the field may change.
    const RecordBuffer &readable() const;
    RecordBuffer &editable(int pos);
    void requireWritable() const;
    void requireExclusive(const std::string &what) const;
    void requireSelectedTag() const;
    [[noreturn]] void fail(ErrorKind kind, const std::string &message) const;
    void releaseAll();
    void openMemo();

    // cursor
    void checkBrowseMode();
    void moveTo(uint32_t recno);
    void landOnEnd(uint32_t recno, bool atStart);
    bool step(bool forward);
    void setEmpty();
    void useOrder(std::unique_ptr<CursorOrder> order);
    std::unique_ptr<TagOrder> orderAlong(const std::string &tag);
    std::unique_ptr<TagOrder> makeTagOrder(const std::string &name);
    // A second order along the selected tag, ranged, for looking without moving.
    std::unique_ptr<TagOrder> rangedTagOrder(const KeyBuffer &start, const KeyBuffer &end);
    std::string keyOfRecord(const std::string &tag, uint32_t recno);
    bool isLiveRecord(uint32_t recno);

    // record cycle
    void unlockRecord();
    void returnFromAppend();
    void commit(RecordChange change);
    uint32_t targetRecord(RecordChange change, PendingCommit &pending);
    void tellObserver(RecordChange change, uint32_t recno, const RecordView &before);
    void changeIndexKeys(RecordChange change, uint32_t recno, const RecordView &before, PendingCommit &pending);
    std::vector<uint32_t> storeMemos(RecordChange change, PendingCommit &pending);
    void storeRecord(RecordChange change, uint32_t recno);
    void releaseMemos(const std::vector<uint32_t> &blocks);

    std::string m_folder;
    std::string m_fileName;
    bool m_exclusive = false;
    int m_writeBatches = 0;
    std::string m_indexName;

    std::string m_path;
    RecordFile m_records;
    std::unique_ptr<MemoFile> m_memo;
    RecordBuffer m_record {m_records.header()};
    IndexUpkeep m_indexes {m_records, m_record};
    std::optional<uint64_t> m_liveCount; // kept only while exclusive

    State m_state = State::Inactive;
    std::unique_ptr<CursorOrder> m_order;
    uint32_t m_recno = 0;
    uint32_t m_returnRecno = 0; // where cancelling an append goes back to
    uint32_t m_lockedRecno = 0;
    bool m_bof = true;
    bool m_eof = true;

    Hook m_afterInsert;
    Hook m_beforePost;
    TableObserver *m_observer = nullptr;

    TagOrder *m_tagOrder = nullptr; // the order in m_order when a tag is selected
    bool m_hasRange = false;
};

} // namespace dbase
