#pragma once

#include <QColor>

namespace zendrova {

// The three colour pairs of the letter tabs.
struct LetterStackColors
{
    QColor notEmptyText { 0, 0, 255 };
    QColor notEmptyBack { 192, 192, 192 };
    QColor emptyText { 128, 128, 128 };
    QColor emptyBack { 192, 192, 192 };
    QColor selectedText { 255, 255, 255 };
    QColor selectedBack { 128, 128, 128 };

    // The colours of a tab that is not selected: a tab with records stands out.
    QColor textFor(bool holdsRecords) const { return holdsRecords ? notEmptyText : emptyText; }
    QColor backFor(bool holdsRecords) const { return holdsRecords ? notEmptyBack : emptyBack; }

    bool operator==(const LetterStackColors &) const = default;
};

} // namespace zendrova
