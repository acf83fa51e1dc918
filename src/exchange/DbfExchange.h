#pragma once

#include <QString>

#include <optional>

namespace zendrova {

class StoreTable;
class ViewWalk;
struct ExchangeProgress;

// Export into and import from dBASE exchange tables: tables of the record
// table's own structure in the "EXPIMP" folder of the user folder, made by the
// store from the record template.
class DbfExchange
{
public:
    static inline const QString kFolderName = QStringLiteral("EXPIMP");

    DbfExchange(const QString &userFolder, const QString &templateFolder);

    // The table name for what the user typed: everything from the first "."
    // on is dropped and the rest upper-cased. Nothing for an empty name or one
    // that would leave the folder or match other files (a path separator, a
    // drive colon, "..", "*" or "?").
    static std::optional<QString> tableName(const QString &typed);

    QString folder() const;
    // folder/NAME.DBF
    QString tablePath(const QString &name) const;

    // Copies every record of the walk, all fields with the record number and
    // the filter mark, into a new table of the name, asking before an old one
    // is replaced. Tells the user how it went; true when the table was written.
    bool exportTo(const QString &typed, ViewWalk &walk, const ExchangeProgress &progress) const;
    // Appends every record of the named table to the record table, its user
    // fields only (the record table numbers and marks them). Tells the user
    // how it went; returns the number of records stored.
    int importFrom(
        const QString &typed, StoreTable &records, const ExchangeProgress &progress) const;

private:
    bool prepareTarget(const QString &name) const;

    QString m_userFolder;
    QString m_templateFolder;
};

} // namespace zendrova
