#pragma once

#include "mainwin/MainCommand.h"

#include <Qt>
#include <optional>

namespace zendrova {

// What the window's keys depend on at the moment of the key press.
struct MainKeyContext
{
    bool cardFieldFocused = false;
    bool letterTabsActive = false;
    int cardParts = 4;
    // The record bar's buttons B_RDelete, B_RCopy, B_RPaste, B_RUndo.
    bool deleteEnabled = false;
    bool copyEnabled = false;
    bool pasteEnabled = false;
    bool undoEnabled = false;
};

// The main window's keyboard: the window sees each key before its controls.
class MainKeyboard
{
public:
    // Nothing: the key is not the window's and goes on to the focused control.
    // A call of MainCommand::None: the key is the window's but does nothing
    // now; it is still consumed, so that Alt+5 on a card of four parts or
    // Alt+C with copying disabled does not reach an edit as a typed "5" or
    // "c". Ctrl+Alt+letter with the letter tabs inactive is not consumed:
    // some keyboards type characters with AltGr, which arrives as Ctrl+Alt.
    static std::optional<MainCommandCall> commandFor(
        int key, Qt::KeyboardModifiers modifiers, const MainKeyContext &context);
};

} // namespace zendrova
