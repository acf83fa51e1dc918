#pragma once

#include <QString>
#include <array>
#include <cstdint>
#include <functional>

namespace zendrova {

// How many records each letter tab 'A'…'Z' holds, kept up to date as records
// change their first letter.
class LetterCounts
{
public:
    // The tab a value belongs to: its first character upper-cased, 'A' for an
    // empty value, 'A' below 'A' and 'Z' above 'Z'.
    static char firstLetter(const QString &value);
    static bool isLetter(char letter) { return letter >= 'A' && letter <= 'Z'; }

    // Told which tab to redraw after its count changed.
    std::function<void(char)> refreshTab;

    // 0 for anything outside 'A'…'Z'.
    int32_t count(char letter) const;
    void setCount(char letter, int32_t count);
    void clear() { m_counts.fill(0); }
    // A record moved from one tab to another; letters outside 'A'…'Z' are ignored.
    void moveLetterCount(char oldLetter, char newLetter);

private:
    void add(char letter, int32_t delta);

    std::array<int32_t, 26> m_counts {};
};

} // namespace zendrova
