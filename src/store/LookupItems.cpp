#include "store/LookupItems.h"

#include <algorithm>

namespace zendrova {

namespace {
// Alphabetical without regard to case; equal letters put the upper case first
// so the order never depends on how the items arrived.
bool displayedBefore(const QString &a, const QString &b)
{
    const int folded = QString::compare(a, b, Qt::CaseInsensitive);
    return folded != 0 ? folded < 0 : QString::compare(a, b, Qt::CaseSensitive) < 0;
}
} // namespace

void LookupItems::assign(const QStringList &items)
{
    m_items = items;
    std::stable_sort(m_items.begin(), m_items.end(), displayedBefore);
}

int LookupItems::insert(const QString &item)
{
    const auto at = std::upper_bound(m_items.begin(), m_items.end(), item, displayedBefore);
    const int index = int(at - m_items.begin());
    m_items.insert(index, item);
    return index;
}

std::optional<LookupItems::Completion> LookupItems::complete(const QString &text, int caret,
                                                             QChar typed) const
{
    const QString prefix = text.left(std::max(caret, 0)) + typed;
    for (int i = 0; i < m_items.size(); ++i)
        if (m_items[i].startsWith(prefix, Qt::CaseSensitive))
            return Completion{i, m_items[i], int(prefix.size())};
    return std::nullopt;
}

} // namespace zendrova
