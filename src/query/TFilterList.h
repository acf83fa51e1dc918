#pragma once

#include "query/TFilter.h"
#include "store/MarkWalk.h"

#include <QString>
#include <vector>

namespace zendrova {

class RecordEditor;
class StoreTable;

// The filter: conditions on user fields that must all hold for a record to
// pass. The result is not computed while records are shown; each record keeps
// it in its filter mark, "2" passing and "0" failing, written when the filter
// is applied and whenever a record is stored.
class TFilterList
{
public:
    // The filter marks a record carries, as every marking walk writes them.
    static inline const QString &kPassMark = MarkWalk::kPassMark;
    static inline const QString &kFailMark = MarkWalk::kFailMark;

    int count() const { return static_cast<int>(m_entries.size()); }
    // Appends an unset entry for the field.
    TFilter &add(int fieldPos);
    // -1 when the field has no entry.
    int indexOf(int fieldPos) const;
    // Nothing outside 0..count-1.
    TFilter *entry(int index);
    const TFilter *entry(int index) const;
    void remove(int index);
    void clear() { m_entries.clear(); }
    // Sets a condition on the entry and prepares it; the caller sets Values.
    void storeCondition(int index, const QString &value1, const QString &value2, std::uint8_t kind,
        std::uint8_t condition);
    // Prepares every entry again, as after reading them from a file.
    void prepareAll();

    // The user's filter date format (0..3); entries prepared afterwards use it.
    void setDateFormat(int setting) { m_dateFormat = filterDateFormatFrom(setting); }
    FilterDateFormat dateFormat() const { return m_dateFormat; }

    // The evaluation switch: while it is off, storing a record keeps its mark
    // (a non-stop search has written its own marks); applying turns it on.
    void setEvaluation(bool on) { m_evaluation = on; }
    bool evaluation() const { return m_evaluation; }

    // Whether the table's current record meets every set condition.
    bool passes(const StoreTable &table) const;
    // Writes the mark of the table's record being edited; nothing while the
    // evaluation switch is off.
    void markRecord(RecordEditor &record) const;
    // Makes the filter mark every record the table stores from now on.
    void installStoreHook(StoreTable &table);
    // What the store hook does, for a table whose own before-post action
    // calls it: the mark of the record about to be stored.
    void storeHook(RecordEditor &record);
    // While it lives the store hook leaves every mark alone: applying the
    // filter sets the marks itself and need not work them out twice.
    class HookPause
    {
    public:
        explicit HookPause(TFilterList &filter)
            : m_filter(filter)
            , m_wasPaused(filter.m_inHook)
        {
            filter.m_inHook = true;
        }
        ~HookPause() { m_filter.m_inHook = m_wasPaused; }
        HookPause(const HookPause &) = delete;
        HookPause &operator=(const HookPause &) = delete;

    private:
        TFilterList &m_filter;
        bool m_wasPaused;
    };

    // The record table that applying walks; it gets the store hook too.
    void attach(StoreTable &table);
    StoreTable *table() const { return m_table; }

    std::vector<TFilter> &entries() { return m_entries; }
    const std::vector<TFilter> &entries() const { return m_entries; }

private:
    std::vector<TFilter> m_entries;
    StoreTable *m_table = nullptr;
    FilterDateFormat m_dateFormat = FilterDateFormat::MonthDayYear;
    bool m_evaluation = true;
    bool m_inHook = false;
};

} // namespace zendrova
