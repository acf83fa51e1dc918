// The record cycle of a table: append, edit, post, cancel and delete, and the
// commit every change of a record passes through.
#include "dbase/Table.h"

#include "dbase/MemoFile.h"
#include "dbase/TableObserver.h"

namespace dbase {

// Declared in this order so that the memo lock goes first, then the append lock,
// then the index batch.
struct Table::PendingCommit
{
    std::optional<ProductionIndex::Batch> indexBatch;
    ShortLock appendLock;
    ShortLock memoLock;
    bool indexChanging = false;
};

Table::WriteBatch::WriteBatch(Table &table) : m_table(table)
{
    m_table.requireOpen();
    ++m_table.m_writeBatches;
}

Table::WriteBatch::~WriteBatch()
{
    // Exclusive use keeps its index session until flush, as without a batch.
    if (--m_table.m_writeBatches == 0 && !m_table.m_exclusive && m_table.isOpen())
        m_table.m_indexes.endSession();
}

void Table::unlockRecord()
{
    if (m_lockedRecno && !m_exclusive)
        m_records.unlockRecord(m_lockedRecno);
    m_lockedRecno = 0;
}

void Table::append()
{
    requireWritable();
    checkBrowseMode();
    m_returnRecno = m_recno;
    m_record.clear();
    m_state = State::Insert;
    m_bof = m_eof = false;
    if (!m_afterInsert)
        return;
    try {
        m_afterInsert(*this);
    } catch (...) {
        // A failed after-insert action (no record number to be had) leaves no
        // half-made record behind: the next append runs it again.
        cancel();
        throw;
    }
}

void Table::edit()
{
    requireWritable();
    if (m_state == State::Edit || m_state == State::Insert)
        return;
    if (m_recno == 0)
        fail(ErrorKind::Usage, "Table " + m_path + " has no current record to edit");
    if (m_exclusive) {
        m_lockedRecno = m_recno;
        m_record.beginChange();
        m_state = State::Edit;
        return;
    }
    if (!m_records.tryLockRecord(m_recno))
        fail(ErrorKind::Locked, "Record " + std::to_string(m_recno) + " of " + m_path + " is locked by another user");
    m_lockedRecno = m_recno;
    try {
        // Someone may have changed the record since it was read.
        std::string fresh;
        m_records.readFresh(m_recno, fresh);
        if (fresh[0] == RecordFile::kDeleted)
            fail(ErrorKind::NotFound, "Record " + std::to_string(m_recno) + " of " + m_path
                                          + " was deleted by another user");
        m_record.load(fresh);
    } catch (...) {
        unlockRecord();
        throw;
    }
    m_state = State::Edit;
}

void Table::cancel()
{
    requireOpen();
    const State was = m_state;
    m_state = State::Browse;
    if (was == State::Edit) {
        unlockRecord();
        m_record.revert();
    } else if (was == State::Insert) {
        returnFromAppend();
    }
}

void Table::returnFromAppend()
{
    if (m_returnRecno && m_returnRecno <= m_records.count() && !m_records.isDeleted(m_returnRecno)) {
        moveTo(m_returnRecno);
        m_bof = m_eof = false;
    } else {
        first();
    }
}

void Table::post()
{
    requireOpen();
    if (m_state != State::Edit && m_state != State::Insert)
        fail(ErrorKind::Usage, "Table " + m_path + " has no record being edited");
    if (m_beforePost)
        m_beforePost(*this);
    commit(m_state == State::Insert ? RecordChange::Insert : RecordChange::Update);
    if (m_state == State::Edit)
        unlockRecord();
    m_state = State::Browse;
    m_record.accept();
    m_bof = m_eof = false;
}

void Table::deleteRecord()
{
    requireWritable();
    if (m_state == State::Insert) {
        cancel();
        return;
    }
    if (m_recno == 0)
        fail(ErrorKind::Usage, "Table " + m_path + " has no current record to delete");
    const bool wasEditing = m_state == State::Edit;
    if (!wasEditing)
        edit();
    m_record.revert(); // pending changes die with the record
    try {
        commit(RecordChange::Delete);
    } catch (...) {
        if (!wasEditing)
            cancel();
        throw;
    }
    unlockRecord();
    m_state = State::Browse;
    const uint32_t gone = m_recno;
    if (const uint32_t r = m_order->next(gone)) {
        moveTo(r);
        m_bof = m_eof = false;
    } else if (const uint32_t p = m_order->prior(gone)) {
        moveTo(p);
        m_bof = false;
        m_eof = true;
    } else {
        setEmpty();
    }
}

// ---- commit -----------------------------------------------------------------

// Every change of a record passes here: the observer hears of it first, then
// the tags, memo values, the record and the header count reach the files in
// that order, so a crash never leaves a counted record unwritten.
void Table::commit(RecordChange change)
{
    PendingCommit pending;
    try {
        const uint32_t recno = targetRecord(change, pending);
        const RecordBuffer::Stored before(m_record, m_record.original());
        tellObserver(change, recno, before);
        const bool followed = m_indexes.maintained();
        if (followed)
            m_indexes.beforeRecordWrite(m_exclusive);
        changeIndexKeys(change, recno, before, pending);
        const std::vector<uint32_t> replacedMemos = storeMemos(change, pending);
        storeRecord(change, recno);
        if (followed)
            m_indexes.afterRecordWrite(m_exclusive);
        releaseMemos(replacedMemos);
        m_recno = recno;
    } catch (...) {
        if (pending.indexChanging)
            m_indexes.markStale();
        pending.indexBatch.reset();
        throw;
    }
}

// A shared append holds the append lock from here on and goes after the last record.
uint32_t Table::targetRecord(RecordChange change, PendingCommit &pending)
{
    if (change != RecordChange::Insert)
        return m_recno;
    if (!m_exclusive)
        pending.appendLock = m_records.lockAppends();
    return m_records.count() + 1;
}

void Table::tellObserver(RecordChange change, uint32_t recno, const RecordView &before)
{
    if (!m_observer)
        return;
    switch (change) {
    case RecordChange::Insert: m_observer->beforeInsert(recno, m_record); break;
    case RecordChange::Update: m_observer->beforeUpdate(recno, before, m_record); break;
    case RecordChange::Delete: m_observer->beforeDelete(recno, before); break;
    }
}

void Table::changeIndexKeys(RecordChange change, uint32_t recno, const RecordView &before, PendingCommit &pending)
{
    if (!m_indexes.maintained())
        return;
    m_indexes.beginChange(m_exclusive || m_writeBatches > 0, pending.indexBatch);
    pending.indexChanging = true;
    m_indexes.changeKeys(change, recno, before, m_record);
}

// In shared use the memo file's free list is re-read under its lock.
std::vector<uint32_t> Table::storeMemos(RecordChange change, PendingCommit &pending)
{
    if (!m_memo || change == RecordChange::Delete || !m_record.hasMemoChanges())
        return {};
    if (!m_exclusive) {
        MemoFile &memo = *m_memo;
        pending.memoLock = ShortLock::take([&memo] { return memo.tryLock(); }, [&memo] { memo.unlock(); },
                                           "Memo file " + memo.path());
        memo.reload();
    }
    return m_record.storeMemos();
}

void Table::storeRecord(RecordChange change, uint32_t recno)
{
    m_record.bytes()[0] = change == RecordChange::Delete ? RecordFile::kDeleted : RecordFile::kLive;
    switch (change) {
    case RecordChange::Insert:
        m_records.append(m_record.bytes());
        if (m_liveCount)
            ++*m_liveCount;
        break;
    case RecordChange::Update:
        m_records.rewrite(recno, m_record.bytes());
        break;
    case RecordChange::Delete:
        m_records.markDeleted(recno);
        if (m_liveCount)
            --*m_liveCount;
        break;
    }
}

// Old memo blocks are freed only once no record points at them.
void Table::releaseMemos(const std::vector<uint32_t> &blocks)
{
    for (uint32_t block : blocks)
        m_memo->release(block);
}

} // namespace dbase
