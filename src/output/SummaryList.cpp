#include "output/SummaryList.h"

#include <algorithm>

namespace zendrova {

void SummaryList::clear()
{
    m_groups.clear();
    m_index.clear();
    m_lastKey.clear();
    m_lastIndex = -1;
}

void SummaryList::add(const QString &key, double purchasePrice, double currentValue)
{
    int index = m_lastIndex;
    if (index < 0 || key != m_lastKey) {
        const QString folded = key.toCaseFolded();
        const auto found = m_index.constFind(folded);
        if (found == m_index.constEnd()) {
            index = int(m_groups.size());
            m_groups.push_back({ key, 0, 0.0, 0.0 });
            m_index.insert(folded, index);
        } else {
            index = *found;
        }
        m_lastKey = key;
        m_lastIndex = index;
    }
    TSummaryRec &group = m_groups[size_t(index)];
    ++group.count;
    group.purchasePrice += purchasePrice;
    group.currentValue += currentValue;
}

void SummaryList::sort(SummaryOrder order)
{
    if (order == SummaryOrder::Name) {
        std::stable_sort(m_groups.begin(), m_groups.end(),
            [](const TSummaryRec &a, const TSummaryRec &b) {
                return QString::compare(a.key, b.key, Qt::CaseInsensitive) < 0;
            });
    } else {
        // Inserting each entry before the first one not greater than it is a
        // stable descending sort of the reversed list.
        std::reverse(m_groups.begin(), m_groups.end());
        std::stable_sort(m_groups.begin(), m_groups.end(),
            [](const TSummaryRec &a, const TSummaryRec &b) { return a.count > b.count; });
    }
    reindex();
}

void SummaryList::reindex()
{
    m_index.clear();
    for (size_t i = 0; i < m_groups.size(); ++i)
        m_index.insert(m_groups[i].key.toCaseFolded(), int(i));
    m_lastKey.clear();
    m_lastIndex = -1;
}

int SummaryList::total() const
{
    int sum = 0;
    for (const TSummaryRec &group : m_groups)
        sum += group.count;
    return sum;
}

double SummaryList::totalPurchasePrice() const
{
    double sum = 0.0;
    for (const TSummaryRec &group : m_groups)
        sum += group.purchasePrice;
    return sum;
}

double SummaryList::totalCurrentValue() const
{
    double sum = 0.0;
    for (const TSummaryRec &group : m_groups)
        sum += group.currentValue;
    return sum;
}

QStringList SummaryList::keys() const
{
    QStringList texts;
    for (const TSummaryRec &group : m_groups)
        texts << group.key;
    return texts;
}

QStringList SummaryList::countTexts() const
{
    QStringList texts;
    for (const TSummaryRec &group : m_groups)
        texts << QString::number(group.count);
    return texts;
}

QString SummaryList::percentText(int count, int total)
{
    if (total == 0)
        return QString::number(0.0, 'f', 1);
    return QString::number(double(count) * 100.0 / double(total), 'f', 1);
}

QStringList SummaryList::percentTexts() const
{
    const int sum = total();
    QStringList texts;
    for (const TSummaryRec &group : m_groups)
        texts << percentText(group.count, sum);
    return texts;
}

} // namespace zendrova
