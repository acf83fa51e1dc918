#pragma once

namespace zendrova {

enum class EditTarget { Text, Memo, Combo };

// What the edit popup menu can see of the control it opens on.
struct EditMenuInput
{
    EditTarget target = EditTarget::Text;
    bool textEmpty = true;
    bool hasSelection = false;
    bool canUndo = false;
    bool autoFill = false;
};

struct EditMenuState
{
    bool undoVisible = true; // also the separator after it
    bool undoEnabled = false;
    bool cutEnabled = false;
    bool copyEnabled = false;
    bool pasteEnabled = true;
    bool deleteEnabled = false;
    bool selectAllEnabled = false;
    bool fileEntriesVisible = false; // separator, Load and Save
    bool autoFillChecked = false;
};

EditMenuState editMenuState(const EditMenuInput &input);

} // namespace zendrova
