#pragma once

#include "mainwin/CardFields.h"

#include <QList>
#include <QRect>
#include <QSize>

namespace zendrova {

// Fits one card page's controls and caption labels to the page's size, keeping
// their design positions relative to each other.
//
// Vertically the memos and pictures share what the page gained (equal shares,
// never below their design height) and whatever lies below them moves down by
// that; a row of them side by side counts once. Horizontally every control
// grows by the width change; controls side by side (tops within 4 pixels)
// share it equally, and whatever stands right of a grown control moves along.
// Caption labels move but keep their size.
namespace CardScaling {

constexpr int kSameRowTolerance = 4;
constexpr int kMinimumWidth = 10;

struct Item
{
    QRect design;
    CardControlKind kind = CardControlKind::Edit;
    bool caption = false;
};

QList<QRect> scale(const QList<Item> &items, const QSize &designSize, const QSize &size);

} // namespace CardScaling

} // namespace zendrova
