#include "dbase/index/TagHeader.h"

#include "dbase/index/IndexError.h"
#include "dbase/index/KeyEncoding.h"
#include "dbase/index/MdxLayout.h"

#include <cstring>

namespace dbase {

using namespace mdx;

namespace {

int itemLengthFor(int keyLength) { return (keyLength + 4 + 3) / 4 * 4; }
int keysPerNodeFor(uint32_t blockSize, int itemLength)
{
    return static_cast<int>((blockSize - 12) / static_cast<uint32_t>(itemLength));
}

} // namespace

TagHeader TagHeader::forKey(char keyType, int keyLength, bool descending, std::string expression,
                            uint32_t blockSize)
{
    TagHeader h;
    h.keyType = keyType;
    h.keyLength = keyLength;
    h.itemLength = itemLengthFor(keyLength);
    h.keysPerNode = keysPerNodeFor(blockSize, h.itemLength);
    h.descending = descending;
    h.expression = std::move(expression);
    return h;
}

TagHeader TagHeader::parse(const uint8_t *block, uint32_t blockSize, uint32_t totalPages,
                           const std::string &where, bool checkRoot)
{
    auto damaged = [&](const std::string &what) {
        return IndexError("The index file " + where + " is damaged: " + what);
    };
    TagHeader h;
    h.rootPage = get32(block + kRootPage);
    h.keyType = static_cast<char>(block[kKeyType]);
    h.keyLength = get16(block + kKeyLength);
    h.keysPerNode = get16(block + kKeysPerNode);
    h.itemLength = get16(block + kItemLength);
    h.descending = (block[kFlags] & kFlagDescending) != 0;
    h.unique = (block[kFlags] & kFlagUnique) != 0 || block[kUnique] != 0;
    h.filtered = block[kForFlag] != 0;
    h.changeCounter = block[kTagChangeCounter];
    h.hasKeys = block[kHasKeys] != 0;
    h.firstLeaf = get32(block + kFirstLeaf);
    h.lastLeaf = get32(block + kLastLeaf);
    const auto *text = reinterpret_cast<const char *>(block + kExpression);
    h.expression.assign(text, strnlen(text, kMaxExpressionLength));

    const bool lengthOk = (h.keyType == 'C' && h.keyLength >= 1 && h.keyLength <= keys::kMaxCharacterLength) ||
                          (h.keyType == 'N' && h.keyLength == keys::kNumericLength) ||
                          (h.keyType == 'D' && h.keyLength == keys::kDateLength);
    if (!lengthOk)
        throw damaged("key type " + std::string(1, h.keyType) + " with length " +
                      std::to_string(h.keyLength));
    if (h.itemLength != itemLengthFor(h.keyLength))
        throw damaged("item length " + std::to_string(h.itemLength));
    // Fewer keys per node than fit is allowed; more would overrun the block.
    const int fit = keysPerNodeFor(blockSize, h.itemLength);
    if (h.keysPerNode < 3 || h.keysPerNode > fit)
        throw damaged(std::to_string(h.keysPerNode) + " keys per node");
    if (checkRoot && (h.rootPage < kFirstTagPage || h.rootPage + blockSize / kPageSize > totalPages))
        throw damaged("root page " + std::to_string(h.rootPage) + " is outside the file");
    return h;
}

void TagHeader::writeTo(uint8_t *block, uint32_t blockSize) const
{
    std::memset(block, 0, blockSize);
    put32(block + kRootPage, rootPage);
    block[kFlags] = static_cast<uint8_t>(kFlagBase | (descending ? kFlagDescending : 0) |
                                         (unique ? kFlagUnique : 0));
    block[kKeyType] = static_cast<uint8_t>(keyType);
    put16(block + kKeyLength, static_cast<uint32_t>(keyLength));
    put16(block + kKeysPerNode, static_cast<uint32_t>(keysPerNode));
    put16(block + kDateKeyFlag, keyType == 'D' ? 1 : 0);
    put16(block + kItemLength, static_cast<uint32_t>(itemLength));
    block[kTagChangeCounter] = changeCounter;
    block[kUnique] = unique ? 1 : 0;
    std::memcpy(block + kExpression, expression.data(),
                std::min<size_t>(expression.size(), kMaxExpressionLength));
    block[kHasKeys] = hasKeys ? 1 : 0;
    put32(block + kFirstLeaf, firstLeaf);
    put32(block + kLastLeaf, lastLeaf);
}

} // namespace dbase
