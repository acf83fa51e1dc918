#include "query/FilterDialogModel.h"
#include "query/FilterFile.h"
#include "query/TFilterList.h"
#include "query/TFilterTemplateList.h"

#include "FilterDialogFixture.h"
#include "support/ScriptedInteraction.h"

#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace zendrova::test {
namespace {

class FilterDialogModelTest : public ::testing::Test
{
protected:
    FilterDialogModel model(FilterScope scope = FilterScope::AllRecords)
    {
        return FilterDialogModel(filter, captions, fields, scope);
    }

    TFilterList filter;
    CaptionList captions = filterDialogCaptions();
    FieldModel fields = filterDialogFields();
};

TEST_F(FilterDialogModelTest, ListsEveryFieldButMemoAndPictureInFieldOrder)
{
    EXPECT_EQ(model().allFields(), QStringList({ "Name", "Team", "Price", "Bought", "team" }));
}

TEST_F(FilterDialogModelTest, AFieldIsAddedOnceAsAnUnsetEntryThatLeavesApplyOff)
{
    FilterDialogModel m = model();
    EXPECT_FALSE(m.editEnabled());
    ASSERT_TRUE(m.add("Price"));
    ASSERT_TRUE(m.add("Name"));
    EXPECT_FALSE(m.add("Price"));
    EXPECT_FALSE(m.add("NAME"));
    EXPECT_EQ(m.usedFields(), QStringList({ "Price", "Name" }));
    EXPECT_EQ(m.selected(), 1);
    EXPECT_TRUE(m.editEnabled());
    EXPECT_FALSE(m.isTicked(1));
    EXPECT_FALSE(m.applyEnabled());

    filter.storeCondition(1, "A", QString(), 1, 2);
    EXPECT_TRUE(m.isTicked(1));
    EXPECT_TRUE(m.applyEnabled());
}

TEST_F(FilterDialogModelTest, TwoFieldsOfOneCaptionActOnTheFirst)
{
    FilterDialogModel m = model();
    ASSERT_TRUE(m.add("team"));
    EXPECT_EQ(filter.entry(0)->FieldPos, kTeamPos);
    EXPECT_FALSE(m.add("Team"));
    EXPECT_EQ(m.editTarget(), std::make_pair(0, kTeamPos));

    // A template may hold both fields: each line names the first of them.
    filter.add(kClubPos);
    m.select(1);
    EXPECT_EQ(m.usedFields(), QStringList({ "Team", "team" }));
    EXPECT_EQ(m.editTarget(), std::make_pair(1, kTeamPos));
    m.remove();
    ASSERT_EQ(filter.count(), 1);
    EXPECT_EQ(filter.entry(0)->FieldPos, kClubPos);
}

TEST_F(FilterDialogModelTest, RemoveKeepsTheSelectionInPlaceAndApplyFollowsTheConditions)
{
    FilterDialogModel m = model();
    for (const char *caption : { "Name", "Team", "Price" })
        m.add(caption);
    filter.storeCondition(1, "X", QString(), 1, 2);
    m.select(1);
    m.remove();
    EXPECT_EQ(m.usedFields(), QStringList({ "Name", "Price" }));
    EXPECT_EQ(m.selected(), 1);
    // Every entry left is unset: applying would pass every record.
    EXPECT_FALSE(m.applyEnabled());
    m.remove();
    EXPECT_EQ(m.selected(), 0);
    m.removeAll();
    EXPECT_EQ(filter.count(), 0);
    EXPECT_EQ(m.selected(), -1);
    EXPECT_FALSE(m.editEnabled());
    EXPECT_FALSE(m.editTarget());
}

TEST_F(FilterDialogModelTest, TheResultSaysWhatTheMainWindowDoes)
{
    struct Case
    {
        FilterScope before, chosen;
        bool applied;
        bool apply;
        std::optional<FilterScope> scope;
    };
    const Case cases[] = {
        { FilterScope::NormalFilter, FilterScope::NormalFilter, false, false, std::nullopt },
        { FilterScope::AllRecords, FilterScope::ReversedFilter, false, false,
            FilterScope::ReversedFilter },
        { FilterScope::AllRecords, FilterScope::ReversedFilter, true, true, std::nullopt },
        { FilterScope::ReversedFilter, FilterScope::ReversedFilter, true, true, std::nullopt },
    };
    for (const Case &c : cases) {
        FilterDialogModel m = model(c.before);
        m.add("Name"); // edited entries alone change nothing
        m.chooseScope(c.chosen);
        const FilterDialogResult result = m.result(c.applied);
        EXPECT_EQ(result.apply, c.apply);
        EXPECT_EQ(result.scope, c.scope);
    }
}

TEST_F(FilterDialogModelTest, AMissingTemplateFileBringsBackTheSavedFilter)
{
    QTemporaryDir dir;
    filter.add(kPricePos);
    filter.storeCondition(0, "5", QString(), 6, 3);
    ASSERT_TRUE(FilterFile::saveSaved(filter, dir.path()));
    TFilterTemplateList templates(filter);
    templates.loadList(dir.path());
    filter.clear();
    filter.add(kNamePos);

    FilterDialogModel m = model();
    ScriptedInteraction user;
    user.expectMessage(MessageKind::Error, "Error Loading Template.", MessageButtons::Ok, kNoHelp);
    EXPECT_FALSE(m.loadTemplate(templates, "tml7.flt"));
    EXPECT_TRUE(user.allConsumed());
    ASSERT_EQ(filter.count(), 1);
    EXPECT_EQ(filter.entry(0)->FieldPos, kPricePos);
    EXPECT_EQ(filter.entry(0)->Value1, "5");
    EXPECT_EQ(m.selected(), 0);
    EXPECT_TRUE(m.applyEnabled());
}

TEST_F(FilterDialogModelTest, ATemplateReplacesTheFilterWithoutApplyingIt)
{
    QTemporaryDir dir;
    TFilterTemplateList templates(filter);
    templates.loadList(dir.path());
    filter.add(kBoughtPos);
    filter.add(kTeamPos);
    ASSERT_TRUE(templates.save("Two"));
    filter.clear();
    filter.add(kNamePos);
    filter.storeCondition(0, "A", QString(), 1, 2);

    FilterDialogModel m = model();
    EXPECT_TRUE(m.loadTemplate(templates, templates.items()[0].fileName));
    EXPECT_EQ(m.usedFields(), QStringList({ "Bought", "Team" }));
    EXPECT_EQ(m.selected(), 0);
    EXPECT_FALSE(m.applyEnabled());
}

} // namespace
} // namespace zendrova::test
