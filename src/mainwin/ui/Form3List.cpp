// The record list beside the card: its rows, paging and the record-button menu.
#include "mainwin/ui/TForm3.h"

#include "common/AppState.h"
#include "common/Interaction.h"
#include "mainwin/RecordCycle.h"
#include "mainwin/RecordFieldView.h"
#include "mainwin/RecordListModel.h"
#include "mainwin/ui/RecordCard.h"
#include "mainwin/ui/RecordListPage.h"
#include "mainwin/ui/TOrvanHeader.h"
#include "store/RecordStore.h"
#include "store/StoreTable.h"
#include "store/ui/TFormatedButton.h"

#include <QMenu>
#include <QtMath>

namespace zendrova {

namespace {

// A button's columns leave 4 pixels at each side.
constexpr int kRowInnerMargin = 8;

int columnWidth(int percent, int buttonWidth)
{
    if (percent <= 0 || percent > 100)
        return 0;
    return percent * (buttonWidth - kRowInnerMargin) / 100;
}

} // namespace

void TForm3::startRecordList()
{
    m_list = std::make_unique<RecordListModel>(m_store, m_state.dateFormats);
    m_list->setLetterTabs(&m_letters);
    m_list->setColumns(listColumns());
    m_list->setRowCount(int(m_listPage->rows().size()));
    m_cycle->moveListTop = [this](int top) { m_list->setTop(top); };
    connect(m_listPage, &RecordListPage::rowClicked, this, &TForm3::rowClicked);
    connect(m_listPage, &RecordListPage::rowsLaidOut, this, [this] {
        m_list->setRowCount(int(m_listPage->rows().size()));
        m_list->setColumns(listColumns());
        redrawList();
    });
    connect(m_listPage, &RecordListPage::rowMenuOpening, this, &TForm3::prepareRowMenu);
    // The list's date columns read the date format list the card just changed.
    connect(m_card, &RecordCard::dateFormatChanged, this, &TForm3::redrawList);
    connect(m_listPage, &RecordListPage::rowPrintRequested, this, &TForm3::printListRecord);
    connect(m_listPage, &RecordListPage::rowDeleteRequested, this, [this](int row) {
        if (m_cycle->deleteListRecord(m_list->listPosition(row))) {
            showCardState();
            redrawList();
        }
    });
}

QList<ListColumn> TForm3::listColumns() const
{
    QList<ListColumn> columns;
    for (const HeaderSection &section : m_listPage->header()->sections().all())
        columns.append({ section.fieldIndex, section.percent });
    return columns;
}

void TForm3::OrvanHeader1HChange()
{
    if (!m_list)
        return;
    m_list->setColumns(listColumns());
    redrawList();
}

void TForm3::redrawList()
{
    if (!m_list || !m_cycle || !isVisible() || !m_listRedrawAllowed)
        return;
    m_card->clearHighlight();
    const ListPage page = m_list->read(m_cycle->card().recordNumber);
    const QList<TFormatedButton *> &rows = m_listPage->rows();
    const QList<ListColumn> &columns = m_list->columns();
    for (int r = 0; r < rows.size(); ++r) {
        const ListRow &row = page.rows.at(r);
        QList<RowColumn> placed;
        for (int c = 0; c < columns.size(); ++c) {
            placed.append({ row.texts.value(c), columnWidth(columns[c].percent, rows[r]->width()),
                row.rightAligned.value(c) });
        }
        rows[r]->setColumns(placed);
    }
    m_commands.setAvailable(MainCommand::FirstPage, page.paging.first);
    m_commands.setAvailable(MainCommand::PageUp, page.paging.pageUp);
    m_commands.setAvailable(MainCommand::PageDown, page.paging.pageDown);
    m_commands.setAvailable(MainCommand::LastPage, page.paging.last);
    showLetters();
    if (rows.isEmpty())
        return;
    if (page.selectedRow >= 0) {
        rows[page.selectedRow]->setSelected(true);
    } else {
        for (TFormatedButton *row : rows)
            row->setSelected(false);
    }
    rows[std::max(page.selectedRow, 0)]->setFocus();
}

void TForm3::pageList(MainCommand command)
{
    bool changed = false;
    switch (command) {
    case MainCommand::FirstPage:
        changed = m_list->firstPage();
        break;
    case MainCommand::PageUp:
        changed = m_list->previousPage();
        break;
    case MainCommand::PageDown:
        changed = m_list->nextPage();
        break;
    default:
        changed = m_list->lastPage();
        break;
    }
    if (changed)
        redrawList();
}

void TForm3::rowClicked(int row)
{
    m_cycle->showRecord(m_list->listPosition(row));
}

void TForm3::prepareRowMenu(int row)
{
    QMenu *quickView = m_listPage->quickViewMenu();
    quickView->clear();
    StoreTable &list = m_store.recordTable();
    const bool hasRecord
        = list.isOpen() && list.gotoRecord(m_list->listPosition(row)) && !list.atEnd();
    quickView->menuAction()->setEnabled(hasRecord);
    m_listPage->rowMenuItem("Deleterecord1")->setEnabled(!m_state.isReadOnlyMode());
    if (!hasRecord)
        return;
    try {
        for (const QString &line :
            RecordFieldView::lines(list, m_state.captions, m_state.dateFormats))
            quickView->addAction(line)->setEnabled(false);
    } catch (const StoreError &) {
        showMessage(MessageKind::Error,
            RecordFieldView::corruptMemoText(list.text(FieldModel::kFirstUserPosition + 1)));
    }
}

} // namespace zendrova
