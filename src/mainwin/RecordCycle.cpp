#include "mainwin/RecordCycle.h"

#include "common/AppState.h"
#include "common/Interaction.h"
#include "common/WaitCursor.h"
#include "mainwin/CardCodec.h"
#include "mainwin/CardFields.h"
#include "mainwin/CardValues.h"
#include "mainwin/CycleLetterTabs.h"
#include "mainwin/DeleteConfirmation.h"
#include "store/RecordEditor.h"
#include "store/RecordStore.h"
#include "store/TableOpening.h"

#include <algorithm>

namespace zendrova {

namespace {

constexpr int kNameOfRecord = 3; // the field the corrupt-memo message names

int positionOf(int index)
{
    return index + FieldModel::kFirstUserPosition;
}

} // namespace

QString RecordCycle::notOpenText()
{
    return tr("Database is not Open! Cannot display details.");
}

QString RecordCycle::corruptMemoText(const QString &recordName)
{
    return tr("Corrupt Memo Field!!! You should delete record: ") + recordName + QLatin1Char('\r')
        + tr("You may have to use Advanced/Maintenance/Repair Data File function.");
}

QString RecordCycle::updateFailedText()
{
    return tr("Could not Update the record!\rDo you want to continue anyway?\r"
              "(If you answer Yes changes to the current record will be discarded.)");
}

QString RecordCycle::deleteFailedText()
{
    return tr("Record in use - not Deleted!");
}

RecordCycle::RecordCycle(AppState &state, RecordStore &store, CardValues &values)
    : m_state(state)
    , m_store(store)
    , m_values(values)
{
    m_cursor.setAfterInsert([this](RecordEditor &record) { m_store.assignRecordNumber(record); });
    m_cursor.setBeforePost([this](RecordEditor &record) {
        if (beforePost)
            beforePost(record);
    });
}

RecordCycle::~RecordCycle() = default;

StoreTable &RecordCycle::list()
{
    return m_store.recordTable();
}

bool RecordCycle::readOnly() const
{
    return m_state.isReadOnlyMode();
}

bool RecordCycle::lettersInUse() const
{
    return m_letters && m_letters->inUse();
}

bool RecordCycle::open()
{
    m_cursor.close();
    m_card = CardState();
    if (!TableOpening::openByName(
            m_cursor, list().folder(), list().fileName(), false, m_state.installFolder))
        return false;
    m_values.fitFields(m_cursor.fieldModel());
    return true;
}

bool RecordCycle::release()
{
    // The cursor closes next: the record is left without showing it again.
    if (m_cursor.isOpen() && m_card.position > 0 && !leaveRecord())
        return false;
    m_cursor.close();
    m_card.position = 0;
    return true;
}

bool RecordCycle::reopen(int listPosition)
{
    if (!open()) {
        // No card cursor: the card shows nothing and its commands stay off
        // until a later reopen succeeds.
        m_values.clearAll();
        if (displayed)
            displayed();
        return false;
    }
    showRecord(listPosition);
    return true;
}

bool RecordCycle::showRecord(int p)
{
    if (!m_store.tablesCreated() || !list().isOpen() || !m_cursor.isOpen()) {
        showMessage(MessageKind::Error, notOpenText());
        return false;
    }
    // A count walks the list's whole range: only leaving the card can change
    // it, so showing a record without leaving one counts nothing.
    const bool leaving = m_card.position > 0 && !m_card.alreadyLeft;
    const int before = leaving ? list().recordCount() : 0;
    if (leaving && !leaveRecord())
        return false;
    m_card.inUse = m_card.newRecord = false;
    if (leaving && list().recordCount() > before)
        ++p; // the saved record came before the one asked for
    if (list().gotoRecord(p) && !list().atEnd()) {
        m_cursor.gotoSameRecord(list());
        display(p + 1);
    } else {
        m_card.newRecord = true; // past the last record
        display(list().recordCount() + 1);
    }
    return true;
}

void RecordCycle::display(int position)
{
    m_card.position = position;
    if (m_card.newRecord) {
        m_values.clearAll();
        m_card.recordNumber = -1;
    } else {
        lockCard();
        loadCard(m_cursor, false);
        for (int i = 0; i < CardFields::kCount; ++i)
            m_shown.at(i) = m_values.value(i);
        m_card.recordNumber = qRound(m_cursor.number(FieldModel::kRecordNumberPosition));
        m_card.cardLetter = m_letters && m_letters->counted() ? m_letters->letterOf(m_cursor) : 0;
    }
    if (displayed)
        displayed();
    m_card.alreadyLeft = false;
}

void RecordCycle::lockCard()
{
    if (readOnly())
        return;
    try {
        RecordEditor(m_cursor).lock();
    } catch (const StoreError &) {
        m_card.inUse = true; // another user has it on a card
    }
}

void RecordCycle::loadCard(StoreTable &source, bool asTemplate)
{
    const bool hasRecord = source.onRecord();
    m_card.templateLoad = asTemplate;
    for (int i = 0; i < CardFields::kCount; ++i) {
        if (!hasRecord && !source.fieldModel().isPicture(positionOf(i))) {
            m_values.clear(i);
            continue;
        }
        try {
            m_values.load(i, source, asTemplate);
        } catch (const StoreError &) {
            m_values.clear(i);
            showMessage(MessageKind::Error, corruptMemoText(source.text(kNameOfRecord)),
                MessageButtons::OkHelp, kCorruptMemoHelp);
            break;
        }
    }
    m_card.templateLoad = false;
}

bool RecordCycle::cardEmpty() const
{
    return m_values.isEmpty();
}

void RecordCycle::clearCard()
{
    m_values.clearAll();
}

bool RecordCycle::writeCardTo(
    StoreTable &table, bool asNew, const std::function<void(RecordEditor &)> &more)
{
    if (!cardFits())
        return false;
    m_values.keepTyping();
    RecordEditor record(table);
    const bool stored = record.store(asNew, [this, &more](RecordEditor &editing) {
        for (int i = 0; i < CardFields::kCount; ++i)
            m_values.write(i, editing);
        if (more)
            more(editing);
        return RecordEditor::Fill::Filled;
    });
    if (!stored)
        record.cancel();
    return stored;
}

void RecordCycle::followCardRecord()
{
    if (m_card.position == 0)
        return;
    if (m_card.newRecord) {
        m_card.position = list().recordCount() + 1;
        return;
    }
    // The card's record lies in another letter's range: its place there is unchanged.
    if (lettersInUse() && m_card.cardLetter != m_letters->currentLetter())
        return;
    if (const std::optional<int> found = list().positionOfRecordNumber(m_card.recordNumber))
        m_card.position = *found + 1;
}

bool RecordCycle::leaveRecord()
{
    // Left once already (saved or discarded): leaving again must not store
    // the card a second time.
    if (m_card.alreadyLeft)
        return true;
    if (readOnly() || m_card.inUse) {
        m_card.alreadyLeft = true;
        return true;
    }
    RecordEditor record(m_cursor);
    if (m_values.isEmpty()) {
        // An empty card never deletes a record; a new one is simply dropped.
        record.cancel();
        m_card.alreadyLeft = true;
        return true;
    }
    if (!m_card.newRecord && showsStoredRecord()) {
        // Only looked at: the record, its memos and the table stay untouched.
        record.cancel();
        m_card.alreadyLeft = true;
        return true;
    }
    if (!cardFits())
        return false;
    m_values.keepTyping();
    if (!writeCard()) {
        if (!askYesNo(MessageKind::Warning, updateFailedText())) {
            m_card.alreadyLeft = false;
            return false;
        }
        record.cancel();
    }
    m_card.alreadyLeft = true;
    return true;
}

bool RecordCycle::leaveRecordForCommand()
{
    if (m_card.position == 0 || !m_cursor.isOpen())
        return true; // nothing on the card
    const bool wasNew = m_card.newRecord;
    if (!leaveRecord())
        return false;
    // The command may end up doing nothing (a dialog cancelled, a search
    // without a match): the card shows its record again, locked, so typing
    // after it is saved or asked about like any other. A saved new record
    // comes back as a normal one.
    if (wasNew)
        showRecord(m_card.position - 1);
    else
        display(m_card.position);
    return true;
}

bool RecordCycle::showsStoredRecord() const
{
    for (int i = 0; i < CardFields::kCount; ++i)
        if (!(m_values.value(i) == m_shown.at(i)))
            return false;
    return true;
}

bool RecordCycle::cardFits()
{
    const FieldModel &fields = m_cursor.fieldModel();
    for (int i = 0; i < CardFields::kCount; ++i) {
        const CardField &field = CardFields::all().at(i);
        const QString caption = m_state.captions.caption(field.tag);
        const QString why = CardCodec::refusal(field.kind, m_values.value(i), fields,
            field.fieldPosition(), caption.isEmpty() ? field.builtInCaption : caption);
        if (why.isEmpty())
            continue;
        showMessage(MessageKind::Error, why);
        if (focusControl)
            focusControl(i);
        return false;
    }
    return true;
}

bool RecordCycle::writeCard()
{
    if (m_card.inUse)
        return false;
    WaitCursor wait;
    RecordEditor record(m_cursor);
    m_pendingLetter.reset();
    if (!record.store(m_card.newRecord, [this](RecordEditor &editing) { return fillRecord(editing); }))
        return false;
    if (m_pendingLetter && (m_card.newRecord || *m_pendingLetter != m_card.cardLetter))
        m_letters->moveCount(m_card.newRecord ? 0 : m_card.cardLetter, *m_pendingLetter);
    return true;
}

RecordEditor::Fill RecordCycle::fillRecord(RecordEditor &record)
{
    for (int i = 0; i < CardFields::kCount; ++i) {
        const int position = positionOf(i);
        try {
            m_values.write(i, record);
        } catch (const StoreError &) {
            const FieldModel &fields = m_cursor.fieldModel();
            if (!fields.isMemo(position) && !fields.isPicture(position))
                throw;
            showMessage(MessageKind::Error, corruptMemoText(m_cursor.text(kNameOfRecord)),
                MessageButtons::OkHelp, kCorruptMemoHelp);
            return RecordEditor::Fill::Stop;
        }
    }
    // The letter is taken just before the post; its count moves once the
    // post has succeeded.
    if (m_letters && m_letters->counted())
        m_pendingLetter = m_letters->letterOf(m_cursor);
    return RecordEditor::Fill::Filled;
}

bool RecordCycle::newRecord()
{
    showRecord(list().recordCount());
    return !m_card.inUse && !readOnly() && m_card.newRecord;
}

bool RecordCycle::confirmDelete()
{
    if (m_state.userOptions.recordDeleteMode == 1)
        return true; // deleting at once was chosen in the options
    const std::optional<QString> typed
        = askDeleteConfirmation ? askDeleteConfirmation() : std::nullopt;
    if (typed && DeleteConfirmation::confirms(*typed))
        return true;
    showMessage(MessageKind::Information, DeleteConfirmation::notDeletedText());
    return false;
}

void RecordCycle::deleteRecord()
{
    if (m_values.isEmpty() || !confirmDelete())
        return;
    if (m_card.newRecord) {
        m_values.clearAll();
        return;
    }
    if (!m_cursor.onRecord())
        return;
    const char letter = m_letters && m_letters->counted() ? m_letters->letterOf(m_cursor) : 0;
    try {
        RecordEditor(m_cursor).remove();
    } catch (const StoreError &) {
        showMessage(MessageKind::Error, deleteFailedText());
        return;
    }
    if (letter)
        m_letters->moveCount(letter, 0);
    const int old = m_card.position;
    m_card.position = 0; // nothing left to save
    showRecord(std::max(old - 1, 0));
}

void RecordCycle::undo()
{
    if (!m_cursor.isOpen())
        return;
    if (m_card.newRecord)
        m_values.clearAll();
    else
        loadCard(m_cursor, false);
}

bool RecordCycle::deleteListRecord(int listPosition)
{
    StoreTable &rows = list();
    if (!rows.isOpen() || !rows.gotoRecord(listPosition) || rows.atEnd()) {
        showMessage(MessageKind::Information, emptyRecordNotDeletedText());
        return false;
    }
    if (!m_card.newRecord && m_card.position > 0
        && qRound(rows.number(FieldModel::kRecordNumberPosition)) == m_card.recordNumber) {
        deleteRecord();
        return true;
    }
    if (!confirmDelete() || !rows.gotoRecord(listPosition) || rows.atEnd())
        return false;
    RecordEditor row(rows);
    char letter = 0;
    try {
        row.lock(); // fails while another user has the record on a card
        letter = m_letters && m_letters->counted() ? m_letters->letterOf(rows) : 0;
        row.remove();
    } catch (const StoreError &) {
        row.cancel();
        showMessage(MessageKind::Error, deleteFailedText());
        return false;
    }
    if (letter)
        m_letters->moveCount(letter, 0);
    // A row before the card's record in the same range moves the card up one.
    const bool sameRange = !lettersInUse() || m_card.cardLetter == m_letters->currentLetter();
    if (m_card.newRecord || (sameRange && listPosition < m_card.position - 1))
        m_card.position = std::max(m_card.position - 1, 0);
    return true;
}

QString RecordCycle::emptyRecordNotDeletedText()
{
    return tr("Empty Record cannot be Deleted.");
}

} // namespace zendrova
