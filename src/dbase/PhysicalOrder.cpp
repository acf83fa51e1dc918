#include "dbase/CursorOrder.h"

namespace dbase {

uint32_t PhysicalOrder::first()
{
    return next(0);
}

uint32_t PhysicalOrder::last()
{
    return prior(m_records.physicalCount(true) + 1);
}

uint32_t PhysicalOrder::next(uint32_t recno)
{
    uint32_t count = m_records.physicalCount(false);
    for (uint32_t r = recno + 1;; ++r) {
        if (r > count) {
            // Another process may have appended since the count was read.
            count = m_records.physicalCount(true);
            if (r > count)
                return 0;
        }
        if (!m_records.isDeleted(r))
            return r;
    }
}

uint32_t PhysicalOrder::prior(uint32_t recno)
{
    if (recno == 0)
        return 0;
    const uint32_t count = m_records.physicalCount(false);
    for (uint32_t r = recno > count + 1 ? count : recno - 1; r >= 1; --r)
        if (!m_records.isDeleted(r))
            return r;
    return 0;
}

uint64_t PhysicalOrder::count()
{
    const uint32_t total = m_records.physicalCount(true);
    uint64_t live = 0;
    for (uint32_t r = 1; r <= total; ++r)
        if (!m_records.isDeleted(r))
            ++live;
    return live;
}

} // namespace dbase
