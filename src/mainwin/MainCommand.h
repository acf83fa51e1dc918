#pragma once

namespace zendrova {

// Everything the main window can be asked to do from its menus, speed bars,
// keyboard and popups. Menu items, speed bar buttons and keys name a command;
// the window decides what running it means and whether it is available.
enum class MainCommand {
    None,
    // File
    NewRecord,
    LoadDatabase,
    Print,
    Exit,
    // Search and options
    Find,
    Options,
    // Move
    FirstPage,
    PageUp,
    PageDown,
    LastPage,
    PreviousRecord,
    NextRecord,
    // Advanced
    Export,
    Import,
    Password,
    Maintenance,
    Filter,
    Sort,
    Summary,
    // Help
    HelpContents,
    Tips,
    About,
    // Record bar
    DeleteRecord,
    CopyRecord,
    PasteRecord,
    UndoRecord,
    PrintRecord,
    Synchronise,
    // Keyboard only
    SelectCardPart, // argument: part 1..9
    InterfaceMenu,
    RecordButtonMenu,
    CardMenu,
    HeaderMenu,
    PrimarySortMenu,
    SecondarySortMenu,
    FilterMenu,
    JumpToLetter, // argument: 'A'..'Z'
    NextCardField,
    PreviousCardField,
};

// The property naming the command a button runs.
inline constexpr const char *kMainCommandProperty = "mainCommand";

// A command with the one value some commands take.
struct MainCommandCall
{
    MainCommand command = MainCommand::None;
    int argument = 0;

    bool operator==(const MainCommandCall &) const = default;
};

} // namespace zendrova
