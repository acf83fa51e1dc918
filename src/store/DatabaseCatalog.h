#pragma once

#include <QList>
#include <QString>
#include <functional>

namespace zendrova {

class StoreTable;

// The rows of "master.dbf", one per database of the folder, found by the
// record table's file name (compared without regard to case).
class DatabaseCatalog
{
public:
    static constexpr int kFileNameColumn = 0;
    static constexpr int kDatabaseNameColumn = 1;
    static constexpr int kDescriptionColumn = 2;
    static constexpr int kRecordCounterColumn = 3;

    static constexpr int kMaxNewTables = 999;
    static constexpr int kMaxFileNameLength = 12;

    struct Row
    {
        QString fileName;
        QString name;
        QString description;
    };

    explicit DatabaseCatalog(StoreTable &catalog)
        : m_catalog(catalog)
    { }

    // Gives the catalog file of the folder its tag "IDX0" on the file-name
    // column when it has none (a catalog made without its index). Does nothing
    // when the catalog is missing or in use.
    static void ensureIndex(const QString &folder, const QString &fileName, const QString &tag);

    // Positions on the table's row, appending one (database name = file name,
    // record counter 1) when there is none.
    void ensureCatalogRow(const QString &tableFile);
    QString databaseName(const QString &tableFile);
    double recordCounter(const QString &tableFile);
    void setRecordCounter(double count, const QString &tableFile);
    // Counts one more record: the counter, truncated to a whole number, goes
    // up by one and is posted; returns the new value.
    double takeRecordNumber(const QString &tableFile);

    // Every row in the catalog's order (file-name order under "IDX0").
    QList<Row> rows();
    // "data_" + n + ".dbf" for the lowest n (1..999) no row names; empty when
    // all are taken.
    QString nextFreeFileName();
    // A row for a new database; its record counter starts at 1.
    void appendRow(const Row &row);
    // The database name and description of the table's row; false without a row.
    bool updateRow(const Row &row);
    // Deletes the table's row; false when there is none.
    bool deleteRow(const QString &tableFile);
    // Positions on the table's row; false when there is none.
    bool findRow(const QString &tableFile);

private:
    // Sets the row's counter to change(counter) under the row's lock.
    double updateCounter(const QString &tableFile, const std::function<double(double)> &change);

    StoreTable &m_catalog;
};

} // namespace zendrova
