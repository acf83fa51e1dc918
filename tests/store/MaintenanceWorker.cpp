// One maintenance operation on a database folder, run in a process of its
// own so a test can kill it at any moment:
//   store_maintenance_worker repair|backup|restore|pack|empty FOLDER TEMPLATES
#include "store/DatabaseCatalog.h"
#include "store/StoreTable.h"
#include "store/TableMaintenance.h"
#include "store/TableSafekeeping.h"

#include <QString>
#include <cstdio>
#include <exception>

using namespace zendrova;

int main(int argc, char **argv)
{
    if (argc != 4) {
        std::fprintf(stderr, "usage: store_maintenance_worker OPERATION FOLDER TEMPLATES\n");
        return 2;
    }
    const QString operation = QString::fromLocal8Bit(argv[1]);
    const QString folder = QString::fromLocal8Bit(argv[2]);
    const QString templates = QString::fromLocal8Bit(argv[3]);
    try {
        StoreTable records;
        records.setFolder(folder);
        records.setFileName(QStringLiteral("data.dbf"));
        records.open();
        StoreTable catalog;
        catalog.setFolder(folder);
        catalog.setFileName(QStringLiteral("master.dbf"));
        catalog.setIndexName(QStringLiteral("IDX0"));
        catalog.open();
        TableSafekeeping safekeeping(records, catalog, templates);
        bool done = false;
        if (operation == QLatin1String("repair"))
            done = safekeeping.repairTable().succeeded;
        else if (operation == QLatin1String("backup"))
            done = safekeeping.backupTable().succeeded;
        else if (operation == QLatin1String("restore"))
            done = safekeeping.restoreTable(true).succeeded;
        else if (operation == QLatin1String("pack"))
            done = TableMaintenance::packTable(records, templates);
        else if (operation == QLatin1String("empty"))
            done = TableMaintenance::emptyTable(records);
        return done ? 0 : 1;
    } catch (const std::exception &error) {
        std::fprintf(stderr, "%s\n", error.what());
        return 1;
    }
}
