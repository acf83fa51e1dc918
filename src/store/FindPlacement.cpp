#include "store/FindPlacement.h"

#include <algorithm>

namespace zendrova {

QPoint FindPlacement::place(const QRect &mainWindow, const QSize &window, const QRect &screen)
{
    int top = std::max(mainWindow.top(), 0);
    // Moved up so that the whole window is on the screen.
    top = std::max(std::min(top, screen.bottom() + 1 - window.height()), 0);
    const bool mainOnTheLeft = mainWindow.center().x() < screen.center().x();
    const int rightOfMain = mainWindow.right() + 1;
    if (mainOnTheLeft && rightOfMain + window.width() <= screen.right() + 1)
        return { rightOfMain, top };
    return { std::max(mainWindow.left() - window.width(), 0), top };
}

} // namespace zendrova
