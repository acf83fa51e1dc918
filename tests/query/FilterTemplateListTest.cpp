#include "query/FilterFile.h"
#include "query/TFilterList.h"
#include "query/TFilterTemplateList.h"

#include "store/FilterTemplateSource.h"

#include "common/WholeFile.h"

#include "support/ScriptedInteraction.h"
#include "support/SettingsFixtures.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace zendrova::test {
namespace {

const QString kDuplicate = QStringLiteral("Duplicate name - Template Not Saved!");

QString notWritten(const QString &path, const char *what)
{
    return QStringLiteral("Could not write the file \"%1\".\rTemplate Not %2!")
        .arg(path, QLatin1String(what));
}

class FilterTemplateListTest : public ::testing::Test
{
protected:
    FilterTemplateListTest()
    {
        templates.loadList(dir.path());
        filter.add(4);
        filter.storeCondition(0, "10", QString(), 6, 3);
    }

    QString path(const QString &name) const { return dir.filePath(name); }

    QTemporaryDir dir;
    TFilterList filter;
    TFilterTemplateList templates { filter };
    ScriptedInteraction user;
};

TEST_F(FilterTemplateListTest, SavingWritesTheWholeFilterToANewFltFile)
{
    user.expectInput(QStringLiteral("Rookies"));
    ASSERT_TRUE(FilterTemplateMenu::saveAs(templates));
    EXPECT_EQ(user.inputRequests(), QStringList({ "Save Filter As Template / Template Name: / " }));
    ASSERT_EQ(templates.items().size(), 1);
    EXPECT_EQ(templates.items()[0], (TTemplate { "Rookies", "tml1.flt" }));
    QFile file(path("tml1.flt"));
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    EXPECT_EQ(file.readAll(), FilterFile::encode(filter.entries()));

    ASSERT_TRUE(templates.saveList(dir.path()));
    TFilterTemplateList reread(filter);
    ASSERT_TRUE(reread.loadList(dir.path()));
    EXPECT_EQ(reread.names(), QStringList({ "Rookies" }));
    EXPECT_TRUE(QFile::exists(path("filters.tml")));
}

TEST_F(FilterTemplateListTest, ATakenNameOrAnEmptyAnswerWritesNothing)
{
    ASSERT_TRUE(templates.save("Rookies"));
    user.expectInput(QStringLiteral("Rookies"));
    user.expectMessage(MessageKind::Error, kDuplicate, MessageButtons::Ok, kNoHelp);
    EXPECT_FALSE(FilterTemplateMenu::saveAs(templates));
    user.expectInput(QString());
    EXPECT_FALSE(FilterTemplateMenu::saveAs(templates));
    user.expectInput(std::nullopt);
    EXPECT_FALSE(FilterTemplateMenu::saveAs(templates));
    // Names compare exactly.
    user.expectInput(QStringLiteral("rookies"));
    EXPECT_TRUE(FilterTemplateMenu::saveAs(templates));
    EXPECT_TRUE(user.allConsumed());
    EXPECT_EQ(templates.names(), QStringList({ "Rookies", "rookies" }));
    EXPECT_FALSE(QFile::exists(path("tml3.flt")));
}

TEST_F(FilterTemplateListTest, ATemplateThatCannotBeWrittenIsRefusedLikeATakenName)
{
    ASSERT_TRUE(dir.remove());
    user.expectInput(QStringLiteral("Stars"));
    // Which file failed, then the refusal every failed save ends with.
    user.expectMessage(
        MessageKind::Error, notWritten(path("tml1.flt"), "Saved"), MessageButtons::Ok, kNoHelp);
    user.expectMessage(MessageKind::Error, kDuplicate, MessageButtons::Ok, kNoHelp);
    EXPECT_FALSE(FilterTemplateMenu::saveAs(templates));
    EXPECT_TRUE(templates.names().isEmpty());
}

TEST_F(FilterTemplateListTest, LoadingReplacesTheFilterAndDeletingRemovesTheFile)
{
    ASSERT_TRUE(templates.save("Ten"));
    filter.clear();
    filter.add(2);
    filter.add(3);
    ASSERT_TRUE(templates.load(0));
    ASSERT_EQ(filter.count(), 1);
    EXPECT_EQ(filter.entry(0)->FieldPos, 4);
    EXPECT_TRUE(filter.entry(0)->NumbersValid);

    EXPECT_FALSE(templates.deleteNamed(QString()));
    EXPECT_FALSE(templates.deleteNamed("ten"));
    EXPECT_TRUE(templates.deleteNamed("Ten"));
    EXPECT_TRUE(templates.names().isEmpty());
    EXPECT_FALSE(QFile::exists(path("tml1.flt")));
}

TEST_F(FilterTemplateListTest, ADamagedTemplateBringsBackTheSavedFilter)
{
    ASSERT_TRUE(templates.save("Ten"));
    ASSERT_TRUE(writeWholeFile(path("tml1.flt"), QByteArray("\x01\x05", 2)));
    EXPECT_FALSE(templates.load(0));
    EXPECT_EQ(filter.count(), 0); // nothing saved yet

    filter.add(7);
    ASSERT_TRUE(FilterFile::saveSaved(filter, dir.path()));
    filter.add(8);
    EXPECT_FALSE(templates.load(0));
    ASSERT_EQ(filter.count(), 1);
    EXPECT_EQ(filter.entry(0)->FieldPos, 7);
    EXPECT_FALSE(templates.load(1));
    EXPECT_EQ(filter.count(), 1);
}

TEST_F(FilterTemplateListTest, ADamagedFiltersTmlKeepsItsReadableTemplatesAndIsNotWrittenBack)
{
    for (const char *fixture : { "BrokenFiltersBadType.tml", "BrokenFiltersLongLength.tml",
             "BrokenFiltersOutsideFolder.tml" }) {
        SCOPED_TRACE(fixture);
        const QByteArray damaged = templatesFixture(QString::fromLatin1(fixture));
        writeBytes(path("filters.tml"), damaged);
        TFilterTemplateList list(filter);
        list.loadList(dir.path());
        EXPECT_EQ(list.names(), QStringList({ "Rookies", "Vintage" }));
        // As the main window does at the end of the run.
        list.saveList(dir.path());
        EXPECT_EQ(fileBytes(path("filters.tml")), damaged);
    }
}

TEST_F(FilterTemplateListTest, AListThatCannotBeWrittenIsReportedAndLosesNothing)
{
    ASSERT_TRUE(templates.save("Old"));
    // A folder where the list file is renamed to makes every write of it fail.
    ASSERT_TRUE(QFile::remove(path("filters.tml")));
    ASSERT_TRUE(QDir(dir.path()).mkdir("filters.tml"));

    user.expectInput(QStringLiteral("New"));
    user.expectMessage(
        MessageKind::Error, notWritten(path("filters.tml"), "Saved"), MessageButtons::Ok, kNoHelp);
    user.expectMessage(MessageKind::Error, kDuplicate, MessageButtons::Ok, kNoHelp);
    EXPECT_FALSE(FilterTemplateMenu::saveAs(templates));
    EXPECT_EQ(templates.names(), QStringList({ "Old" }));
    EXPECT_FALSE(QFile::exists(path("tml2.flt")));

    user.expectMessage(MessageKind::Error, notWritten(path("filters.tml"), "Deleted"),
        MessageButtons::Ok, kNoHelp);
    EXPECT_FALSE(templates.deleteNamed("Old"));
    EXPECT_EQ(templates.names(), QStringList({ "Old" }));
    EXPECT_TRUE(QFile::exists(path("tml1.flt")));
    EXPECT_TRUE(user.allConsumed());
}

TEST_F(FilterTemplateListTest, ANewTemplateLeavesAStrangersFileAlone)
{
    ASSERT_TRUE(writeWholeFile(path("tml1.flt"), "not ours"));
    ASSERT_TRUE(templates.save("Ten"));
    EXPECT_EQ(templates.items()[0].fileName, "tml2.flt");
    QFile file(path("tml1.flt"));
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    EXPECT_EQ(file.readAll(), QByteArray("not ours"));
}

TEST_F(FilterTemplateListTest, DeletingATemplateThatNamesAnotherFileLeavesTheFile)
{
    const QStringList names { "filter.dat", "filters.tml", "users.lst" };
    QList<TTemplate> entries;
    for (const QString &name : names)
        entries.append(TTemplate { name, name });
    ASSERT_TRUE(writeWholeFile(path("filters.tml"), TTemplateList::encode(entries)));
    for (const char *name : { "filter.dat", "users.lst" })
        ASSERT_TRUE(writeWholeFile(path(QString::fromLatin1(name)), name));
    ASSERT_TRUE(templates.loadList(dir.path()));

    for (const QString &name : names)
        EXPECT_TRUE(templates.deleteNamed(name)) << name.toStdString();
    EXPECT_TRUE(templates.names().isEmpty());
    for (const char *name : { "filter.dat", "users.lst" }) {
        QFile file(path(QString::fromLatin1(name)));
        ASSERT_TRUE(file.open(QIODevice::ReadOnly)) << name;
        EXPECT_EQ(file.readAll(), QByteArray(name));
    }
    TFilterTemplateList reread(filter);
    EXPECT_TRUE(reread.loadList(dir.path()));
    EXPECT_TRUE(reread.names().isEmpty());
}

} // namespace
} // namespace zendrova::test
