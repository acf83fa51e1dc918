#pragma once

#include "dbase/RecordView.h"

#include <cstdint>

namespace dbase {

// Told of every record change just before it reaches the file (the production
// index keeps its tags current through this). Throwing stops the change: the
// record is then left as it was on disk.
class TableObserver
{
public:
    virtual ~TableObserver() = default;
    virtual void beforeInsert(uint32_t recno, const RecordView &record) = 0;
    virtual void beforeUpdate(uint32_t recno, const RecordView &oldRecord, const RecordView &newRecord) = 0;
    virtual void beforeDelete(uint32_t recno, const RecordView &record) = 0;
};

} // namespace dbase
