#include "store/RecordTableSort.h"

#include "store/EngineTable.h"
#include "store/StoreTable.h"
#include "store/TableIndex.h"
#include "store/TableOpening.h"

namespace zendrova {

const FieldModel &RecordTableSort::fieldModel()
{
    // The fields are read at every open; a table never opened is opened once.
    if (m_table.fieldModel().count() == 0 && !m_table.isOpen()) {
        if (open(false))
            close();
    }
    return m_table.fieldModel();
}

IndexDefinitions RecordTableSort::indexDefinitions()
{
    if (!m_definitions)
        m_definitions = readDefinitions();
    return *m_definitions;
}

IndexDefinitions RecordTableSort::readDefinitions()
{
    try {
        if (m_table.isOpen())
            return TableIndex::definitions(engineOf(m_table));
        // A second object in physical order, so the closed table keeps its settings.
        StoreTable reader;
        reader.setFolder(m_table.folder());
        reader.setFileName(m_table.fileName());
        reader.open();
        return TableIndex::definitions(engineOf(reader));
    } catch (const std::runtime_error &) { // the engine's or the store's
        return {};
    }
}

QString RecordTableSort::currentTag() const
{
    return m_table.indexName();
}

void RecordTableSort::selectTag(const QString &name)
{
    m_table.setIndexName(name);
}

bool RecordTableSort::open(bool exclusive)
{
    if (exclusive) {
        return TableOpening::openByName(
            m_table, m_table.folder(), m_table.fileName(), true, m_templateFolder);
    }
    m_table.close();
    m_table.setExclusive(false);
    return TableOpening::ensureOpen(m_table, m_templateFolder);
}

void RecordTableSort::close()
{
    m_table.close();
    m_table.setExclusive(false);
}

bool RecordTableSort::addTag(
    const QString &name, const QString &expression, const IndexOptions &options)
{
    try {
        TableIndex::add(engineOf(m_table), name, expression, options);
        m_definitions.reset();
        return true;
    } catch (const dbase::Error &) {
        return false;
    }
}

void RecordTableSort::readNumericDecimals()
{
    m_table.readNumericDecimals();
}

void RecordTableSort::applyRange(const LetterRange &range)
{
    if (!m_table.isOpen())
        return;
    try {
        TableIndex::setRange(engineOf(m_table), range, m_sort.primary);
    } catch (const dbase::Error &) {
        // A range the tag cannot take shows every record rather than none.
        TableIndex::setRange(engineOf(m_table), LetterRange {}, m_sort.primary);
    }
}

int32_t RecordTableSort::recordCount()
{
    return m_table.recordCount();
}

int32_t RecordTableSort::countOf(const LetterRange &range)
{
    if (!m_table.isOpen())
        return 0;
    try {
        return int32_t(TableIndex::countInRange(engineOf(m_table), range, m_sort.primary));
    } catch (const dbase::Error &) {
        return 0; // as a letter whose range could not be set
    }
}

bool RecordTableSort::holdsMoreThan(const LetterRange &range, int32_t n)
{
    if (!m_table.isOpen())
        return false;
    try {
        return TableIndex::rangeHoldsMoreThan(engineOf(m_table), range, m_sort.primary, n);
    } catch (const dbase::Error &) {
        return false;
    }
}

} // namespace zendrova
