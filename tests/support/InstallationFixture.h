#pragma once

#include "support/SettingsFixtures.h"

#include "common/AppState.h"
#include "common/SystemOptionsFile.h"
#include "common/TUserList.h"

#include <QDirIterator>
#include <QTemporaryDir>

namespace zendrova::test {

// A program folder in a temporary directory, with the system options and
// accounts a test asks for.
class InstallationFixture
{
public:
    InstallationFixture()
        : programFolder(dir.path() + QStringLiteral("/program"))
        , state(programFolder)
    {
        QDir().mkpath(programFolder);
    }

    void writeSystemOptions(PasswordMode passwordMode, UsersCount usersCount,
        const QString &supervisorPassword = {},
        PublicAccessRights rights = PublicAccessRights::AsSpecifiedInAccounts,
        const QString &dataDirectory = {})
    {
        SystemOptionsFile::Record record;
        record.options = { passwordMode, rights, usersCount };
        record.dataDirectory = dataDirectory.isEmpty() ? programFolder : dataDirectory;
        record.supervisorPassword = supervisorPassword;
        writeBytes(programFolder + QStringLiteral("/options.dat"), SystemOptionsFile::encode(record));
    }

    // jsmith (pw "pw1", read and write), mjones ("pw2", not active),
    // rreader ("", read only), nobody ("pw4", no public access); numbered
    // 1..4, so their folders are data0001..data0004.
    void writeAccounts(const QString &dataDirectory)
    {
        TUserList list;
        list.addAccount(QStringLiteral("John Smith"), QStringLiteral("jsmith"),
            QStringLiteral("pw1"), AccountStatus::Active, AccountAccess::ReadAndWrite);
        list.addAccount(QStringLiteral("Mary Jones"), QStringLiteral("mjones"),
            QStringLiteral("pw2"), AccountStatus::NotActive, AccountAccess::ReadAndWrite);
        list.addAccount(QStringLiteral("Rita Reader"), QStringLiteral("rreader"), QString(),
            AccountStatus::Active, AccountAccess::ReadOnly);
        list.addAccount(QStringLiteral("No Body"), QStringLiteral("nobody"),
            QStringLiteral("pw4"), AccountStatus::Active, AccountAccess::None);
        ASSERT_TRUE(list.saveAccounts(dataDirectory));
    }

    // Copies the template tables, the tips and the label stock files the build
    // writes beside the program into folder.
    static void copyShippedTemplates(const QString &folder)
    {
        QDir().mkpath(folder);
        const QDir shipped(QStringLiteral(ZENDROVA_BIN_DIR));
        const QStringList tables { QStringLiteral("*.dbf"), QStringLiteral("*.dbt"),
            QStringLiteral("*.mdx"), QStringLiteral("*.MDX"), QStringLiteral("hints.txt"),
            QStringLiteral("av_*.ini") };
        for (const QString &name : shipped.entryList(tables, QDir::Files))
            ASSERT_TRUE(QFile::copy(shipped.filePath(name), folder + QLatin1Char('/') + name));
    }

    QString path(const QString &relative) const { return programFolder + QLatin1Char('/') + relative; }

    // Every file below folder, relative to it, sorted.
    static QStringList filesBelow(const QString &folder)
    {
        QStringList files;
        QDirIterator it(folder, QDir::Files | QDir::Hidden, QDirIterator::Subdirectories);
        while (it.hasNext())
            files << QDir(folder).relativeFilePath(it.next());
        files.sort();
        return files;
    }

    QTemporaryDir dir;
    QString programFolder;
    AppState state;
};

} // namespace zendrova::test
