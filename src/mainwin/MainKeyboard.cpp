#include "mainwin/MainKeyboard.h"

#include <cstddef>

namespace zendrova {

namespace {

using Call = std::optional<MainCommandCall>;

Call call(MainCommand command, int argument = 0)
{
    return MainCommandCall { command, argument };
}

// Consumed, nothing done.
Call swallowed()
{
    return call(MainCommand::None);
}

struct KeyCommand
{
    int key;
    MainCommand command;
};

constexpr KeyCommand kCtrlKeys[] = {
    { Qt::Key_Home, MainCommand::FirstPage },
    { Qt::Key_PageUp, MainCommand::PageUp },
    { Qt::Key_PageDown, MainCommand::PageDown },
    { Qt::Key_End, MainCommand::LastPage },
    { Qt::Key_F, MainCommand::Find },
    { Qt::Key_N, MainCommand::NewRecord },
    { Qt::Key_O, MainCommand::Options },
    { Qt::Key_P, MainCommand::Print },
};

constexpr KeyCommand kAltKeys[] = {
    { Qt::Key_PageUp, MainCommand::PreviousRecord },
    { Qt::Key_PageDown, MainCommand::NextRecord },
    { Qt::Key_P, MainCommand::PrintRecord },
    { Qt::Key_Y, MainCommand::Synchronise },
};

constexpr KeyCommand kFunctionKeys[] = {
    { Qt::Key_F2, MainCommand::InterfaceMenu },
    { Qt::Key_F3, MainCommand::RecordButtonMenu },
    { Qt::Key_F4, MainCommand::CardMenu },
    { Qt::Key_F5, MainCommand::HeaderMenu },
    { Qt::Key_F6, MainCommand::PrimarySortMenu },
    { Qt::Key_F7, MainCommand::SecondarySortMenu },
    { Qt::Key_F8, MainCommand::FilterMenu },
};

// The record bar's keys work only while their button is enabled.
struct RecordBarKey
{
    int key;
    MainCommand command;
    bool MainKeyContext::*enabled;
};

constexpr RecordBarKey kRecordBarKeys[] = {
    { Qt::Key_Delete, MainCommand::DeleteRecord, &MainKeyContext::deleteEnabled },
    { Qt::Key_C, MainCommand::CopyRecord, &MainKeyContext::copyEnabled },
    { Qt::Key_T, MainCommand::PasteRecord, &MainKeyContext::pasteEnabled },
    { Qt::Key_U, MainCommand::UndoRecord, &MainKeyContext::undoEnabled },
};

template <std::size_t N>
Call lookUp(const KeyCommand (&table)[N], int key)
{
    for (const KeyCommand &entry : table) {
        if (entry.key == key)
            return call(entry.command);
    }
    return std::nullopt;
}

Call altKey(int key, const MainKeyContext &context)
{
    if (key >= Qt::Key_1 && key <= Qt::Key_9) {
        const int part = key - Qt::Key_0;
        return part <= context.cardParts ? call(MainCommand::SelectCardPart, part) : swallowed();
    }
    for (const RecordBarKey &entry : kRecordBarKeys) {
        if (entry.key == key)
            return context.*entry.enabled ? call(entry.command) : swallowed();
    }
    return lookUp(kAltKeys, key);
}

// Qt sends Shift+Tab as Backtab; some platforms send Tab with Shift held.
Call tabKey(int key, Qt::KeyboardModifiers modifiers, const MainKeyContext &context)
{
    if (!context.cardFieldFocused || modifiers.testFlag(Qt::ControlModifier))
        return std::nullopt;
    if (key == Qt::Key_Backtab || modifiers.testFlag(Qt::ShiftModifier))
        return call(MainCommand::PreviousCardField);
    return call(MainCommand::NextCardField);
}

} // namespace

std::optional<MainCommandCall> MainKeyboard::commandFor(
    int key, Qt::KeyboardModifiers modifiers, const MainKeyContext &context)
{
    // Keys of the numeric keypad and of a second keyboard group carry extra
    // flags: Ctrl+End from the keypad is Ctrl+End all the same.
    const Qt::KeyboardModifiers held = modifiers
        & (Qt::ControlModifier | Qt::AltModifier | Qt::ShiftModifier | Qt::MetaModifier);
    if (key == Qt::Key_Tab || key == Qt::Key_Backtab)
        return tabKey(key, held, context);
    if (held == Qt::ControlModifier)
        return lookUp(kCtrlKeys, key);
    if (held == Qt::AltModifier)
        return altKey(key, context);
    if (held == (Qt::ControlModifier | Qt::AltModifier)) {
        if (key >= Qt::Key_A && key <= Qt::Key_Z && context.letterTabsActive)
            return call(MainCommand::JumpToLetter, 'A' + (key - Qt::Key_A));
        return std::nullopt;
    }
    if (held == Qt::NoModifier)
        return lookUp(kFunctionKeys, key);
    return std::nullopt;
}

} // namespace zendrova
