#pragma once

#include <QList>
#include <QRect>
#include <QString>

class QFontMetrics;

namespace zendrova {

// One column of a record-list row: its text, its width in pixels and whether
// the text sits at the column's right edge.
struct RowColumn
{
    QString caption;
    int width = 0;
    bool rightAligned = false;
};

// Where a row's texts go: each column after the previous one with a gap of
// four pixels, none past the row's right edge. A text that does not fit its
// column is cut, except a right-aligned one (a number): that shows whole or
// not at all, as a cut number reads as another number.
struct PlacedText
{
    QRect rect;
    QString text;
    bool rightAligned = false;
};

class RowColumns
{
public:
    static constexpr int kGap = 4;

    static QList<PlacedText> place(const QList<RowColumn> &columns, int left, int right,
        int height, const QFontMetrics &metrics);
    // The longest start of text that fits into width pixels.
    static QString cutToWidth(const QString &text, int width, const QFontMetrics &metrics);
};

} // namespace zendrova
