#include "support/DatabaseFixture.h"
#include "support/ScriptedInteraction.h"
#include "support/WidgetLookup.h"

#include "query/TFilterList.h"
#include "query/TFilterTemplateList.h"
#include "query/ui/FilterDialogRun.h"

#include "store/RecordStore.h"

#include <QAbstractButton>
#include <QApplication>
#include <QDialog>
#include <QListWidget>
#include <QTest>
#include <QTimer>
#include <gtest/gtest.h>

namespace zendrova::test {
namespace {

// The main window's way in: the dialog on the shipped record table.
TEST(FilterDialogRunTest, TheDialogOnTheShippedTableReturnsTheChosenScope)
{
    DatabaseFixture fixture;
    ScriptedInteraction user;
    DatabaseFixture::expectNewDatabase(user);
    RecordStore store(fixture.state);
    ASSERT_TRUE(store.openDatabase());
    fixture.state.captions.fillDefaultsIfEmpty();
    TFilterList filter;
    TFilterTemplateList templates(filter);
    templates.loadList(fixture.state.userFolder);

    const FieldModel &fields = store.fields();
    QStringList filterable;
    for (int pos = FieldModel::kFirstUserPosition; pos < fields.count(); ++pos) {
        if (!fields.isMemo(pos) && !fields.isPicture(pos))
            filterable << fixture.state.captions.caption(pos - 1);
    }
    QStringList shown;
    QList<int> asked;
    QTimer::singleShot(0, [&] {
        auto *dialog = qobject_cast<QDialog *>(QApplication::activeModalWidget());
        ASSERT_TRUE(dialog);
        auto *all = child<QListWidget>(*dialog, "ListBox1");
        for (int i = 0; i < all->count(); ++i)
            shown << all->item(i)->text();
        all->setCurrentRow(1);
        QTest::mouseClick(child<QAbstractButton>(*dialog, "Add_Btn"), Qt::LeftButton);
        QTest::mouseClick(child<QAbstractButton>(*dialog, "Filter_RG_1"), Qt::LeftButton);
        QTest::mouseClick(child<QAbstractButton>(*dialog, "CancelBtn"), Qt::LeftButton);
    });
    const FilterDialogResult result = runFilterDialog(
        filter, templates, store, fixture.state, FilterScope::AllRecords,
        [&](int pos) {
            asked << pos;
            return std::optional<QStringList>();
        },
        nullptr);
    EXPECT_EQ(shown, filterable);
    EXPECT_LT(shown.size(), fields.count() - FieldModel::kFirstUserPosition); // pictures left out
    EXPECT_FALSE(result.apply);
    EXPECT_EQ(result.scope, FilterScope::NormalFilter);
    ASSERT_EQ(filter.count(), 1);
    EXPECT_EQ(filter.entry(0)->FieldPos, 3);
    EXPECT_TRUE(filter.entry(0)->Unset);
    EXPECT_TRUE(asked.isEmpty());
}

} // namespace
} // namespace zendrova::test
