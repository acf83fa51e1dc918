#include "mainwin/NavigationBarLayout.h"

#include <gtest/gtest.h>

namespace zendrova::test {
namespace {

using Nav = NavigationBarLayout;

// Captioned widths 50, 46, 46, 40 need a bar of 182 + 12 = 194 pixels.
constexpr std::array<int, 4> kWidths { 50, 46, 46, 40 };

TEST(NavigationBarLayoutTest, ButtonsSitAtTheEdgesSquareWhenTheBarIsNarrow)
{
    struct Case
    {
        int width;
        bool captionsShown;
        std::array<QRect, 4> buttons;
    };
    const Case cases[] = {
        { 300, true,
            { QRect(4, 5, 50, 20), QRect(56, 5, 46, 20), QRect(208, 5, 46, 20),
                QRect(256, 5, 40, 20) } },
        // Square buttons of the buttons' height.
        { 193, false,
            { QRect(4, 5, 20, 20), QRect(26, 5, 20, 20), QRect(147, 5, 20, 20),
                QRect(169, 5, 20, 20) } },
    };
    for (const Case &c : cases) {
        const Nav::Result out = Nav::compute({ c.width, 30 }, kWidths, 20);
        EXPECT_EQ(out.captionsShown, c.captionsShown) << c.width;
        EXPECT_EQ(out.buttons, c.buttons) << c.width;
    }
}

TEST(NavigationBarLayoutTest, CaptionsGoBelowTheThresholdAndComeBackAtIt)
{
    const std::pair<int, bool> cases[] = {
        { 100, false }, { 193, false }, { 194, true }, { 195, true }, { 193, false }, { 600, true },
    };
    for (const auto &[width, shown] : cases) {
        const Nav::Result out = Nav::compute({ width, 24 }, kWidths, 24);
        EXPECT_EQ(out.captionsShown, shown) << width;
        EXPECT_EQ(out.buttons[Nav::Last].right(), width - 5) << width;
    }
    // At the threshold PgUp and PgDn meet without overlapping.
    const Nav::Result tight = Nav::compute({ 194, 24 }, kWidths, 24);
    EXPECT_EQ(tight.buttons[Nav::PgUp].right() + 1, tight.buttons[Nav::PgDn].left());
}

TEST(NavigationBarLayoutTest, ButtonNamesAndCaptions)
{
    const char *names[] = { "B_First", "B_PgUp", "B_PgDn", "B_Last" };
    const char *captions[] = { "First", "PgUp", "PgDn", "Last" };
    for (int i = 0; i < Nav::kButtonCount; ++i) {
        const auto button = static_cast<Nav::Button>(i);
        EXPECT_STREQ(Nav::objectName(button), names[i]);
        EXPECT_EQ(Nav::caption(button), QString::fromLatin1(captions[i]));
    }
}

} // namespace
} // namespace zendrova::test
