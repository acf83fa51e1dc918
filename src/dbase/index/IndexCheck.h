#pragma once

#include "dbase/index/ProductionIndex.h"
#include "dbase/index/ScanSource.h"

#include <string>
#include <vector>

namespace dbase {

struct IndexCheckResult
{
    std::vector<std::string> problems;
    // Findings that are not damage: runs of equal keys out of record order, as other
    // writers may leave them.
    std::vector<std::string> notes;
    bool ok() const { return problems.empty(); }
};

// Verifies every tag's tree (pages inside the file and used once, node sizes, one leaf
// depth, separators equal to their child's largest key, entries in key order, equal keys
// in record order or else noted) and that
// it holds exactly the keys the scan's records give; also the free list.
//
// `deleted[recNo]` is true for a record of the file marked deleted. Other dBASE writers
// leave such records' keys in their tags: those are sound, while a key past the last of
// `deleted`'s records (or past every record the scan gives, without it) is not.
IndexCheckResult checkIndex(ProductionIndex &index, const ScanSource &scan,
                            const std::vector<bool> &deleted = {});

} // namespace dbase
