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

} // namespace

int MarkWalk::run(StoreTable &table, const Test &test, const Progress &progress)
{
    table.selectNaturalOrder();
    const int total = table.recordCount();
    RecordEditor record(table);
    std::optional<RecordEditor::WriteBatch> batch;
    int walked = 0;
    int told = -1;
    for (table.first(); !table.atEnd(); table.next()) {
        const QString &mark = test(table) ? kPassMark : kFailMark;
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
    table.first();
    return walked;
}

} // namespace zendrova
