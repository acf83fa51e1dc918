// The block cache of an index file: a full cache lets go of its least recently used
// block, and a changed block it lets go of still reaches the file.
#include "IndexFixture.h"

#include "dbase/index/PageFile.h"

namespace dbase::test {
namespace {

constexpr uint32_t kBlock = 1024; // two 512-byte pages

std::vector<uint8_t> filled(char c) { return std::vector<uint8_t>(kBlock, uint8_t(c)); }

std::vector<uint8_t> blockAt(PageFile &pages, uint32_t page)
{
    const uint8_t *bytes = pages.block(page, kBlock);
    return std::vector<uint8_t>(bytes, bytes + kBlock);
}

class PageFileCache : public IndexFixture
{
};

TEST_F(PageFileCache, EvictedBlocksAreWrittenAndReadBack)
{
    const std::string file = path("CACHE.MDX");
    {
        PageFile pages(file, PageFile::Mode::CreateNew, 3);
        // Eight blocks through a three-block cache: five are let go before the flush.
        for (uint32_t i = 0; i < 8; ++i)
            pages.writeBlock(2 * i, filled(char('a' + i)).data(), kBlock);
        // Block 0 went out early; changed again, its newest bytes must win.
        pages.writeBlock(0, filled('z').data(), kBlock);
        // Recently used blocks stay while older ones go: 6 and 7 are read from the cache.
        EXPECT_EQ(blockAt(pages, 14), filled('h'));
        EXPECT_EQ(blockAt(pages, 12), filled('g'));
        // Reading an evicted block brings back what was written out.
        EXPECT_EQ(blockAt(pages, 2), filled('b'));
        pages.flushWrites();
    }
    std::string expected;
    for (char c : std::string("zbcdefgh"))
        expected += std::string(kBlock, c);
    EXPECT_EQ(fileBytes("CACHE.MDX"), expected);
}

TEST_F(PageFileCache, ShrinkingDropsCachedBlocksPastTheEnd)
{
    const std::string file = path("CACHE.MDX");
    PageFile pages(file, PageFile::Mode::CreateNew, 4);
    for (uint32_t i = 0; i < 3; ++i)
        pages.writeBlock(2 * i, filled(char('a' + i)).data(), kBlock);
    pages.flushWrites();
    pages.writeBlock(4, filled('x').data(), kBlock);
    pages.truncate(2 * kBlock);
    pages.flushWrites();
    EXPECT_EQ(fileBytes("CACHE.MDX"), std::string(kBlock, 'a') + std::string(kBlock, 'b'));
    EXPECT_THROW(pages.block(4, kBlock), std::exception);
    // A failed read leaves nothing behind in the cache.
    pages.write(2 * kBlock, filled('c').data(), kBlock);
    EXPECT_EQ(blockAt(pages, 4), filled('c'));
}

// A walk along the file reads ahead; blocks changed in the cache keep their new bytes.
TEST_F(PageFileCache, ReadingAheadKeepsChangedBlocks)
{
    const std::string file = path("CACHE.MDX");
    PageFile pages(file, PageFile::Mode::CreateNew, 64);
    for (uint32_t i = 0; i < 10; ++i)
        pages.write(uint64_t(i) * kBlock, filled(char('a' + i)).data(), kBlock);
    pages.writeBlock(6, filled('x').data(), kBlock);
    for (uint32_t i = 1; i < 10; ++i) // block 1 on: the second read is the first of a walk
        EXPECT_EQ(blockAt(pages, 2 * i), i == 3 ? filled('x') : filled(char('a' + i))) << i;
    pages.flushWrites();
    std::string expected;
    for (char c : std::string("abcxefghij"))
        expected += std::string(kBlock, c);
    EXPECT_EQ(fileBytes("CACHE.MDX"), expected);
}

// Blocks fetched for a count, near ones read together: the cache's changed blocks keep
// their bytes, blocks past the end are left to the read that reports them, and a cache
// smaller than the list still answers every block.
TEST_F(PageFileCache, FetchingKeepsChangedBlocksAndLeavesTheEndToTheRead)
{
    const std::string file = path("CACHE.MDX");
    for (size_t cacheBlocks : {64, 3}) {
        SCOPED_TRACE("cache of " + std::to_string(cacheBlocks) + " blocks");
        PageFile pages(file, PageFile::Mode::CreateNew, cacheBlocks);
        for (uint32_t i = 0; i < 40; ++i)
            pages.write(uint64_t(i) * kBlock, filled(char('a' + i % 26)).data(), kBlock);
        pages.writeBlock(10, filled('x').data(), kBlock);
        const std::vector<uint32_t> wanted{2, 6, 10, 12, 18, 60, 78, 90};
        pages.fetch(wanted, kBlock);
        for (uint32_t page : wanted) {
            if (page >= 80) {
                EXPECT_THROW(pages.block(page, kBlock), std::exception);
                continue;
            }
            EXPECT_EQ(blockAt(pages, page), page == 10 ? filled('x') : filled(char('a' + page / 2 % 26))) << page;
        }
        pages.flushWrites();
        EXPECT_EQ(fileBytes("CACHE.MDX").substr(5 * kBlock, kBlock), std::string(kBlock, 'x'));
    }
}

} // namespace
} // namespace dbase::test
