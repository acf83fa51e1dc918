#pragma once

#include "store/EngineTable.h"
#include "store/FieldModel.h"

#include <QDate>
#include <QString>

#include <functional>
#include <optional>
#include <vector>

namespace zendrova {

// One of the store's table objects: a dBASE table addressed by folder and file
// name, with its texts converted between Windows-1252 and QString here, so
// nothing above the store sees the table's byte strings. Engine failures
// surface as dbase::Error.
class StoreTable
{
public:
    StoreTable() = default;
    StoreTable(const StoreTable &) = delete;
    StoreTable &operator=(const StoreTable &) = delete;

    void setFolder(const QString &folder) { m_folder = folder; }
    const QString &folder() const { return m_folder; }
    void setFileName(const QString &name) { m_fileName = name; }
    const QString &fileName() const { return m_fileName; }
    void setExclusive(bool exclusive) { m_exclusive = exclusive; }
    bool exclusive() const { return m_exclusive; }
    // The tag selected by the next open; empty for physical order.
    void setIndexName(const QString &name) { m_indexName = name; }
    const QString &indexName() const { return m_indexName; }

    // folder + file name, the way the engine takes paths.
    std::string enginePath() const;

    // Opens folder/file name shared or exclusive as set; on success the field
    // model (with its position sets) and the numeric decimals are read.
    void open();
    // Posts a pending change; closing a closed table does nothing.
    void close();
    bool isOpen() const { return m_table.isOpen(); }
    // Why the last open failed (nothing when it succeeded or was not tried).
    std::optional<dbase::ErrorKind> lastOpenError() const { return m_lastOpenError; }
    // How many opens the engine refused since this object was made.
    int failedOpens() const { return m_failedOpens; }

    // The fields as at the last open (empty before the first one).
    const FieldModel &fieldModel() const { return m_fields; }
    // Decimals of each numeric field as its descriptor gives them, read at
    // every open for display; 0 for the other fields.
    int numericDecimals(int position) const;
    void readNumericDecimals();

    QString text(int position) const;
    void setText(int position, const QString &value);
    double number(int position) const { return m_table.asNumber(position); }
    void setNumber(int position, double value) { m_table.setNumber(position, value); }
    bool isNull(int position) const { return m_table.isNull(position); }
    // Nothing for an empty date field.
    std::optional<QDate> date(int position) const;

    // Runs on every record this object stores, new or edited, just before it
    // is written; it may still assign fields. An empty function removes it.
    using BeforePost = std::function<void(StoreTable &)>;
    void setBeforePost(BeforePost hook);

    // The record cycle as a walk over every record needs it.
    // Cancels any range and leaves the tag: physical order, first record.
    void selectNaturalOrder() { m_table.selectIndex(std::string()); }
    void first() { m_table.first(); }
    bool next() { return m_table.next(); }
    bool atEnd() const { return m_table.eof(); }
    void edit() { m_table.edit(); }
    void post() { m_table.post(); }

    // Live records through the current range (all when none is set).
    int recordCount();
    // The n-th record (from 0) of the current order; past the last record the
    // table stands at its end. False when the table is closed.
    bool gotoRecord(int n);

    dbase::Table &engine() { return m_table; }
    const dbase::Table &engine() const { return m_table; }

private:
    QString m_folder;
    QString m_fileName;
    bool m_exclusive = false;
    QString m_indexName;
    int m_failedOpens = 0;
    std::optional<dbase::ErrorKind> m_lastOpenError;
    FieldModel m_fields;
    std::vector<int> m_decimals;
    dbase::Table m_table;
};

// The engine's byte strings for file paths and its Windows-1252 texts.
std::string toEnginePath(const QString &path);
QString fromCp1252(const std::string &text);
std::string toCp1252(const QString &text);

} // namespace zendrova
