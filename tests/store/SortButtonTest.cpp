#include "StoreFixtures.h"
#include "common/HelpTopic.h"
#include "common/ui/TNoFocusBitBtn.h"
#include "store/ui/TSortButton.h"
#include "support/ScriptedInteraction.h"

#include <QMenu>
#include <QSignalSpy>
#include <QTest>
#include <gtest/gtest.h>

namespace zendrova {
namespace {

using namespace test;

QMenu *submenu(QMenu *menu, const QString &title)
{
    for (QAction *action : menu->actions())
        if (action->menu() && action->text() == title)
            return action->menu();
    return nullptr;
}

QAction *item(QMenu *menu, const QString &text)
{
    for (QAction *action : menu->actions())
        if (action->text() == text)
            return action;
    return nullptr;
}

// Texts of the items that are enabled / checked, in menu order.
QStringList texts(QMenu *menu, bool (QAction::*state)() const)
{
    QStringList result;
    for (QAction *action : menu->actions())
        if (!action->isSeparator() && (action->*state)())
            result << action->text();
    return result;
}

// A sort button wired as the main window will wire it: menu choices change
// the descriptor and the buttons show it again.
class SortButtonTest : public ::testing::Test
{
protected:
    SortButtonTest()
    {
        button.menuContext = [this] {
            return SortMenuContext { cardCaptions(), cardFields(), descriptor.sort };
        };
        QObject::connect(&button, &TSortButton::sort1MenuClick, [this](SortMenuChoice choice) {
            SortChange::choosePrimary(descriptor, cardFields(), choice);
            show();
        });
        QObject::connect(&button, &TSortButton::sort2MenuClick, [this](SortMenuChoice choice) {
            SortChange::chooseSecondary(descriptor, cardFields(), choice);
            show();
        });
    }
    void show(const SortBytes &sort)
    {
        descriptor.sort = sort;
        show();
    }
    void show() { button.showSort(descriptor.sort, cardCaptions(), FilterScope::AllRecords); }
    QMenu *popup(void (TSortButton::*which)(const QPoint &), QMenu *menu)
    {
        (button.*which)(QPoint(0, 0));
        return menu;
    }
    QMenu *primary() { return popup(&TSortButton::popupPrimaryMenu, button.primaryMenu()); }
    QMenu *secondary() { return popup(&TSortButton::popupSecondaryMenu, button.secondaryMenu()); }

    ScriptedInteraction user;
    SortDescriptor descriptor;
    TSortButton button;
};

TEST_F(SortButtonTest, StartsAsEntryOrderWithThreeButtonsAcrossThePanel)
{
    EXPECT_EQ(button.size(), QSize(300, 20));
    EXPECT_EQ(button.label1(), QStringLiteral("Entry Order"));
    EXPECT_EQ(button.label2(), QStringLiteral("NONE"));
    EXPECT_TRUE(button.isDown1());
    EXPECT_FALSE(button.isDown2());
    EXPECT_EQ(button.filterButton()->text(), QStringLiteral("All Records"));
    button.show();
    button.resize(301, 24);
    EXPECT_EQ(button.primaryButton()->geometry(), QRect(0, 0, 100, 24));
    EXPECT_EQ(button.secondaryButton()->geometry(), QRect(100, 0, 100, 24));
    EXPECT_EQ(button.filterButton()->geometry(), QRect(200, 0, 101, 24));
    const QStringList hints = SortMenus::buttonHints();
    button.setProperty("Hint3", hints[2]);
    EXPECT_EQ(button.filterButton()->toolTip(),
              QStringLiteral("Left Click - Set Filter;  Right Click - Menu"));
    for (TNoFocusBitBtn *b :
        { button.primaryButton(), button.secondaryButton(), button.filterButton() })
        EXPECT_EQ(b->focusPolicy(), Qt::NoFocus);

    const std::pair<TSortButton::TFilterState, const char *> states[]
        = { { TSortButton::fsNormal, "Normal Filter" },
              { TSortButton::fsReversed, "Reversed Filter" },
              { TSortButton::fsFilterOff, "All Records" } };
    for (const auto &[state, caption] : states) {
        button.setProperty("FilterState", state);
        EXPECT_EQ(button.filterButton()->text(), QString::fromLatin1(caption));
    }
}

TEST_F(SortButtonTest, ClicksAskForTheDialogsAndRightClicksOpenTheMenus)
{
    QSignalSpy sortBy(&button, &TSortButton::sortByClick);
    QSignalSpy filter(&button, &TSortButton::filterClick);
    QTest::mouseClick(button.primaryButton(), Qt::LeftButton);
    QTest::mouseClick(button.secondaryButton(), Qt::LeftButton);
    QTest::mouseClick(button.filterButton(), Qt::LeftButton);
    EXPECT_EQ(sortBy.count(), 2);
    EXPECT_EQ(filter.count(), 1);

    QTest::mouseClick(button.filterButton(), Qt::RightButton);
    EXPECT_TRUE(button.filterMenu()->isVisible());
    EXPECT_EQ(filter.count(), 1);
    button.filterMenu()->close();
}

TEST_F(SortButtonTest, PrimaryMenuChecksTheCurrentFieldAndDisablesUnsortableOnes)
{
    show({ kCardName, false, 0, false });
    QMenu *fields = submenu(primary(), QStringLiteral("&Primary Sort Field"));
    ASSERT_TRUE(fields);
    ASSERT_EQ(fields->actions().size(), 22);
    EXPECT_EQ(fields->actions()[0]->text(), QStringLiteral("Entry Order"));
    EXPECT_EQ(fields->actions()[0]->data().toInt(), 0);
    EXPECT_EQ(fields->actions()[10]->data().toInt(), 10);
    EXPECT_EQ(texts(fields, &QAction::isChecked), QStringList { "Card Name:" });
    QStringList disabled;
    for (QAction *a : fields->actions())
        if (!a->isEnabled())
            disabled << a->text();
    EXPECT_EQ(disabled, (QStringList { "Small Picture:", "Notes:", "Picture:" }));
    QMenu *direction = submenu(button.primaryMenu(), QStringLiteral("&Sort Direction"));
    EXPECT_EQ(texts(direction, &QAction::isChecked), QStringList { "Ascending" });
    EXPECT_TRUE(item(button.primaryMenu(), QStringLiteral("&Help")));

    show({ 0, true, 0, false });
    fields = submenu(primary(), QStringLiteral("&Primary Sort Field"));
    EXPECT_EQ(texts(fields, &QAction::isChecked), QStringList { "Entry Order" });
    direction = submenu(button.primaryMenu(), QStringLiteral("&Sort Direction"));
    EXPECT_EQ(texts(direction, &QAction::isChecked), QStringList { "Descending" });
}

TEST_F(SortButtonTest, SecondaryMenuFollowsThePrimary)
{
    struct Case
    {
        const char *what;
        SortBytes sort;
        bool fieldsEnabled, directionEnabled;
        QStringList checkedField, enabledDirections, checkedDirection;
    };
    const Case cases[] = {
        { "entry order", { 0, false, 0, false }, false, false, { "NONE" },
            { "Ascending", "Descending" }, { "Ascending" } },
        { "no secondary", { kCardName, true, 0, false }, true, false, { "NONE" },
            { "Ascending", "Descending" }, { "Ascending" } },
        { "two text fields", { kCardName, true, kSport, true }, true, true, { "Sport:" },
            { "Descending" }, { "Descending" } },
        { "text and number", { kCardName, true, kPurchase, false }, true, true,
            { "Purchase Price:" }, { "Ascending", "Descending" }, { "Ascending" } },
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.what);
        show(c.sort);
        QMenu *menu = secondary();
        QMenu *fields = submenu(menu, QStringLiteral("&Secondary Sort Field"));
        QMenu *direction = submenu(menu, QStringLiteral("Sort &Direction"));
        ASSERT_TRUE(fields && direction);
        EXPECT_EQ(fields->isEnabled(), c.fieldsEnabled);
        EXPECT_EQ(direction->isEnabled(), c.directionEnabled);
        EXPECT_EQ(texts(fields, &QAction::isChecked), c.checkedField);
        EXPECT_EQ(texts(direction, &QAction::isEnabled), c.enabledDirections);
        EXPECT_EQ(texts(direction, &QAction::isChecked), c.checkedDirection);
        if (c.fieldsEnabled) {
            EXPECT_EQ(fields->actions()[0]->text(), QStringLiteral("NONE"));
            EXPECT_FALSE(item(fields, QStringLiteral("Card Name:"))->isEnabled());
            EXPECT_FALSE(item(fields, QStringLiteral("Notes:"))->isEnabled());
            EXPECT_TRUE(item(fields, QStringLiteral("Team:"))->isEnabled());
        }
    }
}

TEST_F(SortButtonTest, MenuChoicesChangeTheSortShown)
{
    show({ kCardName, false, 0, false });
    item(submenu(secondary(), QStringLiteral("&Secondary Sort Field")), QStringLiteral("Sport:"))
        ->trigger();
    EXPECT_EQ(descriptor.sort, (SortBytes { kCardName, false, kSport, false }));
    EXPECT_EQ(button.label2(), QStringLiteral("Sport:"));

    item(submenu(primary(), QStringLiteral("&Sort Direction")), QStringLiteral("Descending"))
        ->trigger();
    EXPECT_EQ(descriptor.sort, (SortBytes { kCardName, true, kSport, true }));
    EXPECT_TRUE(button.isDown1());
    EXPECT_TRUE(button.isDown2());
    EXPECT_EQ(descriptor.applied, (SortBytes { kCardName, false, kSport, false }));

    item(submenu(primary(), QStringLiteral("&Primary Sort Field")), QStringLiteral("Entry Order"))
        ->trigger();
    EXPECT_EQ(descriptor.sort, (SortBytes { 0, true, 0, true }));
    EXPECT_EQ(button.label1(), QStringLiteral("Entry Order"));
    EXPECT_EQ(button.label2(), QStringLiteral("NONE"));
}

TEST_F(SortButtonTest, HelpItemsShowTheButtonsHelp)
{
    setHelpContext(button.primaryButton(), 31);
    setHelpContext(button.filterButton(), 33);
    item(primary(), QStringLiteral("&Help"))->trigger();
    button.popupFilterMenu(QPoint());
    item(button.filterMenu(), QStringLiteral("&Help"))->trigger();
    button.filterMenu()->close();
    EXPECT_EQ(user.helpRequests(), (QList<int> { 31, 33 }));
}

// Stands in for the filter template list of the filter subsystem.
class FakeTemplates final : public FilterTemplateSource
{
public:
    QStringList names() const override { return list; }
    bool load(int index) override
    {
        loaded << index;
        return index != failing;
    }
    bool save(const QString &name) override
    {
        list << name;
        return true;
    }
    void remove(int index) override { list.removeAt(index); }

    QStringList list { "Rookies", "Mint" };
    QList<int> loaded;
    int failing = -1;
};

class FilterMenuTest : public SortButtonTest
{
protected:
    QMenu *filterMenu()
    {
        button.popupFilterMenu(QPoint());
        button.filterMenu()->close();
        return button.filterMenu();
    }
    FakeTemplates templates;
};

TEST_F(FilterMenuTest, TheCurrentScopeIsDisabledAndTemplatesAreListed)
{
    QMenu *menu = filterMenu();
    EXPECT_EQ(texts(menu, &QAction::isEnabled),
        (QStringList { "Normal Filter", "Reversed Filter", "&Load From Template",
            "&Save As Template", "&Delete Template", "&Help" }));
    EXPECT_TRUE(submenu(menu, QStringLiteral("&Load From Template"))->actions().isEmpty());

    button.filterTemplates = &templates;
    button.setFilterState(TSortButton::fsReversed);
    menu = filterMenu();
    EXPECT_FALSE(item(menu, QStringLiteral("Reversed Filter"))->isEnabled());
    EXPECT_TRUE(item(menu, QStringLiteral("All Records"))->isEnabled());
    EXPECT_EQ(texts(submenu(menu, QStringLiteral("&Delete Template")), &QAction::isEnabled),
        (QStringList { "Rookies", "Mint" }));

    QSignalSpy scope(&button, &TSortButton::filterMenuClick);
    item(menu, QStringLiteral("Normal Filter"))->trigger();
    ASSERT_EQ(scope.count(), 1);
    EXPECT_EQ(scope[0][0].toInt(), 1);
}

TEST_F(FilterMenuTest, TemplateItemsLoadSaveAndDelete)
{
    button.filterTemplates = &templates;
    templates.failing = 0;
    QSignalSpy quick(&button, &TSortButton::quickFilter);

    user.expectMessage(
        MessageKind::Error, QStringLiteral("Error Loading Template."), MessageButtons::Ok, kNoHelp);
    item(submenu(filterMenu(), QStringLiteral("&Load From Template")), QStringLiteral("Rookies"))
        ->trigger();
    item(submenu(filterMenu(), QStringLiteral("&Load From Template")), QStringLiteral("Mint"))
        ->trigger();
    EXPECT_EQ(templates.loaded, (QList<int> { 0, 1 }));
    EXPECT_EQ(quick.count(), 1);

    user.expectInput(QString());
    user.expectInput(QStringLiteral("Mint"));
    user.expectMessage(MessageKind::Error, QStringLiteral("Duplicate name - Template Not Saved!"),
        MessageButtons::Ok, kNoHelp);
    user.expectInput(QStringLiteral("Graded"));
    for (int i = 0; i < 3; ++i)
        item(filterMenu(), QStringLiteral("&Save As Template"))->trigger();
    EXPECT_EQ(templates.list, (QStringList { "Rookies", "Mint", "Graded" }));

    item(submenu(filterMenu(), QStringLiteral("&Delete Template")), QStringLiteral("Mint"))
        ->trigger();
    EXPECT_EQ(templates.list, (QStringList { "Rookies", "Graded" }));
    EXPECT_TRUE(user.allConsumed());
}

} // namespace
} // namespace zendrova
