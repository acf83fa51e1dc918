#pragma once

#include <QPoint>
#include <QRect>
#include <QSize>

namespace zendrova {

// Where a popup opened from an editor goes: just below its left edge, moved
// left to end 1 pixel before the screen's right edge when it would not fit,
// and above the editor when it would not fit below.
QPoint popupPosition(const QRect &editorOnScreen, const QSize &popup, const QRect &screen);

} // namespace zendrova
