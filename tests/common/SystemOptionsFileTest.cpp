#include "support/SettingsFixtures.h"

#include "common/AppState.h"
#include "common/ByteWriter.h"
#include "common/PasswordHash.h"
#include "common/SystemOptionsFile.h"

#include <cstring>

using namespace zendrova;
using namespace zendrova::test;

namespace {

SystemOptionsFile::Record record(PasswordMode mode, PublicAccessRights rights, const QString &dir,
    UsersCount users, const QString &password)
{
    return { { mode, rights, users }, dir, password };
}

QByteArray fixtureWithDataDirectory(const QString &dataDirectory)
{
    return SystemOptionsFile::encode(
        record(PasswordMode::NotRequired, PublicAccessRights::ReadAndWrite, dataDirectory,
            UsersCount::SingleUser, QStringLiteral("prog")));
}

} // namespace

TEST(SystemOptionsFile, ReadsTheFixtureAndWritesItsBytesBack)
{
    const QByteArray bytes = settingsFixture("SystemOptions.dat");
    const auto decoded = SystemOptionsFile::decode(bytes);
    ASSERT_TRUE(decoded);
    EXPECT_EQ(decoded->options.passwordMode, PasswordMode::Required);
    EXPECT_EQ(decoded->options.publicAccessRights, PublicAccessRights::ReadOnly);
    EXPECT_EQ(decoded->options.usersCount, UsersCount::MultiUser);
    EXPECT_EQ(decoded->dataDirectory.toStdString(), "/srv/cards/shared-data");
    // The fixture predates hashing: it holds the password itself, which the
    // rules still accept; writing it back stores a hash in the same slot.
    EXPECT_EQ(decoded->supervisorPassword.toStdString(), "Secret");
    const QByteArray written = SystemOptionsFile::encode(*decoded);
    const auto rewritten = SystemOptionsFile::decode(written);
    ASSERT_TRUE(rewritten);
    EXPECT_TRUE(PasswordHash::isHash(rewritten->supervisorPassword));
    EXPECT_TRUE(PasswordHash::matches(rewritten->supervisorPassword, "Secret"));
    const qsizetype before = bytes.size() - 1 - qsizetype(strlen("Secret"));
    EXPECT_EQ(written.left(before).toHex().toStdString(), bytes.left(before).toHex().toStdString());
    // A hash is kept as it is.
    EXPECT_EQ(SystemOptionsFile::encode(*rewritten), written);
}

TEST(SystemOptionsFile, EmptyStringsAreSingleZeroBytes)
{
    const QByteArray bytes = SystemOptionsFile::encode(record(PasswordMode::NotRequired,
        PublicAccessRights::AsSpecifiedInAccounts, QString(), UsersCount::SingleUser, QString()));
    EXPECT_EQ(bytes,
        QByteArray::fromHex("0100"
                            "0000"
                            "00"
                            "0000"
                            "00"));
}

TEST(SystemOptionsFile, EveryDamagedFormIsRejected)
{
    const QByteArray good = settingsFixture("SystemOptions.dat");
    // Every cut, including inside a string, is damage: the file has no optional part.
    for (int length = 0; length < good.size(); ++length)
        EXPECT_FALSE(SystemOptionsFile::decode(good.left(length))) << "length " << length;

    QByteArray badRights = good;
    badRights[2] = 4; // access rights has four choices
    QByteArray badUsers = good;
    badUsers[4 + 1 + 22] = 2; // users count has two choices
    EXPECT_FALSE(SystemOptionsFile::decode(badRights));
    EXPECT_FALSE(SystemOptionsFile::decode(badUsers));
    EXPECT_FALSE(SystemOptionsFile::decode(garbageBytes(200)));
}

class SystemOptionsFolders : public ::testing::Test
{
protected:
    void SetUp() override
    {
        ASSERT_TRUE(temp.isValid());
        program = temp.path() + "/prog";
        shared = temp.path() + "/shared";
        QDir().mkpath(program);
        QDir().mkpath(shared);
        state.setProgramFolder(program);
    }

    QTemporaryDir temp;
    QString program;
    QString shared;
    AppState state;
};

TEST_F(SystemOptionsFolders, MissingOrDamagedFileKeepsTheDefaults)
{
    const AppState fresh(program);
    EXPECT_FALSE(SystemOptionsFile::read(state));

    for (const QByteArray &damaged : { QByteArray(), garbageBytes(3), garbageBytes(64),
             settingsFixture("SystemOptions.dat").left(12) }) {
        writeBytes(program + "/options.dat", damaged);
        EXPECT_FALSE(SystemOptionsFile::read(state));
        EXPECT_EQ(state.systemOptions, fresh.systemOptions);
        EXPECT_EQ(state.dataDirectory, program);
        EXPECT_TRUE(state.supervisorPassword.isEmpty());
    }
}

TEST_F(SystemOptionsFolders, DataDirectoryCopySuppliesAllButTheDataDirectory)
{
    writeBytes(program + "/options.dat", fixtureWithDataDirectory(shared));
    writeBytes(shared + "/OPTIONS.DAT",
        SystemOptionsFile::encode(record(PasswordMode::Required, PublicAccessRights::None,
            "/elsewhere", UsersCount::MultiUser, "shared")));
    ASSERT_TRUE(SystemOptionsFile::read(state));
    EXPECT_EQ(state.dataDirectory, shared);
    EXPECT_EQ(state.systemOptions.passwordMode, PasswordMode::Required);
    EXPECT_EQ(state.systemOptions.publicAccessRights, PublicAccessRights::None);
    EXPECT_EQ(state.systemOptions.usersCount, UsersCount::MultiUser);
    EXPECT_TRUE(PasswordHash::matches(state.supervisorPassword, "shared"));
}

TEST_F(SystemOptionsFolders, DamagedDataDirectoryCopyLeavesTheProgramFolderValues)
{
    writeBytes(program + "/options.dat", fixtureWithDataDirectory(shared));
    writeBytes(shared + "/options.dat", garbageBytes(5));
    ASSERT_TRUE(SystemOptionsFile::read(state));
    EXPECT_EQ(state.dataDirectory, shared);
    EXPECT_TRUE(PasswordHash::matches(state.supervisorPassword, "prog"));
}

TEST_F(SystemOptionsFolders, DataDirectoryThatCannotBeEnteredFallsBackToTheProgramFolder)
{
    for (const QString &named : { temp.path() + "/missing", QString() }) {
        writeBytes(program + "/options.dat", fixtureWithDataDirectory(named));
        ASSERT_TRUE(SystemOptionsFile::read(state));
        EXPECT_EQ(state.dataDirectory, program) << named.toStdString();
        EXPECT_TRUE(PasswordHash::matches(state.supervisorPassword, "prog"));
    }
}

TEST_F(SystemOptionsFolders, WritesOneCopyOrBoth)
{
    ASSERT_TRUE(SystemOptionsFile::write(state));
    EXPECT_TRUE(QFile::exists(program + "/options.dat"));
    EXPECT_EQ(QDir(shared).entryList(QDir::Files).size(), 0);

    state.dataDirectory = shared;
    state.supervisorPassword = "pw";
    ASSERT_TRUE(SystemOptionsFile::write(state));
    const QByteArray inProgram = fileBytes(program + "/options.dat");
    EXPECT_EQ(inProgram, fileBytes(shared + "/options.dat"));
    const auto decoded = SystemOptionsFile::decode(inProgram);
    ASSERT_TRUE(decoded);
    EXPECT_EQ(decoded->dataDirectory, shared);
    EXPECT_TRUE(PasswordHash::matches(decoded->supervisorPassword, "pw"));
}

TEST_F(SystemOptionsFolders, DataDirectoryTooLongToStoreIsNotCutShort)
{
    // Each write salts the password anew: the file is compared with what was written.
    const QByteArray before = fixtureWithDataDirectory(shared);
    writeBytes(program + "/options.dat", before);
    state.dataDirectory = "/" + QString(ByteWriter::kMaxStringBytes, QLatin1Char('d'));
    EXPECT_FALSE(SystemOptionsFile::write(state));
    EXPECT_EQ(fileBytes(program + "/options.dat"), before);
}
