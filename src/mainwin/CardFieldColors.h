#pragma once

#include <QColor>

namespace zendrova {

// The colours of the record card, taken from the colour scheme by whoever
// applies it. Disabled fields ignore these and use the system's colours.
struct CardColors
{
    QColor oneLineText = Qt::black;
    QColor oneLineBackground = Qt::white;
    QColor memoText = Qt::black;
    QColor memoBackground = Qt::white;
    QColor currencyPositive = Qt::blue;
    QColor currencyNegative = Qt::red;
    QColor captionText = QColor(0, 0, 128);
    QColor captionBackground = QColor(192, 192, 192);
    QColor pageBackground = QColor(192, 192, 192);
};

} // namespace zendrova
