#include "query/FilterApply.h"

#include "query/TFilterList.h"

#include "store/MarkWalk.h"
#include "store/StoreTable.h"

#include <cmath>

namespace zendrova {

int FilterApply::run(TFilterList &filter, StoreTable &table, const Progress &progress)
{
    filter.setEvaluation(true);
    const bool everyRecordPasses = filter.count() == 0;
    const TFilterList::HookPause hookPause(filter);
    return MarkWalk::run(
        table,
        [&](const StoreTable &record) { return everyRecordPasses || filter.passes(record); },
        [&](int walked, int total) {
            return !progress || progress(total > 0 ? int(std::lround(walked * 100.0 / total)) : 100);
        });
}

} // namespace zendrova
