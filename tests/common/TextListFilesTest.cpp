#include "support/SettingsFixtures.h"

#include "common/CaptionList.h"
#include "common/DateFormatList.h"
#include "support/ScriptedInteraction.h"

using namespace zendrova;
using namespace zendrova::test;

TEST(CaptionList, LoadsTheFixtureAndSavesItsBytesBack)
{
    QTemporaryDir temp;
    copyFixture("labels.dat", temp.path(), "LABELS.DAT");
    CaptionList list;
    ASSERT_TRUE(list.load(temp.path()));
    EXPECT_EQ(list.captions().size(), 21);
    EXPECT_EQ(list.caption(1).toStdString(), "Player:");
    EXPECT_EQ(list.caption(18).toStdString(), "Bought On:");
    EXPECT_EQ(list.caption(21).toStdString(), "Scan:");
    EXPECT_EQ(list.fieldNumberOf("Bought On:"), 18);
    EXPECT_EQ(list.fieldNumberOf("Nothing:"), 0);

    // The existing file is rewritten in place, whatever the case of its name.
    ASSERT_TRUE(list.save(temp.path()));
    EXPECT_EQ(fileBytes(temp.path() + "/LABELS.DAT"), settingsFixture("labels.dat"));
    EXPECT_FALSE(QFile::exists(temp.path() + "/labels.dat"));
}

TEST(CaptionList, UnusableFilesLeaveTheListEmptyUntilDefaultsAreFilledIn)
{
    QTemporaryDir temp;
    for (const QByteArray &bytes : { QByteArray(), QByteArray("Name:\r\n\0\x01\x02", 10) }) {
        writeBytes(temp.path() + "/labels.dat", bytes);
        CaptionList list;
        list.load(temp.path());
        EXPECT_TRUE(list.isEmpty());
        list.fillDefaultsIfEmpty();
        EXPECT_EQ(list.captions(), CaptionList::builtInCaptions());
    }
    CaptionList missing;
    EXPECT_FALSE(missing.load(temp.path() + "/none"));
    EXPECT_TRUE(missing.isEmpty());
    EXPECT_EQ(CaptionList::builtInCaptions().at(8).toStdString(), "Small Picture:");
}

TEST(CaptionList, ShortFileIsCompletedWithBuiltInCaptions)
{
    QTemporaryDir temp;
    // Cut inside the third line, with a lone LF, and an empty caption kept as one.
    writeBytes(temp.path() + "/labels.dat", "Player:\n\r\nMak");
    CaptionList list;
    ASSERT_TRUE(list.load(temp.path()));
    ASSERT_EQ(list.captions().size(), 21);
    EXPECT_EQ(list.caption(1).toStdString(), "Player:");
    EXPECT_EQ(list.caption(2).toStdString(), "");
    EXPECT_EQ(list.caption(3).toStdString(), "Mak");
    EXPECT_EQ(list.caption(4).toStdString(), "Type:");
    EXPECT_EQ(list.caption(21).toStdString(), "Picture:");
}

TEST(CaptionList, FailedSaveTellsTheUserAndKeepsTheList)
{
    QTemporaryDir temp;
    ScriptedInteraction user;
    user.expectMessage(
        MessageKind::Error, "Could not Save Options to a File!", MessageButtons::Ok, kNoHelp);
    CaptionList list;
    list.setCaption(5, "Club:");
    EXPECT_FALSE(list.save(temp.path() + "/missing-folder"));
    EXPECT_EQ(list.caption(5).toStdString(), "Club:");
}

TEST(DateFormatList, LoadsTheFixtureAndSavesItsBytesBack)
{
    QTemporaryDir temp;
    copyFixture("date.dat", temp.path(), "date.dat");
    DateFormatList list;
    ASSERT_TRUE(list.load(temp.path()));
    ASSERT_EQ(list.entries().size(), 1);
    EXPECT_EQ(list.entries().at(0), (DateFormatList::Entry { 2, 17 }));
    EXPECT_EQ(list.codeForField(17), 2);
    list.setCodeForField(17, 3);
    ASSERT_TRUE(list.save(temp.path()));
    EXPECT_EQ(fileBytes(temp.path() + "/date.dat"), QByteArray("3\r\n"));
    list.setCodeForField(17, 2);
    ASSERT_TRUE(list.save(temp.path()));
    EXPECT_EQ(fileBytes(temp.path() + "/date.dat"), settingsFixture("date.dat"));
}

TEST(DateFormatList, DamagedFilesGiveAnEmptyListThenOneZeroPerDateField)
{
    QTemporaryDir temp;
    for (const QByteArray &bytes : { QByteArray(), QByteArray("4\r\n"), QByteArray("x\r\n"),
             QByteArray("-1"), garbageBytes(30) }) {
        writeBytes(temp.path() + "/date.dat", bytes);
        DateFormatList list;
        list.load(temp.path());
        EXPECT_TRUE(list.isEmpty()) << bytes.toHex().toStdString();
        list.fillDefaultsIfEmpty();
        EXPECT_EQ(list.entries(), (QList<DateFormatList::Entry> { { 0, 17 } }));
    }
}

TEST(DateFormatList, LinesAreMatchedToDateFieldsInOrder)
{
    QTemporaryDir temp;
    writeBytes(temp.path() + "/date.dat", "1\r\n3\r\n2\r\n");
    DateFormatList list;
    ASSERT_TRUE(list.load(temp.path(), { 4, 9 }));
    EXPECT_EQ(list.entries(), (QList<DateFormatList::Entry> { { 1, 4 }, { 3, 9 } }));

    writeBytes(temp.path() + "/date.dat", "1");
    ASSERT_TRUE(list.load(temp.path(), { 4, 9 }));
    EXPECT_EQ(list.entries(), (QList<DateFormatList::Entry> { { 1, 4 }, { 0, 9 } }));
}

TEST(DateFormatList, PatternsFollowTheCodes)
{
    EXPECT_EQ(DateFormatList::pattern(0).toStdString(), "mm/dd/yyyy");
    EXPECT_EQ(DateFormatList::pattern(1, '.').toStdString(), "dd.mm.yyyy");
    EXPECT_EQ(DateFormatList::pattern(2, '-').toStdString(), "yyyy-mm-dd");
    EXPECT_EQ(DateFormatList::pattern(3).toStdString(), "yyyy");
}

TEST(DateFormatList, FailedSaveTellsTheUser)
{
    QTemporaryDir temp;
    ScriptedInteraction user;
    user.expectMessage(
        MessageKind::Error, "Could not Save Options to a File!", MessageButtons::Ok, kNoHelp);
    DateFormatList list;
    list.fillDefaultsIfEmpty();
    EXPECT_FALSE(list.save(temp.path() + "/missing-folder"));
    EXPECT_EQ(list.entries().size(), 1);
}
