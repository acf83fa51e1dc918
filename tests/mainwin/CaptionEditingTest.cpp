#include "support/ScriptedInteraction.h"
#include "support/SettingsFixtures.h"

#include "common/CaptionList.h"
#include "common/TTemplateList.h"
#include "mainwin/CaptionEditing.h"
#include "mainwin/TLabelTemplateList.h"

#include <QDir>
#include <gtest/gtest.h>

namespace zendrova::test {
namespace {

const auto kError = MessageKind::Error;
const auto kOk = MessageButtons::Ok;

class CaptionEditingTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        ASSERT_TRUE(temp.isValid());
        captions.fillDefaultsIfEmpty();
    }

    QString path(const QString &name) const { return temp.path() + QLatin1Char('/') + name; }
    CaptionEditing editing() { return CaptionEditing(captions, temp.path()); }
    QStringList listedFileNames() const
    {
        const auto items = TTemplateList::decode(fileBytes(path("labels.tml")));
        QStringList names;
        for (const TTemplate &item : items.value_or(QList<TTemplate>()))
            names << item.name + QLatin1Char('=') + item.fileName;
        return names;
    }

    QTemporaryDir temp;
    CaptionList captions;
    ScriptedInteraction user;
};

TEST_F(CaptionEditingTest, RefusedTextsKeepTheCaptionsAndWriteNothing)
{
    struct Case
    {
        const char *typed;
        const char *message;
    };
    const Case cases[] = {
        { "sport:", "Duplicate Labels are not Allowed!" },
        { "SPORT:", "Duplicate Labels are not Allowed!" },
        { "card name:", "Duplicate Labels are not Allowed!" },
        { "", "Empty Labels are not Allowed!" },
        { "   ", "Empty Labels are not Allowed!" },
        { " \t\r\n", "Empty Labels are not Allowed!" },
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.typed);
        user.expectInput(QString::fromLatin1(c.typed));
        user.expectMessage(kError, QString::fromLatin1(c.message), kOk, kNoHelp);
        EXPECT_FALSE(editing().changeCaption(2));
    }
    user.expectInput(std::nullopt);
    EXPECT_FALSE(editing().changeCaption(2)) << "Cancel does nothing";
    EXPECT_EQ(captions.captions(), CaptionList::builtInCaptions());
    EXPECT_FALSE(QFile::exists(path("labels.dat")));
    EXPECT_EQ(user.inputRequests().first(), "Change Label Text / Enter New Text: / Sport:");
}

TEST_F(CaptionEditingTest, ARenameIsSavedAndReadBackAfterARestart)
{
    user.expectInput(QStringLiteral("League:"));
    ASSERT_TRUE(editing().changeCaption(2));
    EXPECT_EQ(captions.caption(2), "League:");

    CaptionList restarted;
    ASSERT_TRUE(restarted.load(temp.path()));
    QStringList expected = CaptionList::builtInCaptions();
    expected[1] = QStringLiteral("League:");
    EXPECT_EQ(restarted.captions(), expected);
    EXPECT_TRUE(fileBytes(path("labels.dat")).startsWith("Card Name:\r\nLeague:\r\nBrand:\r\n"));
}

TEST_F(CaptionEditingTest, TemplatesAreSavedDeletedAndTheirFileNumberReused)
{
    user.expectInput(QStringLiteral("Hockey"));
    ASSERT_TRUE(editing().saveAsTemplate());
    captions.setCaption(1, QStringLiteral("Player:"));
    user.expectInput(QStringLiteral("Players"));
    ASSERT_TRUE(editing().saveAsTemplate());
    EXPECT_EQ(listedFileNames(), (QStringList { "Hockey=tml1.lab", "Players=tml2.lab" }));
    EXPECT_TRUE(fileBytes(path("tml2.lab")).startsWith("Player:\r\nSport:\r\n"));
    EXPECT_EQ(fileBytes(path("tml2.lab")).count("\r\n"), 21);

    // Nothing is asked or saved for Cancel or an empty name; a taken name is refused.
    user.expectInput(std::nullopt);
    user.expectInput(QString());
    user.expectInput(QStringLiteral("Hockey"));
    user.expectMessage(kError, "Duplicate name - Template Not Saved!", kOk, kNoHelp);
    for (int i = 0; i < 3; ++i)
        EXPECT_FALSE(editing().saveAsTemplate());
    EXPECT_EQ(user.inputRequests().last(), "Save Labels As Template / Template Name: / ");

    TLabelTemplateList templates(captions);
    ASSERT_TRUE(templates.loadList(temp.path()));
    user.expectMessage(MessageKind::Confirmation, "Delete Selected Template?",
        MessageButtons::YesNo, kNoHelp, Answer::No);
    EXPECT_FALSE(CaptionEditing::deleteTemplate(templates, 0));
    EXPECT_TRUE(QFile::exists(path("tml1.lab")));
    user.expectMessage(MessageKind::Confirmation, "Delete Selected Template?",
        MessageButtons::YesNo, kNoHelp, Answer::Yes);
    EXPECT_TRUE(CaptionEditing::deleteTemplate(templates, 0));
    EXPECT_FALSE(QFile::exists(path("tml1.lab")));
    EXPECT_EQ(listedFileNames(), QStringList { "Players=tml2.lab" });

    user.expectInput(QStringLiteral("Baseball"));
    ASSERT_TRUE(editing().saveAsTemplate());
    EXPECT_EQ(listedFileNames(), (QStringList { "Players=tml2.lab", "Baseball=tml1.lab" }));
}

TEST_F(CaptionEditingTest, LoadingATemplateReplacesEveryCaptionOrReportsTheError)
{
    writeBytes(path("tml7.lab"), "One:\r\nTwo:\r\n");
    ASSERT_TRUE(editing().loadFromTemplateFile(QStringLiteral("tml7.lab")));
    QStringList expected = CaptionList::builtInCaptions();
    expected[0] = QStringLiteral("One:");
    expected[1] = QStringLiteral("Two:");
    EXPECT_EQ(captions.captions(), expected);
    CaptionList saved;
    ASSERT_TRUE(saved.load(temp.path()));
    EXPECT_EQ(saved.captions(), expected);

    writeBytes(path("tml8.lab"), "");
    for (const char *name : { "tml9.lab", "tml8.lab" }) {
        user.expectMessage(kError, "Error Loading Template.", kOk, kNoHelp);
        EXPECT_FALSE(editing().loadFromTemplateFile(QString::fromLatin1(name))) << name;
    }
    EXPECT_EQ(captions.captions(), expected);
}

TEST_F(CaptionEditingTest, AFailedListWriteIsReportedWithTheFileAndLosesNothing)
{
    const QString notWritten = QStringLiteral("Could not write the file \"%1\".\rTemplate Not %2!");
    // A folder where the list file is renamed to makes every write of it fail.
    ASSERT_TRUE(QDir(temp.path()).mkdir("labels.tml"));
    user.expectInput(QStringLiteral("Hockey"));
    user.expectMessage(kError, notWritten.arg(path("labels.tml"), "Saved"), kOk, kNoHelp);
    EXPECT_FALSE(editing().saveAsTemplate());
    EXPECT_FALSE(QFile::exists(path("tml1.lab"))) << "no file without its entry";
    ASSERT_TRUE(QDir(temp.path()).rmdir("labels.tml"));

    user.expectInput(QStringLiteral("Hockey"));
    ASSERT_TRUE(editing().saveAsTemplate());
    // As the load dialog holds it while the list file becomes unwritable.
    TLabelTemplateList templates(captions);
    ASSERT_TRUE(templates.loadList(temp.path()));
    const QByteArray listed = fileBytes(path("labels.tml"));
    ASSERT_TRUE(QFile::rename(path("labels.tml"), path("aside")));
    ASSERT_TRUE(QDir(temp.path()).mkdir("labels.tml"));
    user.expectMessage(MessageKind::Confirmation, "Delete Selected Template?",
        MessageButtons::YesNo, kNoHelp, Answer::Yes);
    user.expectMessage(kError, notWritten.arg(path("labels.tml"), "Deleted"), kOk, kNoHelp);
    EXPECT_FALSE(CaptionEditing::deleteTemplate(templates, 0));
    EXPECT_EQ(templates.size(), 1);
    EXPECT_TRUE(QFile::exists(path("tml1.lab"))) << "no entry without its file";
    EXPECT_EQ(fileBytes(path("aside")), listed);
}

} // namespace
} // namespace zendrova::test
