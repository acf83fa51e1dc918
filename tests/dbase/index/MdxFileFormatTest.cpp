#include "IndexFixture.h"
#include "RandomCards.h"

#include "dbase/index/IndexCheck.h"
#include "dbase/index/IndexError.h"

#include <numeric>

using namespace dbase;
using namespace dbase::test;

namespace {

uint32_t u16(const std::string &bytes, size_t at)
{
    return static_cast<uint8_t>(bytes[at]) | static_cast<uint8_t>(bytes[at + 1]) << 8;
}

uint32_t u32(const std::string &bytes, size_t at)
{
    return u16(bytes, at) | u16(bytes, at + 2) << 16;
}

std::string le32(uint32_t v)
{
    return {static_cast<char>(v), static_cast<char>(v >> 8), static_cast<char>(v >> 16), static_cast<char>(v >> 24)};
}

class MdxFileFormat : public IndexFixture
{
protected:
    // Tags IDX1 (text), IDX0 (record number) and ZED (date, descending) over `records` cards.
    void build(size_t records)
    {
        cards_ = RandomCards(4).make(records);
        auto index = createIndex();
        index->addTag("IDX1", "UPPER(NAME)", false, scanOf(cards_));
        index->addTag("idx0", "STR(RECNO, 20, 4)", false, scanOf(cards_));
        index->addTag("ZED", "CUSTOM4", true, scanOf(cards_));
    }

    // Everything a reader does with a file; the first IndexError's text, or "" when none.
    std::string readEverything()
    {
        try {
            auto index = openIndex();
            for (const auto &tag : index->tags()) {
                TagCursor cursor(*index, tag.name);
                walk(cursor);
                walk(cursor, true);
                cursor.count();
            }
            const auto result = checkIndex(*index, scanOf(cards_));
            if (!result.ok())
                return result.problems.front();
            index->insertKey(99999, CardRecord(cards_.front()));
            return "";
        } catch (const IndexError &e) {
            return e.what();
        }
    }

    std::vector<Card> cards_;
};

} // namespace

TEST_F(MdxFileFormat, HeaderTagTableAndTagHeadersSitWhereTheFormatPutsThem)
{
    build(9);
    const std::string f = fileBytes();
    EXPECT_EQ(f[0], 2);
    EXPECT_EQ(f.substr(4, 5), std::string("DATA\0", 5));
    EXPECT_EQ(u16(f, 20), 2u);
    EXPECT_EQ(u16(f, 22), 1024u);
    EXPECT_EQ(f[24], 1);
    EXPECT_EQ(f[25], 48);
    EXPECT_EQ(f[26], 32);
    EXPECT_EQ(u16(f, 28), 3u);
    EXPECT_EQ(u32(f, 32) * 512, f.size());
    EXPECT_EQ(u32(f, 36), 0u);
    EXPECT_EQ(f[47], 0) << "no change in progress";

    struct Slot { const char *name; char type; uint8_t left, right, parent; };
    // Names form a search tree rooted at slot 1: IDX0 < IDX1 < ZED.
    const Slot tagSlots[] = {{"IDX1", 'C', 2, 3, 0}, {"IDX0", 'C', 0, 0, 1}, {"ZED", 'D', 0, 0, 1}};
    for (size_t i = 0; i < 3; ++i) {
        const size_t at = 544 + 32 * i;
        EXPECT_EQ(f.substr(at + 4, 10), std::string(tagSlots[i].name) + std::string(10 - strlen(tagSlots[i].name), '\0'));
        EXPECT_EQ(f[at + 15], 0x10);
        EXPECT_EQ(static_cast<uint8_t>(f[at + 16]), tagSlots[i].left) << tagSlots[i].name;
        EXPECT_EQ(static_cast<uint8_t>(f[at + 17]), tagSlots[i].right) << tagSlots[i].name;
        EXPECT_EQ(static_cast<uint8_t>(f[at + 18]), tagSlots[i].parent) << tagSlots[i].name;
        EXPECT_EQ(f[at + 19], 0x02);
        EXPECT_EQ(f[at + 20], tagSlots[i].type);
    }
    EXPECT_EQ(u32(f, 544), 4u) << "the first tag header is at page 4";

    struct Header { size_t slot; uint8_t flags; char type; uint32_t length, perNode, dateFlag, item; const char *expression; };
    const Header headers[] = {{0, 0x10, 'C', 50, 18, 0, 56, "UPPER(NAME)"},
                              {1, 0x10, 'C', 20, 42, 0, 24, "STR(RECNO, 20, 4)"},
                              {2, 0x18, 'D', 8, 84, 1, 12, "CUSTOM4"}};
    for (const auto &h : headers) {
        const size_t at = u32(f, 544 + 32 * h.slot) * 512;
        EXPECT_EQ(static_cast<uint8_t>(f[at + 8]), h.flags) << h.expression;
        EXPECT_EQ(f[at + 9], h.type);
        EXPECT_EQ(u16(f, at + 12), h.length);
        EXPECT_EQ(u16(f, at + 14), h.perNode);
        EXPECT_EQ(u16(f, at + 16), h.dateFlag);
        EXPECT_EQ(u16(f, at + 18), h.item);
        EXPECT_EQ(f.substr(at + 24, strlen(h.expression) + 1), std::string(h.expression) + '\0');
        EXPECT_EQ(f[at + 246], 1) << "the tag has keys";
    }

    // IDX1's root is one leaf: 9 entries of record number and key, then a zero pointer.
    const size_t root = u32(f, u32(f, 544) * 512) * 512;
    EXPECT_EQ(u32(f, root), 9u);
    std::vector<std::string> keysInLeaf;
    for (size_t i = 0; i < 9; ++i) {
        const uint32_t recNo = u32(f, root + 8 + 56 * i);
        ASSERT_GE(recNo, 1u);
        ASSERT_LE(recNo, 9u);
        keysInLeaf.push_back(f.substr(root + 12 + 56 * i, 50));
    }
    EXPECT_TRUE(std::is_sorted(keysInLeaf.begin(), keysInLeaf.end()));
    EXPECT_EQ(u32(f, root + 8 + 56 * 9), 0u);
}

TEST_F(MdxFileFormat, InteriorNodesNameEachChildByItsLargestKey)
{
    build(400);
    const std::string f = fileBytes();
    const size_t root = u32(f, u32(f, 544 + 32) * 512) * 512; // IDX0: 24-byte items
    const uint32_t count = u32(f, root);
    ASSERT_GE(count, 1u);
    EXPECT_NE(u32(f, root + 8 + 24 * count), 0u) << "the slot after the last entry is the rightmost child";
    const size_t child = u32(f, root + 8) * 512;
    const uint32_t childCount = u32(f, child);
    EXPECT_EQ(f.substr(root + 12, 20), f.substr(child + 8 + 24 * (childCount - 1) + 4, 20));
}

TEST_F(MdxFileFormat, DamagedFilesGiveAClearErrorAndNothingWorse)
{
    build(400);
    const std::string good = fileBytes();
    const uint32_t tag0 = u32(good, 544) * 512;
    const uint32_t root = u32(good, tag0) * 512;
    struct Case { const char *what; size_t offset; std::string bytes; const char *message; };
    const Case cases[] = {
        {"signature", 0, "\x03", "is not a dBASE IV multiple index"},
        {"block size", 22, std::string("\x07\x00", 2), "is damaged: block size 7"},
        {"page count", 32, le32(0x00FFFFFF), "is damaged: it claims 16777215 pages"},
        {"tag count", 28, std::string("\x3C\x00", 2), "is damaged: 60 tags"},
        {"tag pointer", 544, le32(0x7FFFFFFF), "is damaged: tag 1 points outside the file"},
        {"key length", tag0 + 12, "\xF4\x01", "is damaged: key type C with length 500"},
        {"items per node", tag0 + 14, std::string("\xFF\x00", 2), "is damaged: 255 keys per node"},
        {"root pointer", tag0, le32(0x0FFFFFFF), "is damaged: root page 268435455 is outside the file"},
        {"loop", root + 8, le32(root / 512), "is damaged: a tag's tree loops"},
        {"key count", root, le32(70000), "claims 70000 keys"},
        {"child pointer", root + 8, le32(0x00FFFFF0), "is damaged: page 16777200 is outside the file"},
    };
    for (const auto &c : cases) {
        {
            std::ofstream reset(path(), std::ios::binary | std::ios::trunc);
            reset << good;
        }
        patch(c.offset, c.bytes);
        const std::string message = readEverything();
        EXPECT_NE(message.find(c.message), std::string::npos) << c.what << ": " << message;
    }
    std::ofstream(path(), std::ios::binary | std::ios::trunc) << good.substr(0, 3000);
    EXPECT_NE(readEverything().find("is damaged: it claims"), std::string::npos);
}

TEST_F(MdxFileFormat, AFileWrittenEarlierStillReads)
{
    // Cards60.mdx: 60 records, tags added in this order, IDX5 deleted before IDX6 was added.
    std::filesystem::copy_file(ZENDROVA_TEST_DATA "/Cards60.mdx", path("CARDS60.MDX"));
    const std::vector<FieldInfo> fields = {{"RECNO", 'N', 10, 0, 0},  {"FMARK", 'C', 1, 0, 10},
                                           {"NAME", 'C', 50, 0, 11},  {"PPRICE", 'N', 12, 2, 61},
                                           {"CUSTOM4", 'D', 8, 0, 73}, {"NOTES", 'M', 10, 0, 81}};
    auto index = ProductionIndex::open(path("CARDS60.MDX"), fields);
    EXPECT_FALSE(index->isStale());
    std::vector<std::string> names;
    for (const auto &tag : index->tags()) {
        names.push_back(tag.name);
        TagCursor cursor(*index, tag.name);
        EXPECT_EQ(cursor.count(), 60u) << tag.name;
    }
    EXPECT_EQ(names, (std::vector<std::string>{"IDX0", "IDX1", "IDXF2", "IDX3", "IDX4", "IDX6"}));
    EXPECT_TRUE(index->tags()[1].descending);
    EXPECT_NE(index->file().header().freeListHead, 0u);
    std::vector<uint32_t> recordOrder(60);
    std::iota(recordOrder.begin(), recordOrder.end(), 1u);
    EXPECT_EQ(walkTag(*index, "IDX0"), recordOrder);
}

TEST_F(MdxFileFormat, RemovingTheOnlyKeyUnderAnInnerNodeWithoutKeysReportsDamage)
{
    // IDX0's root left with no keys above its first child, and that leaf with one entry:
    // emptying the leaf must not look for a key before the root's first.
    build(400);
    const std::string good = fileBytes();
    const uint32_t root = u32(good, u32(good, 544 + 32) * 512) * 512; // IDX0: 24-byte items
    const uint32_t leaf = u32(good, root + 8) * 512;
    ASSERT_EQ(u32(good, leaf + 8 + 24 * u32(good, leaf)), 0u) << "the root's first child is a leaf";
    patch(root, le32(0));
    patch(leaf, le32(1));
    patch(leaf + 8 + 24, le32(0));
    const uint32_t recNo = u32(good, leaf + 8);
    auto index = openIndex();
    try {
        index->removeKey(recNo, CardRecord(cards_.at(recNo - 1)));
        FAIL() << "the removal went through";
    } catch (const IndexError &e) {
        EXPECT_NE(std::string(e.what()).find("is damaged: an inner node of a tag holds no keys"), std::string::npos)
            << e.what();
    }
}
