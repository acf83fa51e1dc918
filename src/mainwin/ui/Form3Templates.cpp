// Record templates and the copy buffer: the template button's menus, the
// save dialog, and copy and paste on the card and the list rows.
#include "mainwin/ui/TForm3.h"

#include "common/AppState.h"
#include "common/Interaction.h"
#include "mainwin/CopyBuffer.h"
#include "mainwin/RecordCycle.h"
#include "mainwin/RecordTemplates.h"
#include "mainwin/ui/CardMenu.h"
#include "mainwin/ui/RecordCard.h"
#include "mainwin/ui/RecordListPage.h"
#include "mainwin/ui/RecordTemplateMenus.h"
#include "mainwin/ui/TRecordTemplateForm.h"
#include "store/RecordStore.h"

#include <QMenu>
#include <QPushButton>

namespace zendrova {

void TForm3::startRecordTemplates()
{
    m_copyBuffer = std::make_unique<CopyBuffer>(m_state, m_store, *m_cycle);
    m_recordTemplates = std::make_unique<RecordTemplates>(m_state, m_store, *m_cycle);
    m_recordTemplates->load();
    m_templateMenus = new RecordTemplateMenus(m_card->templateButton(), this);
    m_templateMenus->setNames(m_recordTemplates->list().names());
    connect(m_templateMenus, &RecordTemplateMenus::replaceChosen, this,
        &TForm3::replaceWithTemplate);
    connect(m_templateMenus, &RecordTemplateMenus::saveRequested, this,
        &TForm3::saveRecordTemplate);
    connect(m_cardMenu, &CardMenu::saveTemplateRequested, this, &TForm3::saveRecordTemplate);
    connect(m_cardMenu, &QMenu::aboutToShow, this, &TForm3::prepareCardMenu);
    connect(m_listPage, &RecordListPage::rowCopyRequested, this, &TForm3::copyRow);
    connect(m_listPage, &RecordListPage::rowPasteRequested, this, &TForm3::pasteRow);
    connect(m_listPage->rowMenu(), &QMenu::aboutToShow, this, &TForm3::prepareRowMenuBuffer);
    showCardState();
}

void TForm3::showTemplateStates(const CycleCommandStates &states)
{
    if (!m_copyBuffer)
        return;
    const bool cardOpen = m_cycle->cardCursor().isOpen();
    m_commands.setAvailable(MainCommand::CopyRecord, cardOpen && m_copyBuffer->copyAllowed());
    m_commands.setAvailable(MainCommand::PasteRecord, states.paste);
    m_templateMenus->setEditable(
        states.replaceWithTemplate, cardOpen && !m_state.isReadOnlyMode());
}

void TForm3::copyRecord()
{
    m_copyBuffer->copyCard();
    showCardState();
}

void TForm3::pasteRecord()
{
    m_copyBuffer->pasteIntoCard();
}

void TForm3::copyRow(int row)
{
    m_copyBuffer->copyRow(m_list->listPosition(row));
    showCardState();
}

void TForm3::pasteRow(int row)
{
    if (!m_copyBuffer->pasteIntoRow(m_list->listPosition(row)))
        return;
    showCardState();
    redrawList();
}

void TForm3::replaceWithTemplate(const QString &name)
{
    m_recordTemplates->replaceCard(name);
}

void TForm3::saveRecordTemplate()
{
    TRecordTemplateForm form(*m_recordTemplates, this);
    form.exec();
    if (const auto &choice = form.choice())
        m_recordTemplates->saveCard(choice->index, choice->todayPositions);
    // Deletions in the dialog changed the list whatever its end.
    m_recordTemplates->save();
    m_templateMenus->setNames(m_recordTemplates->list().names());
}

void TForm3::fillBufferView(QMenu *menu)
{
    menu->clear();
    if (!m_copyBuffer->pasteAllowed())
        return;
    try {
        for (const QString &line : m_copyBuffer->viewLines())
            menu->addAction(line)->setEnabled(false);
    } catch (const StoreError &) {
        showMessage(MessageKind::Error, m_copyBuffer->corruptMemoText());
    }
}

void TForm3::prepareCardMenu()
{
    m_templateMenus->fillReplaceMenu(m_cardMenu->replaceMenu());
    m_cardMenu->replaceMenu()->menuAction()->setEnabled(
        m_templateMenus->replaceMenu()->menuAction()->isEnabled());
    m_cardMenu->findChild<QAction *>(QStringLiteral("SaveRecordToTemplate1"))
        ->setEnabled(m_cycle->cardCursor().isOpen() && !m_state.isReadOnlyMode());
    // Like the paste button: not while the card's record is held elsewhere.
    m_cardMenu->viewBufferMenu()->menuAction()->setEnabled(
        m_commands.available(MainCommand::PasteRecord));
    fillBufferView(m_cardMenu->viewBufferMenu());
}

void TForm3::prepareRowMenuBuffer()
{
    const bool readOnly = m_state.isReadOnlyMode();
    m_listPage->rowMenuItem("CopyRecord1")->setEnabled(!readOnly);
    m_listPage->rowMenuItem("PasteRecord1")->setEnabled(m_copyBuffer->pasteAllowed());
    m_listPage->viewBufferMenu()->menuAction()->setEnabled(m_copyBuffer->pasteAllowed());
    fillBufferView(m_listPage->viewBufferMenu());
}

} // namespace zendrova
