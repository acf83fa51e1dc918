#include "store/DatabaseCatalog.h"

#include "store/EngineTable.h"

#include "store/RecordEditor.h"
#include "store/StoreTable.h"
#include "store/TableIndex.h"

#include <algorithm>
#include <cmath>

namespace zendrova {

void DatabaseCatalog::ensureIndex(const QString &folder, const QString &fileName, const QString &tag)
{
    StoreTable catalog;
    catalog.setFolder(folder);
    catalog.setFileName(fileName);
    try {
        catalog.open();
        const IndexDefinitions tags = TableIndex::definitions(engineOf(catalog));
        const bool present = std::any_of(tags.begin(), tags.end(),
            [&](const IndexDefinition &definition) { return definition.name == tag; });
        if (present)
            return;
        catalog.close();
        catalog.setExclusive(true);
        catalog.open();
        TableIndex::add(engineOf(catalog), tag, catalog.fieldModel().name(kFileNameColumn), {});
    } catch (const std::runtime_error &) { // the engine's or the store's
        // Missing or in use: the open that follows reports it.
    }
}

bool DatabaseCatalog::findRow(const QString &tableFile)
{
    for (m_catalog.first(); !m_catalog.atEnd(); m_catalog.next()) {
        if (m_catalog.text(kFileNameColumn).trimmed().compare(tableFile, Qt::CaseInsensitive) == 0)
            return true;
    }
    return false;
}

void DatabaseCatalog::ensureCatalogRow(const QString &tableFile)
{
    if (findRow(tableFile))
        return;
    RecordEditor row(m_catalog);
    row.append();
    try {
        row.setText(kFileNameColumn, tableFile);
        row.setText(kDatabaseNameColumn, tableFile);
        row.setNumber(kRecordCounterColumn, 1);
        row.post();
    } catch (...) {
        row.cancel();
        throw;
    }
}

QString DatabaseCatalog::databaseName(const QString &tableFile)
{
    ensureCatalogRow(tableFile);
    return m_catalog.text(kDatabaseNameColumn);
}

double DatabaseCatalog::recordCounter(const QString &tableFile)
{
    ensureCatalogRow(tableFile);
    return m_catalog.number(kRecordCounterColumn);
}

void DatabaseCatalog::setRecordCounter(double count, const QString &tableFile)
{
    updateCounter(tableFile, [count](double) { return count; });
}

double DatabaseCatalog::takeRecordNumber(const QString &tableFile)
{
    return updateCounter(tableFile, [](double counter) { return std::trunc(counter) + 1; });
}

double DatabaseCatalog::updateCounter(
    const QString &tableFile, const std::function<double(double)> &change)
{
    ensureCatalogRow(tableFile);
    RecordEditor row(m_catalog);
    // Locking the row re-reads it, so two users never hand out one number twice.
    row.lock();
    try {
        const double value = change(row.number(kRecordCounterColumn));
        row.setNumber(kRecordCounterColumn, value);
        row.post();
        return value;
    } catch (...) {
        row.cancel();
        throw;
    }
}

} // namespace zendrova
