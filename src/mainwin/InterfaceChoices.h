#pragma once

#include "common/UserOptions.h"

#include <QCoreApplication>
#include <QFlags>
#include <QList>
#include <QString>

namespace zendrova {

// The items of the window's interface popup.
enum class InterfaceChoice {
    ShowBoth,
    ShowOnlyMenus,
    ShowOnlySpeedBars,
    SpeedBarAtTop,
    SpeedBarAtBottom,
    LetterTabsEnabled,
    LetterTabsDisabled,
    LettersInCenter,
    LettersOnRight,
    ShowHints,
    HideHints,
    AskToConfirmDelete,
    ImmediateDelete,
    Help,
};

// The submenus of the popup; Help stands on its own.
enum class InterfaceGroup {
    MenusAndSpeedBars,
    SpeedBar,
    LetterTabs,
    LetterTabsLocation,
    Hints,
    RecordDelete,
    None,
};

struct InterfaceItem
{
    InterfaceChoice choice;
    InterfaceGroup group;
    const char *objectName;
    const char *caption; // untranslated
};

struct InterfaceGroupEntry
{
    InterfaceGroup group;
    const char *objectName;
    const char *caption; // untranslated
};

// What the window must apply again after a choice changed an option.
enum class InterfaceRefresh {
    Nothing = 0,
    Mode = 1, // menus and speed bars
    Positions = 2, // speed bar and letter column places
    LetterTabs = 4, // letter tabs on or off: counts, letter 'A', sort
    Hints = 8,
    OptionChanged = 16, // set with every change, also the record delete mode
};
Q_DECLARE_FLAGS(InterfaceRefreshes, InterfaceRefresh)
Q_DECLARE_OPERATORS_FOR_FLAGS(InterfaceRefreshes)

// Which popup item is checked and what choosing one changes in the options.
class InterfaceChoices
{
    Q_DECLARE_TR_FUNCTIONS(InterfaceChoices)

public:
    static constexpr int kHelpContext = 29;

    static const QList<InterfaceItem> &items();
    static const QList<InterfaceGroupEntry> &groups();
    static const InterfaceItem &item(InterfaceChoice choice);
    static QString caption(const InterfaceItem &item);
    static QString caption(const InterfaceGroupEntry &group);

    // The choice is the current one of its group (Help never is).
    static bool isCurrent(InterfaceChoice choice, const UserOptions &options);
    // Sets the option of the choice and says what to apply again; a choice
    // that is already current, and Help, change nothing.
    static InterfaceRefreshes choose(InterfaceChoice choice, UserOptions &options);
};

} // namespace zendrova
