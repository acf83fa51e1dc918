#pragma once

#include <QList>
#include <QRect>

namespace zendrova {

// Where the buttons of one speed bar page go.
struct SpeedBarPlacement
{
    QList<QRect> rects; // in tab order
    bool captionsShown = true;

    bool operator==(const SpeedBarPlacement &) const = default;
};

// Lays out a speed bar page left to right. When the buttons with their
// captions do not fit, every button of the page drops its caption and turns
// square, so the page stays one row of equal-looking buttons.
class SpeedBarLayout
{
public:
    static constexpr int kMargin = 4; // left of the first button and right of the last
    static constexpr int kGap = 4;

    // captionWidths: each button's width with its caption, in tab order.
    static SpeedBarPlacement place(
        const QList<int> &captionWidths, int buttonHeight, int panelWidth, int top = 0);
    // The narrowest panel that still shows the captions.
    static int widthWithCaptions(const QList<int> &captionWidths);
};

} // namespace zendrova
