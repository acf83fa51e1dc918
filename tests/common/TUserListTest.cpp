#include "support/SettingsFixtures.h"

#include "common/PasswordHash.h"
#include "common/ScrambleKeys.h"
#include "common/TUserList.h"

using namespace zendrova;
using namespace zendrova::test;

namespace {

TUserList fixtureList()
{
    auto list = TUserList::decode(settingsFixture("users.lst"));
    EXPECT_TRUE(list);
    return list.value_or(TUserList());
}

} // namespace

TEST(TUserList, ReadsTheFixtureAndWritesItBackWithHashedPasswords)
{
    // The fixture predates hashing: its passwords are the texts themselves.
    const TUserList list = fixtureList();
    ASSERT_EQ(list.size(), 3);
    EXPECT_EQ(list.accounts().at(0),
        (TUserRec { 1, "Alice Archer", "alice", "pw1", "data0001", AccountStatus::Active,
            AccountAccess::ReadAndWrite }));
    EXPECT_EQ(list.accounts().at(1),
        (TUserRec { 2, "Robert \"Bob\" Baker the Second", "bob", "longpassword", "data0002",
            AccountStatus::NotActive, AccountAccess::ReadOnly }));
    EXPECT_EQ(list.accounts().at(2),
        (TUserRec { 4, "Supervisor Lookalike", "supervisor", "", "cards_of_someone",
            AccountStatus::Active, AccountAccess::None }));
    EXPECT_TRUE(list.hasOldFormPasswords());

    const auto bytes = TUserList::encode(list);
    ASSERT_TRUE(bytes);
    // Neither the text nor its scrambled form is anywhere in the file.
    for (const char *password : { "pw1", "longpassword" }) {
        EXPECT_FALSE(bytes->contains(password)) << password;
        EXPECT_FALSE(bytes->contains(scrambled(password, kAccountsKey))) << password;
    }
    const auto reread = TUserList::decode(*bytes);
    ASSERT_TRUE(reread);
    EXPECT_FALSE(reread->hasOldFormPasswords());
    const char *passwords[] = { "pw1", "longpassword", "" };
    for (int i = 0; i < 3; ++i) {
        TUserRec account = reread->accounts().at(i);
        EXPECT_TRUE(PasswordHash::matches(account.password, passwords[i])) << i;
        EXPECT_FALSE(PasswordHash::matches(account.password, "PW1")) << i;
        account.password = passwords[i];
        EXPECT_EQ(account, list.accounts().at(i));
    }
    // The empty password stays empty, so "no password" is still seen as such.
    EXPECT_EQ(reread->accounts().at(2).password, QString());
    // Hashes are written as they are: a second write is byte for byte the first.
    EXPECT_EQ(TUserList::encode(*reread), bytes);

    const auto empty = TUserList::decode(settingsFixture("users_empty.lst"));
    ASSERT_TRUE(empty);
    EXPECT_EQ(empty->size(), 0);
    EXPECT_EQ(*TUserList::encode(*empty), QByteArray("\x0e\x00", 2));
}

TEST(TUserList, FindsExactlyByNameAndByUserId)
{
    const TUserList list = fixtureList();
    EXPECT_EQ(list.findByUserId("bob"), 1);
    EXPECT_EQ(list.findByUserId("supervisor"), 2); // an ordinary account, not the Supervisor
    EXPECT_FALSE(list.findByUserId("Supervisor"));
    EXPECT_FALSE(list.findByUserId("BOB"));
    EXPECT_FALSE(list.findByUserId("bo"));
    EXPECT_EQ(list.findByName("Alice Archer"), 0);
    EXPECT_FALSE(list.findByName("alice archer"));
}

TEST(TUserList, AddAccountNumbersAndNamesTheFolder)
{
    TUserList list = fixtureList(); // numbers 1, 2, 4: three accounts, so 4 is taken
    EXPECT_FALSE(list.addAccount(
        "Alice Archer", "al2", "", AccountStatus::Active, AccountAccess::ReadAndWrite));
    ASSERT_TRUE(
        list.addAccount("Dora", "dora", "pw", AccountStatus::NotActive, AccountAccess::None));
    TUserRec dora = list.accounts().last();
    EXPECT_TRUE(PasswordHash::isHash(dora.password));
    EXPECT_TRUE(PasswordHash::matches(dora.password, "pw"));
    dora.password = "pw";
    EXPECT_EQ(dora,
        (TUserRec {
            3, "Dora", "dora", "pw", "data0003", AccountStatus::NotActive, AccountAccess::None }));
    // 1, 2, 3 with 2 deleted: the next account takes 2.
    list.removeAt(1); // account 2
    list.removeAt(1); // account 4
    ASSERT_TRUE(list.addAccount("Eve", "eve", "", AccountStatus::Active, AccountAccess::ReadOnly));
    EXPECT_EQ(list.accounts().last().number, 2);
    EXPECT_EQ(list.accounts().last().dataDirectory.toStdString(), "data0002");
}

TEST(TUserList, NumbersThatWouldEndTheListAreNeverGiven)
{
    // With 255 accounts the next would be 256, whose low byte reads as the list end.
    TUserList list;
    for (int i = 1; i <= 256; ++i)
        ASSERT_TRUE(list.addAccount(
            QString::number(i), "u", "", AccountStatus::Active, AccountAccess::ReadAndWrite));
    EXPECT_EQ(list.accounts().at(254).number, 255);
    EXPECT_EQ(list.accounts().at(255).number, 257);
    const auto bytes = TUserList::encode(list);
    ASSERT_TRUE(bytes);
    const auto reread = TUserList::decode(*bytes);
    ASSERT_TRUE(reread);
    EXPECT_EQ(reread->accounts(), list.accounts());

    TUserList unstorable;
    unstorable.addAccount("x", "x", "", AccountStatus::Active, AccountAccess::ReadAndWrite);
    unstorable[0].number = 512;
    EXPECT_FALSE(TUserList::encode(unstorable));
    QTemporaryDir temp;
    EXPECT_FALSE(unstorable.saveAccounts(temp.path()));
    EXPECT_FALSE(QFile::exists(temp.path() + "/users.lst"));
}

TEST(TUserList, DamagedListsFailCleanly)
{
    const QByteArray good = settingsFixture("users.lst");
    for (int length = 0; length < good.size(); ++length)
        EXPECT_FALSE(TUserList::decode(good.left(length))) << "length " << length;
    EXPECT_FALSE(TUserList::decode(settingsFixture("BrokenUsersNoEnd.lst")));
    EXPECT_FALSE(TUserList::decode(settingsFixture("BrokenUsersBadStatus.lst")));
    EXPECT_FALSE(TUserList::decode(garbageBytes(300)));
    // Bytes after the list end are not read.
    EXPECT_TRUE(TUserList::decode(good + garbageBytes(10)));
}

TEST(TUserList, LoadsFromTheDataDirectoryElseTheProgramFolderAndSavesToTheDataDirectory)
{
    QTemporaryDir temp;
    const QString program = temp.path() + "/prog";
    const QString data = temp.path() + "/data";
    QDir().mkpath(program);
    QDir().mkpath(data);
    EXPECT_FALSE(TUserList::loadAccounts(data, program));

    copyFixture("users_empty.lst", program, "USERS.LST");
    auto list = TUserList::loadAccounts(data, program);
    ASSERT_TRUE(list);
    EXPECT_EQ(list->size(), 0);
    ASSERT_TRUE(list->addAccount("Fay", "fay", "", AccountStatus::Active, AccountAccess::ReadOnly));
    ASSERT_TRUE(list->saveAccounts(data));
    EXPECT_EQ(fileBytes(program + "/USERS.LST"), settingsFixture("users_empty.lst"));

    const auto reread = TUserList::loadAccounts(data, program);
    ASSERT_TRUE(reread);
    EXPECT_EQ(reread->accounts(), list->accounts());

    // A damaged list in the data directory is a failure, not a reason to use another.
    copyFixture("BrokenUsersNoEnd.lst", data, "users.lst");
    EXPECT_FALSE(TUserList::loadAccounts(data, program));
}
