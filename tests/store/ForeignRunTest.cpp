// A database whose sort tag another dBASE writer changed: the run of cards of one sport
// is no longer in record order. The program lists it, edits and deletes cards inside it.
#include "support/DatabaseFixture.h"
#include "support/ForeignTagOrder.h"
#include "support/ScriptedInteraction.h"

#include "dbase/Table.h"
#include "dbase/TableFamily.h"
#include "store/RecordEditor.h"
#include "store/RecordStore.h"
#include "store/SortFile.h"

#include <gtest/gtest.h>

namespace zendrova::test {
namespace {

constexpr int kName = 2;
constexpr int kSport = 3;
constexpr int kCards = 150;

// Every fifth card is a hockey card; the rest, a run over several leaves, baseball.
QString sportOf(int n) { return n % 5 == 0 ? QStringLiteral("Hockey") : QStringLiteral("Baseball"); }

TEST(ForeignRunTest, CardsInsideARunOutOfRecordOrderAreListedEditedAndDeleted)
{
    DatabaseFixture fixture;
    ScriptedInteraction user;
    DatabaseFixture::expectNewDatabase(user);
    const QString dataFile = fixture.databaseFile(QStringLiteral("data.dbf"));
    {
        RecordStore store { fixture.state };
        ASSERT_TRUE(store.openDatabase());
        RecordEditor record(store.recordTable());
        for (int n = 1; n <= kCards; ++n) {
            record.append();
            record.setText(kName, QStringLiteral("c%1").arg(n));
            record.setText(kSport, sportOf(n));
            record.post();
        }
        store.closeAll();
    }
    SortBytes bySport;
    bySport.primary = kSport;
    ASSERT_TRUE(SortFile::write(fixture.state.databaseFolder, fixture.state.currentTableFile, bySport));
    {
        RecordStore store { fixture.state }; // adds the sport tag
        ASSERT_TRUE(store.openDatabase());
        store.closeAll();
    }

    // The other writer's order: the baseball run starts with its last 40 cards.
    std::string tag;
    std::vector<dbase::FieldInfo> fields;
    {
        dbase::Table t;
        t.open(dataFile.toStdString(), false);
        fields = t.fields();
        tag = t.indexDefinitions().back().name; // the one the sort added
    }
    ASSERT_FALSE(tag.empty());
    std::vector<uint32_t> baseball, hockey;
    for (uint32_t n = 1; n <= kCards; ++n)
        (n % 5 == 0 ? hockey : baseball).push_back(n);
    std::vector<uint32_t> order(baseball.end() - 40, baseball.end());
    order.insert(order.end(), baseball.begin(), baseball.end() - 40);
    QStringList listed;
    for (uint32_t n : order)
        listed << QStringLiteral("c%1").arg(n);
    order.insert(order.end(), hockey.begin(), hockey.end());
    for (uint32_t n : hockey)
        listed << QStringLiteral("c%1").arg(n);
    const auto family = dbase::TableFamily::find(dataFile.toStdString());
    ASSERT_TRUE(family && family->mdx);
    rebuildTagInOrder(*family->mdx, fields, tag, order);

    RecordStore store { fixture.state };
    ASSERT_TRUE(store.openDatabase());
    StoreTable &table = store.recordTable();
    EXPECT_EQ(table.recordCount(), kCards);
    EXPECT_EQ(DatabaseFixture::columnInOrder(table, kName).join(QLatin1Char(' ')).toStdString(), listed.join(QLatin1Char(' ')).toStdString());

    // Card c3 (inside the run, out of record order) renamed; c7 deleted; c11 moved to hockey.
    RecordEditor record(table);
    const auto edit = [&](const QString &name, const auto &change) {
        table.gotoRecord(int(listed.indexOf(name)));
        ASSERT_EQ(table.text(kName), name);
        change();
    };
    edit(QStringLiteral("c3"), [&] {
        record.lock();
        record.setText(kName, QStringLiteral("renamed"));
        record.post();
    });
    listed.replace(listed.indexOf(QStringLiteral("c3")), QStringLiteral("renamed"));
    edit(QStringLiteral("c7"), [&] { record.remove(); });
    listed.removeOne(QStringLiteral("c7"));
    edit(QStringLiteral("c11"), [&] {
        record.lock();
        record.setText(kSport, QStringLiteral("Hockey"));
        record.post();
    });
    // Among the hockey cards, in record order, c11 goes between c10 and c15.
    listed.removeOne(QStringLiteral("c11"));
    listed.insert(listed.indexOf(QStringLiteral("c15")), QStringLiteral("c11"));
    EXPECT_EQ(table.recordCount(), kCards - 1);
    EXPECT_EQ(DatabaseFixture::columnInOrder(table, kName).join(QLatin1Char(' ')).toStdString(), listed.join(QLatin1Char(' ')).toStdString());
    store.closeAll();

    dbase::Table check;
    check.open(dataFile.toStdString(), false);
    EXPECT_EQ(check.checkIndexes(), std::vector<std::string>());
    EXPECT_TRUE(user.allConsumed());
}

} // namespace
} // namespace zendrova::test
