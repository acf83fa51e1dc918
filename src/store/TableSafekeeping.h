#pragma once

#include "store/RecordCopy.h"

#include <QString>

#include <functional>

namespace zendrova {

class StoreTable;

// Repair, backup and restore of a record table: each builds a whole new copy
// of the table record by record beside the one it replaces, and only a
// complete copy takes the place of the old one (see TableSwap). The previous
// table stays under its name until then; repair and restore keep it
// afterwards as "TEMP$$$.DBF".
class TableSafekeeping
{
public:
    static inline const QString kBuildFile = QStringLiteral("TEMP$00.DBF");
    static inline const QString kReadyFile = QStringLiteral("TEMP$01.DBF");
    static inline const QString kKeptFile = QStringLiteral("TEMP$$$.DBF");

    struct Outcome
    {
        bool succeeded = false;
        // Records that could not be copied whole.
        int errors = 0;
        // The record table was held by another user; nothing was done.
        bool inUse = false;
    };

    // records: the store's record table object (its folder and file name say
    // which table); catalog: the open catalog, whose record counter repair and
    // restore set; templateFolder: where the template tables are.
    TableSafekeeping(StoreTable &records, StoreTable &catalog, const QString &templateFolder);

    void setProgress(RecordCopy::Progress progress) { m_progress = std::move(progress); }

    // Copies the table into a fresh one from the template (with its tags),
    // which then takes the table's name; the records are numbered 1, 2, 3 ...
    // and the catalog's counter follows.
    Outcome repairTable();
    // Copies the table into "BACKUP" (without tags), then the lookup lists.
    Outcome backupTable();
    // Copies the backup into a fresh table from the template, which then takes
    // the table's name; with restoreLists the backup's lookup lists too.
    Outcome restoreTable(bool restoreLists);

    QString backupFolder() const;
    // Completes a replacement of the table that a stopped process left half
    // done, here and in "BACKUP"; run before the table is opened.
    static void finishInterrupted(const QString &databaseFolder, const QString &tableFile);

private:
    QString inFolder(const QString &name) const;
    // Opens a fresh table built from the template under kBuildFile of folder,
    // exclusively; false when it could not be made.
    bool openBuild(StoreTable &build, const QString &folder, bool keepIndexes);
    RecordCopy::Result copyInto(StoreTable &source, StoreTable &build);
    // Copies otherSource (none: the table itself) into a table built beside the
    // table, which then takes its name, the old one kept as kKeptFile; the
    // catalog's counter follows and afterSwap runs before the records reopen.
    Outcome replaceWithCopy(StoreTable *otherSource, const std::function<void()> &afterSwap);
    void reopenRecords(bool wasOpen);

    StoreTable &m_records;
    StoreTable &m_catalog;
    QString m_templateFolder;
    RecordCopy::Progress m_progress;
};

} // namespace zendrova
