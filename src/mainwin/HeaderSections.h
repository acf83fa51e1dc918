#pragma once

#include <QByteArray>
#include <QList>
#include <QString>
#include <QStringList>
#include <optional>

namespace zendrova {

class CaptionList;

// One column of the record list's header.
struct HeaderSection
{
    QString caption;
    int width = 0;
    // Of the header width, rounded; what the rows size their columns by.
    int percent = 0;
    // Of the caption in the caption list (field number - 1); -1 when it is not there.
    int fieldIndex = -1;

    bool operator==(const HeaderSection &) const = default;
};

// The sections of the record list's header, without the widget: which fields
// the rows show, in which order and how wide. Every editing call returns
// whether the sections changed, so the header announces each change once and
// never a call that changed nothing. Percents follow every change.
class HeaderSections
{
public:
    static inline const QString kFileName = QStringLiteral("header.dat");
    static constexpr int kFirstDefaultWidth = 50;
    static constexpr int kSecondDefaultWidth = 100;
    // Sections left of a resized one are kept at least this wide, so their
    // borders can still be grabbed.
    static constexpr int kMinLeftWidth = 4;
    // A new last section this narrow or narrower takes room from its left.
    static constexpr int kCrampedWidth = 3;
    // The narrowest section that gives half of itself to a cramped new one.
    static constexpr int kRoomGiverWidth = 20;
    // Widths read from files are kept within 0 and this.
    static constexpr int kMaxWidth = 32767;

    int count() const { return static_cast<int>(m_sections.size()); }
    const QList<HeaderSection> &all() const { return m_sections; }
    const HeaderSection &at(int index) const { return m_sections.at(index); }
    QString caption(int index) const { return m_sections.at(index).caption; }
    int width(int index) const { return m_sections.at(index).width; }
    int percent(int index) const { return m_sections.at(index).percent; }
    int fieldIndex(int index) const { return m_sections.at(index).fieldIndex; }
    int headerWidth() const { return m_headerWidth; }
    // x of the section's left and right edge: the running sum of the widths.
    int left(int index) const;
    int right(int index) const { return left(index) + width(index); }

    // The (caption, width) pairs of the header file; nothing when the bytes are
    // damaged. Widths are brought within 0..kMaxWidth.
    static std::optional<QList<HeaderSection>> decode(const QByteArray &bytes);
    static QByteArray encode(const QList<HeaderSection> &sections);

    // Reads the header file at path. A missing, damaged or empty file gives the
    // two default sections (the first two captions), which share the header
    // width 50 : 100 until the user edits the sections; false then.
    bool load(const QString &path, const CaptionList &captions);
    // Reads a template file: false, changing nothing, when it is missing or damaged.
    bool loadTemplate(const QString &path, const CaptionList &captions);
    // Written beside the old file and renamed over it.
    bool save(const QString &path) const;
    // Replaces the sections by these (caption, width) pairs; none gives the defaults.
    bool setPairs(const QList<HeaderSection> &pairs, const CaptionList &captions);

    // True for a new width, even where no percent moves: the rows follow the
    // width. Default sections not yet edited are fitted to it.
    bool setHeaderWidth(int width);
    // Field index := index of the caption in the caption list, -1 when gone.
    bool bindToCaptions(const CaptionList &captions);
    // After the captions were edited: each section takes the caption at its
    // field index; widths stay, sections without a field keep theirs.
    bool applyCaptions(const CaptionList &captions);

    // A border drag ended with the section this wide.
    bool resize(int index, int width);
    // The section a drop at x lands on: the first whose right edge is at or
    // beyond x, the last one for a drop right of every section; -1 for none.
    int dropTarget(int x) const;
    // A section dragged from index and dropped at x moves to the drop target.
    bool moveByDrop(int index, int x);
    // Appends the field's section, making room for it (see the .cpp).
    bool insert(int fieldIndex, const CaptionList &captions);
    // The last section cannot be removed.
    bool remove(const QString &caption);

    // The fields the Insert menu offers: user fields whose caption is not in
    // the header, caption-list order, without memo and picture fields.
    QList<int> insertableFields(const CaptionList &captions) const;
    // The captions the Remove menu offers: those in the header in caption-list
    // order (same exclusions), then any the caption list no longer holds.
    QStringList removableCaptions(const CaptionList &captions) const;
    bool canRemove() const { return count() > 1; }
    bool contains(const QString &caption) const;

private:
    void recomputePercents();
    void fitDefaults(QList<HeaderSection> &sections) const;
    bool replaceIfDifferent(QList<HeaderSection> sections);
    // A change the user made to the sections.
    bool applyEdit(QList<HeaderSection> sections);

    QList<HeaderSection> m_sections;
    int m_headerWidth = 0;
    bool m_defaultsFollowWidth = false;
};

} // namespace zendrova
