// Stepping through the records, synchronising the list, and what the card's
// status bar, labels and commands show.
#include "mainwin/RecordCycle.h"

#include "common/AppState.h"
#include "common/WaitCursor.h"
#include "mainwin/CycleLetterTabs.h"
#include "store/RecordStore.h"

#include <algorithm>

namespace zendrova {

QString RecordCycle::newRecordStatus()
{
    return tr("New Record");
}

QString RecordCycle::readOnlyStatus()
{
    return tr("Read Only Access");
}

QString RecordCycle::inUseStatus()
{
    return tr("Read Only Access - Record In Use");
}

QString RecordCycle::readWriteStatus()
{
    return tr("Read/Write Access");
}

QString RecordCycle::statusText() const
{
    if (m_card.newRecord)
        return newRecordStatus();
    if (readOnly())
        return readOnlyStatus();
    return m_card.inUse ? inUseStatus() : readWriteStatus();
}

QString RecordCycle::positionText() const
{
    return m_card.newRecord ? QString() : QString::number(m_card.position).left(6);
}

QString RecordCycle::percentText()
{
    const int count = list().recordCount();
    if (count == 0)
        return QStringLiteral("100%");
    return QString::number(std::min(100, qRound(m_card.position * 100.0 / count)))
        + QLatin1Char('%');
}

// The next (step 1) or previous (step -1) letter after from that holds
// records; 0 when there is none.
char RecordCycle::nextLetter(char from, int step) const
{
    for (char letter = char(from + step); letter >= 'A' && letter <= 'Z';
         letter = char(letter + step))
        if (m_letters->holdsRecords(letter))
            return letter;
    return 0;
}

char RecordCycle::edgeLetter(bool last) const
{
    return last ? nextLetter(char('Z' + 1), -1) : nextLetter(char('A' - 1), 1);
}

// The card shows record target of the letter's range while the list stays
// on its own letter.
void RecordCycle::showCardOf(char letter, int target)
{
    const char current = lettersInUse() ? m_letters->currentLetter() : 0;
    if (letter != current)
        m_letters->rangeList(letter);
    const int count = list().recordCount();
    if (target < 0 || target >= count) {
        if (letter != current)
            m_letters->rangeList(current);
        showRecord(count);
        return;
    }
    list().gotoRecord(target);
    m_cursor.gotoSameRecord(list());
    if (letter != current)
        m_letters->rangeList(current);
    m_card.inUse = m_card.newRecord = false;
    display(target + 1);
}

void RecordCycle::next()
{
    if (!m_cursor.isOpen())
        return;
    const int p = m_card.position;
    const bool wasNew = m_card.newRecord;
    if (!leaveRecord())
        return;
    if (!lettersInUse()) {
        showCardOf(0, std::min(p, list().recordCount() - 1));
        return;
    }
    const char current = m_letters->currentLetter();
    const char letter = wasNew ? current : m_card.cardLetter;
    if (m_letters->count(letter) - 1 < p) {
        char target = letter == 'Z' ? 0 : nextLetter(letter, 1);
        if (!target)
            target = edgeLetter(true);
        showCardOf(target ? target : current, 0);
    } else {
        showCardOf(letter, p);
    }
}

void RecordCycle::previous()
{
    if (!m_cursor.isOpen())
        return;
    const int p = m_card.position;
    const bool wasNew = m_card.newRecord;
    if (!leaveRecord())
        return;
    if (!lettersInUse()) {
        showCardOf(0, std::max(p - 2, 0));
        return;
    }
    const char current = m_letters->currentLetter();
    const char letter = wasNew ? current : m_card.cardLetter;
    if (p - 2 < 0 || m_letters->count(letter) == 0) {
        char target = letter < 'B' ? 0 : nextLetter(letter, -1);
        if (!target)
            target = edgeLetter(false);
        if (!target)
            target = current;
        showCardOf(target, m_letters->count(target) - 1);
    } else {
        showCardOf(letter, p - 2);
    }
}

std::optional<int> RecordCycle::synchronise(int rowsPerPage)
{
    if (m_card.newRecord || m_card.position == 0 || !leaveRecord())
        return std::nullopt;
    WaitCursor wait;
    if (lettersInUse() && m_card.cardLetter != m_letters->currentLetter())
        m_letters->selectLetter(m_card.cardLetter);
    const std::optional<int> found = list().positionOfRecordNumber(m_card.recordNumber);
    if (!found) {
        showRecord(list().recordCount());
        return std::nullopt;
    }
    const int index = *found;
    m_cursor.gotoSameRecord(list());
    m_card.inUse = m_card.newRecord = false;
    const int top = rowsPerPage > 0 ? index / rowsPerPage * rowsPerPage : 0;
    if (moveListTop)
        moveListTop(top);
    display(index + 1);
    return top;
}

bool RecordCycle::atFirst()
{
    if (m_card.position != 1)
        return false;
    if (!lettersInUse())
        return true;
    return m_card.cardLetter <= 'A' || nextLetter(m_card.cardLetter, -1) == 0;
}

bool RecordCycle::atLast()
{
    if (!lettersInUse())
        return m_card.position >= list().recordCount();
    if (!m_letters->endsAt(m_card.cardLetter, m_card.position))
        return false;
    return m_card.cardLetter >= 'Z' || nextLetter(m_card.cardLetter, 1) == 0;
}

CycleCommandStates RecordCycle::commandStates(bool copyBufferHasRecord)
{
    CycleCommandStates states;
    const bool readOnlyMode = readOnly();
    states.newRecord = states.copyImportExport = states.maintenance = !readOnlyMode;
    if (!readOnlyMode && !m_state.isSupervisor && m_state.isPublicFolder(m_state.databaseFolder))
        states.maintenance = false;
    const bool editable = !readOnlyMode && !m_card.inUse;
    states.controls = states.undo = states.remove = states.replaceWithTemplate = editable;
    states.paste = editable && copyBufferHasRecord;
    if (!m_cursor.isOpen()) {
        // The card cursor could not be opened again: no record command may
        // reach the closed table.
        states.controls = states.undo = states.remove = states.replaceWithTemplate = false;
        states.paste = states.newRecord = states.previous = states.next = false;
    } else if (m_card.newRecord) {
        states.previous = states.next = true;
    } else if (readOnlyMode && !m_cursor.onRecord()) {
        states.previous = states.next = false;
    } else {
        states.previous = !atFirst();
        states.next = !atLast();
    }
    return states;
}

} // namespace zendrova
