#include "mainwin/InterfaceChoices.h"

#include <cstdint>

namespace zendrova {

namespace {

#define T(text) QT_TRANSLATE_NOOP("InterfaceChoices", text)

using I = InterfaceChoice;
using G = InterfaceGroup;

// clang-format off
const QList<InterfaceItem> kItems {
    { I::ShowBoth, G::MenusAndSpeedBars, "ShowBothMenusAndSpeedBars1", T("Show Both") },
    { I::ShowOnlyMenus, G::MenusAndSpeedBars, "ShowOnly1", T("Show Only Menus") },
    { I::ShowOnlySpeedBars, G::MenusAndSpeedBars, "ShowOnlySpeedBars1", T("Show Only Speed Bars") },
    { I::SpeedBarAtTop, G::SpeedBar, "SpeedBarAtTheTop1", T("Speed Bar At The Top") },
    { I::SpeedBarAtBottom, G::SpeedBar, "SpeedBarAtTheBottom1", T("Speed Bar At The Bottom") },
    { I::LetterTabsEnabled, G::LetterTabs, "UseLetterTabs1", T("Enabled") },
    { I::LetterTabsDisabled, G::LetterTabs, "DontUseLetterTabs1", T("Disabled") },
    { I::LettersInCenter, G::LetterTabsLocation, "DisplayInCenter1", T("Display In Center") },
    { I::LettersOnRight, G::LetterTabsLocation, "DisplayOnRightSide1", T("Display On Right Side") },
    { I::ShowHints, G::Hints, "Show1", T("Show") },
    { I::HideHints, G::Hints, "Hide1", T("Hide") },
    { I::AskToConfirmDelete, G::RecordDelete, "AskUserToConfirm1", T("Ask User To Confirm") },
    { I::ImmediateDelete, G::RecordDelete, "ImmediateDelete1", T("Immediate Delete") },
    { I::Help, G::None, "Help4", T("&Help") },
};

const QList<InterfaceGroupEntry> kGroups {
    { G::MenusAndSpeedBars, "MenusAndSpeedBars1", T("&Menus and Speed Bars") },
    { G::SpeedBar, "SpeedBar1", T("&Speed Bar") },
    { G::LetterTabs, "LetterTabs1", T("&Letter Tabs") },
    { G::LetterTabsLocation, "LetterTabsLocation1", T("Letter Tabs L&ocation") },
    { G::Hints, "Hints1", T("H&ints") },
    { G::RecordDelete, "RecordDelete1", T("&Record Delete") },
};
// clang-format on

#undef T

// The option a choice sets, the value it sets it to, and what that changes.
struct OptionTarget
{
    std::uint16_t *option = nullptr;
    std::uint16_t value = 0;
    InterfaceRefreshes refresh;
};

OptionTarget targetOf(InterfaceChoice choice, UserOptions &o)
{
    switch (choice) {
    case I::ShowBoth: return { &o.menusAndSpeedBars, 0, InterfaceRefresh::Mode };
    case I::ShowOnlyMenus: return { &o.menusAndSpeedBars, 1, InterfaceRefresh::Mode };
    case I::ShowOnlySpeedBars: return { &o.menusAndSpeedBars, 2, InterfaceRefresh::Mode };
    case I::SpeedBarAtTop: return { &o.speedBarLocation, 0, InterfaceRefresh::Positions };
    case I::SpeedBarAtBottom: return { &o.speedBarLocation, 1, InterfaceRefresh::Positions };
    case I::LetterTabsEnabled: return { &o.letterTabs, 0, InterfaceRefresh::LetterTabs };
    case I::LetterTabsDisabled: return { &o.letterTabs, 1, InterfaceRefresh::LetterTabs };
    case I::LettersInCenter: return { &o.letterTabsLocation, 0, InterfaceRefresh::Positions };
    case I::LettersOnRight: return { &o.letterTabsLocation, 1, InterfaceRefresh::Positions };
    case I::ShowHints: return { &o.hintMessages, 0, InterfaceRefresh::Hints };
    case I::HideHints: return { &o.hintMessages, 1, InterfaceRefresh::Hints };
    case I::AskToConfirmDelete: return { &o.recordDeleteMode, 0, InterfaceRefresh::Nothing };
    case I::ImmediateDelete: return { &o.recordDeleteMode, 1, InterfaceRefresh::Nothing };
    case I::Help: break;
    }
    return {};
}

} // namespace

const QList<InterfaceItem> &InterfaceChoices::items()
{
    return kItems;
}

const QList<InterfaceGroupEntry> &InterfaceChoices::groups()
{
    return kGroups;
}

const InterfaceItem &InterfaceChoices::item(InterfaceChoice choice)
{
    for (const InterfaceItem &each : kItems) {
        if (each.choice == choice)
            return each;
    }
    return kItems.constLast();
}

QString InterfaceChoices::caption(const InterfaceItem &item)
{
    return tr(item.caption);
}

QString InterfaceChoices::caption(const InterfaceGroupEntry &group)
{
    return tr(group.caption);
}

bool InterfaceChoices::isCurrent(InterfaceChoice choice, const UserOptions &options)
{
    UserOptions copy = options;
    const OptionTarget target = targetOf(choice, copy);
    return target.option && *target.option == target.value;
}

InterfaceRefreshes InterfaceChoices::choose(InterfaceChoice choice, UserOptions &options)
{
    const OptionTarget target = targetOf(choice, options);
    if (!target.option || *target.option == target.value)
        return InterfaceRefresh::Nothing;
    *target.option = target.value;
    return target.refresh | InterfaceRefresh::OptionChanged;
}

} // namespace zendrova
