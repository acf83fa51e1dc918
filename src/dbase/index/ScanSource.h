#pragma once

#include "dbase/RecordView.h"

#include <cstdint>
#include <functional>

namespace dbase {

// A full pass over a table in physical order: calls the visitor once per record that
// the index should hold, with its record number.
using RecordVisitor = std::function<void(uint32_t recNo, const RecordView &record)>;
using ScanSource = std::function<void(const RecordVisitor &visit)>;

} // namespace dbase
