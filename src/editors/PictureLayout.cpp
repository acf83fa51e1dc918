#include "editors/PictureLayout.h"

#include <algorithm>
#include <cmath>

namespace zendrova {

PictureLayout::Bar PictureLayout::bar(
    int controlWidth, bool autoZoom, const std::array<QString, ButtonCount> &captions)
{
    const int count = autoZoom ? ButtonCount - 1 : ButtonCount;
    Bar result;
    result.buttonWidth = count * kWideButton < controlWidth ? kWideButton : kNarrowButton;
    result.gap = (controlWidth - count * result.buttonWidth) / (count + 1);
    const bool fullCaptions = result.buttonWidth > kWideButton - 1;
    int x = result.gap;
    for (int i = 0; i < ButtonCount; ++i) {
        BarButton &button = result.buttons[i];
        button.visible = !(autoZoom && i == Zoom);
        button.caption = fullCaptions ? captions[i] : captions[i].left(1);
        if (!button.visible)
            continue;
        button.geometry = QRect(x, kButtonTop, result.buttonWidth, kBarHeight - 4);
        x += result.buttonWidth + result.gap;
    }
    return result;
}

QSize PictureLayout::scrollBox(QSize control, bool showButtons)
{
    return QSize(control.width(), std::max(0, control.height() - (showButtons ? kBarHeight : 0)));
}

QSize PictureLayout::displayArea(QSize scrollBox)
{
    return QSize(std::max(0, scrollBox.width() - kAreaMargin),
        std::max(0, scrollBox.height() - kAreaMargin));
}

PictureLayout::Fit PictureLayout::fit(
    QSize picture, QSize area, bool scaled, bool autoZoom, bool enlarge)
{
    Fit result;
    QSize image = picture;
    const bool fitsAsItIs = picture.width() <= area.width() && picture.height() <= area.height();
    if ((scaled || autoZoom) && !(autoZoom && !enlarge && fitsAsItIs)) {
        const double ratio
            = picture.height() == 0 ? 0.0 : double(picture.width()) / picture.height();
        int height = area.height();
        int width = int(std::lround(height * ratio));
        if (width > area.width()) {
            width = area.width();
            height = int(std::lround(width / ratio));
        }
        image = QSize(width, height);
    } else if (!(scaled || autoZoom)) {
        result.scrollRange = image;
    }
    const int left = image.width() < area.width() ? (area.width() - image.width()) / 2 : 0;
    const int top = image.height() < area.height() ? (area.height() - image.height()) / 2 : 0;
    result.image = QRect(QPoint(left, top), image);
    return result;
}

} // namespace zendrova
