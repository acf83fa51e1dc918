#pragma once

#include "store/SortOrder.h"
#include "store/StoreTable.h"

#include <QCoreApplication>
#include <QString>
#include <functional>
#include <memory>

namespace zendrova {

class AppState;
class DateFormatList;
class RecordEditor;
class RecordTableSort;

// The three tables that stay open while the program runs (the current record
// table, the copy/paste table "copy.dbf" and the catalog "master.dbf") and
// opening the current database of the application state with them.
class RecordStore
{
    Q_DECLARE_TR_FUNCTIONS(RecordStore)

public:
    static inline const QString kCatalogFile = QStringLiteral("master.dbf");
    static inline const QString kCopyFile = QStringLiteral("copy.dbf");
    static inline const QString kCatalogIndex = QStringLiteral("IDX0");

    static QString catalogFailureText();
    static QString copyTableFailureText();
    static QString newDatabaseText();
    static QString newDatabaseFailureText();

    explicit RecordStore(AppState &state);
    ~RecordStore();

    // Loading and clearing the saved filter of the record table, run by
    // openDatabase; left empty until the filter exists.
    std::function<void()> loadSavedFilter;
    std::function<void()> clearFilter;

    void createOpenTables();
    bool tablesCreated() const { return m_recordTable != nullptr; }

    // Opens the catalog, the copy/paste table and the current record table of
    // the database folder, with the record table's sort, creating what is
    // missing from the templates. False (after telling the user) when the
    // catalog or a fresh record table cannot be opened.
    bool openDatabase();
    void closeAll();

    // The catalog row of the table, appended when missing.
    void ensureCatalogRow(const QString &tableFile);
    void setRecordCounter(double count, const QString &tableFile);
    // The record table's after-insert action: the record gets the next number
    // of the current database unless it has one.
    void assignRecordNumber(RecordEditor &record);
    // The current database's name from its catalog row.
    QString databaseName();

    StoreTable &recordTable() { return *m_recordTable; }
    StoreTable &copyTable() { return *m_copyTable; }
    StoreTable &catalog() { return *m_catalog; }
    SortOrder &sortOrder() { return m_sort; }
    RecordTableSort &sortTarget() { return *m_sortTarget; }
    // The record table's fields and position sets as at its last open.
    const FieldModel &fields() const { return m_recordTable->fieldModel(); }
    // The date format of each date field, as the card and the list show dates.
    const DateFormatList &dateFormats() const;

private:
    bool openCatalog();
    void openCopyTable();
    bool openRecordTable();
    void finishInterruptedSwap();
    bool createRecordTable();
    void applySort();

    AppState &m_state;
    SortOrder m_sort;
    std::unique_ptr<StoreTable> m_recordTable;
    std::unique_ptr<StoreTable> m_copyTable;
    std::unique_ptr<StoreTable> m_catalog;
    std::unique_ptr<RecordTableSort> m_sortTarget;
};

} // namespace zendrova
