#pragma once

#include "output/LabelLines.h"

#include <QList>
#include <QSet>
#include <QString>
#include <QStringList>

namespace zendrova {

// The "Fields" page of the label dialog without its widgets: all captions on
// the left, the included fields on the right, each either starting a line on
// the label or continuing the line above ("+ " before its caption).
class LabelFieldList
{
public:
    static inline const QString kSameLineMark = QStringLiteral("+ ");

    // The caption list, and the caption indexes of memo and picture fields,
    // which cannot continue a line.
    void setCaptions(const QStringList &captions, const QSet<int> &notInLine);
    const QStringList &captions() const { return m_captions; }

    // The included fields as shown: "Caption" or "+ Caption".
    QStringList entries() const;
    int count() const { return static_cast<int>(m_included.size()); }
    const QList<LabelLine> &included() const { return m_included; }
    // Entries whose caption index has no caption are kept as they are.
    void setIncluded(const QList<LabelLine> &lines);

    int selected() const { return m_selected; }
    void select(int index);
    int selectedCaption() const { return m_selectedCaption; }
    void selectCaption(int index);

    void include();
    void includeInLine();
    void includeAll();
    void exclude();
    void excludeAll();
    void moveUp();
    void moveDown();

    bool canInclude() const { return !m_captions.isEmpty(); }
    bool hasIncluded() const { return !m_included.isEmpty(); }
    bool canIncludeInLine() const;
    bool isIncluded(int captionIndex) const;

private:
    // The entry that starts the line holding entry i and the entry after the line.
    int lineStart(int i) const;
    int lineEnd(int i) const;
    void add(bool sameLine);

    QStringList m_captions;
    QSet<int> m_notInLine;
    QList<LabelLine> m_included;
    int m_selected = -1;
    int m_selectedCaption = -1;
};

} // namespace zendrova
