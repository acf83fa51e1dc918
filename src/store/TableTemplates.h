#pragma once

#include <QString>

namespace zendrova {

// New tables of a database folder are copies of the template tables in the
// template folder.
class TableTemplates
{
public:
    static inline const QString kRecordTemplate = QStringLiteral("data.dbf");
    static inline const QString kCatalogTemplate = QStringLiteral("master.dbf");

    // Copies the record template's whole family to databaseFolder/name,
    // replacing any table there. Without keepIndexes every tag of the copy is
    // deleted, last to first, under exclusive use. False when the copy could
    // not be made or its tags could not be removed.
    static bool createFromTemplate(const QString &templateFolder, const QString &databaseFolder,
        const QString &name, bool keepIndexes);
    // Copies every file of the table family databaseFolder/name to
    // "TEMP$$$" with the same extensions, replacing what is there; true when
    // there was nothing to copy. Keeps a table that is about to be replaced.
    static bool keepAside(const QString &databaseFolder, const QString &name);
    static inline const QString kKeptTableBase = QStringLiteral("TEMP$$$");

    // Copies the catalog template into the database folder, replacing it.
    static bool createCatalog(const QString &templateFolder, const QString &databaseFolder);

private:
    static bool copyTemplate(
        const QString &templateFolder, const QString &templateName, const QString &target);
};

} // namespace zendrova
