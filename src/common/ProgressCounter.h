#pragma once

#include <optional>

namespace zendrova {

// Steps of a long operation and the share done, as the progress window shows it.
class ProgressCounter
{
public:
    void setTotal(int total) { m_total = total; }
    int total() const { return m_total; }
    int position() const { return m_position; }
    int percent() const { return m_percent; }

    // The new percentage when the bar has to change; nothing when the position
    // or the shown percentage stays the same. A total of 0 counts as done.
    std::optional<int> setPosition(int position);
    std::optional<int> step() { return setPosition(m_position + 1); }

    static int clampPercent(int percent);

private:
    int m_total = 0;
    int m_position = 0;
    int m_percent = 0;
};

} // namespace zendrova
