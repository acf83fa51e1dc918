#pragma once

#include "support/InstallationFixture.h"

#include "common/AppState.h"
#include "store/RecordStore.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace zendrova::test {

// A program folder holding copies of the built template tables, and a state
// whose database folder is the (still empty) public folder.
class DatabaseFixture
{
public:
    DatabaseFixture()
        : programFolder(dir.path() + QStringLiteral("/program"))
        , state(programFolder)
    {
        InstallationFixture::copyShippedTemplates(programFolder);
        state.userFolder = state.databaseFolder = state.publicFolder();
        QDir().mkpath(state.databaseFolder);
    }

    QString databaseFile(const QString &name) const
    {
        return state.databaseFolder + QLatin1Char('/') + name;
    }

    static QByteArray bytesOf(const QString &path)
    {
        QFile file(path);
        return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
    }

    // The texts of one field, record by record in the table's current order and range.
    static QStringList columnInOrder(StoreTable &table, int position)
    {
        QStringList texts;
        for (table.engine().first(); !table.engine().eof(); table.engine().next())
            texts << table.text(position);
        return texts;
    }

    // Opens the current database expecting no message.
    void openQuietly(RecordStore &store)
    {
        ASSERT_TRUE(store.openDatabase());
    }

    QTemporaryDir dir;
    QString programFolder;
    AppState state;
};

} // namespace zendrova::test
