#include "support/InstallationFixture.h"
#include "support/ScriptedInteraction.h"

#include "common/PasswordHash.h"
#include "common/ScrambleKeys.h"
#include "shell/UserAccounts.h"

#include <QDir>
#include <gtest/gtest.h>

namespace zendrova {
namespace {

using test::InstallationFixture;
using test::kNoHelp;
using test::ScriptedInteraction;
using Entry = UserAccounts::Entry;

Entry entry(const QString &name, const QString &userId, const QString &password = {})
{
    return { name, userId, password, {}, AccountStatus::Active, AccountAccess::ReadOnly };
}

struct UserAccountsTest : ::testing::Test
{
    // Confirms a deletion: the question, then the typed text.
    void confirmDeletion(Answer question, std::optional<QString> typed)
    {
        user.expectMessage(MessageKind::Confirmation, UserAccounts::deleteQuestionText(),
            MessageButtons::YesNo, kNoHelp, question);
        if (question == Answer::Yes)
            user.expectInput(typed);
    }
    QString dataPath(const QString &relative) const { return installation.path(relative); }

    InstallationFixture installation;
    ScriptedInteraction user;
};

TEST_F(UserAccountsTest, NewAccountsAreNumberedAndGetTheirFoldersANumberFreedIsReused)
{
    UserAccounts accounts(installation.state); // no list anywhere yet: an empty one
    ASSERT_TRUE(accounts.loaded());
    for (const char *name : { "Ann", "Ben", "Cid" })
        ASSERT_TRUE(accounts.add(entry(name, QString::fromLatin1(name).toLower())));
    EXPECT_FALSE(accounts.add(entry("Ben", "ben2"))); // a name in the list adds nothing
    for (const char *folder : { "data0001", "data0002", "data0003" })
        EXPECT_TRUE(QDir(dataPath(QStringLiteral("%1/BACKUP").arg(folder))).exists()) << folder;

    test::writeBytes(dataPath(QStringLiteral("data0002/cards.dbf")), "x");
    test::writeBytes(dataPath(QStringLiteral("data0002/BACKUP/cards.dbf")), "x");
    confirmDeletion(Answer::Yes, QStringLiteral("YES"));
    ASSERT_TRUE(accounts.remove(1));
    EXPECT_FALSE(QDir(dataPath(QStringLiteral("data0002"))).exists());
    EXPECT_TRUE(QDir(dataPath(QStringLiteral("data0001/BACKUP"))).exists());

    ASSERT_TRUE(accounts.add(entry("Dee", "dee")));
    EXPECT_EQ(accounts.names(), (QStringList { "Ann", "Cid", "Dee" }));
    EXPECT_EQ(accounts.entryAt(2).dataDirectory, QStringLiteral("data0002"));
    EXPECT_TRUE(QDir(dataPath(QStringLiteral("data0002/BACKUP"))).exists());

    ASSERT_TRUE(accounts.save());
    const auto saved = TUserList::loadAccounts(installation.state.dataDirectory, {});
    ASSERT_TRUE(saved);
    EXPECT_EQ(saved->accounts().at(2).number, 2);
    EXPECT_TRUE(user.allConsumed());
}

TEST_F(UserAccountsTest, DeletionNeedsTheQuestionAndExactlyYes)
{
    installation.writeAccounts(installation.state.dataDirectory);
    QDir().mkpath(dataPath(QStringLiteral("data0001/BACKUP")));
    UserAccounts accounts(installation.state);
    confirmDeletion(Answer::No, std::nullopt);
    confirmDeletion(Answer::Yes, std::nullopt); // Cancel of the input box
    confirmDeletion(Answer::Yes, QStringLiteral("yes"));
    confirmDeletion(Answer::Yes, QStringLiteral("YES "));
    for (int i = 0; i < 4; ++i)
        EXPECT_FALSE(accounts.remove(0));
    EXPECT_EQ(accounts.names().size(), 4);
    EXPECT_TRUE(QDir(dataPath(QStringLiteral("data0001/BACKUP"))).exists());
    EXPECT_EQ(user.inputRequests().first(), QStringLiteral("Confirm User Deletion / Type in YES: / "));
    EXPECT_TRUE(user.allConsumed());
}

TEST_F(UserAccountsTest, AFolderNameMustStayInsideTheDataDirectory)
{
    for (const char *bad : { "../victim", "..", "/tmp", "a/b", "a\\b", "", ".", "DATA", "data" }) {
        user.expectMessage(
            MessageKind::Warning, UserAccounts::badFolderText(), MessageButtons::Ok, kNoHelp);
        Entry e = entry("Ann", "ann");
        e.dataDirectory = QString::fromLatin1(bad);
        EXPECT_FALSE(UserAccounts::accepts(e, true)) << bad;
    }
    Entry good = entry("Ann", "ann");
    good.dataDirectory = QStringLiteral("cards of ann");
    EXPECT_TRUE(UserAccounts::accepts(good, true));
    // New hides the folder: only the name and the user ID count, silently.
    EXPECT_TRUE(UserAccounts::accepts(entry("Ann", "ann"), false));
    EXPECT_FALSE(UserAccounts::accepts(entry("", "ann"), false));
    EXPECT_FALSE(UserAccounts::accepts(entry("Ann", ""), false));
    EXPECT_TRUE(user.allConsumed());
}

TEST_F(UserAccountsTest, DeletingAnAccountWhoseFolderLeadsElsewhereDeletesNothingThere)
{
    // A list written by hand or by an older version: folders outside the data
    // directory, the public folder, and a folder two accounts share.
    const QString data = installation.state.dataDirectory;
    TUserList list;
    for (const char *name : { "out", "pub", "shared1", "shared2" })
        list.addAccount(QString::fromLatin1(name), QString::fromLatin1(name), {},
            AccountStatus::Active, AccountAccess::ReadAndWrite);
    list[0].dataDirectory = QStringLiteral("../victim");
    list[1].dataDirectory = QStringLiteral("DATA");
    list[2].dataDirectory = list[3].dataDirectory = QStringLiteral("common");
    ASSERT_TRUE(list.saveAccounts(data));
    const QStringList kept { QStringLiteral("../victim/precious.dbf"),
        QStringLiteral("DATA/data.dbf"), QStringLiteral("common/cards.dbf") };
    for (const QString &file : kept)
        test::writeBytes(dataPath(file), "x");

    UserAccounts accounts(installation.state);
    for (int i = 0; i < 3; ++i) {
        confirmDeletion(Answer::Yes, QStringLiteral("YES"));
        ASSERT_TRUE(accounts.remove(0));
    }
    for (const QString &file : kept)
        EXPECT_TRUE(QFile::exists(dataPath(file))) << file.toStdString();
    EXPECT_EQ(accounts.names(), QStringList { "shared2" });
}

TEST_F(UserAccountsTest, EditWritesEveryFieldAndABlankPasswordKeepsTheStoredOne)
{
    installation.writeAccounts(installation.state.dataDirectory);
    UserAccounts accounts(installation.state);
    const Entry shown = accounts.entryAt(0);
    EXPECT_EQ(shown.password, QString()); // never shown
    EXPECT_EQ(shown.dataDirectory, QStringLiteral("data0001"));

    Entry changed = shown;
    changed.name = QStringLiteral("John Q. Smith");
    changed.dataDirectory = QStringLiteral("johns");
    changed.status = AccountStatus::NotActive;
    changed.access = AccountAccess::None;
    accounts.edit(0, changed);
    Entry withPassword = accounts.entryAt(1);
    withPassword.password = QStringLiteral("new2");
    accounts.edit(1, withPassword);
    ASSERT_TRUE(accounts.save());

    const auto saved = TUserList::loadAccounts(installation.state.dataDirectory, {});
    ASSERT_TRUE(saved);
    const TUserRec &john = saved->accounts().at(0);
    EXPECT_EQ(john.name, QStringLiteral("John Q. Smith"));
    EXPECT_EQ(john.dataDirectory, QStringLiteral("johns"));
    EXPECT_EQ(john.status, AccountStatus::NotActive);
    EXPECT_EQ(john.access, AccountAccess::None);
    EXPECT_TRUE(PasswordHash::matches(john.password, QStringLiteral("pw1")));
    EXPECT_TRUE(PasswordHash::matches(saved->accounts().at(1).password, QStringLiteral("new2")));
    const QByteArray bytes = test::fileBytes(dataPath(QStringLiteral("users.lst")));
    EXPECT_FALSE(bytes.contains("new2"));
    EXPECT_FALSE(bytes.contains(scrambled("new2", kAccountsKey)));
}

TEST_F(UserAccountsTest, ADamagedListIsNotOpenedSoItIsNotOverwritten)
{
    test::copyFixture(QStringLiteral("BrokenUsersNoEnd.lst"), installation.state.dataDirectory,
        QStringLiteral("users.lst"));
    EXPECT_FALSE(UserAccounts(installation.state).loaded());
}

} // namespace
} // namespace zendrova
