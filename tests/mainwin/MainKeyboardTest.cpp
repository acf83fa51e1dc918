#include "mainwin/MainKeyboard.h"

#include <gtest/gtest.h>

namespace zendrova::test {
namespace {

using C = MainCommand;
using Result = std::optional<MainCommandCall>;

constexpr Qt::KeyboardModifiers kNone = Qt::NoModifier;
constexpr Qt::KeyboardModifiers kCtrl = Qt::ControlModifier;
constexpr Qt::KeyboardModifiers kAlt = Qt::AltModifier;
constexpr Qt::KeyboardModifiers kShift = Qt::ShiftModifier;
constexpr Qt::KeyboardModifiers kCtrlAlt = Qt::ControlModifier | Qt::AltModifier;
constexpr Qt::KeyboardModifiers kPad = Qt::KeypadModifier;

Result command(C c, int argument = 0)
{
    return MainCommandCall { c, argument };
}

const Result kPassedOn = std::nullopt;
const Result kSwallowed = command(C::None);

struct KeyCase
{
    const char *name;
    int key;
    Qt::KeyboardModifiers modifiers;
    Result expected;
};

void expectKeys(const MainKeyContext &context, std::initializer_list<KeyCase> cases)
{
    for (const KeyCase &c : cases)
        EXPECT_EQ(MainKeyboard::commandFor(c.key, c.modifiers, context), c.expected) << c.name;
}

// A card of four parts with every record-bar button enabled and active letter tabs.
MainKeyContext everythingOn()
{
    return { false, true, 4, true, true, true, true };
}

TEST(MainKeyboardTest, WindowKeysNameTheirCommands)
{
    expectKeys(everythingOn(),
        {
            { "Ctrl+Home", Qt::Key_Home, kCtrl, command(C::FirstPage) },
            { "Ctrl+PgUp", Qt::Key_PageUp, kCtrl, command(C::PageUp) },
            { "Ctrl+PgDn", Qt::Key_PageDown, kCtrl, command(C::PageDown) },
            { "Ctrl+End", Qt::Key_End, kCtrl, command(C::LastPage) },
            { "Ctrl+End on the keypad", Qt::Key_End, kCtrl | kPad, command(C::LastPage) },
            { "Ctrl+PgDn on the keypad", Qt::Key_PageDown, kCtrl | kPad, command(C::PageDown) },
            { "Ctrl+F", Qt::Key_F, kCtrl, command(C::Find) },
            { "Ctrl+N", Qt::Key_N, kCtrl, command(C::NewRecord) },
            { "Ctrl+O", Qt::Key_O, kCtrl, command(C::Options) },
            { "Ctrl+P", Qt::Key_P, kCtrl, command(C::Print) },
            { "Alt+PgUp", Qt::Key_PageUp, kAlt, command(C::PreviousRecord) },
            { "Alt+PgDn on the keypad", Qt::Key_PageDown, kAlt | kPad, command(C::NextRecord) },
            { "Alt+Delete", Qt::Key_Delete, kAlt, command(C::DeleteRecord) },
            { "Alt+C", Qt::Key_C, kAlt, command(C::CopyRecord) },
            { "Alt+T", Qt::Key_T, kAlt, command(C::PasteRecord) },
            { "Alt+U", Qt::Key_U, kAlt, command(C::UndoRecord) },
            { "Alt+P", Qt::Key_P, kAlt, command(C::PrintRecord) },
            { "Alt+Y", Qt::Key_Y, kAlt, command(C::Synchronise) },
            { "Alt+1", Qt::Key_1, kAlt, command(C::SelectCardPart, 1) },
            { "Alt+4", Qt::Key_4, kAlt, command(C::SelectCardPart, 4) },
            { "F2", Qt::Key_F2, kNone, command(C::InterfaceMenu) },
            { "F3", Qt::Key_F3, kNone, command(C::RecordButtonMenu) },
            { "F4", Qt::Key_F4, kNone, command(C::CardMenu) },
            { "F5", Qt::Key_F5, kNone, command(C::HeaderMenu) },
            { "F6", Qt::Key_F6, kNone, command(C::PrimarySortMenu) },
            { "F7", Qt::Key_F7, kNone, command(C::SecondarySortMenu) },
            { "F8", Qt::Key_F8, kNone, command(C::FilterMenu) },
            { "Ctrl+Alt+A", Qt::Key_A, kCtrlAlt, command(C::JumpToLetter, 'A') },
            { "Ctrl+Alt+M", Qt::Key_M, kCtrlAlt, command(C::JumpToLetter, 'M') },
            { "Ctrl+Alt+Z", Qt::Key_Z, kCtrlAlt, command(C::JumpToLetter, 'Z') },
        });
}

TEST(MainKeyboardTest, OtherKeysGoOnToTheControl)
{
    expectKeys(everythingOn(),
        {
            { "plain Home", Qt::Key_Home, kNone, kPassedOn },
            { "plain End on the keypad", Qt::Key_End, kPad, kPassedOn },
            { "Ctrl+Shift+End", Qt::Key_End, kCtrl | kShift, kPassedOn },
            { "Ctrl+C", Qt::Key_C, kCtrl, kPassedOn },
            { "plain 5", Qt::Key_5, kNone, kPassedOn },
            { "Alt+0", Qt::Key_0, kAlt, kPassedOn },
            { "Alt+F4 closes the window", Qt::Key_F4, kAlt, kPassedOn },
            { "Shift+F2", Qt::Key_F2, kShift, kPassedOn },
            { "F1", Qt::Key_F1, kNone, kPassedOn },
            { "F9", Qt::Key_F9, kNone, kPassedOn },
            { "Ctrl+Alt+digit", Qt::Key_1, kCtrlAlt, kPassedOn },
            { "Ctrl+Alt+Shift+A", Qt::Key_A, kCtrlAlt | kShift, kPassedOn },
            { "Tab outside the card", Qt::Key_Tab, kNone, kPassedOn },
            { "Shift+Tab outside the card", Qt::Key_Backtab, kShift, kPassedOn },
        });
}

TEST(MainKeyboardTest, PartKeysBeyondTheCardsPartsAreSwallowed)
{
    MainKeyContext fourParts = everythingOn();
    MainKeyContext twoParts = everythingOn();
    twoParts.cardParts = 2;
    expectKeys(fourParts,
        {
            { "Alt+5 with four parts", Qt::Key_5, kAlt, kSwallowed },
            { "Alt+9 with four parts", Qt::Key_9, kAlt, kSwallowed },
            { "Alt+5 from the keypad", Qt::Key_5, kAlt | kPad, kSwallowed },
        });
    expectKeys(twoParts,
        {
            { "Alt+2 with two parts", Qt::Key_2, kAlt, command(C::SelectCardPart, 2) },
            { "Alt+3 with two parts", Qt::Key_3, kAlt, kSwallowed },
        });
}

TEST(MainKeyboardTest, RecordBarKeysOfDisabledButtonsAreSwallowed)
{
    MainKeyContext context = everythingOn();
    context.deleteEnabled = false;
    context.pasteEnabled = false;
    expectKeys(context,
        {
            { "Alt+Delete disabled", Qt::Key_Delete, kAlt, kSwallowed },
            { "Alt+C enabled", Qt::Key_C, kAlt, command(C::CopyRecord) },
            { "Alt+T disabled", Qt::Key_T, kAlt, kSwallowed },
            { "Alt+U enabled", Qt::Key_U, kAlt, command(C::UndoRecord) },
        });
    context = everythingOn();
    context.copyEnabled = false;
    context.undoEnabled = false;
    expectKeys(context,
        {
            { "Alt+Delete enabled", Qt::Key_Delete, kAlt, command(C::DeleteRecord) },
            { "Alt+C disabled", Qt::Key_C, kAlt, kSwallowed },
            { "Alt+T enabled", Qt::Key_T, kAlt, command(C::PasteRecord) },
            { "Alt+U disabled", Qt::Key_U, kAlt, kSwallowed },
        });
}

TEST(MainKeyboardTest, LetterKeysOnlyWhileLetterTabsAreActive)
{
    MainKeyContext context = everythingOn();
    context.letterTabsActive = false;
    expectKeys(context,
        {
            { "Ctrl+Alt+A inactive", Qt::Key_A, kCtrlAlt, kPassedOn },
            { "Ctrl+Alt+Z inactive", Qt::Key_Z, kCtrlAlt, kPassedOn },
        });
}

TEST(MainKeyboardTest, TabMovesBetweenCardFieldsWithoutCtrl)
{
    MainKeyContext context = everythingOn();
    context.cardFieldFocused = true;
    expectKeys(context,
        {
            { "Tab", Qt::Key_Tab, kNone, command(C::NextCardField) },
            { "Shift+Tab", Qt::Key_Backtab, kShift, command(C::PreviousCardField) },
            { "Backtab without Shift", Qt::Key_Backtab, kNone, command(C::PreviousCardField) },
            { "Tab with Shift held", Qt::Key_Tab, kShift, command(C::PreviousCardField) },
            { "Ctrl+Tab", Qt::Key_Tab, kCtrl, kPassedOn },
            { "Ctrl+Shift+Tab", Qt::Key_Backtab, kCtrl | kShift, kPassedOn },
        });
}

} // namespace
} // namespace zendrova::test
