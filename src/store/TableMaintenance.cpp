#include "store/TableMaintenance.h"

#include "common/Interaction.h"
#include "store/EngineTable.h"
#include "store/TableOpening.h"

#include <QStringList>
#include <functional>

namespace zendrova {

namespace {

// Closes the table, lets work have it (false: another user holds it, or the
// engine failed), and puts the table back as it was on every path.
bool withTableClosed(StoreTable &table, const std::function<bool()> &work)
{
    const bool wasOpen = table.isOpen();
    const QString tag = table.indexName();
    table.close();
    table.setIndexName(QString());
    bool done = false;
    try {
        done = work();
    } catch (const std::runtime_error &) { // the engine's or the store's
        done = false;
    }
    table.close();
    table.setExclusive(false);
    table.setIndexName(tag);
    if (wasOpen) {
        try {
            table.open();
        } catch (const StoreError &) {
            // The caller's next use reports what keeps the table shut.
        }
    }
    return done;
}

// The same with the table opened exclusively for work; the user hears when
// another user holds it.
bool withExclusiveTable(
    StoreTable &table, const QString &templateFolder, const std::function<void(dbase::Table &)> &work)
{
    bool inUse = false;
    const bool done = withTableClosed(table, [&] {
        if (!TableOpening::openByName(table, table.folder(), table.fileName(), true, templateFolder)) {
            inUse = true;
            return false;
        }
        work(engineOf(table));
        return true;
    });
    if (inUse)
        showMessage(MessageKind::Error, TableMaintenance::exclusiveUseText());
    return done;
}

} // namespace

QString TableMaintenance::exclusiveUseText()
{
    return tr("Function Failed!\rDatabase may be used by someone else - this function requires "
              "Exclusive Database Use.");
}

bool TableMaintenance::regenIndexes(StoreTable &table, const QString &templateFolder)
{
    return withExclusiveTable(table, templateFolder, [](dbase::Table &engine) {
        engine.regenerateIndexes();
    });
}

bool TableMaintenance::packTable(StoreTable &table, const QString &templateFolder)
{
    return withExclusiveTable(table, templateFolder, [&table](dbase::Table &engine) {
        // The engine packs the files themselves, which nobody may hold open.
        const std::string path = engine.path();
        table.close();
        dbase::TableFamily::pack(path);
    });
}

bool TableMaintenance::emptyTable(StoreTable &table)
{
    bool inUse = false;
    const bool done = withTableClosed(table, [&] {
        try {
            dbase::TableFamily::empty(table.enginePath());
        } catch (const dbase::Error &error) {
            inUse = error.kind() == dbase::ErrorKind::Locked;
            return false;
        }
        return true;
    });
    if (inUse)
        showMessage(MessageKind::Error, exclusiveUseText());
    return done;
}

bool TableMaintenance::deleteAddedIndexes(StoreTable &table, const QString &templateFolder)
{
    return withExclusiveTable(table, templateFolder, [](dbase::Table &engine) {
        for (const dbase::TagInfo &tag : engine.indexDefinitions()) {
            if (!kTemplateTags.contains(QString::fromStdString(tag.name), Qt::CaseInsensitive))
                engine.deleteIndex(tag.name);
        }
    });
}

} // namespace zendrova
