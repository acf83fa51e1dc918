// The sort on the real store and engine while another process uses the
// record table, and the letter tabs over its filtered tags.
#include "support/DatabaseFixture.h"
#include "support/ScriptedInteraction.h"

#include "store/RecordEditor.h"
#include "store/LetterTabs.h"
#include "store/RecordStore.h"
#include "store/RecordTableSort.h"
#include "store/SortFile.h"

#include <QProcess>
#include <gtest/gtest.h>
#include <algorithm>
#include <map>

namespace zendrova::test {
namespace {

constexpr int kFilterMark = 1;
constexpr int kCardName = 2;
constexpr int kSport = 3;
constexpr int kPurchase = 11;

const SortBytes kByName { kCardName, false, 0, false };
const SortBytes kByNameDown { kCardName, true, 0, false };
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
    char letter; // the letter tab it belongs under
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
                RecordEditor(records).append();
                RecordEditor(records).setText(kFilterMark, QString::fromUtf8(card.mark));
                RecordEditor(records).setText(kCardName, QString::fromUtf8(card.name));
                RecordEditor(records).setText(kSport, QString::fromUtf8(card.sport));
                RecordEditor(records).post();
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

    // Accented capitals (Windows-1252 0xC0 and up) sort after "Z"; accents after the
    // first letter stay under it.
    const std::vector<Card> cards {
        { "2", "Mays", "Baseball", 'M' },
        { "0", "Musial", "Baseball", 'M' },
        { "2", "Aaron", "Baseball", 'A' },
        { "0", "Émile", "Hockey", 'Z' },
        { "2", "mantle", "Baseball", 'M' },
        { "0", "Bird", "Basketball", 'B' },
        { "2", "Aérien", "Soccer", 'A' },
        { "2", "Gretzky", "Hockey", 'G' },
        { "0", "Müller", "Soccer", 'M' },
        { "2", "Álvarez", "Soccer", 'Z' },
        { "2", "Montana", "Football", 'M' },
        { "0", "Zoë", "Soccer", 'Z' },
        { "2", "1952 Topps", "Baseball", 'A' },
        { "2", "Zito", "Baseball", 'Z' },
    };
    const QStringList byName { "1952 Topps", "Aaron", "Aérien", "Bird", "Gretzky", "mantle",
        "Mays", "Montana", "Musial", "Müller", "Zito", "Zoë", "Álvarez", "Émile" };

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
        QStringList({ "Baseball", "Baseball", "Baseball", "Baseball", "Baseball", "Baseball",
            "Basketball", "Football", "Hockey", "Hockey", "Soccer", "Soccer", "Soccer",
            "Soccer" }));
    EXPECT_EQ(store.sortOrder().descriptor.sort, kBySport);
}

// Every letter tab over the name tag in one filter scope and direction.
struct LetterCase
{
    const char *name;
    FilterScope scope;
    bool descending;
    int scopeRecords;
};

void PrintTo(const LetterCase &c, std::ostream *os)
{
    *os << c.name;
}

class LetterTabScopeTest : public SortContentionTest,
                           public ::testing::WithParamInterface<LetterCase>
{
protected:
    // The scope's cards under each letter, in the tag's order.
    std::map<char, QStringList> expectedLetters(const LetterCase &c) const
    {
        const char *mark = c.scope == FilterScope::NormalFilter ? "2"
            : c.scope == FilterScope::ReversedFilter            ? "0"
                                                                : nullptr;
        std::map<char, QStringList> letters;
        for (const QString &name : byName) {
            for (const Card &card : cards) {
                const bool inScope = !mark || qstrcmp(mark, card.mark) == 0;
                if (inScope && name == QString::fromUtf8(card.name))
                    letters[card.letter] << name;
            }
        }
        if (c.descending) {
            for (auto &[letter, names] : letters)
                std::reverse(names.begin(), names.end());
        }
        return letters;
    }
};

TEST_P(LetterTabScopeTest, EveryCardIsUnderItsLetterAndTheCountsAddUpToTheScope)
{
    const LetterCase &c = GetParam();
    if (c.descending) {
        ASSERT_TRUE(sortBy(kByNameDown));
    }
    ASSERT_TRUE(store.sortOrder().chooseFilterScope(store.sortTarget(), c.scope));
    LetterTabs tabs { store.sortOrder().descriptor.sort, store.fields(), c.scope, true, true };
    std::map<char, QStringList> expected = expectedLetters(c);

    LetterCounts counts;
    tabs.letterCounts(store.sortTarget(), counts);
    int sum = 0;
    for (char letter = 'A'; letter <= 'Z'; ++letter) {
        SCOPED_TRACE(std::string(1, letter));
        ASSERT_TRUE(tabs.letterRange(store.sortTarget(), letter));
        // Joined, so that a failure shows the names.
        EXPECT_EQ(namesInOrder().join(", ").toStdString(),
            expected[letter].join(", ").toStdString());
        EXPECT_EQ(counts.count(letter), expected[letter].size());
        sum += counts.count(letter);
    }
    EXPECT_EQ(sum, c.scopeRecords);
    EXPECT_TRUE(messagesAfterOpen().isEmpty());
}

// With a second sort field the key goes on after the name, which keeps its case there:
// a letter still covers every name starting with it.
TEST_F(SortContentionTest, LetterTabsOnANameSortWithANumberAfterIt)
{
    const SortBytes byNameThenPrice { kCardName, false, kPurchase, true };
    ASSERT_TRUE(sortBy(byNameThenPrice));
    LetterTabs tabs { byNameThenPrice, store.fields(), FilterScope::AllRecords, true, true };

    ASSERT_TRUE(tabs.letterRange(store.sortTarget(), 'M'));
    EXPECT_EQ(namesInOrder(), QStringList({ "Mays", "Montana", "Musial", "Müller" }));
    ASSERT_TRUE(tabs.letterRange(store.sortTarget(), 'Z'));
    EXPECT_EQ(namesInOrder(), QStringList({ "Zito", "Zoë", "mantle", "Álvarez", "Émile" }));
    LetterCounts counts;
    tabs.letterCounts(store.sortTarget(), counts);
    int sum = 0;
    for (char letter = 'A'; letter <= 'Z'; ++letter)
        sum += counts.count(letter);
    EXPECT_EQ(sum, int(cards.size()));
}

INSTANTIATE_TEST_SUITE_P(Scopes, LetterTabScopeTest,
    ::testing::Values(LetterCase { "NormalFilter", FilterScope::NormalFilter, false, 9 },
        LetterCase { "ReversedFilter", FilterScope::ReversedFilter, false, 5 },
        LetterCase { "AllRecords", FilterScope::AllRecords, false, 14 },
        LetterCase { "NormalFilterDescending", FilterScope::NormalFilter, true, 9 },
        LetterCase { "ReversedFilterDescending", FilterScope::ReversedFilter, true, 5 },
        LetterCase { "AllRecordsDescending", FilterScope::AllRecords, true, 14 }),
    [](const ::testing::TestParamInfo<LetterCase> &info) { return info.param.name; });

} // namespace
} // namespace zendrova::test
