#include "store/DatabaseCatalog.h"

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
        const IndexDefinitions tags = TableIndex::definitions(catalog.engine());
        const bool present = std::any_of(tags.begin(), tags.end(),
            [&](const IndexDefinition &definition) { return definition.name == tag; });
        if (present)
            return;
        catalog.close();
        catalog.setExclusive(true);
        catalog.open();
        TableIndex::add(catalog.engine(), tag, catalog.fieldModel().name(kFileNameColumn), {});
    } catch (const dbase::Error &) {
        // Missing or in use: the open that follows reports it.
    }
}

bool DatabaseCatalog::findRow(const QString &tableFile)
{
    dbase::Table &table = m_catalog.engine();
    for (table.first(); !table.eof(); table.next()) {
        if (m_catalog.text(kFileNameColumn).trimmed().compare(tableFile, Qt::CaseInsensitive) == 0)
            return true;
    }
    return false;
}

void DatabaseCatalog::ensureCatalogRow(const QString &tableFile)
{
    if (findRow(tableFile))
        return;
    dbase::Table &table = m_catalog.engine();
    table.append();
    m_catalog.setText(kFileNameColumn, tableFile);
    m_catalog.setText(kDatabaseNameColumn, tableFile);
    m_catalog.setNumber(kRecordCounterColumn, 1);
    table.post();
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
    dbase::Table &table = m_catalog.engine();
    // Locking the row re-reads it, so two users never hand out one number twice.
    table.edit();
    try {
        const double value = change(m_catalog.number(kRecordCounterColumn));
        m_catalog.setNumber(kRecordCounterColumn, value);
        table.post();
        return value;
    } catch (...) {
        table.cancel();
        throw;
    }
}

} // namespace zendrova
