#include "support/SettingsFixtures.h"

#include "common/ColorSchemeFile.h"
#include "common/WholeFile.h"
#include "common/WindowPlacementFile.h"
#include "support/FullDisk.h"
#include "support/ScriptedInteraction.h"

#include <QtEndian>

using namespace zendrova;
using namespace zendrova::test;

TEST(WholeFile, AWriteCutShortByAFullDiskKeepsTheOldFile)
{
    QTemporaryDir temp;
    const QString path = temp.path() + "/wnd.dat";
    writeBytes(path, settingsFixture("wnd.dat"));
    bool written = true;
    {
        FullDisk full;
        ASSERT_TRUE(full.active());
        written = writeWholeFile(path, QByteArray(20, '\x07'));
    }
    EXPECT_FALSE(written);
    EXPECT_EQ(fileBytes(path), settingsFixture("wnd.dat"));
    EXPECT_EQ(QDir(temp.path()).entryList(QDir::Files), QStringList { "wnd.dat" })
        << "no half-written file is left beside it";
}

TEST(WindowPlacementFile, ReadsTheFixtureAndWritesItsBytesBack)
{
    QTemporaryDir temp;
    copyFixture("wnd.dat", temp.path(), "Wnd.Dat");
    const auto placement = WindowPlacementFile::read(temp.path());
    ASSERT_TRUE(placement);
    EXPECT_EQ(*placement, (WindowPlacement { -8, 120, 900, 640, 330 }));
    ASSERT_TRUE(WindowPlacementFile::write(temp.path(), *placement));
    EXPECT_EQ(fileBytes(temp.path() + "/Wnd.Dat"), settingsFixture("wnd.dat"));
}

TEST(WindowPlacementFile, UnusableFilesAreIgnored)
{
    const QByteArray good = settingsFixture("wnd.dat");
    // The fixture with one of its five integers replaced.
    auto withField = [&](int field, qint32 value) {
        QByteArray bytes = good;
        qToLittleEndian(value, bytes.data() + 4 * field);
        return bytes;
    };
    const QByteArray unusable[] = { QByteArray(), good.left(19), good + '\0', withField(2, 0),
        withField(3, -5), withField(4, 0) };
    for (const QByteArray &bytes : unusable)
        EXPECT_FALSE(WindowPlacementFile::decode(bytes)) << bytes.toHex().toStdString();
    EXPECT_TRUE(WindowPlacementFile::decode(withField(0, -2000))); // off to the left is fine
    QTemporaryDir temp;
    EXPECT_FALSE(WindowPlacementFile::read(temp.path()));
}

TEST(ColorSchemeFile, ReadsTheFixtureAndWritesItsBytesBack)
{
    QTemporaryDir temp;
    copyFixture("color.lst", temp.path(), "color.lst");
    const auto scheme = ColorSchemeFile::read(temp.path());
    ASSERT_TRUE(scheme);
    EXPECT_EQ(scheme->elements[0], 15);
    EXPECT_EQ(scheme->elements[15], 0);
    EXPECT_EQ(scheme->elements[26], 11);
    ASSERT_TRUE(ColorSchemeFile::write(temp.path(), *scheme));
    EXPECT_EQ(fileBytes(temp.path() + "/color.lst"), settingsFixture("color.lst"));
}

TEST(ColorSchemeFile, DamagedOrMissingFilesKeepTheCallersScheme)
{
    const QByteArray good = settingsFixture("color.lst");
    QByteArray outsidePalette = good;
    outsidePalette[26] = 16;
    for (const QByteArray &bytes : { QByteArray(), good.left(26), good + '\x01', outsidePalette })
        EXPECT_FALSE(ColorSchemeFile::decode(bytes)) << bytes.toHex().toStdString();
    QTemporaryDir temp;
    EXPECT_FALSE(ColorSchemeFile::read(temp.path()));
    // Record button text blue, card labels navy, negative currency red.
    const ColorScheme defaults;
    EXPECT_EQ(defaults.elements[0], 6);
    EXPECT_EQ(defaults.elements[19], 12);
    EXPECT_EQ(defaults.elements[22], 5);
}
