#include "store/TableSwap.h"

#include "store/EngineTable.h"

namespace zendrova {

void TableSwap::markReady(const QString &built, const QString &ready)
{
    translated([&] {
        dbase::TableFamily::remove(toEnginePath(ready));
        dbase::TableFamily::rename(toEnginePath(built), toEnginePath(ready));
    });
}

void TableSwap::commit(const QString &ready, const QString &target, const QString &kept)
{
    translated([&] {
        const std::string targetPath = toEnginePath(target);
        if (!kept.isEmpty() && dbase::TableFamily::exists(targetPath))
            dbase::TableFamily::copy(targetPath, toEnginePath(kept));
        // From here until the rename ends, finishInterrupted completes the step.
        dbase::TableFamily::remove(targetPath);
        dbase::TableFamily::rename(toEnginePath(ready), targetPath);
    });
}

bool TableSwap::finishInterrupted(const QString &ready, const QString &target)
{
    return translated([&] {
        const std::string targetPath = toEnginePath(target);
        const std::string readyPath = toEnginePath(ready);
        if (dbase::TableFamily::exists(targetPath) || !dbase::TableFamily::exists(readyPath))
            return false;
        dbase::TableFamily::rename(readyPath, targetPath);
        return true;
    });
}

void TableSwap::copy(const QString &source, const QString &target)
{
    translated([&] { dbase::TableFamily::copy(toEnginePath(source), toEnginePath(target)); });
}

void TableSwap::discard(const QString &path)
{
    translated([&] { dbase::TableFamily::remove(toEnginePath(path)); });
}

bool TableSwap::exists(const QString &path)
{
    return dbase::TableFamily::exists(toEnginePath(path));
}

} // namespace zendrova
