#include "mainwin/CopyBuffer.h"

#include "common/AppState.h"
#include "common/Interaction.h"
#include "mainwin/CycleLetterTabs.h"
#include "mainwin/RecordCycle.h"
#include "mainwin/RecordFieldView.h"
#include "store/RecordCopy.h"
#include "store/RecordEditor.h"
#include "store/RecordStore.h"

namespace zendrova {

namespace {
constexpr int kNameOfRecord = FieldModel::kFirstUserPosition + 1; // the corrupt-memo message names it
} // namespace

QString CopyBuffer::emptyRecordText()
{
    return tr("Empty Record - Not Copied!");
}

CopyBuffer::CopyBuffer(AppState &state, RecordStore &store, RecordCycle &cycle)
    : m_state(state)
    , m_store(store)
    , m_cycle(cycle)
{
}

StoreTable &CopyBuffer::buffer()
{
    return m_store.copyTable();
}

bool CopyBuffer::pasteAllowed() const
{
    return m_filled && !m_state.isReadOnlyMode();
}

bool CopyBuffer::copyAllowed() const
{
    return !m_state.isReadOnlyMode();
}

bool CopyBuffer::lockBufferRow(RecordEditor &editor)
{
    StoreTable &table = buffer();
    if (!table.isOpen())
        return false;
    table.selectNaturalOrder();
    if (table.onRecord())
        editor.lock();
    else
        editor.append();
    return true;
}

void CopyBuffer::copyCard()
{
    if (m_cycle.cardEmpty()) {
        showMessage(MessageKind::Warning, emptyRecordText());
        return;
    }
    StoreTable &table = buffer();
    if (!table.isOpen())
        return;
    table.selectNaturalOrder();
    if (m_cycle.writeCardTo(table, !table.onRecord()))
        m_filled = true;
}

void CopyBuffer::copyRow(int listPosition)
{
    StoreTable &rows = m_store.recordTable();
    if (!rows.isOpen() || !rows.gotoRecord(listPosition) || rows.atEnd()) {
        showMessage(MessageKind::Warning, emptyRecordText());
        return;
    }
    RecordEditor editor(buffer());
    try {
        if (!lockBufferRow(editor))
            return;
        RecordCopy::copyUserFields(rows, editor);
        editor.post();
        m_filled = true;
    } catch (const StoreError &) {
        editor.cancel();
    }
}

void CopyBuffer::pasteIntoCard()
{
    StoreTable &table = buffer();
    if (!table.isOpen())
        return;
    table.selectNaturalOrder();
    m_cycle.loadCard(table, false);
}

bool CopyBuffer::pasteIntoRow(int listPosition)
{
    if (!pasteAllowed())
        return false;
    StoreTable &rows = m_store.recordTable();
    if (!rows.isOpen())
        return false;
    const bool onRecord = rows.gotoRecord(listPosition) && !rows.atEnd();
    const CardState &card = m_cycle.card();
    if (onRecord && !card.newRecord && card.position > 0
        && qRound(rows.number(FieldModel::kRecordNumberPosition)) == card.recordNumber) {
        pasteIntoCard();
        return false;
    }
    StoreTable &source = buffer();
    if (!source.isOpen())
        return false;
    source.selectNaturalOrder();
    if (!source.onRecord())
        return false;
    CycleLetterTabs *letters = m_cycle.letterTabs();
    const bool counted = letters && letters->counted();
    char oldLetter = 0; // a new record had none
    char newLetter = 0;
    RecordEditor row(rows);
    try {
        if (onRecord) {
            row.lock(); // fails while another user has the record on a card
            oldLetter = counted ? letters->letterOf(rows) : 0;
        } else {
            row.append();
        }
        RecordCopy::copyUserFields(source, row);
        newLetter = counted ? letters->letterOf(rows) : 0;
        row.post();
    } catch (const StoreError &) {
        row.cancel();
        return false;
    }
    if (counted && oldLetter != newLetter)
        letters->moveCount(oldLetter, newLetter);
    m_cycle.followCardRecord();
    return true;
}

QStringList CopyBuffer::viewLines()
{
    StoreTable &table = buffer();
    if (!table.isOpen())
        return {};
    table.selectNaturalOrder();
    if (!table.onRecord())
        return {};
    return RecordFieldView::lines(table, m_state.captions, m_state.dateFormats);
}

QString CopyBuffer::corruptMemoText()
{
    StoreTable &table = buffer();
    return RecordFieldView::corruptMemoText(table.onRecord() ? table.text(kNameOfRecord) : QString());
}

} // namespace zendrova
