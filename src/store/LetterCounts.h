#pragma once

#include <QString>
#include <array>
#include <cstdint>
#include <functional>
#include <optional>

namespace zendrova {

// How many records each letter tab 'A'…'Z' holds, kept up to date as records
// change their first letter. After a recount the counts are learnt from the
// table only when asked: the tabs' colours need only whether a letter holds
// records, and the record bar whether the card is on its letter's last record,
// which a descent and a few steps tell, while an exact count walks the letter's
// range. A count not learnt yet is always the table's current one, so moves only
// adjust counts already known.
class LetterCounts
{
public:
    // The tab a value belongs to: its first character upper-cased, 'A' for an
    // empty value, 'A' below 'A' and 'Z' above 'Z'.
    static char firstLetter(const QString &value);
    static bool isLetter(char letter) { return letter >= 'A' && letter <= 'Z'; }

    // Where counts not known yet come from.
    struct Source
    {
        std::function<int32_t(char)> count;
        std::function<bool(char, int32_t n)> holdsMoreThan;
    };

    // Told which tab to redraw after its count changed.
    std::function<void(char)> refreshTab;

    // 0 for anything outside 'A'…'Z'.
    int32_t count(char letter) const;
    // Whether the tab shows a non-empty letter: a count above 0.
    bool holdsRecords(char letter) const;
    // Whether the count is the position: the letter's last record stands there.
    bool endsAt(char letter, int32_t position) const;
    void setCount(char letter, int32_t count);
    // Every letter 0, and no source.
    void clear();
    // Forgets every count; each is learnt from the source when first asked.
    void recountFrom(Source source);
    // A record moved from one tab to another; letters outside 'A'…'Z' are ignored.
    void moveLetterCount(char oldLetter, char newLetter);

private:
    struct Letter
    {
        std::optional<int32_t> count = 0;
        std::optional<bool> holdsRecords; // while the count is unknown
    };
    Letter &entry(char letter) const { return m_letters[size_t(letter - 'A')]; }
    void add(char letter, int32_t delta);
    bool holdsMoreThan(char letter, int32_t n) const;

    mutable std::array<Letter, 26> m_letters {};
    Source m_source;
};

} // namespace zendrova
