#pragma once

#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

namespace dbase {

// One used slot of the tag table.
struct TagSlot
{
    uint32_t headerPage = 0;
    std::string name;
    char keyType = 'C';
};

// The table's count of deleted records, valid while the table file keeps the size and
// modification time it had when the marks were counted.
struct DeletedSeal
{
    uint32_t records = 0;
    uint32_t deleted = 0;
    uint64_t tableSize = 0;
    int64_t tableModifiedNs = 0;
    uint64_t exactTags = 0; // bit i: the i-th tag holds one key per live record, no more
    bool operator==(const DeletedSeal &) const = default;
};

// The file header and the tag table (pages 0-3). Bytes this program does not
// interpret are kept as read, so rewriting the header does not lose them.
struct MdxHeader
{
    std::string tableName;
    uint32_t pagesPerBlock = 0;
    uint32_t blockSize = 0;
    uint32_t totalPages = 0;
    uint32_t freeListHead = 0;
    uint32_t changeCounter = 0;
    bool beingModified = false;
    std::optional<DeletedSeal> deletedSeal;
    std::vector<TagSlot> tagSlots;
    std::array<uint8_t, 2048> raw{};

    static MdxHeader fresh(const std::string &tableName);
    // Checks signature, sizes and slot pointers against the file size; throws IndexError.
    static MdxHeader parse(const uint8_t *bytes, uint64_t fileSize, const std::string &path);
    // Reads only the first page (counter, marker, sizes): what changes with every edit.
    void parseFirstPage(const uint8_t *page);
    // All four header pages, the tag name search tree rebuilt from the tagSlots.
    void writeTo(uint8_t *bytes) const;
};

} // namespace dbase
