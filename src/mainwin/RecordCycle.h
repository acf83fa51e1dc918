#pragma once

#include "mainwin/CardFields.h"
#include "mainwin/CardState.h"
#include "mainwin/CardValue.h"
#include "store/RecordEditor.h"
#include "store/StoreTable.h"

#include <QCoreApplication>
#include <QString>
#include <array>
#include <functional>
#include <optional>

namespace zendrova {

class AppState;
class CardValues;
class CycleLetterTabs;
class RecordStore;

// The record on the card: which record it is, locking it while shown, moving
// values between the card and the record, and saving when it is left. The
// card edits through its own cursor on the current record table, while the
// list reads through the store's record table.
class RecordCycle
{
    Q_DECLARE_TR_FUNCTIONS(RecordCycle)

public:
    static constexpr int kCorruptMemoHelp = 62;

    static QString notOpenText();
    static QString corruptMemoText(const QString &recordName);
    static QString updateFailedText();
    static QString deleteFailedText();
    static QString newRecordStatus();
    static QString readOnlyStatus();
    static QString inUseStatus();
    static QString readWriteStatus();

    RecordCycle(AppState &state, RecordStore &store, CardValues &values);
    ~RecordCycle();
    RecordCycle(const RecordCycle &) = delete;
    RecordCycle &operator=(const RecordCycle &) = delete;

    // Run on the card cursor just before each post (the filter sets the mark).
    std::function<void(RecordEditor &)> beforePost;
    // The typed-YES dialog: the text typed, nothing on Cancel.
    std::function<std::optional<QString>()> askDeleteConfirmation;
    // After every display: labels, status, enabled states and the list redraw.
    std::function<void()> displayed;
    // Synchronise moves the list's top row before the card shows the record.
    std::function<void(int top)> moveListTop;
    // The card stays on its record because control index holds a value its
    // field cannot take: the user corrects it there.
    std::function<void(int index)> focusControl;
    // nullptr: no letter tabs.
    void setLetterTabs(CycleLetterTabs *tabs) { m_letters = tabs; }

    // Opens the card cursor on the store's current record table.
    bool open();
    // Leaves the record and closes the card cursor before an exclusive
    // operation; false when the user stays on the record.
    bool release();
    // Opens the card cursor again and shows the list position. When it
    // cannot be opened the card is cleared, its commands disabled, and the
    // window told through displayed.
    bool reopen(int listPosition = 0);

    // False when the user stays on the record (or no table is open).
    bool showRecord(int listPosition);
    bool leaveRecord();
    // Saves the card before a command; the card then shows its record again,
    // locked, in case the command changes nothing. False when the user stays.
    bool leaveRecordForCommand();
    // False when the new record cannot be edited (read-only or in use).
    bool newRecord();
    void deleteRecord();
    // The record-button menu's delete: the record at the list position, which
    // may be the card's own; true when the list may have changed.
    bool deleteListRecord(int listPosition);
    static QString emptyRecordNotDeletedText();
    void undo();
    void next();
    void previous();
    // Shows the card's record in the list; the list's new top row, nothing
    // when the card has no saved record or the user stays on it.
    std::optional<int> synchronise(int rowsPerPage);
    // Loads another cursor's record (a template) into the card.
    void loadCard(StoreTable &source, bool asTemplate);
    // Every control empty, as a new record starts.
    bool cardEmpty() const;
    void clearCard();
    // Stores the card into the current record of another table of the card
    // table's layout (asNew: into a new record there); then more may add to
    // that record before it is posted. A value its field cannot take is
    // reported first. False when nothing was stored (the change is dropped).
    bool writeCardTo(StoreTable &table, bool asNew,
        const std::function<void(RecordEditor &)> &more = {});
    // A record of the list was stored around the card's record: the card's
    // position follows its record through the list's order.
    void followCardRecord();
    // nullptr: no letter tabs.
    CycleLetterTabs *letterTabs() const { return m_letters; }

    const CardState &card() const { return m_card; }
    StoreTable &cardCursor() { return m_cursor; }
    QString statusText() const;
    QString positionText() const;
    QString percentText();
    CycleCommandStates commandStates(bool copyBufferHasRecord);

private:
    StoreTable &list();
    bool readOnly() const;
    bool lettersInUse() const;
    void display(int position);
    bool writeCard();
    // The card shows what its record holds: leaving it stores nothing.
    bool showsStoredRecord() const;
    // A value the record cannot take is reported and its control given the
    // focus; false then.
    bool cardFits();
    RecordEditor::Fill fillRecord(RecordEditor &record);
    bool confirmDelete();
    void lockCard();
    void showCardOf(char letter, int target);
    char nextLetter(char from, int step) const;
    char edgeLetter(bool last) const;
    bool atFirst();
    bool atLast();

    AppState &m_state;
    RecordStore &m_store;
    CardValues &m_values;
    CycleLetterTabs *m_letters = nullptr;
    StoreTable m_cursor;
    CardState m_card;
    // The card's letter as the record being stored will have it.
    std::optional<char> m_pendingLetter;
    // What the controls showed once the record was loaded.
    std::array<CardValue, CardFields::kCount> m_shown;
};

} // namespace zendrova
