#include "mainwin/RecordListModel.h"

#include "mainwin/CycleLetterTabs.h"
#include "mainwin/ListCellText.h"
#include "mainwin/ListPageTops.h"
#include "store/FieldModel.h"
#include "store/RecordStore.h"
#include "store/StoreTable.h"

#include <QtMath>
#include <algorithm>
#include <optional>

namespace zendrova {

RecordListModel::RecordListModel(RecordStore &store, const DateFormatList &dateFormats)
    : m_store(store)
    , m_dateFormats(dateFormats)
{
}

StoreTable &RecordListModel::list()
{
    return m_store.recordTable();
}

bool RecordListModel::listOpen()
{
    return m_store.tablesCreated() && list().isOpen();
}

void RecordListModel::setRowCount(int rows)
{
    m_rows = std::max(rows, 1);
}

void RecordListModel::setTop(int top)
{
    m_top = std::max(top, 0);
}

bool RecordListModel::lettersInUse() const
{
    return m_letters && m_letters->inUse();
}

bool RecordListModel::hasRecordAt(int position)
{
    if (!listOpen())
        return false;
    const StoreTable::ReadHold hold(list());
    return list().gotoRecord(position) && !list().atEnd();
}

ListRow RecordListModel::readRow()
{
    ListRow row;
    row.hasRecord = true;
    int dateColumns = 0;
    for (const ListColumn &column : std::as_const(m_columns)) {
        const ListCell cell
            = ListCellText::of(list(), column.fieldIndex, dateColumns, m_dateFormats);
        if (ListCellText::isDate(list(), column.fieldIndex))
            ++dateColumns;
        // Every column after the first keeps a blank from its neighbour.
        row.texts.append(row.texts.isEmpty() ? cell.text : QLatin1Char(' ') + cell.text);
        row.rightAligned.append(cell.rightAligned);
    }
    return row;
}

ListPage RecordListModel::read(int cardRecordNumber)
{
    ListPage page;
    int shown = 0;
    bool more = false;
    // One lock of the index for the whole page, not one per row.
    std::optional<StoreTable::ReadHold> hold;
    if (listOpen())
        hold.emplace(list());
    if (listOpen() && list().gotoRecord(m_top)) {
        while (shown < m_rows && !list().atEnd()) {
            page.rows.append(readRow());
            if (qRound(list().number(FieldModel::kRecordNumberPosition)) == cardRecordNumber)
                page.selectedRow = shown;
            ++shown;
            list().next();
        }
        more = shown == m_rows && !list().atEnd();
    }
    while (page.rows.size() < m_rows)
        page.rows.append(ListRow());
    const bool letters = lettersInUse();
    const char letter = letters ? m_letters->currentLetter() : 0;
    page.paging.first = m_top != 0;
    page.paging.last = more;
    page.paging.pageUp = m_top != 0 || (letters && letter != 'A');
    page.paging.pageDown = shown == m_rows || (letters && letter != 'Z');
    return page;
}

bool RecordListModel::firstPage()
{
    const bool changed = m_top != ListPageTops::first();
    m_top = ListPageTops::first();
    return changed;
}

void RecordListModel::showPosition(int position)
{
    m_top = ListPageTops::holding(position, m_rows);
}

bool RecordListModel::previousPage()
{
    if (m_top > 0) {
        m_top = ListPageTops::previous(m_top, m_rows);
        return true;
    }
    if (!lettersInUse() || m_letters->currentLetter() <= 'A')
        return false;
    m_letters->selectLetter(char(m_letters->currentLetter() - 1));
    lastPage();
    return true;
}

bool RecordListModel::nextPage()
{
    // A full page is followed by one more, whose first row starts a new record.
    if (hasRecordAt(m_top + m_rows - 1)) {
        m_top = ListPageTops::next(m_top, m_rows);
        return true;
    }
    if (!lettersInUse() || m_letters->currentLetter() >= 'Z')
        return false;
    m_letters->selectLetter(char(m_letters->currentLetter() + 1));
    m_top = 0;
    return true;
}

bool RecordListModel::lastPage()
{
    const int count = listOpen() ? list().recordCount() : 0;
    const int top = ListPageTops::last(count, m_rows);
    const bool changed = top != m_top;
    m_top = top;
    return changed;
}

} // namespace zendrova
