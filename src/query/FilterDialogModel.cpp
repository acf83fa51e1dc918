#include "query/FilterDialogModel.h"

#include "query/TFilterList.h"
#include "query/TFilterTemplateList.h"

#include "store/FieldModel.h"

#include "common/CaptionList.h"
#include "common/Interaction.h"

#include <algorithm>

namespace zendrova {

namespace {
// Caption index i names user field i + 1, at field position i + 2.
constexpr int kCaptionToPosition = FieldModel::kFirstUserPosition;
} // namespace

FilterDialogModel::FilterDialogModel(
    TFilterList &filter, const CaptionList &captions, const FieldModel &fields, FilterScope scope)
    : m_filter(filter)
    , m_captions(captions)
    , m_scope(scope)
    , m_chosenScope(scope)
{
    const int last = std::min(fields.count(), CaptionList::kCount + kCaptionToPosition);
    for (int pos = kCaptionToPosition; pos < last; ++pos) {
        if (!fields.isMemo(pos) && !fields.isPicture(pos))
            m_allFields << captionOf(pos);
    }
    m_selected = m_filter.count() > 0 ? 0 : -1;
}

QStringList FilterDialogModel::usedFields() const
{
    QStringList lines;
    for (const TFilter &entry : m_filter.entries())
        lines << captionOf(entry.FieldPos);
    return lines;
}

int FilterDialogModel::fieldPosOf(const QString &caption) const
{
    const QStringList &all = m_captions.captions();
    for (int i = 0; i < all.size(); ++i) {
        if (all[i].compare(caption, Qt::CaseInsensitive) == 0)
            return i + kCaptionToPosition;
    }
    return -1;
}

QString FilterDialogModel::captionOf(int fieldPos) const
{
    return m_captions.caption(fieldPos - kCaptionToPosition + 1);
}

void FilterDialogModel::select(int index)
{
    m_selected = index >= 0 && index < m_filter.count() ? index : -1;
}

bool FilterDialogModel::editEnabled() const
{
    return m_filter.count() > 0;
}

bool FilterDialogModel::applyEnabled() const
{
    const auto &entries = m_filter.entries();
    return std::any_of(entries.begin(), entries.end(), [](const TFilter &e) { return !e.Unset; });
}

bool FilterDialogModel::isTicked(int index) const
{
    const TFilter *entry = m_filter.entry(index);
    return entry && !entry->Unset;
}

bool FilterDialogModel::add(const QString &caption)
{
    const int pos = fieldPosOf(caption);
    if (pos < 0 || m_filter.indexOf(pos) >= 0)
        return false;
    m_filter.add(pos);
    m_selected = m_filter.count() - 1;
    return true;
}

void FilterDialogModel::remove()
{
    if (m_selected < 0 || m_selected >= m_filter.count())
        return;
    // The line's caption names the entry, as the line and the entry are in step.
    const int index = m_filter.indexOf(fieldPosOf(captionOf(m_filter.entry(m_selected)->FieldPos)));
    m_filter.remove(index >= 0 ? index : m_selected);
    m_selected = std::min(m_selected, m_filter.count() - 1);
}

void FilterDialogModel::removeAll()
{
    m_filter.clear();
    m_selected = -1;
}

std::optional<std::pair<int, int>> FilterDialogModel::editTarget() const
{
    const TFilter *entry = m_filter.entry(m_selected);
    if (!entry)
        return std::nullopt;
    // Like every operation on a line, Edit names the field by its caption.
    const int pos = fieldPosOf(captionOf(entry->FieldPos));
    return std::make_pair(m_selected, pos >= 0 ? pos : static_cast<int>(entry->FieldPos));
}

bool FilterDialogModel::loadTemplate(TFilterTemplateList &templates, const QString &fileName)
{
    const bool loaded = templates.loadFile(fileName);
    if (!loaded)
        showMessage(MessageKind::Error, loadErrorText());
    m_selected = m_filter.count() > 0 ? 0 : -1;
    return loaded;
}

FilterDialogResult FilterDialogModel::result(bool applied) const
{
    FilterDialogResult result;
    result.apply = applied;
    if (!applied && m_chosenScope != m_scope)
        result.scope = m_chosenScope;
    return result;
}

} // namespace zendrova
