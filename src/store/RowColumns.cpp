#include "store/RowColumns.h"

#include <QFontMetrics>

namespace zendrova {

QList<PlacedText> RowColumns::place(
    const QList<RowColumn> &columns, int left, int height, const QFontMetrics &metrics)
{
    QList<PlacedText> placed;
    int x = left;
    for (const RowColumn &column : columns) {
        const int width = std::max(column.width, 0);
        placed.append({ QRect(x, 0, width, height), cutToWidth(column.caption, width, metrics),
            column.rightAligned });
        x += width + kGap;
    }
    return placed;
}

QString RowColumns::cutToWidth(const QString &text, int width, const QFontMetrics &metrics)
{
    if (metrics.horizontalAdvance(text) <= width)
        return text;
    // Binary search on the length: advances only grow with more characters.
    qsizetype low = 0, high = text.size();
    while (low < high) {
        const qsizetype mid = (low + high + 1) / 2;
        if (metrics.horizontalAdvance(text.left(mid)) <= width)
            low = mid;
        else
            high = mid - 1;
    }
    return text.left(low);
}

} // namespace zendrova
