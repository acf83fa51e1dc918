#include "support/SettingsFixtures.h"

#include "common/AppState.h"
#include "common/UserOptionsFile.h"

using namespace zendrova;
using namespace zendrova::test;

namespace {
// Fields 1-16 of the fixture: ten words, two strings, two words, two flags.
constexpr int kNoTailSize = 69;
} // namespace

TEST(UserOptionsFile, ReadsTheFullFixtureAndWritesItsBytesBack)
{
    const QByteArray bytes = settingsFixture("UserOptionsFull.dat");
    const auto decoded = UserOptionsFile::decode(bytes, UserOptions());
    ASSERT_TRUE(decoded);
    const UserOptions &o = decoded->options;
    EXPECT_EQ(o.menusAndSpeedBars, 2);
    EXPECT_EQ(o.reserved2, 7);
    EXPECT_EQ(o.reserved3, 8);
    EXPECT_EQ(o.hintMessages, 1);
    EXPECT_EQ(o.letterTabs, 1);
    EXPECT_EQ(o.initialDataFile, 0);
    EXPECT_EQ(o.reserved7, 9);
    EXPECT_EQ(o.filterDateFormat, 3);
    EXPECT_EQ(o.speedBarLocation, 0);
    EXPECT_EQ(o.recordDeleteMode, 1);
    EXPECT_EQ(decoded->lastTableFile.toStdString(), "data_3.dbf");
    EXPECT_EQ(decoded->lastDatabaseFolder.toStdString(), "/srv/cards/shared-data/data0002");
    EXPECT_EQ(o.reserved13, 5);
    EXPECT_EQ(o.letterTabsLocation, 1);
    EXPECT_TRUE(o.stayOnTop);
    EXPECT_FALSE(o.displayTips);
    EXPECT_EQ(o.recordButtonsFont, (FontRecord { "Times New Roman", 3, 12 }));
    EXPECT_EQ(o.oneLineFieldsFont, (FontRecord { "Courier New", 12, 9 }));
    EXPECT_EQ(o.multiLineFieldsFont, (FontRecord { "Verdana", 0, 14 }));
    EXPECT_FALSE(o.autoFill);
    EXPECT_FALSE(o.displayReminders);
    EXPECT_EQ(UserOptionsFile::encode(*decoded).toHex().toStdString(), bytes.toHex().toStdString());
}

TEST(UserOptionsFile, FileWithoutTheTailKeepsTheCurrentTailValues)
{
    const QByteArray noTail = settingsFixture("UserOptionsNoTail.dat");
    ASSERT_EQ(noTail.size(), kNoTailSize);
    UserOptions current;
    current.recordButtonsFont = { "Tahoma", 1, 11 };
    current.autoFill = false;
    const auto decoded = UserOptionsFile::decode(noTail, current);
    ASSERT_TRUE(decoded);
    EXPECT_EQ(decoded->options.menusAndSpeedBars, 2);
    EXPECT_EQ(decoded->options.recordButtonsFont, current.recordButtonsFont);
    EXPECT_FALSE(decoded->options.autoFill);
    EXPECT_TRUE(decoded->options.displayReminders);
    // Written back whole: the head as read, then the full tail.
    const QByteArray written = UserOptionsFile::encode(*decoded);
    EXPECT_EQ(written.left(kNoTailSize), noTail);
    EXPECT_EQ(written.size(), kNoTailSize + 4 + 3 * FontRecord::kRecordBytes + 2);
}

TEST(UserOptionsFile, DefaultsWrittenLookAsDocumented)
{
    const QByteArray bytes = UserOptionsFile::encode({ UserOptions(), "data.dbf", "" });
    EXPECT_EQ(bytes.left(20).toHex().toStdString(), "0000010000000000000001000000000001000000");
    // Ten words, "data.dbf", an empty folder, two words, two flags, four empty strings.
    const int font = 20 + 9 + 1 + 4 + 2 + 4;
    EXPECT_EQ(bytes.mid(font, 6),
        QByteArray("\x05"
                   "Arial",
            6));
    EXPECT_EQ(static_cast<int>(bytes[font + FontRecord::kNameFieldBytes]), 1); // bold
    EXPECT_EQ(bytes.mid(font + 260, 4), QByteArray("\x0a\0\0\0", 4));
    EXPECT_EQ(bytes.right(2), QByteArray("\x01\x01", 2));
}

TEST(UserOptionsFile, EveryCutOtherThanAfterTheHeadIsDamage)
{
    const QByteArray full = settingsFixture("UserOptionsFull.dat");
    for (int length = 0; length < full.size(); ++length) {
        const bool valid = length == kNoTailSize;
        EXPECT_EQ(UserOptionsFile::decode(full.left(length), UserOptions()).has_value(), valid)
            << "length " << length;
    }
    EXPECT_FALSE(UserOptionsFile::decode(settingsFixture("BrokenUserOptionsBadChoice.dat"), {}));
    EXPECT_FALSE(UserOptionsFile::decode(garbageBytes(900), UserOptions()));
}

class UserOptionsRead : public ::testing::Test
{
protected:
    void SetUp() override
    {
        ASSERT_TRUE(temp.isValid());
        state.setProgramFolder(temp.path());
        state.userFolder = temp.path() + "/user7";
        QDir().mkpath(state.userFolder);
    }

    void writeOptions(std::uint16_t initialDataFile, const QString &table, const QString &folder)
    {
        UserOptions options;
        options.initialDataFile = initialDataFile;
        options.letterTabs = 1;
        writeBytes(
            state.userFolder + "/options.dat", UserOptionsFile::encode({ options, table, folder }));
    }

    QTemporaryDir temp;
    AppState state;
};

TEST_F(UserOptionsRead, MissingOrDamagedFileKeepsDefaultsAndTheUserFolder)
{
    for (const QByteArray &damaged : { QByteArray(), garbageBytes(40), garbageBytes(2) }) {
        writeBytes(state.userFolder + "/options.dat", damaged);
        EXPECT_FALSE(UserOptionsFile::read(state));
        EXPECT_EQ(state.userOptions, UserOptions());
        EXPECT_EQ(state.databaseFolder, state.userFolder);
        EXPECT_EQ(state.currentTableFile.toStdString(), "data.dbf");
    }
}

TEST_F(UserOptionsRead, RestoresTheLastDatabaseOnlyWhenAllowed)
{
    const QString publicFolder = state.publicFolder();
    const QString privateFolder = state.userFolder;
    const QString movedFolder = "/old/place/DATA";
    struct Case
    {
        const char *what;
        std::uint16_t initialDataFile;
        QString table;
        QString folder;
        bool supervisor;
        AccessLevel access;
        QString expectedTable;
        QString expectedFolder;
    };
    const Case cases[] = {
        { "last used, private", 1, "data_2.dbf", privateFolder, false, AccessLevel::None,
            "data_2.dbf", privateFolder },
        { "last used, public, read only", 1, "data_2.dbf", publicFolder, false,
            AccessLevel::ReadOnly, "data_2.dbf", publicFolder },
        { "public, no access", 1, "data_2.dbf", publicFolder.toLower(), false, AccessLevel::None,
            "data.dbf", privateFolder },
        { "public, no access, supervisor", 1, "data_2.dbf", publicFolder, true, AccessLevel::None,
            "data_2.dbf", publicFolder },
        { "default file wanted", 0, "data_2.dbf", publicFolder, false, AccessLevel::ReadAndWrite,
            "data.dbf", privateFolder },
        { "empty table name", 1, "", publicFolder, false, AccessLevel::ReadAndWrite, "data.dbf",
            privateFolder },
        { "data directory moved", 1, "data_2.dbf", movedFolder, false, AccessLevel::ReadAndWrite,
            "data_2.dbf", privateFolder },
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.what);
        state.currentTableFile = AppState::kDefaultTableFile;
        state.databaseFolder = "/somewhere/else";
        state.isSupervisor = c.supervisor;
        state.accessLevel = c.access;
        writeOptions(c.initialDataFile, c.table, c.folder);
        ASSERT_TRUE(UserOptionsFile::read(state));
        EXPECT_EQ(state.userOptions.letterTabs, 1);
        EXPECT_EQ(state.currentTableFile.toStdString(), c.expectedTable.toStdString());
        EXPECT_EQ(state.databaseFolder.toStdString(), c.expectedFolder.toStdString());
    }
}

TEST_F(UserOptionsRead, WritesTheCurrentTableAndFolder)
{
    state.currentTableFile = "data_4.dbf";
    state.databaseFolder = state.publicFolder();
    state.userOptions.stayOnTop = true;
    ASSERT_TRUE(UserOptionsFile::write(state));
    const auto decoded
        = UserOptionsFile::decode(fileBytes(state.userFolder + "/options.dat"), UserOptions());
    ASSERT_TRUE(decoded);
    EXPECT_EQ(decoded->options, state.userOptions);
    EXPECT_EQ(decoded->lastTableFile.toStdString(), "data_4.dbf");
    EXPECT_EQ(decoded->lastDatabaseFolder, state.publicFolder());

    state.userFolder = temp.path() + "/no/such/folder";
    EXPECT_FALSE(UserOptionsFile::write(state));
}
