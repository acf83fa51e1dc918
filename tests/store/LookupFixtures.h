#pragma once

#include "dbase/Table.h"
#include "common/AppState.h"
#include "store/LookupList.h"

#include <QDir>
#include <QStringList>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace zendrova::test {

// A database folder in a temporary directory; the install folder is the build's,
// where the template list lies.
struct LookupFolder
{
    LookupFolder()
    {
        state.installFolder = QStringLiteral(ZENDROVA_BIN_DIR);
        state.databaseFolder = dir.path();
    }

    QString path(const QString &fileName) const { return QDir(dir.path()).filePath(fileName); }

    // A list from the template holding items in this physical order.
    void writeList(const QString &fileName, const QStringList &items) const
    {
        ASSERT_TRUE(LookupList::createFromTemplate(state.installFolder, path(fileName)));
        LookupList list(dir.path(), fileName);
        list.open();
        for (const QString &item : items)
            list.appendRow(item);
        list.close();
    }

    // The live rows of a list file in physical order.
    QStringList itemsInFile(const QString &fileName) const
    {
        dbase::Table table;
        table.open(path(fileName).toStdString(), false);
        QStringList items;
        for (table.first(); !table.eof(); table.next())
            items << LookupList::itemText(table.asString(0));
        return items;
    }

    // Rows in the .DBF including deleted ones (they go with a pack).
    static uint32_t storedRows(const QString &dbfPath)
    {
        dbase::Table table;
        table.open(dbfPath.toStdString(), false);
        return table.header().recordCount;
    }

    QTemporaryDir dir;
    AppState state;
};

} // namespace zendrova::test
