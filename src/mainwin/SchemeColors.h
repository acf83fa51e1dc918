#pragma once

#include "common/ColorScheme.h"

#include <QColor>

namespace zendrova {

// A text colour and the background it is drawn on.
struct ColorPair
{
    QColor text;
    QColor background;

    bool operator==(const ColorPair &) const = default;
};

// The colours a scheme gives each part of the main window. Elements that no
// part draws (the left page's labels, the card's speed bar and window
// background, the separate currency background) have no role here.
struct SchemeColors
{
    ColorPair recordButton;
    ColorPair selectedRecordButton;
    ColorPair notEmptyLetterTab;
    ColorPair emptyLetterTab;
    ColorPair selectedLetterTab;
    QColor leftPage;
    // Both speed bar panels.
    QColor speedBar;
    // The window and the speed bar tab row.
    QColor windowBackground;
    // Edits, lookups and date fields.
    ColorPair oneLineField;
    ColorPair memo;
    // Every caption label of the window.
    ColorPair captionLabel;
    // Currency fields use the one-line background.
    ColorPair positiveCurrency;
    ColorPair negativeCurrency;
    // The card page and its part tab row.
    QColor cardPage;

    static SchemeColors of(const ColorScheme &scheme);
    // The pair for a letter tab in its state.
    ColorPair letterTab(bool selected, bool hasRecords) const;
};

} // namespace zendrova
