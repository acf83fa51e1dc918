// The sort on the real store and engine while another process uses the
// record table, and the letter tabs over its filtered tags.
#include "support/DatabaseFixture.h"
#include "support/ScriptedInteraction.h"

#include "store/LetterTabs.h"
#include "store/RecordStore.h"
#include "store/RecordTableSort.h"
#include "store/SortFile.h"

#include <QProcess>
#include <gtest/gtest.h>

namespace zendrova::test {
namespace {

constexpr int kFilterMark = 1;
constexpr int kCardName = 2;
constexpr int kSport = 3;

const SortBytes kByName { kCardName, false, 0, false };
const SortBytes kBySport { kSport, false, 0, false };

// A second process holding a table open in shared use until destroyed.
class OtherUser
{
public:
    explicit OtherUser(const QString &tablePath)
    {
        m_process.start(QStringLiteral(ZENDROVA_BIN_DIR "/store_table_holder"), { tablePath });
        m_process.waitForReadyRead(10000);
        m_ready = m_process.readLine().trimmed() == "ready";
    }
    ~OtherUser()
    {
        m_process.closeWriteChannel();
        if (!m_process.waitForFinished(10000))
            m_process.kill();
    }
    bool ready() const { return m_ready; }

private:
    QProcess m_process;
    bool m_ready = false;
};

struct Card
{
    const char *mark;
    const char *name;
    const char *sport;
};

// A database of cards with their filter marks set, sorted by card name in
// its sort file, opened again the way the program opens it.
class SortContentionTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        DatabaseFixture::expectNewDatabase(user);
        {
            RecordStore first(fixture.state);
            ASSERT_TRUE(first.openDatabase());
            StoreTable &records = first.recordTable();
            for (const Card &card : cards) {
                records.engine().append();
                records.setText(kFilterMark, QString::fromLatin1(card.mark));
                records.setText(kCardName, QString::fromLatin1(card.name));
                records.setText(kSport, QString::fromLatin1(card.sport));
                records.engine().post();
            }
            first.closeAll();
        }
        ASSERT_TRUE(SortFile::write(fixture.state.databaseFolder, QStringLiteral("data.dbf"), kByName));
        ASSERT_TRUE(store.openDatabase());
        ASSERT_TRUE(user.allConsumed());
        ASSERT_EQ(store.recordTable().indexName(), QStringLiteral("IDX1"));
    }

    QStringList namesInOrder()
    {
        return DatabaseFixture::columnInOrder(store.recordTable(), kCardName);
    }

    bool sortBy(const SortBytes &sort)
    {
        store.sortOrder().descriptor.rememberApplied();
        store.sortOrder().descriptor.sort = sort;
        return store.sortOrder().applyChange(store.sortTarget());
    }

    // The first open told the user about the new database.
    QStringList messagesAfterOpen() const { return user.shownMessages().mid(1); }

    QString recordTablePath() const { return fixture.databaseFile(QStringLiteral("data.dbf")); }

    const std::vector<Card> cards {
        { "2", "Mays", "Baseball" },
        { "0", "Musial", "Baseball" },
        { "2", "Aaron", "Baseball" },
        { "2", "mantle", "Baseball" },
        { "0", "Bird", "Basketball" },
        { "2", "Gretzky", "Hockey" },
        { "2", "Montana", "Football" },
        { "2", "Zito", "Baseball" },
    };
    const QStringList byName { "Aaron", "Bird", "Gretzky", "mantle", "Mays", "Montana", "Musial",
        "Zito" };

    DatabaseFixture fixture;
    ScriptedInteraction user;
    RecordStore store { fixture.state };
};

TEST_F(SortContentionTest, ANewTagFailsWhileAnotherProcessHoldsTheTable)
{
    OtherUser other(recordTablePath());
    ASSERT_TRUE(other.ready());
    user.expectMessage(
        MessageKind::Error, SortOrder::indexFailureText(), MessageButtons::Ok, kNoHelp);

    EXPECT_FALSE(sortBy(kBySport));

    EXPECT_TRUE(user.allConsumed());
    EXPECT_EQ(SortOrder::indexFailureText(),
        QStringLiteral("Unable to create Index!\rDatabase may be used by someone else - this "
                       "function requires Exclusive Database Use."));
    EXPECT_EQ(store.recordTable().indexName(), QStringLiteral("IDX1"));
    EXPECT_TRUE(store.recordTable().isOpen());
    EXPECT_FALSE(store.recordTable().exclusive());
    EXPECT_EQ(namesInOrder(), byName);
    EXPECT_EQ(store.sortOrder().descriptor.sort, kByName);
    EXPECT_FALSE(store.sortOrder().descriptor.isChanged());
    // Nothing was added to the index.
    EXPECT_EQ(store.sortTarget().indexDefinitions().size(), 2);
}

TEST_F(SortContentionTest, TheQuietFlagSuppressesTheMessageButNotTheFallback)
{
    OtherUser other(recordTablePath());
    ASSERT_TRUE(other.ready());
    store.sortOrder().quiet = true;

    EXPECT_FALSE(sortBy(kBySport));

    EXPECT_TRUE(messagesAfterOpen().isEmpty());
    EXPECT_EQ(store.recordTable().indexName(), QStringLiteral("IDX1"));
    EXPECT_EQ(namesInOrder(), byName);
    EXPECT_EQ(store.sortOrder().descriptor.sort, kByName);
}

TEST_F(SortContentionTest, AnExistingTagIsSelectedWhileAnotherProcessHoldsTheTable)
{
    ASSERT_TRUE(sortBy(kBySport));
    ASSERT_TRUE(sortBy(kByName));
    OtherUser other(recordTablePath());
    ASSERT_TRUE(other.ready());

    EXPECT_TRUE(sortBy(kBySport));

    EXPECT_TRUE(messagesAfterOpen().isEmpty());
    EXPECT_EQ(store.recordTable().indexName(), QStringLiteral("IDX2"));
    const QStringList sports = DatabaseFixture::columnInOrder(store.recordTable(), kSport);
    EXPECT_EQ(sports,
        QStringList({ "Baseball", "Baseball", "Baseball", "Baseball", "Baseball", "Basketball",
            "Football", "Hockey" }));
    EXPECT_EQ(store.sortOrder().descriptor.sort, kBySport);
}

// The letter tab over the filtered tag, with the counts of every tab.
struct ScopeCase
{
    FilterScope scope;
    QStringList letterM;
    int scopeRecords;
};

class LetterTabScopeTest : public SortContentionTest, public ::testing::WithParamInterface<ScopeCase>
{ };

TEST_P(LetterTabScopeTest, LetterMShowsTheScopesRecordsStartingWithM)
{
    const ScopeCase &scope = GetParam();
    ASSERT_TRUE(store.sortOrder().chooseFilterScope(store.sortTarget(), scope.scope));
    LetterTabs tabs { store.sortOrder().descriptor.sort, store.fields(), scope.scope, true, true };

    ASSERT_TRUE(tabs.letterRange(store.sortTarget(), 'M'));
    EXPECT_EQ(namesInOrder(), scope.letterM);

    LetterCounts counts;
    tabs.letterCounts(store.sortTarget(), counts);
    int sum = 0;
    for (char letter = 'A'; letter <= 'Z'; ++letter)
        sum += counts.count(letter);
    EXPECT_EQ(counts.count('M'), scope.letterM.size());
    EXPECT_EQ(sum, scope.scopeRecords);
    EXPECT_TRUE(messagesAfterOpen().isEmpty());
}

INSTANTIATE_TEST_SUITE_P(Scopes, LetterTabScopeTest,
    ::testing::Values(ScopeCase { FilterScope::NormalFilter, { "mantle", "Mays", "Montana" }, 6 },
        ScopeCase { FilterScope::ReversedFilter, { "Musial" }, 2 },
        ScopeCase { FilterScope::AllRecords, { "mantle", "Mays", "Montana", "Musial" }, 8 }));

} // namespace
} // namespace zendrova::test
