#include "store/TableFiles.h"

#include "common/FileLookup.h"
#include "store/EngineTable.h"

namespace zendrova {

namespace {

std::string pathOf(const QString &folder, const QString &name)
{
    return toEnginePath(joinPath(folder, name));
}

} // namespace

bool TableFiles::exists(const QString &folder, const QString &name)
{
    return dbase::TableFamily::exists(pathOf(folder, name));
}

bool TableFiles::isFree(const QString &folder, const QString &name)
{
    if (!exists(folder, name))
        return true;
    StoreTable probe;
    probe.setFolder(folder);
    probe.setFileName(name);
    probe.setExclusive(true);
    try {
        probe.open();
        probe.close();
        return true;
    } catch (const StoreError &) {
        return false;
    }
}

bool TableFiles::remove(const QString &folder, const QString &name)
{
    try {
        dbase::TableFamily::remove(pathOf(folder, name));
        return true;
    } catch (const dbase::Error &) {
        return false;
    }
}

bool TableFiles::pack(const QString &folder, const QString &name)
{
    try {
        dbase::TableFamily::pack(pathOf(folder, name));
        return true;
    } catch (const dbase::Error &) {
        return false;
    }
}

} // namespace zendrova
