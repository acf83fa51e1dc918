#pragma once

#include <cstdint>
#include <cstring>

// Byte positions of the dBASE IV multiple-index file, and little-endian access.
namespace dbase::mdx {

constexpr uint32_t kPageSize = 512;
constexpr uint32_t kPagesPerBlock = 2;
constexpr uint32_t kBlockSize = kPageSize * kPagesPerBlock;
constexpr uint32_t kFirstTagPage = 4;      // pages 0-3 hold the file header and the tag table
constexpr uint32_t kHeaderBytes = kFirstTagPage * kPageSize;
constexpr uint32_t kTagTableOffset = 544;
constexpr uint32_t kSlotLength = 32;
constexpr uint32_t kSlotsWritten = 48;
constexpr uint32_t kMaxTags = 47;          // tagSlots that end before page 4
constexpr int kMaxDepth = 32;              // far beyond any real tree; deeper means a damaged file

// File header.
constexpr uint32_t kVersion = 0, kDate = 1, kTableName = 4, kTableNameLength = 16;
constexpr uint32_t kPagesPerBlockAt = 20, kBlockSizeAt = 22, kProductionFlag = 24;
constexpr uint32_t kSlotCount = 25, kSlotLengthAt = 26, kTagsInUse = 28;
constexpr uint32_t kTotalPages = 32, kFreeListHead = 36, kReindexDate = 44;
// Bytes the format leaves unused: a writer sets the marker before its first page write and
// clears it when done, so a marker found at open means a writer died mid-change. The counter
// grows with every change so other processes know their cached pages are old.
constexpr uint32_t kBeingModified = 47, kChangeCounter = 48;
// Also unused by the format: how many records of the table were marked deleted when the
// table file had a given size and modification time (see DeletedSeal).
constexpr uint32_t kSealSet = 52, kSealRecords = 56, kSealDeleted = 60, kSealSize = 64, kSealModified = 72;
// With it, the tags (bit i: the i-th in the tag table) known to hold one key per live record.
constexpr uint32_t kSealExactTags = 80, kSealEnd = 88;

// Tag table slot.
constexpr uint32_t kSlotHeaderPage = 0, kSlotName = 4, kTagNameLength = 10, kSlotMarker = 15;
constexpr uint32_t kSlotLeft = 16, kSlotRight = 17, kSlotParent = 18, kSlotMarker2 = 19;
constexpr uint32_t kSlotKeyType = 20;

// Tag header block.
constexpr uint32_t kRootPage = 0, kFlags = 8, kKeyType = 9, kKeyLength = 12, kKeysPerNode = 14;
constexpr uint32_t kDateKeyFlag = 16, kItemLength = 18, kTagChangeCounter = 20, kUnique = 23;
constexpr uint32_t kExpression = 24, kMaxExpressionLength = 220, kForFlag = 245, kHasKeys = 246;
constexpr uint32_t kFirstLeaf = 248, kLastLeaf = 252;
constexpr uint8_t kFlagBase = 0x10, kFlagDescending = 0x08, kFlagUnique = 0x40;

// Node.
constexpr uint32_t kNodeCount = 0, kNodeEntries = 8;

inline uint16_t get16(const uint8_t *p) { return static_cast<uint16_t>(p[0] | p[1] << 8); }
inline uint32_t get32(const uint8_t *p)
{
    return static_cast<uint32_t>(p[0]) | static_cast<uint32_t>(p[1]) << 8 |
           static_cast<uint32_t>(p[2]) << 16 | static_cast<uint32_t>(p[3]) << 24;
}
inline void put16(uint8_t *p, uint32_t v)
{
    p[0] = static_cast<uint8_t>(v);
    p[1] = static_cast<uint8_t>(v >> 8);
}
inline void put32(uint8_t *p, uint32_t v)
{
    for (int i = 0; i < 4; ++i)
        p[i] = static_cast<uint8_t>(v >> (8 * i));
}

} // namespace dbase::mdx
