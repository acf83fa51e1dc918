#pragma once

#include <QCoreApplication>
#include <QString>
#include <QStringList>

namespace zendrova {

class AppState;
class RecordCycle;
class RecordEditor;
class RecordStore;
class StoreTable;

// The copy buffer: one whole record kept as the first row of the copy/paste
// table. Records are copied into it from the card or from a list row and
// pasted from it into either. The copy/paste table lives as long as the
// store's tables.
class CopyBuffer
{
    Q_DECLARE_TR_FUNCTIONS(CopyBuffer)

public:
    static QString emptyRecordText();

    CopyBuffer(AppState &state, RecordStore &store, RecordCycle &cycle);

    // Pasting and viewing the buffer are offered: a record was copied in this
    // run and the database may be changed.
    bool pasteAllowed() const;
    // Copying is offered whenever the database may be changed.
    bool copyAllowed() const;
    // The buffer is no longer offered (an import ends it) until the next copy.
    void forget() { m_filled = false; }

    // The card's values into the buffer; an empty card is refused.
    void copyCard();
    // The record at the list position into the buffer; a row past the end is refused.
    void copyRow(int listPosition);
    // The card shows the buffer's values; they are stored when the card is left.
    void pasteIntoCard();
    // The buffer's values into the record at the list position, or into a
    // new record for a row past the end. The card's own record is pasted on
    // the card instead. True when the list changed.
    bool pasteIntoRow(int listPosition);

    // The buffer record's fields as its view menus list them. A memo that
    // cannot be read raises StoreError.
    QStringList viewLines();
    // What to say when viewLines failed.
    QString corruptMemoText();

private:
    StoreTable &buffer();
    // The buffer row, with a new one started when the table has none.
    bool lockBufferRow(RecordEditor &editor);

    AppState &m_state;
    RecordStore &m_store;
    RecordCycle &m_cycle;
    // A record was copied in this run. The copy/paste table keeps the last
    // buffer across runs, but only one copied now is offered for pasting.
    bool m_filled = false;
};

} // namespace zendrova
