#include "query/FilterApply.h"

#include "query/TFilterList.h"

#include "store/FieldModel.h"
#include "store/StoreTable.h"

#include <cmath>

namespace zendrova {

int FilterApply::run(TFilterList &filter, StoreTable &table, const Progress &progress)
{
    table.selectNaturalOrder();
    const int total = table.recordCount();
    filter.setEvaluation(true);
    int counted = 0;
    for (table.first(); !table.atEnd(); table.next()) {
        const QString &mark = filter.count() == 0 || filter.passes(table) ? TFilterList::kPassMark
                                                                           : TFilterList::kFailMark;
        // A record that keeps its mark is left alone: storing it again would
        // change nothing but cost a write and a lock. The store hook writes
        // the same mark again when it is installed.
        if (table.text(FieldModel::kFilterMarkPosition) != mark) {
            table.edit();
            table.setText(FieldModel::kFilterMarkPosition, mark);
            table.post();
        }
        ++counted;
        const int percent
            = total > 0 ? static_cast<int>(std::lround(counted * 100.0 / total)) : 100;
        if (progress && !progress(percent))
            break;
    }
    table.first();
    return counted;
}

} // namespace zendrova
