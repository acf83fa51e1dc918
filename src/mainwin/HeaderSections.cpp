#include "mainwin/HeaderSections.h"

#include "common/CaptionList.h"
#include "common/FilerReader.h"
#include "common/FilerWriter.h"
#include "common/WholeFile.h"
#include "mainwin/CardFields.h"

#include <QFileInfo>
#include <algorithm>
#include <cmath>
#include <limits>

namespace zendrova {

namespace {

std::optional<QByteArray> readFileAt(const QString &path)
{
    const QFileInfo file(path);
    return readFileIn(file.absolutePath(), file.fileName());
}

// Memo and picture fields show nothing in a row, so the menus leave them out.
bool showsInRow(int fieldIndex)
{
    return fieldIndex >= 0 && fieldIndex < CardFields::kCount
        && CardFields::byTag(fieldIndex + 1).isOneLine();
}

void bindFields(QList<HeaderSection> &sections, const CaptionList &captions)
{
    for (HeaderSection &section : sections)
        section.fieldIndex = static_cast<int>(captions.captions().indexOf(section.caption));
}

} // namespace

int HeaderSections::left(int index) const
{
    int x = 0;
    for (int i = 0; i < index && i < count(); ++i)
        x += m_sections[i].width;
    return x;
}

std::optional<QList<HeaderSection>> HeaderSections::decode(const QByteArray &bytes)
{
    return readFilerList<HeaderSection>(bytes, [](FilerReader &in) -> std::optional<HeaderSection> {
        HeaderSection section;
        section.caption = in.string();
        section.width = std::clamp(in.integer(), 0, kMaxWidth);
        return section;
    });
}

QByteArray HeaderSections::encode(const QList<HeaderSection> &sections)
{
    return writeFilerList(sections, [](FilerWriter &out, const HeaderSection &section) {
        out.string(section.caption);
        out.integer(section.width);
    });
}

bool HeaderSections::load(const QString &path, const CaptionList &captions)
{
    const auto bytes = readFileAt(path);
    const auto pairs = bytes ? decode(*bytes) : std::nullopt;
    setPairs(pairs.value_or(QList<HeaderSection>()), captions);
    return pairs && !pairs->isEmpty();
}

bool HeaderSections::loadTemplate(const QString &path, const CaptionList &captions)
{
    const auto bytes = readFileAt(path);
    const auto pairs = bytes ? decode(*bytes) : std::nullopt;
    if (!pairs)
        return false;
    setPairs(*pairs, captions);
    return true;
}

bool HeaderSections::save(const QString &path) const
{
    const QFileInfo file(path);
    return writeFileIn(file.absolutePath(), file.fileName(), encode(m_sections));
}

bool HeaderSections::setPairs(const QList<HeaderSection> &pairs, const CaptionList &captions)
{
    QList<HeaderSection> sections;
    for (const HeaderSection &pair : pairs)
        sections.append(HeaderSection { pair.caption, pair.width });
    m_defaultsFollowWidth = sections.isEmpty();
    if (sections.isEmpty()) {
        sections.append(HeaderSection { captions.caption(1), kFirstDefaultWidth });
        sections.append(HeaderSection { captions.caption(2), kSecondDefaultWidth });
        fitDefaults(sections);
    }
    bindFields(sections, captions);
    return replaceIfDifferent(std::move(sections));
}

bool HeaderSections::setHeaderWidth(int width)
{
    if (width == m_headerWidth)
        return false;
    m_headerWidth = width;
    if (m_defaultsFollowWidth)
        fitDefaults(m_sections);
    recomputePercents();
    return true;
}

// Fixed default widths would leave most of a wide header empty and cut every
// name in the first column; the defaults share the width in their proportion.
void HeaderSections::fitDefaults(QList<HeaderSection> &sections) const
{
    if (m_headerWidth <= 0 || sections.size() != 2)
        return;
    const int first = static_cast<int>(std::lround(
        m_headerWidth * double(kFirstDefaultWidth) / (kFirstDefaultWidth + kSecondDefaultWidth)));
    sections[0].width = std::clamp(first, 0, kMaxWidth);
    sections[1].width = std::clamp(m_headerWidth - first, 0, kMaxWidth);
}

bool HeaderSections::bindToCaptions(const CaptionList &captions)
{
    QList<HeaderSection> sections = m_sections;
    bindFields(sections, captions);
    return replaceIfDifferent(std::move(sections));
}

bool HeaderSections::applyCaptions(const CaptionList &captions)
{
    QList<HeaderSection> sections = m_sections;
    for (HeaderSection &section : sections) {
        if (section.fieldIndex >= 0 && section.fieldIndex < captions.captions().size())
            section.caption = captions.captions().at(section.fieldIndex);
    }
    return replaceIfDifferent(std::move(sections));
}

bool HeaderSections::resize(int index, int width)
{
    if (index < 0 || index >= count())
        return false;
    QList<HeaderSection> sections = m_sections;
    sections[index].width = std::clamp(width, 0, kMaxWidth);
    for (int i = 0; i < index; ++i)
        sections[i].width = std::max(sections[i].width, kMinLeftWidth);
    return applyEdit(std::move(sections));
}

int HeaderSections::dropTarget(int x) const
{
    int right = 0;
    for (int i = 0; i < count(); ++i) {
        right += m_sections[i].width;
        if (right >= x)
            return i;
    }
    return count() - 1;
}

bool HeaderSections::moveByDrop(int index, int x)
{
    if (count() < 2 || index < 0 || index >= count())
        return false;
    const int target = dropTarget(x);
    if (target == index)
        return false;
    QList<HeaderSection> sections = m_sections;
    sections.move(index, target);
    return applyEdit(std::move(sections));
}

// The new section takes the room the header has left. When the header is
// already full (3 px or less left) and the section before it is not hidden,
// the nearest section to its left at least 20 px wide gives up half its width
// to the new one, so the new column can be seen and grabbed.
bool HeaderSections::insert(int fieldIndex, const CaptionList &captions)
{
    if (fieldIndex < 0 || fieldIndex >= captions.captions().size())
        return false;
    const QString caption = captions.captions().at(fieldIndex);
    if (contains(caption))
        return false;
    QList<HeaderSection> sections = m_sections;
    const int used = count() ? right(count() - 1) : 0;
    HeaderSection added { caption, std::clamp(m_headerWidth - used, 0, kMaxWidth), 0, fieldIndex };
    const int before = count() - 1;
    if (added.width <= kCrampedWidth && before >= 0 && sections[before].width > 0) {
        for (int i = before; i >= 0; --i) {
            if (sections[i].width >= kRoomGiverWidth) {
                const int half = sections[i].width / 2;
                added.width += sections[i].width - half;
                sections[i].width = half;
                break;
            }
        }
    }
    sections.append(added);
    return applyEdit(std::move(sections));
}

bool HeaderSections::remove(const QString &caption)
{
    if (!canRemove())
        return false;
    QList<HeaderSection> sections = m_sections;
    for (int i = 0; i < sections.size(); ++i) {
        if (sections[i].caption == caption) {
            sections.removeAt(i);
            return applyEdit(std::move(sections));
        }
    }
    return false;
}

bool HeaderSections::contains(const QString &caption) const
{
    return std::any_of(m_sections.cbegin(), m_sections.cend(),
        [&caption](const HeaderSection &section) { return section.caption == caption; });
}

QList<int> HeaderSections::insertableFields(const CaptionList &captions) const
{
    QList<int> fields;
    for (int i = 0; i < captions.captions().size(); ++i) {
        if (showsInRow(i) && !contains(captions.captions().at(i)))
            fields.append(i);
    }
    return fields;
}

QStringList HeaderSections::removableCaptions(const CaptionList &captions) const
{
    QStringList removable;
    for (int i = 0; i < captions.captions().size(); ++i) {
        const QString &caption = captions.captions().at(i);
        if (showsInRow(i) && contains(caption))
            removable.append(caption);
    }
    // A section whose field was renamed away could otherwise never go.
    for (const HeaderSection &section : m_sections) {
        if (section.fieldIndex < 0 && !removable.contains(section.caption))
            removable.append(section.caption);
    }
    return removable;
}

void HeaderSections::recomputePercents()
{
    for (HeaderSection &section : m_sections) {
        const long percent
            = m_headerWidth > 0 ? std::lround(section.width * 100.0 / m_headerWidth) : 0;
        // Kept in 16 bits; the rows treat anything above 100 as no column.
        section.percent
            = static_cast<int>(std::min<long>(percent, std::numeric_limits<std::int16_t>::max()));
    }
}

bool HeaderSections::applyEdit(QList<HeaderSection> sections)
{
    if (!replaceIfDifferent(std::move(sections)))
        return false;
    // From the user's first edit on, the widths are the user's.
    m_defaultsFollowWidth = false;
    return true;
}

bool HeaderSections::replaceIfDifferent(QList<HeaderSection> sections)
{
    std::swap(m_sections, sections);
    recomputePercents();
    return m_sections != sections;
}

} // namespace zendrova
