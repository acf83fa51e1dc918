#pragma once

#include <cstdint>

namespace dbase::locks {

// Lock offsets shared with other dBASE programs.
constexpr uint64_t kRecordBase = 0xEFFFFFFEull; // record n: kRecordBase - n
constexpr uint64_t kHeader = 0xEFFFFFFFull;     // header and append
constexpr uint64_t kTableStart = 0x40000000ull; // exclusive use: the whole range
constexpr uint64_t kTableLength = 0xEFFFFFFFull - kTableStart + 1;
// A shared open holds a read lock on the range's first byte: an exclusive open
// needs the whole range and so fails while any shared open lasts. No record
// lock reaches that byte.
constexpr uint64_t kSharedMarker = kTableStart;
// In the memo file, around changes of its free list.
constexpr uint64_t kMemo = 0xEFFFFFFEull;

} // namespace dbase::locks
