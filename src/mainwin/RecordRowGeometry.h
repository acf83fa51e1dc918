#pragma once

#include <QRect>

namespace zendrova {

// Where the record buttons of the left page go: one row per record under the
// column header, as many as fit above the navigation bar.
struct RecordRowGeometry
{
    static constexpr int kLeft = 4;
    static constexpr int kGap = 2;
    static constexpr int kTopMargin = 8;
    static constexpr int kBorderHeight = 1;

    // fontHeight: the record-button font's text height; systemFontHeight: the
    // system font's, which caps the extra room above and below the text.
    static int rowHeight(int fontHeight, int systemFontHeight);
    // At least one row exists even when none fits.
    static int rowsPerPage(int pageHeight, int headerBottom, int navigationBarHeight, int rowHeight);
    static QRect rowRect(int row, int pageWidth, int headerBottom, int rowHeight);
};

} // namespace zendrova
