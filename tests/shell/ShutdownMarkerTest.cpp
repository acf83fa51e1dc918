#include "support/SettingsFixtures.h"

#include "shell/ShutdownMarker.h"
#include "support/ScriptedInteraction.h"

using namespace zendrova;
using namespace zendrova::test;

TEST(ShutdownMarker, ReadsTheMarkerAsWritten)
{
    QTemporaryDir temp;
    EXPECT_TRUE(ShutdownMarker::lastRunWasClean(temp.path())); // no marker yet
    struct Case
    {
        QByteArray bytes;
        bool clean;
    };
    const Case cases[] = {
        { settingsFixture("shut_clean.dat"), true },
        { settingsFixture("shut_running.dat"), false },
        { "@a$)\r\nmore", true },
        { "@a$)x", false },
        { QByteArray(), false },
        { garbageBytes(5000), false },
    };
    for (const Case &c : cases) {
        writeBytes(temp.path() + "/shut.dat", c.bytes);
        EXPECT_EQ(ShutdownMarker::lastRunWasClean(temp.path()), c.clean)
            << c.bytes.left(8).toHex().toStdString();
    }
    ShutdownMarker::writeClean(temp.path());
    EXPECT_EQ(fileBytes(temp.path() + "/shut.dat"), settingsFixture("shut_clean.dat"));
    ShutdownMarker::writeRunning(temp.path());
    EXPECT_EQ(fileBytes(temp.path() + "/shut.dat"), settingsFixture("shut_running.dat"));
}

TEST(ShutdownMarker, StartUpAfterACrashWarnsOnceAndMarksTheRun)
{
    QTemporaryDir temp;
    copyFixture("shut_running.dat", temp.path(), "SHUT.DAT");
    {
        ScriptedInteraction user;
        user.expectMessage(MessageKind::Warning,
            "Zendrova was not Closed normally!\rIt is STRONGLY recommended that you "
            "Restore the last used database from your backup. For more information "
            "click on Help.",
            MessageButtons::OkHelp, 123);
        EXPECT_TRUE(ShutdownMarker::checkAtStartUp(temp.path(), "Zendrova"));
    }
    EXPECT_EQ(fileBytes(temp.path() + "/SHUT.DAT"), QByteArray("#10*"));
    ShutdownMarker::writeClean(temp.path());
    ScriptedInteraction user; // no message expected after a clean exit
    EXPECT_FALSE(ShutdownMarker::checkAtStartUp(temp.path(), "Zendrova"));
    EXPECT_EQ(QDir(temp.path()).entryList(QDir::Files), QStringList { "SHUT.DAT" });
}
