#include "editors/PopupPlacement.h"

namespace zendrova {

QPoint popupPosition(const QRect &editorOnScreen, const QSize &popup, const QRect &screen)
{
    const int screenRight = screen.x() + screen.width();
    const int screenBottom = screen.y() + screen.height();
    int left = editorOnScreen.x() + 1;
    if (left + popup.width() > screenRight)
        left = screenRight - popup.width() - 1;
    int top = editorOnScreen.y() + editorOnScreen.height() + 1;
    if (top + popup.height() > screenBottom)
        top = editorOnScreen.y() - popup.height();
    return {left, top};
}

} // namespace zendrova
