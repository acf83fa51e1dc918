#include "query/TFilterList.h"

#include "store/FieldModel.h"
#include "store/RecordEditor.h"
#include "store/StoreTable.h"

#include "common/DateSerial.h"

#include <algorithm>

namespace zendrova {

namespace {

// A field the table lacks cannot be tested; such an entry decides nothing.
bool entryPasses(const TFilter &entry, const StoreTable &table, FilterDateFormat format)
{
    const int pos = entry.FieldPos;
    const FieldModel &fields = table.fieldModel();
    if (pos < FieldModel::kFirstUserPosition || !fields.contains(pos))
        return true;
    const FieldKind field = fields.kind(pos);
    if (entry.Kind == FilterKind::Text)
        return entry.passesFieldText(table.text(pos), format);
    if (FilterKind::isNumber(entry.Kind)) {
        if (field == FieldKind::Numeric)
            return entry.passesNumber(table.number(pos));
        return entry.passesNumber(parseFilterNumber(table.text(pos)).value_or(0));
    }
    if (entry.Kind == FilterKind::Date) {
        if (field == FieldKind::Date)
            return entry.passesDate(serialFromDate(table.date(pos).value_or(QDate())), format);
        return entry.passesDate(
            parseFilterDate(table.text(pos), format).value_or(failedFilterDate()), format);
    }
    return true;
}

} // namespace

TFilter &TFilterList::add(int fieldPos)
{
    TFilter entry;
    entry.FieldPos = static_cast<std::uint8_t>(fieldPos);
    m_entries.push_back(entry);
    return m_entries.back();
}

int TFilterList::indexOf(int fieldPos) const
{
    const auto it = std::find_if(m_entries.begin(), m_entries.end(),
        [fieldPos](const TFilter &entry) { return entry.FieldPos == fieldPos; });
    return it == m_entries.end() ? -1 : static_cast<int>(it - m_entries.begin());
}

TFilter *TFilterList::entry(int index)
{
    return index >= 0 && index < count() ? &m_entries[index] : nullptr;
}

const TFilter *TFilterList::entry(int index) const
{
    return index >= 0 && index < count() ? &m_entries[index] : nullptr;
}

void TFilterList::remove(int index)
{
    if (index >= 0 && index < count())
        m_entries.erase(m_entries.begin() + index);
}

void TFilterList::storeCondition(int index, const QString &value1, const QString &value2,
    std::uint8_t kind, std::uint8_t condition)
{
    TFilter *target = entry(index);
    if (!target)
        return;
    target->Unset = false;
    target->Value1 = value1;
    target->Value2 = value2;
    target->Kind = kind;
    target->Condition = condition;
    target->prepare(m_dateFormat);
}

void TFilterList::prepareAll()
{
    for (TFilter &entry : m_entries)
        entry.prepare(m_dateFormat);
}

bool TFilterList::passes(const StoreTable &table) const
{
    return std::all_of(m_entries.begin(), m_entries.end(), [&](const TFilter &entry) {
        return entry.Unset || entryPasses(entry, table, m_dateFormat);
    });
}

void TFilterList::markRecord(RecordEditor &record) const
{
    if (!m_evaluation)
        return;
    record.setText(FieldModel::kFilterMarkPosition, passes(record.table()) ? kPassMark : kFailMark);
}

void TFilterList::installStoreHook(StoreTable &table)
{
    table.setBeforePost([this](RecordEditor &storing) { storeHook(storing); });
}

void TFilterList::attach(StoreTable &table)
{
    m_table = &table;
    installStoreHook(table);
}

void TFilterList::storeHook(RecordEditor &record)
{
    // Assigning the mark must not store the record again through this hook.
    if (m_inHook)
        return;
    m_inHook = true;
    try {
        if (m_entries.empty())
            record.setText(FieldModel::kFilterMarkPosition, kPassMark);
        else
            markRecord(record);
    } catch (...) {
        m_inHook = false;
        throw;
    }
    m_inHook = false;
}

} // namespace zendrova
