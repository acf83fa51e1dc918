// The engine's headers come before Qt's, whose keywords they would trip over.
#include "dbase/Table.h"
#include "dbase/TableFamily.h"
#include "store/ListEditor.h"
#include "common/Interaction.h"
#include "common/WaitCursor.h"

#include <QDir>

#include <algorithm>

namespace zendrova {

namespace {
constexpr int kUserFields = 21;
constexpr int kFirstUserPosition = 2;

QString exclusiveUseMessage()
{
    return ListEditor::tr("Function Failed!\rDatabase may be used by someone else - this function "
                          "requires Exclusive Database Use.");
}
} // namespace

ListEditor::ListEditor(ListEditorSetup setup)
    : m_setup(std::move(setup))
{
    if (!m_setup.listOfField)
        return;
    for (int field = 1; field <= kUserFields; ++field) {
        const QString fileName = m_setup.listOfField(field);
        if (!fileName.isEmpty())
            m_lists.append({m_setup.captions.value(field - 1), fileName, field + kFirstUserPosition - 1});
    }
}

ListEditor::~ListEditor()
{
    if (m_shown)
        m_shown->close();
}

bool ListEditor::selectList(int index)
{
    releaseShown();
    m_currentList = index;
    if (index < 0 || index >= m_lists.size())
        return false;
    auto list = std::make_unique<LookupList>(m_setup.databaseFolder, m_lists[index].fileName);
    try {
        list->open();
    } catch (const dbase::Error &) {
        showMessage(MessageKind::Error, tr("Cannot open the file: ") + m_lists[index].fileName);
        return false;
    }
    m_shown = std::move(list);
    reloadRows(0);
    return true;
}

void ListEditor::releaseShown()
{
    if (m_shown)
        m_shown->close();
    m_shown.reset();
    m_rows.clear();
    m_bookmarks.clear();
    m_currentRow = -1;
}

void ListEditor::setCurrentRow(int row)
{
    m_currentRow = (row >= 0 && row < m_rows.size()) ? row : -1;
}

bool ListEditor::hasRow() const
{
    return m_shown && m_currentRow >= 0 && m_currentRow < m_rows.size();
}

void ListEditor::reloadRows(uint32_t select)
{
    const int previousRow = m_currentRow;
    m_rows.clear();
    m_bookmarks.clear();
    m_currentRow = -1;
    dbase::Table &table = m_shown->table();
    try {
        for (table.first(); !table.eof(); table.next()) {
            if (table.bookmark() == select)
                m_currentRow = int(m_rows.size());
            m_rows << m_shown->currentItem();
            m_bookmarks << table.bookmark();
        }
    } catch (const dbase::Error &) {
        // What could be read stays shown; the next change reports the fault.
    }
    if (m_currentRow < 0 && !m_rows.isEmpty())
        m_currentRow = std::clamp(previousRow, 0, int(m_rows.size()) - 1);
}

void ListEditor::editItem()
{
    if (!hasRow())
        return;
    const auto text = Interaction::current().inputText(tr("Edit Item"), tr("Modify List Item:"),
                                                       m_rows[m_currentRow]);
    if (!text)
        return;
    dbase::Table &table = m_shown->table();
    const uint32_t row = m_bookmarks[m_currentRow];
    try {
        table.gotoBookmark(row);
        table.edit();
        try {
            table.setString(0, LookupList::tableText(*text));
            table.post();
        } catch (...) {
            table.cancel();
            throw;
        }
    } catch (const dbase::Error &) {
        showMessage(MessageKind::Error, tr("Could not Modify the Item!"));
    }
    reloadRows(row);
}

void ListEditor::newItem()
{
    if (!m_shown)
        return;
    const auto text = Interaction::current().inputText(tr("Add New Item"), tr("New List Item:"), QString());
    if (!text)
        return;
    uint32_t added = 0;
    try {
        m_shown->appendRow(*text);
        added = m_shown->table().bookmark();
    } catch (const dbase::Error &) {
        showMessage(MessageKind::Error, tr("Could not Add the Item!"));
    }
    reloadRows(added);
}

void ListEditor::deleteItem()
{
    if (!hasRow())
        return;
    if (!askYesNo(MessageKind::Warning, tr("Are you sure you want to Delete this Item?")))
        return;
    dbase::Table &table = m_shown->table();
    try {
        table.gotoBookmark(m_bookmarks[m_currentRow]);
        table.deleteRecord();
    } catch (const dbase::Error &) {
        showMessage(MessageKind::Error, tr("Could not Delete the Item!"));
    }
    reloadRows(0);
}

void ListEditor::updateLists()
{
    if (m_lists.isEmpty())
        return;
    WaitCursor wait;
    releaseShown();
    dbase::Table records;
    try {
        records.open(QDir(m_setup.databaseFolder).filePath(m_setup.recordTable).toStdString(), false);
    } catch (const dbase::Error &) {
        wait.pause([&] { showMessage(MessageKind::Error, tr("Could not open file: ") + m_setup.recordTable); });
    }
    if (records.isOpen()) {
        for (const ListEntry &entry : std::as_const(m_lists)) {
            const QString failure = fillList(entry, records);
            if (!failure.isEmpty())
                wait.pause([&] { showMessage(MessageKind::Error, failure); });
        }
        records.close();
    }
    selectList(0);
}

QString ListEditor::fillList(const ListEntry &entry, dbase::Table &records)
{
    LookupList list(m_setup.databaseFolder, entry.fileName);
    try {
        list.open();
    } catch (const dbase::Error &) {
        return tr("Could not open file: ") + entry.fileName;
    }
    QString failure;
    try {
        for (records.first(); !records.eof(); records.next()) {
            const std::string value = records.asString(entry.fieldPosition);
            if (!value.empty() && !list.hasItem(value))
                list.appendRow(std::string_view(value));
        }
    } catch (const dbase::Error &) {
        failure = tr("Could not Add the Item!");
    }
    list.close();
    return failure;
}

void ListEditor::close()
{
    releaseShown();
    WaitCursor wait;
    for (const ListEntry &entry : std::as_const(m_lists)) {
        const std::string path = QDir(m_setup.databaseFolder).filePath(entry.fileName).toStdString();
        if (!dbase::TableFamily::exists(path))
            continue;
        try {
            dbase::TableFamily::pack(path);
        } catch (const dbase::Error &) {
            wait.pause([] { showMessage(MessageKind::Error, exclusiveUseMessage()); });
        }
    }
}

} // namespace zendrova
