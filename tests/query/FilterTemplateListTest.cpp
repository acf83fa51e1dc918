#include "query/FilterFile.h"
#include "query/TFilterList.h"
#include "query/TFilterTemplateList.h"

#include "store/FilterTemplateSource.h"

#include "common/WholeFile.h"

#include "support/ScriptedInteraction.h"

#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace zendrova::test {
namespace {

const QString kDuplicate = QStringLiteral("Duplicate name - Template Not Saved!");

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

} // namespace
} // namespace zendrova::test
