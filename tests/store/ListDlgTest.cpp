#include "LookupFixtures.h"
#include "dbase/CardTableLayout.h"
#include "common/ui/TEditMenu.h"
#include "common/CaptionList.h"
#include "store/ui/LookupMenuActions.h"
#include "store/ui/TListDlg.h"
#include "store/ui/TLookup.h"
#include "support/ScriptedInteraction.h"

#include <QAbstractItemView>
#include <QApplication>
#include <QGroupBox>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>
#include <QTimer>
#include <gtest/gtest.h>

namespace zendrova {
namespace {

using namespace test;

constexpr int kSport = 3;
constexpr int kTeam = 6;

const QString kExclusiveUse = "Function Failed!\rDatabase may be used by someone else - this "
                              "function requires Exclusive Database Use.";

// The card's lookup fields: user fields 2-7 and 13-15 on "list1.dbf" ... "list9.dbf".
QString listOfField(int field)
{
    if (field >= 2 && field <= 7)
        return QString("list%1.dbf").arg(field - 1);
    if (field >= 13 && field <= 15)
        return QString("list%1.dbf").arg(field - 6);
    return {};
}

class ListDlgTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        for (int k = 1; k <= 9; ++k)
            if (k != 2)
                folder.writeList(QString("list%1.dbf").arg(k), {});
        folder.writeList("list1.dbf", {"Hockey", "Baseball", "Cricket"});
    }
    ListEditorSetup setup(bool withProvider = true) const
    {
        ListEditorSetup s{folder.dir.path(), "data.dbf", CaptionList::builtInCaptions(), {}};
        if (withProvider)
            s.listOfField = listOfField;
        return s;
    }
    void open(int preselected = 0, bool withProvider = true)
    {
        dialog = std::make_unique<TListDlg>(setup(withProvider), preselected);
        dialog->show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(dialog.get()));
        grid = dialog->findChild<QAbstractItemView *>("DBGrid1");
        ASSERT_TRUE(grid);
    }
    QStringList gridRows() const
    {
        QStringList rows;
        for (int r = 0; r < grid->model()->rowCount(); ++r)
            rows << grid->model()->index(r, 0).data().toString();
        return rows;
    }
    void selectRow(const QString &item)
    {
        const int row = int(gridRows().indexOf(item));
        ASSERT_GE(row, 0) << item.toStdString();
        grid->setCurrentIndex(grid->model()->index(row, 0));
    }
    void click(const char *name)
    {
        auto *b = dialog->findChild<QPushButton *>(name);
        ASSERT_TRUE(b) << name;
        QTest::mouseClick(b, Qt::LeftButton);
    }
    QList<QRadioButton *> lists() const { return dialog->findChild<QGroupBox *>("RadioGroup1")->findChildren<QRadioButton *>(); }
    void writeRecords(const QList<std::pair<int, QString>> &values)
    {
        dbase::Table::create(folder.path("data.dbf").toStdString(), dbase::layout::cardTableFields());
        dbase::Table records;
        records.open(folder.path("data.dbf").toStdString(), false);
        for (const auto &[position, value] : values) {
            records.append();
            records.setString(position, LookupList::tableText(value));
            records.post();
        }
    }

    ScriptedInteraction user;
    LookupFolder folder;
    std::unique_ptr<TListDlg> dialog;
    QAbstractItemView *grid = nullptr;
};

TEST_F(ListDlgTest, ShowsOneListPerLookupFieldAndTheChosenListInItemOrder)
{
    open();
    EXPECT_EQ(dialog->windowTitle(), "Edit Lists");
    QStringList captions;
    for (QRadioButton *radio : lists())
        captions << radio->text();
    EXPECT_EQ(captions, QStringList({"Sport:", "Brand:", "Type:", "Team:", "Position:", "Year:", "Status:",
                                     "Condition:", "Custom 1:"}));
    EXPECT_TRUE(lists().at(0)->isChecked());
    EXPECT_EQ(gridRows(), QStringList({"Baseball", "Cricket", "Hockey"}));

    const std::pair<const char *, const char *> hints[] = {
        {"RadioGroup1", "Select List for Editing"}, {"DBGrid1", "Click Here To Select List Item"},
        {"Edit_Btn", "Edit List Item"}, {"New_Btn", "Create New List Item"},
        {"Delete_Btn", "Delete List Item"}, {"UpdateBtn", "Update All Lists From Current Database"},
        {"OKBtn", "Close This Window"}, {"HelpBtn", "Display Help Window"}};
    for (const auto &[name, hint] : hints) {
        QWidget *control = dialog->findChild<QWidget *>(name);
        ASSERT_TRUE(control) << name;
        EXPECT_EQ(control->toolTip(), hint) << name;
    }
    click("HelpBtn");
    EXPECT_EQ(user.helpRequests(), QList<int>({65}));

    QTest::mouseClick(lists().at(3), Qt::LeftButton);
    EXPECT_TRUE(gridRows().isEmpty());
}

TEST_F(ListDlgTest, NewAndEditChangeTheListAndTheGrid)
{
    open();
    user.expectInput(QString("Tennis"));
    click("New_Btn");
    user.expectInput(QString());
    click("New_Btn"); // an empty text is stored too
    user.expectInput(std::nullopt);
    click("New_Btn");
    EXPECT_EQ(gridRows(), QStringList({"", "Baseball", "Cricket", "Hockey", "Tennis"}));
    EXPECT_TRUE(grid->hasFocus());

    selectRow("Cricket");
    user.expectInput(QString("Curling"));
    click("Edit_Btn");
    EXPECT_EQ(gridRows(), QStringList({"", "Baseball", "Curling", "Hockey", "Tennis"}));
    EXPECT_EQ(grid->currentIndex().data().toString(), "Curling");
    EXPECT_EQ(folder.itemsInFile("list1.dbf"), QStringList({"Hockey", "Baseball", "Curling", "Tennis", ""}));
}

TEST_F(ListDlgTest, ADeletedItemLeavesTheGridAtOnceAndTheFileOnClose)
{
    open();
    selectRow("Cricket");
    user.expectMessage(MessageKind::Warning, "Are you sure you want to Delete this Item?",
        MessageButtons::YesNo, kNoHelp, Answer::No);
    click("Delete_Btn");
    EXPECT_EQ(gridRows().size(), 3);

    user.expectMessage(MessageKind::Warning, "Are you sure you want to Delete this Item?",
        MessageButtons::YesNo, kNoHelp, Answer::Yes);
    click("Delete_Btn");
    EXPECT_EQ(gridRows(), QStringList({"Baseball", "Hockey"}));
    EXPECT_EQ(LookupFolder::storedRows(folder.path("list1.dbf")), 3u);

    click("OKBtn");
    EXPECT_FALSE(dialog->isVisible());
    EXPECT_EQ(LookupFolder::storedRows(folder.path("list1.dbf")), 2u);
    EXPECT_EQ(folder.itemsInFile("list1.dbf"), QStringList({"Hockey", "Baseball"}));
}

TEST_F(ListDlgTest, UpdateListsAddsEachValueOfTheDatabaseOnce)
{
    writeRecords({{kSport, "Soccer"}, {kSport, "Soccer"}, {kSport, "Baseball"}, {kSport, ""},
                  {kSport, "Soccer"}, {kTeam, "Rangers"}});
    open(3);
    // The one missing list; the rest go on.
    user.expectMessage(
        MessageKind::Error, "Could not open file: list2.dbf", MessageButtons::Ok, kNoHelp);
    click("UpdateBtn");
    EXPECT_EQ(folder.itemsInFile("list1.dbf"), QStringList({"Hockey", "Baseball", "Cricket", "Soccer"}));
    EXPECT_EQ(folder.itemsInFile("list4.dbf"), QStringList({"Rangers"}));
    EXPECT_TRUE(lists().at(0)->isChecked());
    EXPECT_EQ(gridRows(), QStringList({"Baseball", "Cricket", "Hockey", "Soccer"}));

    user.expectMessage(
        MessageKind::Error, "Could not open file: list2.dbf", MessageButtons::Ok, kNoHelp);
    click("UpdateBtn");
    EXPECT_EQ(folder.itemsInFile("list1.dbf").size(), 4);
}

TEST_F(ListDlgTest, FailuresAreReported)
{
    open();
    // Another user has the Baseball row on a card.
    dbase::Table other;
    other.open(folder.path("list1.dbf").toStdString(), false);
    while (other.asString(0) != "Baseball")
        ASSERT_TRUE(other.next());
    other.edit();

    selectRow("Baseball");
    user.expectInput(QString("Rugby"));
    user.expectMessage(
        MessageKind::Error, "Could not Modify the Item!", MessageButtons::Ok, kNoHelp);
    click("Edit_Btn");
    user.expectMessage(MessageKind::Warning, "Are you sure you want to Delete this Item?",
        MessageButtons::YesNo, kNoHelp, Answer::Yes);
    user.expectMessage(
        MessageKind::Error, "Could not Delete the Item!", MessageButtons::Ok, kNoHelp);
    click("Delete_Btn");
    EXPECT_EQ(gridRows(), QStringList({"Baseball", "Cricket", "Hockey"}));

    user.expectMessage(
        MessageKind::Error, "Cannot open the file: list2.dbf", MessageButtons::Ok, kNoHelp);
    QTest::mouseClick(lists().at(1), Qt::LeftButton);
    EXPECT_TRUE(gridRows().isEmpty());

    // The pack on close needs the lists alone.
    user.expectMessage(MessageKind::Error, kExclusiveUse, MessageButtons::Ok, kNoHelp);
    click("OKBtn");
    other.cancel();
    other.close();
    EXPECT_EQ(folder.itemsInFile("list1.dbf").size(), 3);
}

TEST_F(ListDlgTest, WithoutTheProviderThereAreNoListsAndNothingHappens)
{
    writeRecords({{kSport, "Soccer"}});
    open(0, false);
    EXPECT_TRUE(lists().isEmpty());
    click("UpdateBtn");
    click("New_Btn");
    click("OKBtn");
    EXPECT_EQ(folder.itemsInFile("list1.dbf").size(), 3);
}

TEST_F(ListDlgTest, TheLookupMenuOpensTheCombosListAndSwitchesAutoFill)
{
    TEditMenu menu(TEditMenu::Variant::Lookup);
    LookupMenuActions actions(menu, folder.state, [this] { return setup(); });
    // The card's lookups in field order; "list2.dbf" is missing, so the Brand lookup makes it.
    std::vector<std::unique_ptr<TLookup>> card;
    QList<TLookup *> lookups;
    for (int field = 1; field <= 21; ++field) {
        if (listOfField(field).isEmpty())
            continue;
        card.push_back(std::make_unique<TLookup>(folder.state));
        card.back()->setSource(listOfField(field));
        lookups << card.back().get();
    }
    actions.setLookups(lookups);
    TLookup &sport = *lookups.at(0);
    TLookup &team = *lookups.at(3);

    QString checkedList;
    QTimer::singleShot(0, [&] {
        auto *opened = qobject_cast<TListDlg *>(QApplication::activeModalWidget());
        ASSERT_TRUE(opened);
        for (QRadioButton *radio : opened->findChild<QGroupBox *>("RadioGroup1")->findChildren<QRadioButton *>())
            if (radio->isChecked())
                checkedList = radio->text();
        user.expectInput(QString("Rangers"));
        QTest::mouseClick(opened->findChild<QPushButton *>("New_Btn"), Qt::LeftButton);
        QTest::mouseClick(opened->findChild<QPushButton *>("OKBtn"), Qt::LeftButton);
    });
    emit menu.OnEditList(&team);
    EXPECT_EQ(checkedList, "Team:");
    EXPECT_TRUE(team.items().contains("Rangers")); // every lookup reloaded

    ASSERT_TRUE(folder.state.userOptions.autoFill);
    menu.prepareFor(&sport);
    EXPECT_TRUE(menu.entry(15)->isChecked());
    menu.entry(15)->trigger();
    EXPECT_FALSE(folder.state.userOptions.autoFill);
    menu.prepareFor(&sport);
    EXPECT_FALSE(menu.entry(15)->isChecked());
    // Switched elsewhere (the options, another card's menu): the next popup shows it.
    folder.state.userOptions.autoFill = true;
    menu.prepareFor(&sport);
    EXPECT_TRUE(menu.entry(15)->isChecked());
}

} // namespace
} // namespace zendrova
