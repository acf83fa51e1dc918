#include "mainwin/InterfaceChoices.h"

#include <gtest/gtest.h>

namespace zendrova::test {
namespace {

using I = InterfaceChoice;
using R = InterfaceRefresh;

struct ChoiceCase
{
    InterfaceChoice choice;
    const char *objectName;
    const char *caption;
    std::uint16_t UserOptions::*option;
    std::uint16_t value;
    InterfaceRefreshes refresh;
};

const ChoiceCase kCases[] {
    { I::ShowBoth, "ShowBothMenusAndSpeedBars1", "Show Both", &UserOptions::menusAndSpeedBars,
        0, R::Mode },
    { I::ShowOnlyMenus, "ShowOnly1", "Show Only Menus", &UserOptions::menusAndSpeedBars, 1,
        R::Mode },
    { I::ShowOnlySpeedBars, "ShowOnlySpeedBars1", "Show Only Speed Bars",
        &UserOptions::menusAndSpeedBars, 2, R::Mode },
    { I::SpeedBarAtTop, "SpeedBarAtTheTop1", "Speed Bar At The Top",
        &UserOptions::speedBarLocation, 0, R::Positions },
    { I::SpeedBarAtBottom, "SpeedBarAtTheBottom1", "Speed Bar At The Bottom",
        &UserOptions::speedBarLocation, 1, R::Positions },
    { I::LetterTabsEnabled, "UseLetterTabs1", "Enabled", &UserOptions::letterTabs, 0,
        R::LetterTabs },
    { I::LetterTabsDisabled, "DontUseLetterTabs1", "Disabled", &UserOptions::letterTabs, 1,
        R::LetterTabs },
    { I::LettersInCenter, "DisplayInCenter1", "Display In Center",
        &UserOptions::letterTabsLocation, 0, R::Positions },
    { I::LettersOnRight, "DisplayOnRightSide1", "Display On Right Side",
        &UserOptions::letterTabsLocation, 1, R::Positions },
    { I::ShowHints, "Show1", "Show", &UserOptions::hintMessages, 0, R::Hints },
    { I::HideHints, "Hide1", "Hide", &UserOptions::hintMessages, 1, R::Hints },
    { I::AskToConfirmDelete, "AskUserToConfirm1", "Ask User To Confirm",
        &UserOptions::recordDeleteMode, 0, R::Nothing },
    { I::ImmediateDelete, "ImmediateDelete1", "Immediate Delete",
        &UserOptions::recordDeleteMode, 1, R::Nothing },
};

TEST(InterfaceChoicesTest, EachChoiceSetsItsOptionOnceAndSaysWhatToApplyAgain)
{
    for (const ChoiceCase &c : kCases) {
        SCOPED_TRACE(c.objectName);
        const InterfaceItem &item = InterfaceChoices::item(c.choice);
        EXPECT_EQ(item.objectName, std::string(c.objectName));
        EXPECT_EQ(InterfaceChoices::caption(item), QString::fromLatin1(c.caption));

        UserOptions options;
        options.*c.option = c.value == 0 ? 1 : 0;
        EXPECT_FALSE(InterfaceChoices::isCurrent(c.choice, options));
        const UserOptions before = options;
        EXPECT_EQ(InterfaceChoices::choose(c.choice, options), c.refresh | R::OptionChanged);
        EXPECT_EQ(options.*c.option, c.value);
        options.*c.option = before.*c.option;
        EXPECT_EQ(options, before) << "only its own option changes";

        // The current choice is checked, and choosing it again does nothing.
        options.*c.option = c.value;
        const UserOptions current = options;
        EXPECT_TRUE(InterfaceChoices::isCurrent(c.choice, options));
        EXPECT_EQ(InterfaceChoices::choose(c.choice, options), InterfaceRefreshes(R::Nothing));
        EXPECT_EQ(options, current);
    }
}

TEST(InterfaceChoicesTest, HelpChangesNothing)
{
    UserOptions options;
    const InterfaceItem &help = InterfaceChoices::item(I::Help);
    EXPECT_EQ(help.objectName, std::string("Help4"));
    EXPECT_EQ(InterfaceChoices::caption(help), QStringLiteral("&Help"));
    EXPECT_EQ(InterfaceChoices::kHelpContext, 29);
    EXPECT_FALSE(InterfaceChoices::isCurrent(I::Help, options));
    EXPECT_EQ(InterfaceChoices::choose(I::Help, options), InterfaceRefreshes(R::Nothing));
    EXPECT_EQ(options, UserOptions());
}

TEST(InterfaceChoicesTest, AStoredValueOutOfRangeChecksNothingInItsGroup)
{
    UserOptions options;
    options.menusAndSpeedBars = 7;
    for (I choice : { I::ShowBoth, I::ShowOnlyMenus, I::ShowOnlySpeedBars })
        EXPECT_FALSE(InterfaceChoices::isCurrent(choice, options));
    EXPECT_EQ(InterfaceChoices::choose(I::ShowBoth, options), R::Mode | R::OptionChanged);
    EXPECT_EQ(options.menusAndSpeedBars, 0);
}

} // namespace
} // namespace zendrova::test
