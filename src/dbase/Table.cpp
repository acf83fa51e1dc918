#include "dbase/Table.h"

#include "dbase/Error.h"
#include "dbase/MemoFile.h"
#include "dbase/PathNames.h"
#include "dbase/TableFamily.h"
#include "dbase/TagOrder.h"

namespace dbase {

Table::Table() = default;

Table::~Table()
{
    try {
        close();
    } catch (...) {
        releaseAll();
    }
}

void Table::fail(ErrorKind kind, const std::string &message) const
{
    throw Error(kind, message);
}

void Table::create(const std::string &path, std::vector<FieldInfo> fields)
{
    DbfHeader header = DbfHeader::forFields(std::move(fields), path);
    const std::string dbtPath = siblingPath(path, ".dbt");
    std::string bytes = header.serialize();
    bytes += RecordFile::kEndOfFile;
    // Replace an older table of this name whole.
    TableFamily::remove(path);
    if (header.hasMemoFields())
        MemoFile::create(dbtPath, MemoFile::Format::Dbase4);
    File file(path, File::Mode::Create);
    file.write(0, bytes.data(), bytes.size());
    file.sync();
}

void Table::open(const std::string &path, bool exclusive)
{
    m_folder = folderOf(path);
    m_fileName = fileNameOf(path);
    m_exclusive = exclusive;
    open();
}

void Table::open()
{
    if (isOpen())
        fail(ErrorKind::Usage, "Table " + m_path + " is already open");
    const std::string wanted = joinPath(m_folder, m_fileName);
    const auto found = findFileNoCase(wanted);
    if (!found)
        fail(ErrorKind::NotFound, "Table " + wanted + " does not exist");
    try {
        m_path = *found;
        m_records.open(m_path, m_exclusive);
        openMemo();
        m_record.attach(m_memo.get(), m_path);
        m_order = std::make_unique<PhysicalOrder>(m_records);
        m_state = State::Browse;
        m_liveCount.reset();
        m_indexes.open(m_exclusive);
        if (!m_indexName.empty())
            m_order = makeTagOrder(m_indexName);
        first();
    } catch (...) {
        releaseAll();
        throw;
    }
}

void Table::openMemo()
{
    if (!header().hasMemoFields())
        return;
    const auto memoPath = findFileNoCase(siblingPath(m_path, ".dbt"));
    if (!memoPath)
        fail(ErrorKind::NotFound, "Memo file of table " + m_path + " does not exist");
    m_memo = std::make_unique<MemoFile>(*memoPath, MemoFile::formatFor(header().version), m_records.isReadOnly());
    m_memo->setSoleWriter(m_exclusive);
}

void Table::releaseAll()
{
    m_tagOrder = nullptr;
    m_order.reset();
    m_hasRange = false;
    m_indexes.close();
    m_record.detach();
    m_memo.reset();
    m_records.close();
    m_state = State::Inactive;
    m_recno = 0;
    m_lockedRecno = 0;
    m_bof = m_eof = true;
}

void Table::close()
{
    if (!isOpen())
        return;
    try {
        checkBrowseMode();
        flush();
        m_indexes.keepDeletedCount(m_exclusive);
    } catch (...) {
        releaseAll();
        throw;
    }
    releaseAll();
}

void Table::flush()
{
    requireOpen();
    m_indexes.endSession();
    m_records.finishAppends();
    if (m_memo)
        m_memo->finishWrites();
    if (!m_records.written())
        return;
    if (m_memo)
        m_memo->sync();
    m_records.sync();
}

bool Table::isReadOnly() const
{
    return m_records.isReadOnly();
}

std::string Table::memoPath() const
{
    return m_memo ? m_memo->path() : std::string();
}

void Table::requireOpen() const
{
    if (!isOpen())
        fail(ErrorKind::Usage, "Table " + (m_path.empty() ? m_fileName : m_path) + " is not open");
}

void Table::requireWritable() const
{
    requireOpen();
    if (m_records.isReadOnly())
        fail(ErrorKind::Usage, "Table " + m_path + " is read-only");
}

void Table::requireExclusive(const std::string &what) const
{
    requireWritable();
    if (!m_exclusive)
        fail(ErrorKind::Usage, what + " of table " + m_path + " needs exclusive use of the table");
}

void Table::requireEditing(int pos) const
{
    fieldInfo(pos);
    if (m_state != State::Edit && m_state != State::Insert)
        fail(ErrorKind::Usage, "Table " + m_path + " is not in edit or insert mode");
}

// ---- fields -----------------------------------------------------------------

const FieldInfo &Table::fieldInfo(int pos) const
{
    requireOpen();
    return m_record.field(pos);
}

int Table::fieldIndex(std::string_view name) const
{
    return m_record.fieldIndex(name);
}

const RecordBuffer &Table::readable() const
{
    requireOpen();
    return m_record;
}

RecordBuffer &Table::editable(int pos)
{
    requireEditing(pos);
    return m_record;
}

void Table::assign(int pos, const Table &source, int sourcePos)
{
    requireEditing(pos);
    const FieldKind to = fieldKind(pos);
    const FieldKind from = source.fieldKind(sourcePos);
    if (source.isNull(sourcePos) && !isMemoKind(from)) {
        setNull(pos);
    } else if (isMemoKind(to) || isMemoKind(from)) {
        setString(pos, source.asString(sourcePos));
    } else if (to == FieldKind::Numeric && from == FieldKind::Numeric) {
        setNumber(pos, source.asNumber(sourcePos));
    } else {
        setString(pos, source.asString(sourcePos));
    }
}

const RecordView &Table::currentRecord() const
{
    requireOpen();
    return m_record;
}

// ---- production index -------------------------------------------------------

std::string Table::indexPath() const
{
    return m_indexes.path();
}

std::vector<TagInfo> Table::indexDefinitions()
{
    requireOpen();
    return m_indexes.tags();
}

void Table::addIndex(const std::string &name, const std::string &expression, bool descending)
{
    requireExclusive("Adding index tag " + name);
    checkBrowseMode();
    m_indexes.addTag(name, expression, descending);
    flush();
}

void Table::deleteIndex(const std::string &name)
{
    requireExclusive("Deleting index tag " + name);
    checkBrowseMode();
    const bool selected = m_tagOrder && m_tagOrder->tagName() == IndexUpkeep::storedName(name);
    m_indexes.deleteTag(name);
    if (selected) {
        m_indexName.clear();
        useOrder(nullptr);
    }
    flush();
}

void Table::regenerateIndexes()
{
    requireExclusive("Rebuilding the indexes");
    checkBrowseMode();
    m_indexes.regenerate();
    // The cursor's tree belonged to the old file.
    if (m_tagOrder)
        selectIndex(m_indexName);
    flush();
}

KeyBuffer Table::keyBuffer() const
{
    requireOpen();
    return KeyBuffer(fields());
}

IndexCheckResult Table::examineIndexes()
{
    requireOpen();
    checkBrowseMode();
    return m_indexes.check();
}

} // namespace dbase
