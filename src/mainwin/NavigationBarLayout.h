#pragma once

#include <QCoreApplication>
#include <QRect>
#include <QSize>
#include <QString>
#include <array>

namespace zendrova {

// The record list's navigation bar (Panel6) and its four paging buttons, in
// this order: B_First, B_PgUp, B_PgDn, B_Last.
class NavigationBarLayout
{
    Q_DECLARE_TR_FUNCTIONS(NavigationBarLayout)

public:
    enum Button { First, PgUp, PgDn, Last };
    static constexpr int kButtonCount = 4;
    static constexpr int kOuterMargin = 4;
    static constexpr int kInnerGap = 2;
    // Besides the buttons the bar needs room for the margins and gaps and a
    // little air before the captions have to go.
    static constexpr int kCaptionSlack = 12;

    struct Result
    {
        std::array<QRect, kButtonCount> buttons;
        bool captionsShown = true;

        bool operator==(const Result &) const = default;
    };

    static const char *objectName(Button button);
    // "First", "PgUp", "PgDn", "Last".
    static QString caption(Button button);

    // captionWidths are the buttons' widths with their captions. Too narrow a
    // bar makes all four square (width = height) and without captions; the
    // buttons sit centred in the bar's height.
    static Result compute(QSize bar, const std::array<int, kButtonCount> &captionWidths,
        int buttonHeight);
};

} // namespace zendrova
