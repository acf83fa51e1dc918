#include "dbase/index/MdxHeader.h"

#include "dbase/index/IndexError.h"
#include "dbase/index/MdxLayout.h"

#include <algorithm>
#include <cstring>
#include <ctime>

namespace dbase {

using namespace mdx;

namespace {

void putDate(uint8_t *p)
{
    const std::time_t now = std::time(nullptr);
    std::tm local{};
    localtime_r(&now, &local);
    p[0] = static_cast<uint8_t>(local.tm_year);
    p[1] = static_cast<uint8_t>(local.tm_mon + 1);
    p[2] = static_cast<uint8_t>(local.tm_mday);
}

// Slots hold a binary search tree of tag names rooted at slot 1 (links 1-based, 0 none).
void writeNameTree(uint8_t *bytes, const std::vector<TagSlot> &tagSlots)
{
    auto slot = [&](size_t i) { return bytes + kTagTableOffset + i * kSlotLength; };
    for (size_t i = 1; i < tagSlots.size(); ++i) {
        size_t at = 0;
        for (;;) {
            uint8_t *node = slot(at);
            const bool left = tagSlots[i].name < tagSlots[at].name;
            uint8_t &link = node[left ? kSlotLeft : kSlotRight];
            if (link == 0) {
                link = static_cast<uint8_t>(i + 1);
                slot(i)[kSlotParent] = static_cast<uint8_t>(at + 1);
                break;
            }
            at = link - 1u;
        }
    }
}

} // namespace

MdxHeader MdxHeader::fresh(const std::string &tableName)
{
    MdxHeader h;
    h.tableName = tableName.substr(0, kTableNameLength - 1);
    h.pagesPerBlock = kPagesPerBlock;
    h.blockSize = kBlockSize;
    h.totalPages = kFirstTagPage;
    h.raw[kVersion] = 2;
    putDate(h.raw.data() + kDate);
    putDate(h.raw.data() + kReindexDate);
    return h;
}

void MdxHeader::parseFirstPage(const uint8_t *page)
{
    totalPages = get32(page + kTotalPages);
    freeListHead = get32(page + kFreeListHead);
    changeCounter = get32(page + kChangeCounter);
    beingModified = page[kBeingModified] != 0;
    deletedSeal.reset();
    if (page[kSealSet] == 1) {
        const auto get64 = [](const uint8_t *p) { return uint64_t(get32(p)) | uint64_t(get32(p + 4)) << 32; };
        deletedSeal = DeletedSeal{get32(page + kSealRecords), get32(page + kSealDeleted), get64(page + kSealSize),
                                  int64_t(get64(page + kSealModified)), get64(page + kSealExactTags)};
    }
}

MdxHeader MdxHeader::parse(const uint8_t *bytes, uint64_t fileSize, const std::string &path)
{
    auto damaged = [&](const std::string &what) {
        return IndexError("The index file " + path + " is damaged: " + what);
    };
    MdxHeader h;
    std::memcpy(h.raw.data(), bytes, h.raw.size());
    if (bytes[kVersion] != 2 || bytes[kSlotLengthAt] != kSlotLength)
        throw IndexError("The file " + path + " is not a dBASE IV multiple index");
    const auto *name = reinterpret_cast<const char *>(bytes + kTableName);
    h.tableName.assign(name, strnlen(name, kTableNameLength));
    h.pagesPerBlock = get16(bytes + kPagesPerBlockAt);
    h.blockSize = get16(bytes + kBlockSizeAt);
    if (h.pagesPerBlock < 1 || h.pagesPerBlock > 32 || h.blockSize != h.pagesPerBlock * kPageSize)
        throw damaged("block size " + std::to_string(h.blockSize));
    h.parseFirstPage(bytes);
    if (h.totalPages < kFirstTagPage || static_cast<uint64_t>(h.totalPages) * kPageSize > fileSize)
        throw damaged("it claims " + std::to_string(h.totalPages) + " pages");
    const uint32_t used = get16(bytes + kTagsInUse);
    if (used > kMaxTags)
        throw damaged(std::to_string(used) + " tags");
    for (uint32_t i = 0; i < used; ++i) {
        const uint8_t *slot = bytes + kTagTableOffset + i * kSlotLength;
        TagSlot s;
        s.headerPage = get32(slot + kSlotHeaderPage);
        const auto *tagName = reinterpret_cast<const char *>(slot + kSlotName);
        s.name.assign(tagName, strnlen(tagName, kTagNameLength));
        while (!s.name.empty() && s.name.back() == ' ')
            s.name.pop_back();
        s.keyType = static_cast<char>(slot[kSlotKeyType]);
        if (s.headerPage < kFirstTagPage || s.headerPage + h.pagesPerBlock > h.totalPages)
            throw damaged("tag " + std::to_string(i + 1) + " points outside the file");
        if (s.name.empty())
            throw damaged("tag " + std::to_string(i + 1) + " has no name");
        h.tagSlots.push_back(std::move(s));
    }
    return h;
}

void MdxHeader::writeTo(uint8_t *bytes) const
{
    std::memcpy(bytes, raw.data(), raw.size());
    bytes[kVersion] = 2;
    std::memset(bytes + kTableName, 0, kTableNameLength);
    std::memcpy(bytes + kTableName, tableName.data(), std::min<size_t>(tableName.size(), kTableNameLength - 1));
    put16(bytes + kPagesPerBlockAt, pagesPerBlock);
    put16(bytes + kBlockSizeAt, blockSize);
    bytes[kProductionFlag] = 1;
    bytes[kSlotCount] = kSlotsWritten;
    bytes[kSlotLengthAt] = kSlotLength;
    put16(bytes + kTagsInUse, static_cast<uint32_t>(tagSlots.size()));
    put32(bytes + kTotalPages, totalPages);
    put32(bytes + kFreeListHead, freeListHead);
    bytes[kBeingModified] = beingModified ? 1 : 0;
    put32(bytes + kChangeCounter, changeCounter);
    // Another writer's bytes here stay as read unless they are a seal of ours.
    if (deletedSeal || bytes[kSealSet] == 1)
        std::memset(bytes + kSealSet, 0, kSealEnd - kSealSet);
    if (deletedSeal) {
        const auto put64 = [](uint8_t *p, uint64_t v) {
            put32(p, uint32_t(v));
            put32(p + 4, uint32_t(v >> 32));
        };
        bytes[kSealSet] = 1;
        put32(bytes + kSealRecords, deletedSeal->records);
        put32(bytes + kSealDeleted, deletedSeal->deleted);
        put64(bytes + kSealSize, deletedSeal->tableSize);
        put64(bytes + kSealModified, uint64_t(deletedSeal->tableModifiedNs));
        put64(bytes + kSealExactTags, deletedSeal->exactTags);
    }
    std::memset(bytes + kTagTableOffset, 0, kMaxTags * kSlotLength);
    for (size_t i = 0; i < tagSlots.size(); ++i) {
        uint8_t *slot = bytes + kTagTableOffset + i * kSlotLength;
        put32(slot + kSlotHeaderPage, tagSlots[i].headerPage);
        std::memcpy(slot + kSlotName, tagSlots[i].name.data(), std::min<size_t>(tagSlots[i].name.size(), kTagNameLength));
        slot[kSlotMarker] = 0x10;
        slot[kSlotMarker2] = 0x02;
        slot[kSlotKeyType] = static_cast<uint8_t>(tagSlots[i].keyType);
    }
    writeNameTree(bytes, tagSlots);
}

} // namespace dbase
