#pragma once

#include "support/InstallationFixture.h"
#include "support/ScriptedInteraction.h"

#include "store/RecordStore.h"

#include <QDir>
#include <QFile>
#include <gtest/gtest.h>

namespace zendrova::test {

// A program folder holding copies of the built template tables, and a state
// whose database folder is the (still empty) public folder.
class DatabaseFixture : public InstallationFixture
{
public:
    DatabaseFixture()
    {
        InstallationFixture::copyShippedTemplates(programFolder);
        state.userFolder = state.databaseFolder = state.publicFolder();
        QDir().mkpath(state.databaseFolder);
    }

    QString databaseFile(const QString &name) const
    {
        return state.databaseFolder + QLatin1Char('/') + name;
    }

    // The texts of one field, record by record in the table's current order and range.
    static QStringList columnInOrder(StoreTable &table, int position)
    {
        QStringList texts;
        for (table.first(); !table.atEnd(); table.next())
            texts << table.text(position);
        return texts;
    }

    // The warning of the first open of a folder that holds no record table.
    static void expectNewDatabase(ScriptedInteraction &user)
    {
        user.expectMessage(
            MessageKind::Warning, RecordStore::newDatabaseText(), MessageButtons::Ok, kNoHelp);
    }

    // An empty database as a first start leaves it, so later opens say nothing.
    void createDatabase(ScriptedInteraction &user)
    {
        expectNewDatabase(user);
        RecordStore first(state);
        ASSERT_TRUE(first.openDatabase());
        first.closeAll();
    }
};

} // namespace zendrova::test
