#pragma once

#include "store/LookupList.h"

#include <QCoreApplication>
#include <QList>
#include <QString>
#include <QStringList>
#include <functional>
#include <memory>

namespace zendrova {

// What the Edit Lists window works on.
struct ListEditorSetup
{
    QString databaseFolder;
    // File name of the current record table in the database folder.
    QString recordTable;
    // The 21 field captions in field-number order.
    QStringList captions;
    // File name of a user field's lookup list, empty when the field has none.
    // Without it the window has no lists.
    std::function<QString(int fieldNumber)> listOfField;
};

// The behaviour of the Edit Lists window: the lists of the lookup fields, the
// rows of the chosen list in item order, and the changes to them. Every
// message goes through Interaction.
class ListEditor
{
    Q_DECLARE_TR_FUNCTIONS(ListEditor)
public:
    struct ListEntry
    {
        QString caption;
        QString fileName;
        int fieldPosition; // in the record table
    };

    explicit ListEditor(ListEditorSetup setup);
    ~ListEditor();

    const QList<ListEntry> &lists() const { return m_lists; }
    int currentList() const { return m_currentList; }
    // Closes the shown list and opens the chosen one; false (after the
    // message) when it cannot be opened.
    bool selectList(int index);

    // The shown list's items in item order; the row the grid should select.
    const QStringList &rows() const { return m_rows; }
    int currentRow() const { return m_currentRow; }
    void setCurrentRow(int row);

    void editItem();
    void newItem();
    void deleteItem();
    // Adds every value the record table holds in a lookup field to that
    // field's list, each value once.
    void updateLists();
    // Releases the shown list and packs every list, so deleted rows leave the files.
    void close();

private:
    void releaseShown();
    void reloadRows(uint32_t select);
    bool hasRow() const;
    // The message to show when the list could not be filled, else empty.
    QString fillList(const ListEntry &entry, dbase::Table &records);

    ListEditorSetup m_setup;
    QList<ListEntry> m_lists;
    int m_currentList = -1;
    std::unique_ptr<LookupList> m_shown;
    QStringList m_rows;
    QList<uint32_t> m_bookmarks; // record numbers of the rows
    int m_currentRow = -1;
};

} // namespace zendrova
