#pragma once

#include "store/DatabaseCatalog.h"

#include <QCoreApplication>
#include <QList>
#include <QString>
#include <functional>
#include <optional>

namespace zendrova {

class AppState;
class RecordStore;

// What the Load Database dialog and its Edit Database Information dialog do,
// without widgets: the databases of the private or the public folder as the
// catalog lists them, and New, Edit, Delete and Load on them. It works on the
// store's open catalog, which follows the folder shown.
class LoadDatabase
{
    Q_DECLARE_TR_FUNCTIONS(LoadDatabase)

public:
    static QString catalogFailureText() { return tr("Error openning master.dbf file!"); }
    static QString limitText()
    {
        return tr("Cannot Create a new Table! You have reached the limit of 999 per user.");
    }
    static QString inUseText() { return tr("Table in use - cannot be deleted at this time!"); }
    static QString notDeletedText() { return tr("Table Could Not Be Deleted!"); }
    static QString deletedText() { return tr("Table Deleted."); }
    static QString confirmCaption() { return tr("Confirm"); }
    static QString confirmFirstLine() { return tr("If you want to Delete the Database please"); }
    static QString packFailedText()
    {
        return tr("Function Failed!\rDatabase may be used by someone else - this function "
                  "requires Exclusive Database Use.");
    }

    // The typed-YES dialog: the text typed, nothing on Cancel.
    using AskTypedYes = std::function<std::optional<QString>()>;

    // Remembers the database folder and table the run had, for Cancel and
    // for telling whether Load changed anything.
    LoadDatabase(AppState &state, RecordStore &store);

    // The radio group: what it shows first and whether it may be changed.
    bool showsPublicAtStart() const;
    bool folderChoiceEnabled() const;

    // Shows the folder's databases: the database folder becomes the user or
    // the public folder and the catalog is reopened there. False (after the
    // message) when its catalog cannot be opened; the rows stay as they were.
    bool showFolder(bool publicFolder);
    bool showingPublic() const { return m_public; }
    const QList<DatabaseCatalog::Row> &rows() const { return m_rows; }

    bool newEnabled() const;
    bool editEnabled() const;
    bool deleteEnabled() const { return editEnabled(); }

    // Load: the chosen file name, its table created from the template when
    // its file is missing; nothing when the row is gone.
    std::optional<QString> load(int index);
    // Whether the chosen table and folder are those the run had.
    bool isCurrent(const QString &fileName) const;
    const QString &previousFolder() const { return m_previousFolder; }
    const QString &previousTable() const { return m_previousTable; }
    // Cancel: back to the folder the run had, its catalog reopened.
    void cancel();
    // When the dialog goes: the catalog stands on the current table's row.
    void finish();

    // New: a row and (unless its file is there already) a table for the next
    // free name; the index of the new row, or nothing at the limit.
    std::optional<int> addNew(const QString &name, const QString &description);
    void edit(int index, const QString &name, const QString &description);
    // Delete: the table must be free, confirmed by a typed "YES" and the
    // security check; then the row, the table and its backup go and the
    // catalog is packed. Whether it was deleted.
    bool remove(int index, const AskTypedYes &askTypedYes);

private:
    bool reopenCatalog();
    void refill();

    AppState &m_state;
    RecordStore &m_store;
    QString m_previousFolder;
    QString m_previousTable;
    bool m_public = false;
    QList<DatabaseCatalog::Row> m_rows;
};

} // namespace zendrova
