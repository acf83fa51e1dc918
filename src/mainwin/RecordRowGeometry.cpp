#include "mainwin/RecordRowGeometry.h"

#include <algorithm>

namespace zendrova {

int RecordRowGeometry::rowHeight(int fontHeight, int systemFontHeight)
{
    return fontHeight + std::min(fontHeight, systemFontHeight) / 4 + 4 * kBorderHeight;
}

int RecordRowGeometry::rowsPerPage(
    int pageHeight, int headerBottom, int navigationBarHeight, int rowHeight)
{
    const int firstTop = headerBottom + kTopMargin;
    const int rows = (pageHeight - firstTop - navigationBarHeight) / (rowHeight + kGap);
    return std::max(1, rows);
}

QRect RecordRowGeometry::rowRect(int row, int pageWidth, int headerBottom, int rowHeight)
{
    const int top = headerBottom + row * (rowHeight + kGap) + kTopMargin;
    return QRect(kLeft, top, pageWidth - 2 * kLeft, rowHeight);
}

} // namespace zendrova
