#pragma once

#include <QPoint>
#include <QRect>
#include <QSize>

namespace zendrova {

// Where the Search window opens beside the main window: level with its top,
// on the side of the screen with more room when it fits there.
class FindPlacement
{
public:
    static QPoint place(const QRect &mainWindow, const QSize &window, const QRect &screen);
};

} // namespace zendrova
