#include "mainwin/CardTabOrder.h"

namespace zendrova::CardTabOrder {

std::optional<int> next(int current, bool backwards, const QList<bool> &tabStops)
{
    const int count = int(tabStops.size());
    if (count == 0)
        return std::nullopt;
    const int step = backwards ? -1 : 1;
    // Without a current field Tab starts before the first, Shift+Tab after the last.
    if (current < 0 || current >= count)
        current = backwards ? count : -1;
    for (int moved = 1; moved <= count; ++moved) {
        const int candidate = ((current + moved * step) % count + count) % count;
        if (tabStops[candidate])
            return candidate;
    }
    return std::nullopt;
}

} // namespace zendrova::CardTabOrder
