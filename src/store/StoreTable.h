#pragma once

#include "store/FieldModel.h"
#include "store/StoreError.h"

#include <QByteArray>
#include <QDate>
#include <QString>

#include <cstdint>
#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <vector>

namespace zendrova {

class RecordEditor;

// One of the store's table objects: a dBASE table addressed by folder and file
// name, with its texts converted between Windows-1252 and QString here, so
// nothing above the store sees the table's byte strings. It reads and walks
// records; changing them goes through a RecordEditor on it. Failures surface
// as StoreError.
class StoreTable
{
public:
    using Bookmark = uint32_t;
    // Runs with an editor on this table object (see setBeforePost, setAfterInsert).
    using RecordHook = std::function<void(RecordEditor &)>;

    StoreTable();
    ~StoreTable();
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
    bool isOpen() const;
    // Why the last open failed (nothing when it succeeded or was not tried).
    std::optional<StoreErrorKind> lastOpenError() const { return m_lastOpenError; }
    // How many opens the engine refused since this object was made.
    int failedOpens() const { return m_failedOpens; }

    // The fields as at the last open (empty before the first one).
    const FieldModel &fieldModel() const { return m_fields; }
    // Decimals of each numeric field as its descriptor gives them, read at
    // every open for display; 0 for the other fields.
    int numericDecimals(int position) const;
    void readNumericDecimals();

    // The current record's values by field position.
    QString text(int position) const;
    double number(int position) const;
    bool isNull(int position) const;
    // Nothing for an empty date field.
    std::optional<QDate> date(int position) const;
    // A memo's or picture's contents as stored.
    QByteArray bytes(int position) const;

    // Runs on every record this object stores, new or edited, just before it
    // is written; it may still assign fields. An empty function removes it.
    void setBeforePost(RecordHook hook);
    // Runs when this object starts a new record.
    void setAfterInsert(RecordHook hook);

    // Cancels any range and leaves the tag: physical order, first record.
    void selectNaturalOrder();
    void first();
    bool next();
    bool prior();
    void last();
    bool atEnd() const;
    // Open and standing on a record.
    bool onRecord() const;

    // Live records through the current range (all when none is set).
    int recordCount();
    // The n-th record (from 0) of the current order; past the last record the
    // table stands at its end. False when the table is closed.
    bool gotoRecord(int n);
    // The current record, to come back to; 0 when there is none.
    Bookmark bookmark() const;
    void gotoBookmark(Bookmark bookmark);
    // Stands on the record another object on the same table stands on.
    void gotoSameRecord(const StoreTable &other) { gotoBookmark(other.bookmark()); }
    // The list position (from 0) of the first record whose record number is
    // recordNumber, walking the current order and range; nothing when none has it.
    std::optional<int> positionOfRecordNumber(int recordNumber);

    // Keeps the table's index locked for reading while it lives, so that the
    // moves of one page take the lock once. Moves only: nothing may change a
    // record of the table meanwhile.
    class ReadHold
    {
    public:
        explicit ReadHold(StoreTable &table);
        ~ReadHold();
        ReadHold(const ReadHold &) = delete;
        ReadHold &operator=(const ReadHold &) = delete;

    private:
        struct Held;
        std::unique_ptr<Held> m_held;
    };

private:
    friend struct EngineAccess;
    // The engine's table object, known only inside the store.
    struct Engine;

    QString m_folder;
    QString m_fileName;
    bool m_exclusive = false;
    QString m_indexName;
    int m_failedOpens = 0;
    std::optional<StoreErrorKind> m_lastOpenError;
    FieldModel m_fields;
    std::vector<int> m_decimals;
    std::unique_ptr<Engine> m_engine;
};

// The engine's byte strings for file paths and its Windows-1252 texts.
std::string toEnginePath(const QString &path);
QString fromCp1252(const std::string &text);
std::string toCp1252(const QString &text);

} // namespace zendrova
