#include "support/DatabaseFixture.h"
#include "support/ScriptedInteraction.h"

#include "mainwin/ui/TForm3.h"
#include "common/WindowPlacementFile.h"
#include "store/RecordStore.h"
#include "store/SortFile.h"

#include <QPointer>
#include <gtest/gtest.h>

namespace zendrova::test {
namespace {

class Form3Test : public ::testing::Test
{
protected:
    void SetUp() override
    {
        // The database exists already; the windows below open it without a word.
        fixture.createDatabase(user);
    }

    DatabaseFixture fixture;
    ScriptedInteraction user;
};

TEST_F(Form3Test, CaptionNamesTheDatabaseAndMarksReadOnlyMode)
{
    {
        RecordStore store(fixture.state);
        TForm3 form(fixture.state, store);
        EXPECT_EQ(form.objectName(), QStringLiteral("Form3"));
        EXPECT_TRUE(form.databaseOpened());
        EXPECT_EQ(form.windowTitle(), QStringLiteral("Zendrova - Database: data.dbf"));
    }
    // A user whose public access is read only, in the public folder.
    fixture.state.accessLevel = AccessLevel::ReadOnly;
    RecordStore store(fixture.state);
    TForm3 form(fixture.state, store);
    EXPECT_EQ(form.windowTitle(),
        QStringLiteral("Zendrova - Database: data.dbf [Read Only Mode]"));
}

TEST_F(Form3Test, PlacementIsWrittenWhenTheWindowGoesAndRestoredNextTime)
{
    const WindowPlacement wanted { 40, 30, 640, 480, 200 };
    {
        RecordStore store(fixture.state);
        auto *form = new TForm3(fixture.state, store);
        form->move(wanted.left, wanted.top);
        form->resize(wanted.width, wanted.height);
        form->writeFiles();
        delete form;
    }
    const auto written = WindowPlacementFile::read(fixture.state.userFolder);
    ASSERT_TRUE(written);
    EXPECT_EQ(written->width, 640);
    EXPECT_EQ(written->height, 480);

    RecordStore store(fixture.state);
    // A narrow card page comes back at 230 pixels.
    ASSERT_TRUE(WindowPlacementFile::write(fixture.state.userFolder, wanted));
    TForm3 form(fixture.state, store);
    EXPECT_EQ(form.placement(), (WindowPlacement { 40, 30, 640, 480, 230 }));
}

TEST_F(Form3Test, AFreshInstallationGetsTheBuiltInCaptionsAndTheFirstDateFormat)
{
    ASSERT_TRUE(fixture.state.captions.isEmpty());
    ASSERT_TRUE(fixture.state.dateFormats.isEmpty());
    {
        RecordStore store(fixture.state);
        TForm3 form(fixture.state, store);
    }
    EXPECT_EQ(fixture.state.captions.captions(), CaptionList::builtInCaptions());
    EXPECT_EQ(fixture.state.captions.caption(18), QStringLiteral("Custom 4:"));
    const QList<DateFormatList::Entry> firstFormat { { 0, 17 } };
    EXPECT_EQ(fixture.state.dateFormats.entries(), firstFormat);

    // Lists the user has are kept as they are.
    fixture.state.captions.setCaption(1, QStringLiteral("Player:"));
    fixture.state.dateFormats.setCodeForField(17, 2);
    {
        RecordStore store(fixture.state);
        TForm3 form(fixture.state, store);
    }
    EXPECT_EQ(fixture.state.captions.caption(1), QStringLiteral("Player:"));
    EXPECT_EQ(fixture.state.dateFormats.codeForField(17), 2);
}

TEST_F(Form3Test, AFailedOpenClosesTheWindowAfterItsMessage)
{
    QFile::remove(fixture.databaseFile(QStringLiteral("master.dbf")));
    QFile::remove(fixture.programFolder + QStringLiteral("/master.dbf"));
    // The saved sort of the database belongs to everyone who uses it.
    const SortBytes savedSort { 4, true, 0, false };
    const QString &table = fixture.state.currentTableFile;
    ASSERT_TRUE(SortFile::write(fixture.state.databaseFolder, table, savedSort));
    const QString sortFile = fixture.databaseFile(SortFile::fileNameFor(table));
    const QByteArray sortBytes = fileBytes(sortFile);
    user.expectMessage(
        MessageKind::Error, RecordStore::catalogFailureText(), MessageButtons::Ok, kNoHelp);
    RecordStore store(fixture.state);
    auto *form = new TForm3(fixture.state, store);
    form->setAttribute(Qt::WA_DeleteOnClose);
    QPointer<TForm3> watch(form);
    form->show();
    EXPECT_FALSE(form->databaseOpened());
    QCoreApplication::sendPostedEvents();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_TRUE(watch.isNull());
    EXPECT_TRUE(user.allConsumed());
    EXPECT_EQ(fileBytes(sortFile), sortBytes);
}

} // namespace
} // namespace zendrova::test
