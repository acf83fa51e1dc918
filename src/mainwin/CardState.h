#pragma once

namespace zendrova {

// What the record card is showing.
struct CardState
{
    int position = 0; // 1-based list position; 0 when none
    int recordNumber = -1; // -1 for a new record
    char cardLetter = 0; // 0 when letter tabs do not apply
    bool newRecord = false;
    bool inUse = false; // the lock failed: shown read-only
    bool alreadyLeft = false; // saved by a command: the next display does not save again
    bool templateLoad = false;
};

// Which record-bar and card commands can be used after a display.
struct CycleCommandStates
{
    bool controls = true;
    bool undo = true;
    bool remove = true;
    bool paste = true;
    bool replaceWithTemplate = true;
    bool newRecord = true;
    bool copyImportExport = true;
    bool maintenance = true;
    bool previous = true;
    bool next = true;
};

} // namespace zendrova
