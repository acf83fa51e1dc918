#include "store/MarkWalk.h"

#include "store/FieldModel.h"
#include "store/RecordEditor.h"
#include "store/StoreTable.h"

#include <cmath>
#include <optional>

namespace zendrova {

namespace {

// Records stored under one index lock at most: other users wait no longer than that.
constexpr int kRecordsPerBatch = 1024;

int percentOf(int walked, int total)
{
    return total > 0 ? static_cast<int>(std::lround(walked * 100.0 / total)) : 100;
}

// The walk takes the table for itself while nobody else has it open: without
// a record lock and a fresh read for every change it runs several times
// faster. Another user's open keeps it shared.
class OwnUse
{
public:
    explicit OwnUse(StoreTable &table)
        : m_table(table)
    {
        if (table.exclusive())
            return;
        table.close();
        table.setExclusive(true);
        try {
            table.open();
            m_taken = true;
        } catch (const StoreError &) {
            table.setExclusive(false);
            table.open();
        }
    }

    // Shared again for everyone; an error here is the walk's own.
    void giveBack()
    {
        if (!m_taken)
            return;
        m_taken = false;
        m_table.close();
        m_table.setExclusive(false);
        m_table.open();
    }

    // After the walk failed: shared again if it can be, the walk's error goes on.
    void giveBackAfterFailure() noexcept
    {
        try {
            giveBack();
        } catch (const StoreError &) {
            // The table stays closed; the caller's reopen reports it.
        }
    }

private:
    StoreTable &m_table;
    bool m_taken = false;
};

int walk(StoreTable &table, const MarkWalk::Test &test, const MarkWalk::Progress &progress);

} // namespace

int MarkWalk::run(StoreTable &table, const Test &test, const Progress &progress)
{
    OwnUse use(table);
    int walked = 0;
    try {
        walked = walk(table, test, progress);
    } catch (...) {
        use.giveBackAfterFailure();
        throw;
    }
    use.giveBack();
    table.first();
    return walked;
}

namespace {

int walk(StoreTable &table, const MarkWalk::Test &test, const MarkWalk::Progress &progress)
{
    table.selectNaturalOrder();
    const int total = table.recordCount();
    RecordEditor record(table);
    std::optional<RecordEditor::WriteBatch> batch;
    int walked = 0;
    int told = -1;
    for (table.first(); !table.atEnd(); table.next()) {
        const QString &mark = test(table) ? MarkWalk::kPassMark : MarkWalk::kFailMark;
        // A record that keeps its mark is left alone: storing it again would
        // change nothing but cost a write and a lock.
        if (table.text(FieldModel::kFilterMarkPosition) != mark) {
            if (!batch)
                batch.emplace(table);
            try {
                record.lock();
                record.setText(FieldModel::kFilterMarkPosition, mark);
                record.post();
            } catch (...) {
                record.cancel();
                throw;
            }
        }
        ++walked;
        const int percent = percentOf(walked, total);
        if (percent == told && walked % kRecordsPerBatch != 0)
            continue;
        // The index is let go before the caller paints: it may read the table.
        batch.reset();
        told = percent;
        if (progress && !progress(walked, total))
            break;
    }
    batch.reset();
    return walked;
}

} // namespace

} // namespace zendrova
