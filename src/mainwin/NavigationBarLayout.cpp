#include "mainwin/NavigationBarLayout.h"

#include <numeric>

namespace zendrova {

const char *NavigationBarLayout::objectName(Button button)
{
    static constexpr std::array<const char *, kButtonCount> names {
        "B_First", "B_PgUp", "B_PgDn", "B_Last"
    };
    return names.at(button);
}

QString NavigationBarLayout::caption(Button button)
{
    switch (button) {
    case First:
        return tr("First");
    case PgUp:
        return tr("PgUp");
    case PgDn:
        return tr("PgDn");
    case Last:
        return tr("Last");
    }
    return {};
}

NavigationBarLayout::Result NavigationBarLayout::compute(
    QSize bar, const std::array<int, kButtonCount> &captionWidths, int buttonHeight)
{
    const int needed =
        std::accumulate(captionWidths.begin(), captionWidths.end(), 0) + kCaptionSlack;
    Result result;
    result.captionsShown = bar.width() >= needed;
    auto width = [&](Button button) {
        return result.captionsShown ? captionWidths.at(button) : buttonHeight;
    };
    const int top = (bar.height() - buttonHeight) / 2;
    const int firstLeft = kOuterMargin;
    const int pgUpLeft = firstLeft + width(First) + kInnerGap;
    const int lastLeft = bar.width() - kOuterMargin - width(Last);
    const int pgDnLeft = lastLeft - kInnerGap - width(PgDn);
    result.buttons[First] = QRect(firstLeft, top, width(First), buttonHeight);
    result.buttons[PgUp] = QRect(pgUpLeft, top, width(PgUp), buttonHeight);
    result.buttons[PgDn] = QRect(pgDnLeft, top, width(PgDn), buttonHeight);
    result.buttons[Last] = QRect(lastLeft, top, width(Last), buttonHeight);
    return result;
}

} // namespace zendrova
