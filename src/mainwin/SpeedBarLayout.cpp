#include "mainwin/SpeedBarLayout.h"

namespace zendrova {

int SpeedBarLayout::widthWithCaptions(const QList<int> &captionWidths)
{
    int width = 2 * kMargin;
    for (int w : captionWidths)
        width += w;
    if (captionWidths.size() > 1)
        width += kGap * int(captionWidths.size() - 1);
    return width;
}

SpeedBarPlacement SpeedBarLayout::place(
    const QList<int> &captionWidths, int buttonHeight, int panelWidth, int top)
{
    SpeedBarPlacement placement;
    placement.captionsShown = widthWithCaptions(captionWidths) <= panelWidth;
    int x = kMargin;
    for (int w : captionWidths) {
        const int width = placement.captionsShown ? w : buttonHeight;
        placement.rects.append(QRect(x, top, width, buttonHeight));
        x += width + kGap;
    }
    return placement;
}

} // namespace zendrova
