#include "exchange/FieldChooser.h"

#include "store/FieldModel.h"
#include "store/StoreTable.h"

#include <algorithm>

namespace zendrova {

FieldChooser::FieldChooser(const QStringList &captions, const FieldModel &fields)
    : m_captions(captions)
{
    for (int position = FieldModel::kFirstUserPosition; position < fields.count(); ++position) {
        const int index = position - FieldModel::kFirstUserPosition;
        if (!fields.isPicture(position) && index < captions.size())
            m_sources << captions[index];
    }
    m_sourceRow = m_sources.isEmpty() ? -1 : 0;
}

void FieldChooser::selectSource(int row)
{
    m_sourceRow = row >= 0 && row < m_sources.size() ? row : -1;
}

void FieldChooser::selectIncluded(int row)
{
    m_includedRow = row >= 0 && row < m_included.size() ? row : -1;
}

void FieldChooser::include()
{
    if (m_sourceRow < 0)
        return;
    const QString &caption = m_sources[m_sourceRow];
    if (!m_included.contains(caption)) {
        m_included << caption;
        m_includedRow = int(m_included.size()) - 1;
    }
    if (m_sourceRow + 1 < m_sources.size())
        ++m_sourceRow;
}

void FieldChooser::includeAll()
{
    m_included = m_sources;
    m_includedRow = m_included.isEmpty() ? -1 : 0;
}

void FieldChooser::exclude()
{
    if (m_includedRow < 0)
        return;
    m_included.removeAt(m_includedRow);
    m_includedRow = std::min(m_includedRow, int(m_included.size()) - 1);
}

void FieldChooser::excludeAll()
{
    m_included.clear();
    m_includedRow = -1;
}

void FieldChooser::moveUp()
{
    if (m_includedRow <= 0)
        return;
    m_included.swapItemsAt(m_includedRow, m_includedRow - 1);
    --m_includedRow;
}

void FieldChooser::moveDown()
{
    if (m_includedRow < 0 || m_includedRow + 1 >= m_included.size())
        return;
    m_included.swapItemsAt(m_includedRow, m_includedRow + 1);
    ++m_includedRow;
}

std::vector<int> FieldChooser::positions() const
{
    std::vector<int> result;
    for (const QString &caption : m_included)
        result.push_back(int(m_captions.indexOf(caption)) + FieldModel::kFirstUserPosition);
    return result;
}

void FieldChooser::includePositions(const std::vector<int> &positions)
{
    m_included.clear();
    for (const int position : positions) {
        const int index = position - FieldModel::kFirstUserPosition;
        if (index >= 0 && index < m_captions.size() && m_sources.contains(m_captions[index])
            && !m_included.contains(m_captions[index]))
            m_included << m_captions[index];
    }
    m_includedRow = m_included.isEmpty() ? -1 : 0;
}

char chosenByte(int button, char first, char second, const QString &other)
{
    if (button == 0)
        return first;
    if (button == 1)
        return second;
    if (other.isEmpty())
        return 0;
    const std::string bytes = toCp1252(other.left(1));
    return bytes.empty() ? 0 : bytes[0];
}

} // namespace zendrova
