#include "output/LabelFieldList.h"

#include <algorithm>

namespace zendrova {

void LabelFieldList::setCaptions(const QStringList &captions, const QSet<int> &notInLine)
{
    m_captions = captions;
    m_notInLine = notInLine;
    m_selectedCaption = captions.isEmpty() ? -1 : 0;
}

QStringList LabelFieldList::entries() const
{
    QStringList shown;
    for (const LabelLine &line : m_included) {
        const QString caption = m_captions.value(line.captionIndex);
        shown.append(line.sameLine ? kSameLineMark + caption : caption);
    }
    return shown;
}

void LabelFieldList::setIncluded(const QList<LabelLine> &lines)
{
    m_included = lines;
    m_selected = lines.isEmpty() ? -1 : 0;
}

void LabelFieldList::select(int index)
{
    m_selected = index >= 0 && index < count() ? index : -1;
}

void LabelFieldList::selectCaption(int index)
{
    m_selectedCaption = index >= 0 && index < m_captions.size() ? index : -1;
}

bool LabelFieldList::isIncluded(int captionIndex) const
{
    return std::any_of(m_included.begin(), m_included.end(),
        [&](const LabelLine &line) { return line.captionIndex == captionIndex; });
}

bool LabelFieldList::canIncludeInLine() const
{
    return hasIncluded() && !m_notInLine.contains(m_included.last().captionIndex);
}

void LabelFieldList::add(bool sameLine)
{
    if (m_selectedCaption < 0 || isIncluded(m_selectedCaption))
        return;
    if (sameLine && m_notInLine.contains(m_selectedCaption))
        return;
    m_included.append({ m_selectedCaption, sameLine });
    m_selected = count() - 1;
    if (m_selectedCaption + 1 < m_captions.size())
        ++m_selectedCaption;
}

void LabelFieldList::include()
{
    add(false);
}

void LabelFieldList::includeInLine()
{
    if (canIncludeInLine())
        add(true);
}

void LabelFieldList::includeAll()
{
    m_included.clear();
    for (int i = 0; i < m_captions.size(); ++i)
        m_included.append({ i, false });
    m_selected = count() > 0 ? 0 : -1;
}

void LabelFieldList::excludeAll()
{
    m_included.clear();
    m_selected = -1;
}

void LabelFieldList::exclude()
{
    if (m_selected < 0)
        return;
    const int end = m_included[m_selected].sameLine ? m_selected + 1 : lineEnd(m_selected);
    m_included.remove(m_selected, end - m_selected);
    m_selected = std::min(m_selected, count() - 1);
}

int LabelFieldList::lineStart(int i) const
{
    while (i > 0 && m_included[i].sameLine)
        --i;
    return i;
}

int LabelFieldList::lineEnd(int i) const
{
    ++i;
    while (i < count() && m_included[i].sameLine)
        ++i;
    return i;
}

void LabelFieldList::moveDown()
{
    if (m_selected < 0 || m_selected + 1 >= count())
        return;
    if (m_included[m_selected].sameLine) {
        if (m_included[m_selected + 1].sameLine) {
            m_included.swapItemsAt(m_selected, m_selected + 1);
            ++m_selected;
        }
        return;
    }
    const int end = lineEnd(m_selected);
    if (end >= count())
        return;
    const int nextEnd = lineEnd(end);
    // The next line with its continuations goes above this one.
    std::rotate(
        m_included.begin() + m_selected, m_included.begin() + end, m_included.begin() + nextEnd);
    m_selected += nextEnd - end;
}

void LabelFieldList::moveUp()
{
    if (m_selected <= 0)
        return;
    if (m_included[m_selected].sameLine) {
        if (m_included[m_selected - 1].sameLine) {
            m_included.swapItemsAt(m_selected, m_selected - 1);
            --m_selected;
        }
        return;
    }
    const int previous = lineStart(m_selected - 1);
    const int end = lineEnd(m_selected);
    std::rotate(
        m_included.begin() + previous, m_included.begin() + m_selected, m_included.begin() + end);
    m_selected = previous;
}

} // namespace zendrova
