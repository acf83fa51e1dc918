// The record on the card: the record cycle and what the window shows of it.
#include "mainwin/ui/TForm3.h"

#include "common/AppState.h"
#include "common/ui/TDeleteDlg1.h"
#include "mainwin/CopyBuffer.h"
#include "mainwin/DeleteConfirmation.h"
#include "mainwin/RecordCycle.h"
#include "mainwin/RecordTemplates.h"
#include "mainwin/ui/CardMenu.h"
#include "mainwin/ui/CardWidgetValues.h"
#include "mainwin/ui/RecordCard.h"
#include "mainwin/ui/RecordCardBar.h"
#include "store/RecordStore.h"

#include <QLineEdit>
#include <QPushButton>

namespace zendrova {

namespace {
// The commands the record cycle decides about.
const MainCommand kCycleCommands[] = { MainCommand::NewRecord, MainCommand::DeleteRecord,
    MainCommand::UndoRecord, MainCommand::PreviousRecord, MainCommand::NextRecord };
// F4 opens the card menu this far right of the window's middle and down from its top.
constexpr QPoint kCardMenuOffset { 50, 200 };
} // namespace

void TForm3::startRecordCycle()
{
    m_values = std::make_unique<CardWidgetValues>(m_card->cardControls());
    m_cycle = std::make_unique<RecordCycle>(m_state, m_store, *m_values);
    m_cycle->setLetterTabs(&m_letters);
    m_cycle->askDeleteConfirmation = [this] {
        return TDeleteDlg1::ask(DeleteConfirmation::captionText(),
            DeleteConfirmation::promptText(), DeleteConfirmation::warningText(), this);
    };
    m_cycle->displayed = [this] {
        showCardState();
        redrawList();
    };
    m_cycle->focusControl = [this](int control) {
        m_card->selectPart(m_card->pageOfControl(control));
        m_card->controls().at(control)->setFocus(Qt::OtherFocusReason);
    };
    // The card cursor's own before-post action runs this.
    m_cycle->beforePost = [this](RecordEditor &card) { m_filter.storeHook(card); };
    if (m_cycle->open())
        m_cycle->showRecord(0);
    m_commands.setAvailable(MainCommand::Filter, true);
    m_commands.setAvailable(MainCommand::Find, true);
    m_commands.setAvailable(MainCommand::Summary, true);
    m_commands.setAvailable(MainCommand::Print, true);
}

void TForm3::popupCardMenu()
{
    const QPoint offset(width() / 2 + kCardMenuOffset.x(), kCardMenuOffset.y());
    m_cardMenu->popup(geometry().topLeft() + offset);
}

void TForm3::showCardState()
{
    // A redraw of the list ends a find's highlight.
    m_card->clearHighlight();
    m_card->setStatusText(m_cycle->statusText());
    m_card->recordBar()->setPositionText(m_cycle->positionText(), m_cycle->percentText());
    const CycleCommandStates states
        = m_cycle->commandStates(m_copyBuffer && m_copyBuffer->pasteAllowed());
    m_commands.setAvailable(MainCommand::NewRecord, states.newRecord);
    m_commands.setAvailable(MainCommand::Maintenance, states.maintenance);
    m_commands.setAvailable(MainCommand::Export, states.copyImportExport);
    m_commands.setAvailable(MainCommand::Import, states.copyImportExport);
    m_commands.setAvailable(MainCommand::DeleteRecord, states.remove);
    m_commands.setAvailable(MainCommand::UndoRecord, states.undo);
    m_commands.setAvailable(MainCommand::PreviousRecord, states.previous);
    m_commands.setAvailable(MainCommand::NextRecord, states.next);
    const CardState &card = m_cycle->card();
    m_commands.setAvailable(MainCommand::Synchronise, !card.newRecord && card.position > 0);
    m_commands.setAvailable(MainCommand::PrintRecord, !card.newRecord && card.position > 0);
    for (QWidget *control : m_card->controls())
        control->setEnabled(states.controls);
    showTemplateStates(states);
    showLetters();
}

void TForm3::newRecord()
{
    if (!m_cycle->newRecord())
        return;
    m_card->selectPart(1);
    m_card->controls().constFirst()->setFocus();
    if (m_recordTemplates)
        m_recordTemplates->fillNewRecord(m_card->templateButton()->text());
}

CardRelease::Steps TForm3::cardReleaseSteps()
{
    return { [this] { return releaseCard(); }, [this] { sortChanged(); }, [this] { reopenCard(); } };
}

bool TForm3::releaseCard()
{
    return !m_cycle || m_cycle->release();
}

void TForm3::reopenCard()
{
    if (m_cycle)
        m_cycle->reopen(0);
}

bool TForm3::mayLeaveRecord()
{
    return !m_cycle || m_cycle->leaveRecordForCommand();
}

} // namespace zendrova
