#include "store/TableTemplates.h"

#include "store/EngineTable.h"
#include "common/FileLookup.h"
#include "store/StoreTable.h"
#include "store/TableIndex.h"

#include <QFile>
#include <QFileInfo>

namespace zendrova {

bool TableTemplates::copyTemplate(
    const QString &templateFolder, const QString &templateName, const QString &target)
{
    const QString source = findFileCaseInsensitive(templateFolder, templateName);
    if (source.isEmpty())
        return false;
    try {
        dbase::TableFamily::copy(toEnginePath(source), toEnginePath(target));
        return true;
    } catch (const dbase::Error &) {
        return false;
    }
}

bool TableTemplates::createFromTemplate(const QString &templateFolder,
    const QString &databaseFolder, const QString &name, bool keepIndexes)
{
    const QString target = programFilePath(databaseFolder, name);
    if (!copyTemplate(templateFolder, kRecordTemplate, target))
        return false;
    if (keepIndexes)
        return true;
    StoreTable copy;
    copy.setFolder(databaseFolder);
    copy.setFileName(name);
    copy.setExclusive(true);
    try {
        copy.open();
        TableIndex::deleteAll(engineOf(copy));
        copy.close();
        return true;
    } catch (const std::runtime_error &) { // the engine's or the store's
        return false;
    }
}

bool TableTemplates::keepAside(const QString &databaseFolder, const QString &name)
{
    const auto files = dbase::TableFamily::find(toEnginePath(joinPath(databaseFolder, name)));
    if (!files)
        return true;
    std::vector<std::string> members { files->dbf };
    for (const auto &member : { files->dbt, files->mdx }) {
        if (member)
            members.push_back(*member);
    }
    // Byte copies: a table that cannot be opened may not be readable as a table either.
    for (const std::string &member : members) {
        const QString source = QFile::decodeName(member.c_str());
        const QString target = joinPath(databaseFolder,
            kKeptTableBase + QStringLiteral(".") + QFileInfo(source).suffix().toUpper());
        QFile::remove(target);
        if (!QFile::copy(source, target))
            return false;
    }
    return true;
}

bool TableTemplates::createCatalog(const QString &templateFolder, const QString &databaseFolder)
{
    return copyTemplate(
        templateFolder, kCatalogTemplate, programFilePath(databaseFolder, kCatalogTemplate));
}

} // namespace zendrova
