#include "support/SettingsFixtures.h"

#include "common/AppState.h"
#include "common/FileLookup.h"

using namespace zendrova;
using namespace zendrova::test;

TEST(AppState, StartsInThePublicFolderOfTheProgramFolder)
{
    const AppState state("/opt/zendrova/");
    EXPECT_EQ(state.programFolder.toStdString(), "/opt/zendrova");
    EXPECT_EQ(state.installFolder.toStdString(), "/opt/zendrova");
    EXPECT_EQ(state.dataDirectory.toStdString(), "/opt/zendrova");
    EXPECT_EQ(state.userFolder.toStdString(), "/opt/zendrova/DATA");
    EXPECT_EQ(state.databaseFolder, state.userFolder);
    EXPECT_EQ(state.currentTableFile.toStdString(), "data.dbf");
    EXPECT_EQ(state.accessLevel, AccessLevel::ReadAndWrite);
    EXPECT_FALSE(state.isReadOnlyMode());
    EXPECT_FALSE(state.loginRequired());
}

TEST(AppState, IsPublicFolder)
{
    AppState state("/opt/zendrova");
    state.dataDirectory = "/srv/Cards";
    const std::pair<const char *, bool> cases[] = {
        { "/srv/Cards/DATA", true },
        { "/SRV/cards/data", true },
        { "/srv/Cards/DATA/", true },
        { "/srv/Cards//DATA", true },
        { "/srv/Cards/DATA/BACKUP", false },
        { "/srv/Cards/data0001", false },
        { "/opt/zendrova/DATA", false },
        { "", false },
    };
    for (const auto &[path, isPublic] : cases)
        EXPECT_EQ(state.isPublicFolder(path), isPublic) << path;
}

TEST(AppState, ReadOnlyModeNeedsReadOnlyAccessAndThePublicFolder)
{
    AppState state("/opt/zendrova");
    const QString privateFolder = "/opt/zendrova/data0003";
    const std::tuple<AccessLevel, QString, bool> cases[] = {
        { AccessLevel::ReadOnly, state.publicFolder(), true },
        { AccessLevel::ReadOnly, state.publicFolder().toLower(), true },
        { AccessLevel::ReadOnly, privateFolder, false },
        { AccessLevel::ReadAndWrite, state.publicFolder(), false },
        { AccessLevel::None, state.publicFolder(), false },
    };
    for (const auto &[access, folder, readOnly] : cases) {
        state.accessLevel = access;
        state.databaseFolder = folder;
        EXPECT_EQ(state.isReadOnlyMode(), readOnly)
            << static_cast<int>(access) << " " << folder.toStdString();
    }
}

TEST(AppState, LoginRequired)
{
    const std::tuple<UsersCount, PasswordMode, const char *, bool> cases[] = {
        { UsersCount::MultiUser, PasswordMode::NotRequired, "", true },
        { UsersCount::MultiUser, PasswordMode::Required, "", true },
        { UsersCount::SingleUser, PasswordMode::Required, "secret", true },
        { UsersCount::SingleUser, PasswordMode::Required, "", false },
        { UsersCount::SingleUser, PasswordMode::NotRequired, "secret", false },
    };
    for (const auto &[users, mode, password, required] : cases) {
        AppState state("/opt/zendrova");
        state.systemOptions.usersCount = users;
        state.systemOptions.passwordMode = mode;
        state.supervisorPassword = password;
        EXPECT_EQ(state.loginRequired(), required)
            << static_cast<int>(users) << static_cast<int>(mode) << password;
    }
}

TEST(FileLookup, FindsTheProgramsFilesIgnoringCase)
{
    QTemporaryDir temp;
    writeBytes(temp.path() + "/Options.DAT", "x");
    EXPECT_EQ(findFileCaseInsensitive(temp.path(), "options.dat"), temp.path() + "/Options.DAT");
    EXPECT_TRUE(findFileCaseInsensitive(temp.path(), "options.da").isEmpty());
    EXPECT_TRUE(findFileCaseInsensitive(temp.path() + "/none", "options.dat").isEmpty());
    // An exact match wins over a case variant.
    writeBytes(temp.path() + "/options.dat", "y");
    EXPECT_EQ(findFileCaseInsensitive(temp.path(), "options.dat"), temp.path() + "/options.dat");
    // A file not there yet is created under the name as written.
    EXPECT_EQ(programFilePath(temp.path(), "wnd.dat"), temp.path() + "/wnd.dat");
}
