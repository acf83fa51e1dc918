#include "store/MarkWalk.h"

#include "store/FieldModel.h"
#include "store/RecordEditor.h"
#include "store/StoreTable.h"

#include <QElapsedTimer>

#include <optional>

namespace zendrova {

namespace {

// The index is let go this often: other users wait no longer than that for
// it, the caller's window paints, and every release costs a write of the
// blocks the batch changed, so it is not let go more often.
constexpr qint64 kBatchMilliseconds = 100;

} // namespace

int MarkWalk::run(StoreTable &table, const Test &test, const Progress &progress)
{
    table.selectNaturalOrder();
    const int total = table.recordCount();
    RecordEditor record(table);
    std::optional<RecordEditor::WriteBatch> batch;
    int walked = 0;
    QElapsedTimer sinceTold;
    sinceTold.start();
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
        if (sinceTold.elapsed() < kBatchMilliseconds)
            continue;
        // The index is let go before the caller paints: it may read the table.
        batch.reset();
        sinceTold.restart();
        if (progress && !progress(walked, total))
            break;
    }
    batch.reset();
    if (progress && walked == total)
        progress(walked, total);
    table.first();
    return walked;
}

} // namespace zendrova
