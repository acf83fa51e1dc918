#pragma once

#include <cstdint>
#include <string>

namespace dbase {

// The header block of one tag: where its tree starts and what its keys are.
struct TagHeader
{
    uint32_t rootPage = 0;
    char keyType = 'C';
    int keyLength = 0;
    int keysPerNode = 0;
    int itemLength = 0;
    bool descending = false;
    bool unique = false;
    bool filtered = false; // another writer's FOR clause: the tag may leave records out
    bool hasKeys = false;
    uint8_t changeCounter = 0;
    uint32_t firstLeaf = 0; // hints only, never trusted on read
    uint32_t lastLeaf = 0;
    std::string expression;

    static TagHeader forKey(char keyType, int keyLength, bool descending, std::string expression,
                            uint32_t blockSize);
    // Checks every value a reader relies on; throws IndexError naming `where`. The root
    // is not checked in a stale file, which is only read to learn its tags and rebuild them.
    static TagHeader parse(const uint8_t *block, uint32_t blockSize, uint32_t totalPages,
                           const std::string &where, bool checkRoot = true);
    void writeTo(uint8_t *block, uint32_t blockSize) const;
};

} // namespace dbase
