#include "support/ScriptedInteraction.h"
#include "support/SettingsFixtures.h"
#include "support/WidgetLookup.h"

#include "common/CaptionList.h"
#include "common/HelpTopic.h"
#include "mainwin/HeaderSections.h"
#include "mainwin/ui/HeaderMenu.h"
#include "mainwin/ui/RecordListPage.h"
#include "mainwin/ui/TOrvanHeader.h"

#include <QContextMenuEvent>
#include <QSignalSpy>
#include <QTest>
#include <gtest/gtest.h>

namespace zendrova::test {
namespace {

constexpr int kY = 10;

// The menu's captions in order; separators as "-".
QStringList texts(const QMenu &menu)
{
    QStringList shown;
    for (const QAction *action : menu.actions())
        shown << (action->isSeparator() ? QStringLiteral("-") : action->text());
    return shown;
}

QAction *itemWithData(const QMenu &menu, const QVariant &data)
{
    for (QAction *action : menu.actions()) {
        if (action->data() == data)
            return action;
    }
    ADD_FAILURE() << "no item for " << data.toString().toStdString();
    return nullptr;
}

class OrvanHeaderTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        ASSERT_TRUE(temp.isValid());
        captions.fillDefaultsIfEmpty();
        // Card Name: 0..60, Sport: 60..120, Brand: 120..180 in a 300 px header.
        QList<HeaderSection> sections;
        for (const char *caption : { "Card Name:", "Sport:", "Brand:" })
            sections << HeaderSection { QString::fromLatin1(caption), 60 };
        writeBytes(temp.path() + QStringLiteral("/header.dat"), HeaderSections::encode(sections));

        page.resize(310, 400);
        page.show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(&page));
        header = child<TOrvanHeader>(page, "OrvanHeader1");
        ASSERT_NE(header, nullptr);
        ASSERT_EQ(header->width(), 300);
        changes = std::make_unique<QSignalSpy>(header, &TOrvanHeader::OnHChange);
        header->loadHeader(temp.path(), captions);
        ASSERT_EQ(changes->count(), 1);
        changes->clear();
    }

    QStringList order() const
    {
        QStringList shown;
        for (const HeaderSection &section : header->sections().all())
            shown << section.caption;
        return shown;
    }
    void drag(int fromX, int toX, int toY = kY)
    {
        QTest::mousePress(header, Qt::LeftButton, {}, QPoint(fromX, kY));
        QTest::mouseMove(header, QPoint((fromX + toX) / 2, kY));
        QTest::mouseMove(header, QPoint(toX, toY));
        QTest::mouseRelease(header, Qt::LeftButton, {}, QPoint(toX, toY));
    }
    HeaderMenu &menu()
    {
        header->menu()->rebuild();
        return *header->menu();
    }

    QTemporaryDir temp;
    CaptionList captions;
    RecordListPage page;
    TOrvanHeader *header = nullptr;
    std::unique_ptr<QSignalSpy> changes;
    ScriptedInteraction user;
};

TEST_F(OrvanHeaderTest, TheHeaderSitsOnTheListPageWithItsHintHelpAndMenu)
{
    EXPECT_EQ(page.header(), header);
    EXPECT_EQ(header->toolTip(), "Left Click - Change Order;  Right Click - Menu");
    EXPECT_EQ(helpContextOf(header), 104);
    EXPECT_EQ(texts(*header->menu()),
        (QStringList { "&Insert New Field", "&Remove Field", "-", "&Load From Template",
            "&Save As Template", "&Delete Template", "-", "&Help" }));
    EXPECT_EQ(header->sections().percent(0), 20);

    QContextMenuEvent rightClick(
        QContextMenuEvent::Mouse, QPoint(90, kY), header->mapToGlobal(QPoint(90, kY)));
    QApplication::sendEvent(header, &rightClick);
    EXPECT_TRUE(header->menu()->isVisible());
    EXPECT_EQ(header->menu()->insertMenu()->actions().size(), 15) << "filled as it opened";
    header->menu()->close();

    header->menu()->helpItem()->trigger();
    EXPECT_EQ(user.helpRequests(), QList<int> { 104 });
    EXPECT_EQ(changes->count(), 0);
}

TEST_F(OrvanHeaderTest, DraggingASectionMovesItOnlyWhenDroppedElsewhereOnTheHeader)
{
    drag(30, 150);
    EXPECT_EQ(order(), (QStringList { "Sport:", "Brand:", "Card Name:" }));
    EXPECT_EQ(changes->count(), 1);

    drag(90, 90);
    drag(90, 10, 40);
    drag(90, 400);
    drag(62, 62) /* a border press is no move */;
    EXPECT_EQ(order(), (QStringList { "Sport:", "Brand:", "Card Name:" }));
    EXPECT_EQ(changes->count(), 1);

    drag(150, 5);
    EXPECT_EQ(order(), (QStringList { "Card Name:", "Sport:", "Brand:" }));
    EXPECT_EQ(changes->count(), 2);
}

TEST_F(OrvanHeaderTest, ABorderDragResizesTheSectionLeftOfIt)
{
    drag(118, 78);
    EXPECT_EQ(header->sections().width(1), 20);
    EXPECT_EQ(header->sections().percent(1), 7);
    EXPECT_EQ(changes->count(), 1);
    EXPECT_EQ(order(), (QStringList { "Card Name:", "Sport:", "Brand:" }));

    // Closed to nothing, its border is the one before's; pressing just right
    // of it opens it again, and the section left of it is kept 4 px wide.
    drag(79, 20);
    EXPECT_EQ(header->sections().width(1), 0);
    drag(60, 2);
    EXPECT_EQ(header->sections().width(0), 2);
    drag(4, 34);
    EXPECT_EQ(header->sections().width(0), 4);
    EXPECT_EQ(header->sections().width(1), 30);
    EXPECT_EQ(changes->count(), 4);
}

TEST_F(OrvanHeaderTest, AWidthChangeRecomputesThePercents)
{
    page.resize(610, 400);
    QCoreApplication::processEvents();
    EXPECT_EQ(header->width(), 600);
    EXPECT_EQ(header->sections().percent(0), 10);
    EXPECT_EQ(changes->count(), 1);
    page.resize(610, 500);
    QCoreApplication::processEvents();
    EXPECT_EQ(changes->count(), 1);
}

TEST_F(OrvanHeaderTest, WithoutAHeaderFileTheTwoColumnsShareTheWidth)
{
    ASSERT_TRUE(QFile::remove(temp.path() + QStringLiteral("/header.dat")));
    header->loadHeader(temp.path(), captions);
    EXPECT_EQ(order(), (QStringList { "Card Name:", "Sport:" }));
    EXPECT_EQ(header->sections().width(0), 100);
    EXPECT_EQ(header->sections().width(1), 200);

    changes->clear();
    page.resize(460, 400);
    QCoreApplication::processEvents();
    ASSERT_EQ(header->width(), 450);
    EXPECT_EQ(header->sections().width(0), 150);
    EXPECT_EQ(header->sections().width(1), 300);
    EXPECT_EQ(header->sections().percent(0), 33);
    EXPECT_EQ(changes->count(), 1);
}

TEST_F(OrvanHeaderTest, TheMenuInsertsAndRemovesFieldsUntilOneIsLeft)
{
    EXPECT_EQ(texts(*menu().removeMenu()), (QStringList { "Card Name:", "Sport:", "Brand:" }));
    itemWithData(*menu().insertMenu(), 4)->trigger();
    EXPECT_EQ(order(), (QStringList { "Card Name:", "Sport:", "Brand:", "Team:" }));
    EXPECT_EQ(header->sections().width(3), 120);
    EXPECT_EQ(changes->count(), 1);
    EXPECT_EQ(
        texts(*menu().insertMenu()).mid(0, 3), (QStringList { "Type:", "Position:", "Year:" }));
    EXPECT_EQ(menu().insertMenu()->actions().size(), 14);

    for (const char *caption : { "Sport:", "Card Name:", "Team:" }) {
        EXPECT_TRUE(menu().removeMenu()->menuAction()->isEnabled());
        itemWithData(*menu().removeMenu(), QString::fromLatin1(caption))->trigger();
    }
    EXPECT_EQ(order(), QStringList { "Brand:" });
    EXPECT_EQ(changes->count(), 4);
    EXPECT_FALSE(menu().removeMenu()->menuAction()->isEnabled());
    EXPECT_EQ(menu().removeMenu()->menuAction()->text(), "&Remove Field");

    ASSERT_TRUE(header->saveHeader(temp.path()));
    TOrvanHeader restarted;
    restarted.loadHeader(temp.path(), captions);
    ASSERT_EQ(restarted.sections().count(), 1);
    EXPECT_EQ(restarted.sections().at(0).caption, "Brand:");
    EXPECT_EQ(restarted.sections().at(0).width, 60);
}

TEST_F(OrvanHeaderTest, TemplatesAreSavedLoadedAndDeletedFromTheMenu)
{
    EXPECT_FALSE(menu().loadMenu()->menuAction()->isEnabled());
    EXPECT_FALSE(menu().deleteMenu()->menuAction()->isEnabled());
    user.expectInput(QStringLiteral("Three & more"));
    menu().saveItem()->trigger();
    EXPECT_TRUE(menu().loadMenu()->menuAction()->isEnabled());
    EXPECT_EQ(texts(*menu().loadMenu()), QStringList { "Three && more" });

    itemWithData(*menu().removeMenu(), QStringLiteral("Sport:"))->trigger();
    itemWithData(*menu().loadMenu(), QStringLiteral("Three & more"))->trigger();
    EXPECT_EQ(order(), (QStringList { "Card Name:", "Sport:", "Brand:" }));
    EXPECT_EQ(changes->count(), 2);
    itemWithData(*menu().loadMenu(), QStringLiteral("Three & more"))->trigger();
    EXPECT_EQ(changes->count(), 2) << "loading the same columns again changes nothing";

    itemWithData(*menu().deleteMenu(), QStringLiteral("Three & more"))->trigger();
    EXPECT_FALSE(QFile::exists(temp.path() + QStringLiteral("/tml1.hdr")));
    EXPECT_FALSE(menu().deleteMenu()->menuAction()->isEnabled());
    EXPECT_TRUE(user.allConsumed());
}

} // namespace
} // namespace zendrova::test
