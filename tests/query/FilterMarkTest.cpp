#include "support/DatabaseFixture.h"
#include "support/ScriptedInteraction.h"

#include "query/FilterApply.h"
#include "query/FilterStorage.h"
#include "query/TFilterList.h"

#include "store/RecordEditor.h"
#include "store/RecordStore.h"

#include "dbase/Table.h"

#include <gtest/gtest.h>

namespace zendrova::test {
namespace {

constexpr int kName = 2;
constexpr int kMark = FieldModel::kFilterMarkPosition;

class FilterMarkTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        DatabaseFixture::expectNewDatabase(user);
        ASSERT_TRUE(store.openDatabase());
        for (const char *name : { "Adams", "baker", "Mays", "" }) {
            RecordEditor(records()).append();
            RecordEditor(records()).setText(kName, QString::fromLatin1(name));
            RecordEditor(records()).post();
        }
    }

    StoreTable &records() { return store.recordTable(); }

    // The marks as the file holds them, read by a table object of its own.
    QStringList marksOnDisk()
    {
        records().close();
        dbase::Table raw;
        raw.open(records().enginePath(), false);
        QStringList marks;
        for (raw.first(); !raw.eof(); raw.next())
            marks << QString::fromStdString(raw.asString(kMark));
        raw.close();
        records().open();
        return marks;
    }

    DatabaseFixture fixture;
    ScriptedInteraction user;
    RecordStore store { fixture.state };
    TFilterList filter;
};

TEST_F(FilterMarkTest, ApplyMarksPassingRecordsTwoAndTheOthersZero)
{
    filter.add(kName);
    filter.storeCondition(0, QStringLiteral("b"), QString(), FilterKind::Text, 0);
    std::vector<int> percents;
    const int marked = FilterApply::run(filter, records(), [&](int percent) {
        percents.push_back(percent);
        return true;
    });
    EXPECT_EQ(marked, 4);
    EXPECT_EQ(percents, (std::vector<int> { 25, 50, 75, 100 }));
    EXPECT_EQ(marksOnDisk(), QStringList({ "2", "0", "0", "2" }));
}

TEST_F(FilterMarkTest, UnsetEntriesAndAnEmptyFilterMarkEveryRecordTwo)
{
    filter.add(kName); // never given a condition
    FilterApply::run(filter, records(), {});
    EXPECT_EQ(marksOnDisk(), QStringList({ "2", "2", "2", "2" }));

    filter.storeCondition(0, QStringLiteral("zzz"), QString(), FilterKind::Text, 2);
    FilterApply::run(filter, records(), {});
    EXPECT_EQ(marksOnDisk(), QStringList({ "0", "0", "0", "0" }));
    filter.clear();
    FilterApply::run(filter, records(), {});
    EXPECT_EQ(marksOnDisk(), QStringList({ "2", "2", "2", "2" }));
}

TEST_F(FilterMarkTest, StoringARecordMarksItUnlessTheEvaluationSwitchIsOff)
{
    filter.attach(records());
    EXPECT_EQ(filter.table(), &records());
    filter.add(kName);
    filter.storeCondition(0, QStringLiteral("m"), QString(), FilterKind::Text, 3);
    RecordEditor(records()).append();
    RecordEditor(records()).setText(kName, QStringLiteral("Ruth"));
    RecordEditor(records()).post();
    EXPECT_EQ(records().text(kMark), QStringLiteral("2"));

    // After a non-stop search the marks stay as they are until the next apply.
    filter.setEvaluation(false);
    RecordEditor(records()).lock();
    RecordEditor(records()).setText(kName, QStringLiteral("Aaron"));
    RecordEditor(records()).post();
    EXPECT_EQ(records().text(kMark), QStringLiteral("2"));
    FilterApply::run(filter, records(), [](int) { return true; });
    EXPECT_TRUE(filter.evaluation());
    EXPECT_EQ(marksOnDisk(), QStringList({ "0", "0", "2", "0", "0" }));

    // No entries: a stored record passes whatever the switch says.
    filter.clear();
    filter.setEvaluation(false);
    records().first();
    RecordEditor(records()).lock();
    RecordEditor(records()).post();
    EXPECT_EQ(records().text(kMark), QStringLiteral("2"));
    records().setBeforePost(nullptr);
}

TEST_F(FilterMarkTest, AProgressThatSaysStopEndsTheWalkWithEarlierMarksKept)
{
    filter.add(kName);
    filter.storeCondition(0, QStringLiteral("zzz"), QString(), FilterKind::Text, 4);
    EXPECT_EQ(FilterApply::run(filter, records(), [](int percent) { return percent < 50; }), 2);
    EXPECT_EQ(marksOnDisk(), QStringList({ "0", "0", "", "" }));
}

TEST_F(FilterMarkTest, OpeningADatabaseLoadsTheSavedFilterAndAFailedSaveIsTold)
{
    filter.add(kName);
    filter.storeCondition(0, QStringLiteral("mays"), QString(), FilterKind::Text, 2);
    ASSERT_TRUE(FilterStorage::save(filter, fixture.state));
    store.closeAll();

    TFilterList loaded;
    loaded.add(9);
    RecordStore again(fixture.state);
    FilterStorage::connect(again, loaded, fixture.state);
    ASSERT_TRUE(again.openDatabase());
    ASSERT_EQ(loaded.count(), 1);
    EXPECT_EQ(loaded.entry(0)->Value1, QStringLiteral("MAYS"));
    again.clearFilter();
    EXPECT_EQ(loaded.count(), 0);

    fixture.state.userFolder = fixture.databaseFile(QStringLiteral("missing/folder"));
    user.expectMessage(MessageKind::Error, QStringLiteral("Error Saving Filter to a file."),
        MessageButtons::Ok, kNoHelp);
    EXPECT_FALSE(FilterStorage::save(filter, fixture.state));
    EXPECT_TRUE(user.allConsumed());
}

} // namespace
} // namespace zendrova::test
