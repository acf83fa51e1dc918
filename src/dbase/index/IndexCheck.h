#pragma once

#include "dbase/index/ProductionIndex.h"
#include "dbase/index/ScanSource.h"

#include <string>
#include <vector>

namespace dbase {

struct IndexCheckResult
{
    std::vector<std::string> problems;
    bool ok() const { return problems.empty(); }
};

// Verifies every tag's tree (pages inside the file and used once, node sizes, one leaf
// depth, separators equal to their child's largest key, entries in tag order) and that
// it holds exactly the keys the scan's records give; also the free list.
IndexCheckResult checkIndex(ProductionIndex &index, const ScanSource &scan);

} // namespace dbase
