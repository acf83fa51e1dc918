#pragma once

#include <QString>
#include <QStringList>

#include <vector>

namespace zendrova {

class FieldModel;

// The rules of the options dialog's field chooser, without its widgets: the
// source list holds the caption of every user field but the pictures, in
// table order; the included list the captions chosen, in the order they will
// be written or read.
class FieldChooser
{
public:
    FieldChooser(const QStringList &captions, const FieldModel &fields);

    const QStringList &sources() const { return m_sources; }
    const QStringList &included() const { return m_included; }
    // -1 when none.
    int sourceRow() const { return m_sourceRow; }
    int includedRow() const { return m_includedRow; }
    void selectSource(int row);
    void selectIncluded(int row);

    // Appends the selected source unless it is included already, selects it
    // and moves the source selection one down.
    void include();
    void includeAll();
    // Removes the selected entry and selects the one now in its place (or the last).
    void exclude();
    void excludeAll();
    void moveUp();
    void moveDown();

    bool includeEnabled() const { return !m_sources.isEmpty(); }
    // The exclude, move and OK buttons.
    bool excludeEnabled() const { return !m_included.isEmpty(); }

    // The field position of each included caption: its index in the
    // caption list plus the first user position.
    std::vector<int> positions() const;
    // Includes the fields at these positions, in order (names read from a file).
    void includePositions(const std::vector<int> &positions);

private:
    QStringList m_captions;
    QStringList m_sources;
    QStringList m_included;
    int m_sourceRow = -1;
    int m_includedRow = -1;
};

// The byte a separator or delimiter choice stands for: the fixed byte of its
// first two buttons, or the character typed in its "Other:" box (0 when the
// box is empty).
char chosenByte(int button, char first, char second, const QString &other);

} // namespace zendrova
