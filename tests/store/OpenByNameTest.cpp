#include "support/DatabaseFixture.h"
#include "support/ScriptedInteraction.h"

#include "store/EngineTable.h"
#include "store/StoreTable.h"
#include "store/TableOpening.h"

#include "dbase/TableFamily.h"

#include <gtest/gtest.h>

namespace zendrova::test {
namespace {

class OpenByNameTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        dbase::TableFamily::copy(toEnginePath(fixture.programFolder + "/data.dbf"),
            toEnginePath(fixture.databaseFile(kName)));
        // Another user holds the table exclusively.
        holder.open(toEnginePath(fixture.databaseFile(kName)), true);
    }

    bool openByName(bool exclusive)
    {
        return TableOpening::openByName(
            table, fixture.state.databaseFolder, kName, exclusive, fixture.programFolder);
    }

    const QString kName = QStringLiteral("cards.dbf");
    DatabaseFixture fixture;
    ScriptedInteraction user;
    dbase::Table holder;
    StoreTable table;
};

TEST_F(OpenByNameTest, SharedOpenAsksAfterTenSilentRetriesUntilTheUserGivesUp)
{
    user.expectMessage(MessageKind::Warning, TableOpening::cannotOpenText(kName),
        MessageButtons::YesNo, kNoHelp, Answer::Yes);
    user.expectMessage(MessageKind::Warning, TableOpening::cannotOpenText(kName),
        MessageButtons::YesNo, kNoHelp, Answer::No);

    EXPECT_FALSE(openByName(false));
    EXPECT_TRUE(user.allConsumed());
    // The first try, ten silent retries, and one more after Yes.
    EXPECT_EQ(table.failedOpens(), 12);
    EXPECT_EQ(TableOpening::cannotOpenText(kName), QStringLiteral("Cannot open the file: cards.dbf\rRetry?"));
}

TEST_F(OpenByNameTest, ExclusiveOpenGivesUpSilentlyAfterItsRetries)
{
    EXPECT_FALSE(openByName(true));
    EXPECT_EQ(table.failedOpens(), 11);
}

TEST_F(OpenByNameTest, OpensOnceTheHolderLetsGoAndNeverTriesAMissingFile)
{
    holder.close();
    EXPECT_TRUE(openByName(true));
    EXPECT_TRUE(table.isOpen());
    EXPECT_TRUE(table.exclusive());

    StoreTable other;
    EXPECT_FALSE(TableOpening::openByName(other, fixture.state.databaseFolder,
        QStringLiteral("absent.dbf"), false, fixture.programFolder));
    EXPECT_EQ(other.failedOpens(), 0);
}

} // namespace
} // namespace zendrova::test
