#include "store/DatabaseCatalog.h"

#include "store/EngineTable.h"

#include "store/RecordEditor.h"
#include "store/StoreTable.h"
#include "store/TableIndex.h"

#include <QSet>

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

QList<DatabaseCatalog::Row> DatabaseCatalog::rows()
{
    QList<Row> rows;
    for (m_catalog.first(); !m_catalog.atEnd(); m_catalog.next()) {
        rows.append({ m_catalog.text(kFileNameColumn).trimmed(),
            m_catalog.text(kDatabaseNameColumn).trimmed(),
            m_catalog.text(kDescriptionColumn).trimmed() });
    }
    return rows;
}

QString DatabaseCatalog::nextFreeFileName()
{
    QSet<QString> taken;
    for (const Row &row : rows())
        taken.insert(row.fileName.toLower());
    for (int n = 1; n <= kMaxNewTables; ++n) {
        const QString name = QStringLiteral("data_%1.dbf").arg(n).left(kMaxFileNameLength);
        if (!taken.contains(name))
            return name;
    }
    return {};
}

void DatabaseCatalog::appendRow(const Row &row)
{
    RecordEditor editor(m_catalog);
    editor.append();
    try {
        editor.setText(kFileNameColumn, row.fileName);
        editor.setText(kDatabaseNameColumn, row.name);
        editor.setText(kDescriptionColumn, row.description);
        editor.setNumber(kRecordCounterColumn, 1);
        editor.post();
    } catch (...) {
        editor.cancel();
        throw;
    }
}

bool DatabaseCatalog::updateRow(const Row &row)
{
    if (!findRow(row.fileName))
        return false;
    RecordEditor editor(m_catalog);
    editor.lock();
    try {
        editor.setText(kDatabaseNameColumn, row.name);
        editor.setText(kDescriptionColumn, row.description);
        editor.post();
    } catch (...) {
        editor.cancel();
        throw;
    }
    return true;
}

bool DatabaseCatalog::deleteRow(const QString &tableFile)
{
    if (!findRow(tableFile))
        return false;
    RecordEditor(m_catalog).remove();
    return true;
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
