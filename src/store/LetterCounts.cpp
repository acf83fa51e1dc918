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
    return isLetter(letter) ? m_counts[letter - 'A'] : 0;
}

void LetterCounts::setCount(char letter, int32_t count)
{
    if (isLetter(letter))
        m_counts[letter - 'A'] = count;
}

void LetterCounts::add(char letter, int32_t delta)
{
    if (!isLetter(letter))
        return;
    int32_t &count = m_counts[letter - 'A'];
    // Wraps like the stored 32-bit count instead of overflowing.
    count = static_cast<int32_t>(static_cast<uint32_t>(count) + static_cast<uint32_t>(delta));
    if (refreshTab)
        refreshTab(letter);
}

void LetterCounts::moveLetterCount(char oldLetter, char newLetter)
{
    add(oldLetter, -1);
    add(newLetter, 1);
}

} // namespace zendrova
