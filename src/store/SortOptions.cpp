#include "store/SortOptions.h"

#include "store/SortMenus.h"

namespace zendrova {

SortOptions::SortOptions(const QStringList &captions, const FieldModel &fields)
    : m_captions(captions)
    , m_fields(fields)
{
    m_positions.append(0);
    for (int i = 0; i < captions.size(); ++i) {
        const int position = i + FieldModel::kFirstUserPosition;
        if (!fields.isMemo(position) && !fields.isPicture(position))
            m_positions.append(position);
    }
    applyRules();
}

QStringList SortOptions::primaryItems() const
{
    QStringList items { SortMenus::entryOrderText() };
    for (int i = 1; i < m_positions.size(); ++i)
        items.append(m_captions[m_positions[i] - FieldModel::kFirstUserPosition]);
    return items;
}

QStringList SortOptions::secondaryItems() const
{
    QStringList items = primaryItems();
    items[0] = SortMenus::noneText();
    return items;
}

int SortOptions::positionOf(int index) const
{
    return index >= 0 && index < m_positions.size() ? m_positions[index] : 0;
}

int SortOptions::indexOf(int position) const
{
    const qsizetype index = m_positions.indexOf(position);
    return index > 0 ? int(index) : 0;
}

void SortOptions::show(const SortBytes &sort)
{
    m_primaryIndex = indexOf(sort.primary);
    m_secondaryIndex = indexOf(sort.secondary);
    m_primaryOrder = sort.primaryDescending ? 1 : 0;
    m_secondaryOrder = sort.secondaryDescending ? 1 : 0;
    applyRules();
}

void SortOptions::setPrimaryIndex(int index)
{
    m_primaryIndex = index >= 0 && index < m_positions.size() ? index : 0;
    applyRules();
}

void SortOptions::setSecondaryIndex(int index)
{
    m_secondaryIndex = index >= 0 && index < m_positions.size() ? index : 0;
    applyRules();
}

void SortOptions::setPrimaryOrder(int order)
{
    m_primaryOrder = order == 1 ? 1 : 0;
    applyRules();
}

void SortOptions::setSecondaryOrder(int order)
{
    m_secondaryOrder = order == 1 ? 1 : 0;
    applyRules();
}

void SortOptions::applyRules()
{
    const int primary = positionOf(m_primaryIndex);
    const int secondary = positionOf(m_secondaryIndex);
    // Two character fields share one direction.
    m_secondaryOrderEnabled = !(m_fields.isTextLike(primary) && m_fields.isTextLike(secondary));
    if (!m_secondaryOrderEnabled)
        m_secondaryOrder = m_primaryOrder;
    if (m_secondaryIndex == m_primaryIndex || m_primaryIndex == 0)
        m_secondaryIndex = 0;
    if (m_secondaryIndex == 0) {
        m_secondaryOrderEnabled = false;
        m_secondaryOrder = 0;
    }
}

SortBytes SortOptions::result() const
{
    return { static_cast<uint8_t>(positionOf(m_primaryIndex)), m_primaryOrder == 1,
        static_cast<uint8_t>(positionOf(m_secondaryIndex)), m_secondaryOrder == 1 };
}

} // namespace zendrova
