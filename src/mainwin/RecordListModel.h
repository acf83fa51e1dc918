#pragma once

#include <QList>
#include <QString>

namespace zendrova {

class CycleLetterTabs;
class DateFormatList;
class RecordStore;
class StoreTable;

// A column of the list as the header lays it out.
struct ListColumn
{
    int fieldIndex = -1;
    int percent = 0;
};

struct ListRow
{
    QStringList texts;
    QList<bool> rightAligned;
    bool hasRecord = false;
};

struct ListPaging
{
    bool first = false;
    bool pageUp = false;
    bool pageDown = false;
    bool last = false;
};

struct ListPage
{
    QList<ListRow> rows;
    // The row holding the card's record; -1 when it is not on this page.
    int selectedRow = -1;
    ListPaging paging;
};

// The record list: which list positions its rows show, what each row says,
// and paging through the list cursor's order and range. Showing a page reads
// only its rows and one record after them; nothing walks the range, except
// the last page, which needs the range's count.
class RecordListModel
{
public:
    RecordListModel(RecordStore &store, const DateFormatList &dateFormats);

    // nullptr: no letter tabs.
    void setLetterTabs(CycleLetterTabs *tabs) { m_letters = tabs; }
    void setColumns(const QList<ListColumn> &columns) { m_columns = columns; }
    const QList<ListColumn> &columns() const { return m_columns; }
    void setRowCount(int rows);
    int rowCount() const { return m_rows; }
    int top() const { return m_top; }
    void setTop(int top);
    int listPosition(int row) const { return m_top + row; }
    // The top moves to the start of the page holding the list position.
    void showPosition(int position);

    // The page at the top; the row whose record has the card's record number
    // is selected.
    ListPage read(int cardRecordNumber);

    // Each true when the page to show changed (and needs a redraw).
    bool firstPage();
    bool previousPage();
    bool nextPage();
    bool lastPage();

private:
    ListRow readRow();
    bool lettersInUse() const;
    bool hasRecordAt(int position);
    StoreTable &list();
    bool listOpen();

    RecordStore &m_store;
    const DateFormatList &m_dateFormats;
    CycleLetterTabs *m_letters = nullptr;
    QList<ListColumn> m_columns;
    int m_rows = 1;
    int m_top = 0;
};

} // namespace zendrova
