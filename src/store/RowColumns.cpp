#include "store/RowColumns.h"

#include <QFontMetrics>

namespace zendrova {

QList<PlacedText> RowColumns::place(
    const QList<RowColumn> &columns, int left, int right, int height, const QFontMetrics &metrics)
{
    QList<PlacedText> placed;
    int x = left;
    for (const RowColumn &column : columns) {
        const int width = std::clamp(column.width, 0, std::max(right - x, 0));
        QString text = cutToWidth(column.caption, width, metrics);
        if (column.rightAligned && text.size() != column.caption.size())
            text.clear();
        placed.append({ QRect(x, 0, width, height), text, column.rightAligned });
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
