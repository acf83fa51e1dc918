#include "store/LetterCounts.h"

namespace zendrova {

char LetterCounts::firstLetter(const QString &value)
{
    if (value.isEmpty())
        return 'A';
    char16_t c = value.front().unicode();
    if (c >= u'a' && c <= u'z')
        c = static_cast<char16_t>(c - u'a' + u'A');
    if (c < u'A')
        return 'A';
    if (c > u'Z')
        return 'Z';
    return static_cast<char>(c);
}

int32_t LetterCounts::count(char letter) const
{
    if (!isLetter(letter))
        return 0;
    Letter &known = entry(letter);
    if (!known.count)
        known.count = m_source.count ? m_source.count(letter) : 0;
    return *known.count;
}

bool LetterCounts::holdsRecords(char letter) const
{
    if (!isLetter(letter))
        return false;
    Letter &known = entry(letter);
    if (known.count)
        return *known.count > 0;
    if (!known.holdsRecords)
        known.holdsRecords = holdsMoreThan(letter, 0);
    return *known.holdsRecords;
}

bool LetterCounts::endsAt(char letter, int32_t position) const
{
    if (!isLetter(letter))
        return position == 0;
    if (entry(letter).count)
        return *entry(letter).count == position;
    return (position <= 0 || holdsMoreThan(letter, position - 1)) && !holdsMoreThan(letter, position);
}

// Stepping past a few records costs less than counting them all; far into a
// long letter, the count is learnt once instead.
bool LetterCounts::holdsMoreThan(char letter, int32_t n) const
{
    constexpr int32_t kMostSteps = 256;
    if (n < 0)
        return true;
    if (entry(letter).count || n >= kMostSteps || !m_source.holdsMoreThan)
        return count(letter) > n;
    return m_source.holdsMoreThan(letter, n);
}

void LetterCounts::setCount(char letter, int32_t count)
{
    if (isLetter(letter))
        entry(letter) = Letter { count, std::nullopt };
}

void LetterCounts::clear()
{
    m_letters.fill(Letter {});
    m_source = {};
}

void LetterCounts::recountFrom(Source source)
{
    m_letters.fill(Letter { std::nullopt, std::nullopt });
    m_source = std::move(source);
}

void LetterCounts::add(char letter, int32_t delta)
{
    if (!isLetter(letter))
        return;
    Letter &known = entry(letter);
    if (known.count) {
        // Wraps like the stored 32-bit count instead of overflowing.
        known.count = static_cast<int32_t>(
            static_cast<uint32_t>(*known.count) + static_cast<uint32_t>(delta));
    } else if (delta > 0) {
        known.holdsRecords = true;
    } else {
        known.holdsRecords.reset(); // the last one may have gone
    }
    if (refreshTab)
        refreshTab(letter);
}

void LetterCounts::moveLetterCount(char oldLetter, char newLetter)
{
    add(oldLetter, -1);
    add(newLetter, 1);
}

} // namespace zendrova
