#include "IndexFixture.h"

#include "dbase/index/IndexCheck.h"
#include "dbase/index/KeyEncoding.h"

using namespace dbase;
using namespace dbase::test;

namespace {

// Nine cards; record number = position + 1.
std::vector<Card> sampleCards()
{
    auto card = [](const char *name, const char *mark, const char *price, const char *bought) {
        Card c;
        c.name = name;
        c.mark = mark;
        c.price = price;
        c.bought = bought;
        c.notes = std::string("Note for ") + name;
        return c;
    };
    return {
        card("Mantle", "2", "12.50", "19520415"),      // 1
        card("aaron", "2", "3.00", ""),                // 2
        card("Mays", "2", "12.50", "19510101"),        // 3
        card("Zimmer", "2", "0.10", "20001231"),       // 4
        card("Brett", "0", "0.20", "19750601"),        // 5
        card("", "2", "", "19750601"),                 // 6
        card("mantle", "0", "12.49", ""),              // 7
        card("\xC9mile", "2", "100.00", "19990101"),   // 8
        card("1st Edition", "2", "5.00", "19510102"),  // 9
    };
}

class TagOrder : public IndexFixture
{
protected:
    void SetUp() override
    {
        IndexFixture::SetUp();
        index_ = createIndex();
        const auto scan = scanOf(sampleCards());
        index_->addTag("IDX0", "STR(RECNO, 20, 4)", false, scan);
        index_->addTag("IDX1", "UPPER(NAME)", false, scan);
        index_->addTag("IDX2", "UPPER(NAME)", true, scan);
        index_->addTag("IDX3", "STR(999999999999999999-PPRICE, 20, 4)", false, scan);
        index_->addTag("IDX4", "DTOS(CUSTOM4)", false, scan);
        index_->addTag("IDX5", "STR({12/31/3099}-CUSTOM4, 10, 0)", false, scan);
        index_->addTag("IDX6", "UPPER(MLINE(NOTES, 1))", true, scan);
        index_->addTag("IDXF7", "FMARK+UPPER(NAME)", false, scan);
        index_->addTag("IDXF8", "FMARK+UPPER(NAME)", true, scan);
        index_->addTag("IDX9", "DTOS(CUSTOM4)+STR(999999999999999999-PPRICE, 20, 4)", false, scan);
        index_->addTag("IDX10", "PPRICE", false, scan);
        index_->addTag("IDX11", "CUSTOM4", true, scan);
    }

    std::vector<uint32_t> inRange(const std::string &tag, const std::string &start, const std::string &end,
                                  uint64_t *counted = nullptr)
    {
        TagCursor cursor(*index_, tag);
        cursor.setRange(start, end);
        if (counted)
            *counted = cursor.count();
        return walk(cursor);
    }

    std::unique_ptr<ProductionIndex> index_;
};

using Order = std::vector<uint32_t>;

} // namespace

TEST_F(TagOrder, EveryKindOfSortKeyOrdersTheRecords)
{
    struct Case { const char *tag; Order order; };
    const Case cases[] = {
        {"IDX0", {1, 2, 3, 4, 5, 6, 7, 8, 9}},
        // blank name first, digits before letters, accented capital after Z; equal keys by record number
        {"IDX1", {6, 9, 2, 5, 1, 7, 3, 4, 8}},
        {"IDX2", {8, 4, 3, 1, 7, 5, 2, 9, 6}},
        {"IDX3", {8, 1, 3, 7, 9, 2, 5, 4, 6}},
        {"IDX4", {2, 7, 3, 9, 1, 5, 6, 8, 4}},
        {"IDX5", {4, 8, 5, 6, 1, 9, 3, 2, 7}},
        {"IDX6", {8, 4, 3, 1, 7, 5, 2, 9, 6}},
        {"IDXF7", {5, 7, 6, 9, 2, 1, 3, 4, 8}},
        // blank dates first; within a date the larger price first
        {"IDX9", {7, 2, 3, 9, 1, 5, 6, 8, 4}},
        {"IDX10", {6, 4, 5, 2, 9, 7, 1, 3, 8}},
        {"IDX11", {4, 8, 5, 6, 1, 9, 3, 2, 7}},
    };
    for (const auto &c : cases) {
        EXPECT_EQ(walkTag(*index_, c.tag), c.order) << c.tag;
        TagCursor cursor(*index_, c.tag);
        Order backward = walk(cursor, true);
        std::reverse(backward.begin(), backward.end());
        EXPECT_EQ(backward, c.order) << c.tag << " backward";
    }
    EXPECT_TRUE(checkIndex(*index_, scanOf(sampleCards())).ok());
}

TEST_F(TagOrder, LetterRangesOnAscendingAndDescendingTags)
{
    struct Case { const char *tag; std::string start, end; Order order; };
    const Case cases[] = {
        // tab A also shows what sorts before "A", tab Z what sorts after "Z"
        {"IDX1", "\001", "A\377", {6, 9, 2}},
        {"IDX1", "M", "M\377", {1, 7, 3}},
        {"IDX1", "Q", "Q\377", {}},
        {"IDX1", "Z", "\377", {4, 8}},
        {"IDX2", "A\377", "\001", {2, 9, 6}},
        {"IDX2", "M\377", "M", {3, 1, 7}},
        {"IDX2", "\377", "Z", {8, 4}},
        // the filter mark leads: Normal Filter "2", Reversed Filter "0"
        {"IDXF7", "2M", "2M\377", {1, 3}},
        {"IDXF7", "0M", "0M\377", {7}},
        {"IDXF7", "2", "3", {6, 9, 2, 1, 3, 4, 8}},
        {"IDXF7", "0", "1", {5, 7}},
        {"IDXF8", "2M\377", "2M", {3, 1}},
        {"IDXF8", "2\377", "2Z", {8, 4}},
    };
    for (const auto &c : cases) {
        uint64_t counted = 0;
        EXPECT_EQ(inRange(c.tag, c.start, c.end, &counted), c.order) << c.tag << " " << c.start;
        EXPECT_EQ(counted, c.order.size()) << c.tag << " " << c.start;
    }
}

TEST_F(TagOrder, LetterCountsAddUpToEveryRecord)
{
    uint64_t total = 0;
    for (char letter = 'A'; letter <= 'Z'; ++letter) {
        const std::string start = letter == 'A' ? "\001" : std::string(1, letter);
        const std::string end = letter == 'Z' ? "\377" : std::string(1, letter) + "\377";
        TagCursor cursor(*index_, "IDX1");
        cursor.setRange(start, end);
        total += cursor.count();
    }
    EXPECT_EQ(total, 9u);
    TagCursor whole(*index_, "IDX1");
    EXPECT_EQ(whole.count(), 9u);
}

TEST_F(TagOrder, SeekFindsExactAndNearestKeys)
{
    TagCursor cursor(*index_, "IDX1");
    ASSERT_TRUE(cursor.seek("MA"));
    EXPECT_EQ(cursor.recNo(), 1u);
    ASSERT_TRUE(cursor.next());
    EXPECT_EQ(cursor.recNo(), 7u);
    EXPECT_FALSE(cursor.seek("MB"));
    EXPECT_EQ(cursor.recNo(), 7u) << "a failed seek leaves the cursor where it was";
    ASSERT_TRUE(cursor.seekNearest("MB"));
    EXPECT_EQ(cursor.recNo(), 4u);
    EXPECT_FALSE(cursor.seekNearest("\xFF"));
    EXPECT_TRUE(cursor.atEnd());
    ASSERT_TRUE(cursor.seekEntry(std::string("MANTLE") + std::string(44, ' '), 7));
    EXPECT_EQ(cursor.moveBy(-2), -2);
    EXPECT_EQ(cursor.recNo(), 5u);
    EXPECT_EQ(cursor.moveBy(10), 5);
    EXPECT_TRUE(cursor.atEnd());

    // Descending tag: nearest is the first key at or after the given one in the tag's order.
    TagCursor down(*index_, "IDX2");
    ASSERT_TRUE(down.seekNearest("MB"));
    EXPECT_EQ(down.recNo(), 3u);
    // Numeric tag keys are given in the stored form, e.g. as the tag computes it for a key buffer.
    Card buffer;
    buffer.price = "12.5";
    const std::string priceKey = index_->keyOf("idx10", CardRecord(buffer));
    EXPECT_EQ(priceKey, keys::encodeNumber(Decimal::fromField("12.50")));
    TagCursor price(*index_, "IDX10");
    ASSERT_TRUE(price.seek(priceKey));
    EXPECT_EQ(price.recNo(), 1u);
}

TEST_F(TagOrder, RangesStopTheWalkAtBothEnds)
{
    TagCursor cursor(*index_, "IDX1");
    cursor.setRange("M", "M\377");
    ASSERT_TRUE(cursor.last());
    EXPECT_EQ(cursor.recNo(), 3u);
    EXPECT_FALSE(cursor.next());
    ASSERT_TRUE(cursor.first());
    EXPECT_FALSE(cursor.prior());
    EXPECT_TRUE(cursor.atStart());
    EXPECT_EQ(cursor.recNo(), 1u);
    EXPECT_FALSE(cursor.seek("ZIM")) << "seeking outside the range finds nothing";
    cursor.clearRange();
    EXPECT_TRUE(cursor.seek("ZIM"));
}

TEST_F(TagOrder, AReopenedFileGivesTheSameResults)
{
    std::vector<Order> before;
    const auto tags = index_->tags();
    for (const auto &tag : tags)
        before.push_back(walkTag(*index_, tag.name));
    index_.reset();
    auto reopened = openIndex();
    ASSERT_EQ(reopened->tags().size(), tags.size());
    for (size_t i = 0; i < tags.size(); ++i) {
        EXPECT_EQ(reopened->tags()[i].expression, tags[i].expression);
        EXPECT_EQ(reopened->tags()[i].descending, tags[i].descending);
        EXPECT_EQ(walkTag(*reopened, tags[i].name), before[i]) << tags[i].name;
    }
    EXPECT_FALSE(reopened->isStale());
}
