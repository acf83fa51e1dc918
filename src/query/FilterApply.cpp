#include "query/FilterApply.h"

#include "query/TFilterList.h"

#include "store/FieldModel.h"
#include "store/StoreTable.h"

#include <cmath>
#include <optional>

namespace zendrova {

namespace {

// Records stored under one index lock at most: other users wait no longer than that.
constexpr int kRecordsPerBatch = 1024;

} // namespace

int FilterApply::run(TFilterList &filter, StoreTable &table, const Progress &progress)
{
    table.selectNaturalOrder();
    const int total = table.recordCount();
    filter.setEvaluation(true);
    int counted = 0;
    int told = -1;
    std::optional<dbase::Table::WriteBatch> batch;
    for (table.first(); !table.atEnd(); table.next()) {
        const QString &mark = filter.count() == 0 || filter.passes(table) ? TFilterList::kPassMark
                                                                           : TFilterList::kFailMark;
        // A record that keeps its mark is left alone: storing it again would
        // change nothing but cost a write and a lock. The store hook writes
        // the same mark again when it is installed.
        if (table.text(FieldModel::kFilterMarkPosition) != mark) {
            if (!batch)
                batch.emplace(table.engine());
            table.edit();
            table.setText(FieldModel::kFilterMarkPosition, mark);
            table.post();
        }
        ++counted;
        const int percent
            = total > 0 ? static_cast<int>(std::lround(counted * 100.0 / total)) : 100;
        // The index is let go before the window paints: it may read the table.
        if (percent != told || counted % kRecordsPerBatch == 0)
            batch.reset();
        if (percent != told && progress && !progress(percent))
            break;
        told = percent;
    }
    batch.reset();
    table.first();
    return counted;
}

} // namespace zendrova
