#include "common/ProgressCounter.h"

#include <algorithm>
#include <cmath>

namespace zendrova {

std::optional<int> ProgressCounter::setPosition(int position)
{
    if (position == m_position)
        return std::nullopt;
    m_position = position;
    const int percent = m_total == 0
        ? 100
        : static_cast<int>(std::lround(static_cast<double>(position) / m_total * 100.0));
    if (percent == m_percent)
        return std::nullopt;
    m_percent = percent;
    return percent;
}

int ProgressCounter::clampPercent(int percent)
{
    return std::clamp(percent, 0, 100);
}

} // namespace zendrova
