#include "support/DatabaseFixture.h"
#include "support/ScriptedInteraction.h"
#include "support/ScriptedLoginPrompt.h"

#include "common/FileLookup.h"
#include "store/DatabaseCatalog.h"
#include "store/LoadDatabase.h"
#include "store/RecordEditor.h"
#include "store/RecordStore.h"
#include "store/TableFiles.h"
#include "store/TableTemplates.h"

#include <QFile>
#include <gtest/gtest.h>

namespace zendrova::test {
namespace {

const LoadDatabase::AskTypedYes kYes = [] { return std::optional<QString>(QStringLiteral("YES")); };

// A user with a private folder "data0001" whose first database is open.
class LoadDatabaseTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        AppState &state = fixture.state;
        state.userName = QStringLiteral("jsmith");
        state.userFolder = state.databaseFolder = state.dataDirectory + QStringLiteral("/data0001");
        QDir().mkpath(state.userFolder + QStringLiteral("/BACKUP"));
        DatabaseFixture::expectNewDatabase(user);
        ASSERT_TRUE(store.openDatabase());
    }

    QString privateFile(const QString &name) const
    {
        return fixture.state.userFolder + QLatin1Char('/') + name;
    }
    QStringList fileNames(const LoadDatabase &dialog) const
    {
        QStringList names;
        for (const auto &row : dialog.rows())
            names << row.fileName;
        return names;
    }

    DatabaseFixture fixture;
    ScriptedInteraction user;
    RecordStore store { fixture.state };
};

TEST_F(LoadDatabaseTest, NewTakesTheLowestFreeNumberAgainAfterADeletion)
{
    LoadDatabase dialog(fixture.state, store);
    EXPECT_FALSE(dialog.showingPublic());
    for (int n = 1; n <= 4; ++n)
        ASSERT_EQ(dialog.addNew(QStringLiteral("Cards %1").arg(n), QStringLiteral("about %1").arg(n)),
            n); // data.dbf is row 0
    EXPECT_EQ(fileNames(dialog),
        (QStringList { "data.dbf", "data_1.dbf", "data_2.dbf", "data_3.dbf", "data_4.dbf" }));
    for (const char *file : { "data_2.dbf", "data_2.dbt", "data_2.mdx" })
        EXPECT_FALSE(findFileCaseInsensitive(fixture.state.userFolder, QString::fromLatin1(file))
                         .isEmpty())
            << file;
    // A backup copy goes with the table.
    TableTemplates::createFromTemplate(fixture.state.installFolder,
        privateFile(QStringLiteral("BACKUP")), QStringLiteral("data_2.dbf"), true);

    user.expectMessage(MessageKind::Information, LoadDatabase::deletedText(), MessageButtons::Ok,
        kNoHelp);
    ASSERT_TRUE(dialog.remove(2, kYes));
    EXPECT_EQ(InstallationFixture::filesBelow(fixture.state.userFolder).filter("data_2").size(), 0);
    EXPECT_EQ(fileNames(dialog),
        (QStringList { "data.dbf", "data_1.dbf", "data_3.dbf", "data_4.dbf" }));

    ASSERT_EQ(dialog.addNew(QStringLiteral("Again"), QString()), 4);
    EXPECT_EQ(dialog.rows().last().fileName, QStringLiteral("data_2.dbf"));
    // The catalog on disk says the same, in file-name order.
    LoadDatabase reread(fixture.state, store);
    EXPECT_EQ(fileNames(reread),
        (QStringList { "data.dbf", "data_1.dbf", "data_2.dbf", "data_3.dbf", "data_4.dbf" }));
    EXPECT_EQ(reread.rows().at(2).name, QStringLiteral("Again"));
    EXPECT_EQ(reread.rows().at(1).description, QStringLiteral("about 1"));
    EXPECT_TRUE(user.allConsumed());
}

TEST_F(LoadDatabaseTest, TheThousandthNewIsRefused)
{
    DatabaseCatalog catalog(store.catalog());
    for (int n = 1; n <= 998; ++n)
        catalog.appendRow({ QStringLiteral("data_%1.dbf").arg(n), QString(), QString() });
    LoadDatabase dialog(fixture.state, store);
    ASSERT_TRUE(dialog.addNew(QStringLiteral("Last"), QString()));
    EXPECT_EQ(dialog.rows().last().fileName, QStringLiteral("data_999.dbf"));
    user.expectMessage(MessageKind::Information, LoadDatabase::limitText(), MessageButtons::Ok,
        kNoHelp);
    EXPECT_FALSE(dialog.addNew(QStringLiteral("One too many"), QString()));
    EXPECT_EQ(dialog.rows().size(), 1000);
    EXPECT_EQ(store.catalog().recordCount(), 1000);
    EXPECT_TRUE(user.allConsumed());
}

TEST_F(LoadDatabaseTest, AFileWithoutARowIsTakenOverAndARemovedOneIsMadeAgainOnLoad)
{
    // data_1.dbf lies in the folder with a card of its own but no catalog row.
    TableTemplates::createFromTemplate(fixture.state.installFolder, fixture.state.userFolder,
        QStringLiteral("data_1.dbf"), true);
    {
        StoreTable table;
        table.setFolder(fixture.state.userFolder);
        table.setFileName(QStringLiteral("data_1.dbf"));
        table.open();
        RecordEditor card(table);
        card.append();
        card.setText(2, QStringLiteral("Kept Card"));
        card.post();
    }
    const QByteArray before = fileBytes(privateFile(QStringLiteral("data_1.dbf")));
    LoadDatabase dialog(fixture.state, store);
    ASSERT_EQ(dialog.addNew(QStringLiteral("Found"), QString()), 1);
    EXPECT_EQ(dialog.rows().at(1).fileName, QStringLiteral("data_1.dbf"));
    EXPECT_EQ(fileBytes(privateFile(QStringLiteral("data_1.dbf"))), before);

    // Its files go missing; loading it makes an empty one, without a word.
    ASSERT_TRUE(TableFiles::remove(fixture.state.userFolder, QStringLiteral("data_1.dbf")));
    EXPECT_EQ(dialog.load(1), QStringLiteral("data_1.dbf"));
    EXPECT_FALSE(dialog.isCurrent(QStringLiteral("data_1.dbf")));
    EXPECT_TRUE(dialog.isCurrent(QStringLiteral("data.dbf")));
    StoreTable remade;
    remade.setFolder(fixture.state.userFolder);
    remade.setFileName(QStringLiteral("data_1.dbf"));
    remade.open();
    EXPECT_EQ(remade.recordCount(), 0);
    EXPECT_FALSE(
        findFileCaseInsensitive(fixture.state.userFolder, QStringLiteral("data_1.mdx")).isEmpty());
    EXPECT_TRUE(user.allConsumed());
}

TEST_F(LoadDatabaseTest, DeleteIsRefusedInUseAndWithoutYesOrTheSecurityCheck)
{
    LoadDatabase dialog(fixture.state, store);
    ASSERT_TRUE(dialog.addNew(QStringLiteral("Second"), QString()));
    // The open database is in use.
    user.expectMessage(MessageKind::Information, LoadDatabase::inUseText(), MessageButtons::Ok,
        kNoHelp);
    EXPECT_FALSE(dialog.remove(0, kYes));

    int asked = 0;
    EXPECT_FALSE(dialog.remove(1, [&] {
        ++asked;
        return std::optional<QString>(QStringLiteral("YE"));
    }));
    EXPECT_FALSE(dialog.remove(1, [] { return std::optional<QString>(); }));
    EXPECT_EQ(asked, 1);

    // With the Supervisor's password in force the security check decides.
    fixture.state.systemOptions.passwordMode = PasswordMode::Required;
    fixture.state.supervisorPassword = QStringLiteral("boss");
    ScriptedLoginPrompt login;
    login.expectCancel();
    EXPECT_FALSE(dialog.remove(1, kYes));
    EXPECT_EQ(login.shown().at(0).caption, QStringLiteral("Security Check"));
    EXPECT_EQ(dialog.rows().size(), 2);
    EXPECT_TRUE(QFile::exists(privateFile(QStringLiteral("data_1.dbf"))));

    login.expectLogin(QStringLiteral("Supervisor"), QStringLiteral("boss"));
    user.expectMessage(MessageKind::Information, LoadDatabase::deletedText(), MessageButtons::Ok,
        kNoHelp);
    EXPECT_TRUE(dialog.remove(1, kYes));
    EXPECT_FALSE(QFile::exists(privateFile(QStringLiteral("data_1.dbf"))));
    EXPECT_FALSE(dialog.deleteEnabled() && dialog.rows().isEmpty());
    EXPECT_TRUE(user.allConsumed());
}

TEST_F(LoadDatabaseTest, ThePublicFolderIsTheSupervisorsToChange)
{
    const QString publicFolder = fixture.state.publicFolder();
    QDir().mkpath(publicFolder);
    QFile::copy(fixture.programFolder + QStringLiteral("/master.dbf"),
        publicFolder + QStringLiteral("/master.dbf"));
    QFile::copy(fixture.programFolder + QStringLiteral("/master.mdx"),
        publicFolder + QStringLiteral("/master.mdx"));

    struct Case
    {
        const char *name;
        bool supervisor;
        AccessLevel access;
        bool publicAtStart, choiceEnabled, publicChangeable;
    };
    const Case cases[] = {
        { "ReadAndWrite", false, AccessLevel::ReadAndWrite, false, true, false },
        { "ReadOnly", false, AccessLevel::ReadOnly, false, true, false },
        { "NoPublicAccess", false, AccessLevel::None, false, false, false },
        { "Supervisor", true, AccessLevel::ReadAndWrite, true, false, true },
    };
    for (const Case &c : cases) {
        fixture.state.isSupervisor = c.supervisor;
        fixture.state.accessLevel = c.access;
        LoadDatabase dialog(fixture.state, store);
        EXPECT_EQ(dialog.showsPublicAtStart(), c.publicAtStart) << c.name;
        EXPECT_EQ(dialog.folderChoiceEnabled(), c.choiceEnabled) << c.name;
        EXPECT_TRUE(dialog.newEnabled()) << c.name; // the private folder shows
        ASSERT_TRUE(dialog.showFolder(true)) << c.name;
        EXPECT_EQ(fixture.state.databaseFolder, publicFolder);
        EXPECT_EQ(dialog.newEnabled(), c.publicChangeable) << c.name;
        EXPECT_EQ(dialog.editEnabled(), false) << c.name; // empty catalog
        dialog.cancel();
        EXPECT_EQ(fixture.state.databaseFolder, fixture.state.userFolder) << c.name;
        EXPECT_EQ(store.catalog().folder(), fixture.state.userFolder) << c.name;
    }
    // A public catalog with rows: Edit and Delete only for the Supervisor.
    fixture.state.isSupervisor = false;
    fixture.state.accessLevel = AccessLevel::ReadAndWrite;
    LoadDatabase dialog(fixture.state, store);
    ASSERT_TRUE(dialog.showFolder(true));
    DatabaseCatalog(store.catalog()).appendRow({ "data.dbf", "Shared", "" });
    ASSERT_TRUE(dialog.showFolder(true));
    EXPECT_EQ(dialog.rows().size(), 1);
    EXPECT_FALSE(dialog.editEnabled());
    EXPECT_FALSE(dialog.deleteEnabled());

    // A folder without a catalog: told, and the list stays.
    ASSERT_TRUE(QFile::remove(publicFolder + QStringLiteral("/master.dbf")));
    user.expectMessage(MessageKind::Error, LoadDatabase::catalogFailureText(), MessageButtons::Ok,
        kNoHelp);
    EXPECT_FALSE(dialog.showFolder(true));
    EXPECT_EQ(dialog.rows().size(), 1);
    EXPECT_TRUE(user.allConsumed());
}

} // namespace
} // namespace zendrova::test
