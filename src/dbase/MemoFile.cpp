#include "dbase/MemoFile.h"

#include "dbase/ByteOrder.h"
#include "dbase/Error.h"
#include "dbase/LockOffsets.h"
#include "dbase/PathNames.h"

#include <algorithm>
#include <cctype>
#include <cstring>

namespace dbase {

namespace {

constexpr char kValueMark[4] = {'\xFF', '\xFF', '\x08', '\x00'};
constexpr size_t kValueHeader = 8;
using locks::kMemo;
// A dBASE III value ends with two end-of-file marks.
constexpr char kDbase3End[2] = {'\x1A', '\x1A'};

} // namespace

MemoFile::Format MemoFile::formatFor(uint8_t tableVersion)
{
    // Bit 3 marks the dBASE IV memo; other tables with memo fields are dBASE III.
    return (tableVersion & 0x08) || tableVersion == 0x03 ? Format::Dbase4 : Format::Dbase3;
}

void MemoFile::create(const std::string &path, Format format)
{
    std::string header(kBlockSize, '\0');
    putU32(header.data(), 1);
    if (format == Format::Dbase4) {
        std::string base = baseNameOf(path).substr(0, 8);
        for (char &c : base)
            c = char(std::toupper(static_cast<unsigned char>(c)));
        base.copy(header.data() + 8, base.size());
        header[18] = 0x02;
        header[19] = 0x01;
        putU16(header.data() + 20, uint16_t(kBlockSize));
    } else {
        header[16] = 0x03;
    }
    File file(path, File::Mode::Create);
    file.write(0, header.data(), header.size());
}

MemoFile::MemoFile(const std::string &path, Format format, bool readOnly)
    : m_file(path, readOnly ? File::Mode::ReadOnly : File::Mode::ReadWrite), m_format(format)
{
    reload();
}

void MemoFile::damaged(const std::string &why) const
{
    throw Error(ErrorKind::Corrupt, "Memo file " + path() + " is damaged: " + why);
}

void MemoFile::reload()
{
    char header[22];
    m_file.readExact(0, header, sizeof header, "the memo header");
    if (m_format == Format::Dbase4) {
        const uint16_t size = getU16(header + 20);
        // Real files use multiples of 64 bytes (dBASE 512 x n, some writers 64).
        if (size < 64 || size % 64 != 0)
            damaged("impossible block size");
        m_blockSize = size;
        loadFreeList();
    } else {
        m_blockSize = kBlockSize;
        m_endBlock = std::max<uint32_t>(1, getU32(header));
        m_free.clear();
    }
}

void MemoFile::loadFreeList()
{
    const uint64_t fileBlocks = blocksFor(m_file.size());
    m_free.clear();
    m_savedLinks.clear();
    char header[4];
    m_file.readExact(0, header, sizeof header, "the memo header");
    uint32_t at = getU32(header);
    m_savedHead = at;
    // The chain must climb strictly, which also rules out loops.
    uint32_t floor = 1;
    while (at < fileBlocks) {
        if (at < floor)
            damaged("the free block list is out of order");
        char link[8];
        m_file.readExact(uint64_t(at) * m_blockSize, link, sizeof link, "a free block entry");
        const uint32_t next = getU32(link);
        const uint32_t count = getU32(link + 4);
        // Zeros: space a writer that stopped had allocated ahead; the used space ends here.
        if (next == 0 && count == 0)
            break;
        if (count == 0 || uint64_t(at) + count > fileBlocks)
            damaged("a free block run lies outside the file");
        if (next < uint64_t(at) + count)
            damaged("the free block list is out of order");
        m_savedLinks.push_back({at, next, count});
        if (!m_free.empty() && m_free.back().start + m_free.back().count == at)
            m_free.back().count += count;
        else
            m_free.push_back({at, count});
        floor = at + count;
        at = next;
    }
    if (at == 0)
        damaged("the free block list is out of order");
    // The list is saved before a value is written into the blocks it gave
    // out, so a stop in between leaves the end beyond the file: nothing uses
    // those blocks, and appending starts again at the file's end.
    m_endBlock = uint32_t(std::min<uint64_t>(at, fileBlocks));
    if (m_endBlock == 0)
        m_endBlock = 1;
    if (!m_free.empty() && m_free.back().start + m_free.back().count > m_endBlock)
        damaged("the free block list is out of order");
}

void MemoFile::saveFreeList()
{
    std::vector<Link> links;
    links.reserve(m_free.size());
    for (size_t i = 0; i < m_free.size(); ++i)
        links.push_back({m_free[i].start, i + 1 < m_free.size() ? m_free[i + 1].start : m_endBlock, m_free[i].count});
    for (const Link &link : links) {
        const auto saved = std::lower_bound(m_savedLinks.begin(), m_savedLinks.end(), link.start,
                                            [](const Link &l, uint32_t start) { return l.start < start; });
        if (saved != m_savedLinks.end() && *saved == link)
            continue;
        char bytes[8];
        putU32(bytes, link.next);
        putU32(bytes + 4, link.count);
        m_file.write(uint64_t(link.start) * m_blockSize, bytes, sizeof bytes);
    }
    m_savedLinks = std::move(links);
    m_freeListUnsaved = false;
    const uint32_t head = m_free.empty() ? m_endBlock : m_free.front().start;
    if (head != m_savedHead) {
        char bytes[4];
        putU32(bytes, head);
        store(0, bytes, sizeof bytes, false);
        m_savedHead = head;
    }
}

void MemoFile::store(uint64_t offset, const char *data, size_t n, bool atEnd)
{
    if (m_soleWriter && (atEnd || offset + n <= m_blockSize))
        m_file.writeMapped(offset, data, n);
    else
        m_file.write(offset, data, n);
}

void MemoFile::finishWrites()
{
    if (m_freeListUnsaved)
        saveFreeList();
    if (m_file.isMapped())
        m_file.endMapped(uint64_t(m_endBlock) * m_blockSize);
}

// Reads the start of a value (its header and what follows, up to `length` bytes)
// into `into`, telling how much came in `got`; returns the value's length, header
// included. A short read is the file's end.
uint64_t MemoFile::valueStart(uint32_t block, char *into, size_t length, size_t &got) const
{
    const uint64_t start = uint64_t(block) * m_blockSize;
    got = block == 0 ? 0 : m_file.readSome(start, into, length);
    if (got < kValueHeader)
        damaged("a memo points past the end of the file");
    if (!std::equal(into, into + 4, kValueMark))
        damaged("a memo block does not start a value");
    const uint64_t valueLength = getU32(into + 4);
    if (valueLength < kValueHeader)
        damaged("a memo value is longer than the file");
    return valueLength;
}

// One read for a value that fits its first block, which most notes do.
std::string MemoFile::read(uint32_t block) const
{
    if (m_format == Format::Dbase4) {
        std::string first(m_blockSize, '\0');
        size_t got = 0;
        const uint64_t length = valueStart(block, first.data(), first.size(), got);
        if (length <= got)
            return first.substr(kValueHeader, length - kValueHeader);
        // A damaged length must not ask for gigabytes.
        if (uint64_t(block) * m_blockSize + length > m_file.size())
            damaged("a memo value is longer than the file");
        std::string data(length - kValueHeader, '\0');
        std::memcpy(data.data(), first.data() + kValueHeader, got - kValueHeader);
        const size_t rest = length - got;
        if (m_file.readSome(uint64_t(block) * m_blockSize + got, data.data() + (got - kValueHeader), rest) != rest)
            damaged("a memo value is longer than the file");
        return data;
    }
    const uint64_t fileSize = m_file.size();
    uint64_t at = uint64_t(block) * m_blockSize;
    if (block == 0 || at >= fileSize)
        damaged("a memo points past the end of the file");
    // Read block by block until the end mark; the file's end bounds the search.
    std::string data;
    std::string chunk(m_blockSize, '\0');
    while (at < fileSize) {
        const size_t got = m_file.readSome(at, chunk.data(), chunk.size());
        const size_t before = data.size();
        data.append(chunk.data(), got);
        const size_t from = before > 0 ? before - 1 : 0;
        const auto end = data.find(std::string_view(kDbase3End, 2), from);
        if (end != std::string::npos) {
            data.resize(end);
            return data;
        }
        at += got;
    }
    // A value without its end mark: some writers end with a single 1A.
    if (!data.empty() && data.back() == '\x1A')
        data.pop_back();
    return data;
}

uint32_t MemoFile::write(std::string_view data)
{
    if (m_file.isReadOnly())
        throw Error(ErrorKind::Usage, "Memo file " + path() + " is read-only");
    if (m_format == Format::Dbase3) {
        std::string bytes(data);
        bytes.append(kDbase3End, 2);
        const uint32_t block = m_endBlock;
        const uint64_t blocks = blocksFor(bytes.size());
        if (uint64_t(block) + blocks > 0xFFFFFFFFull)
            throw Error(ErrorKind::Value, "Memo file " + path() + " is full");
        bytes.resize(blocks * m_blockSize, '\0');
        m_file.write(uint64_t(block) * m_blockSize, bytes.data(), bytes.size());
        m_endBlock = uint32_t(block + blocks);
        char head[4];
        putU32(head, m_endBlock);
        m_file.write(0, head, sizeof head);
        return block;
    }
    if (data.size() > 0xFFFFFFFFull - kValueHeader)
        throw Error(ErrorKind::Value, "A memo value is too long for " + path());
    const uint32_t blocks = blocksFor(data.size() + kValueHeader);
    uint32_t block = 0;
    const uint32_t usedEnd = m_endBlock;
    auto fit = std::find_if(m_free.begin(), m_free.end(), [&](const Run &r) { return r.count >= blocks; });
    if (fit != m_free.end()) {
        block = fit->start;
        fit->start += blocks;
        fit->count -= blocks;
        if (fit->count == 0)
            m_free.erase(fit);
    } else if (!m_free.empty() && m_free.back().start + m_free.back().count == m_endBlock) {
        // The last free run reaches the end: grow into it rather than past it.
        block = m_free.back().start;
        m_free.pop_back();
        m_endBlock = block + blocks;
    } else {
        if (uint64_t(m_endBlock) + blocks > 0xFFFFFFFFull)
            throw Error(ErrorKind::Value, "Memo file " + path() + " is full");
        block = m_endBlock;
        m_endBlock += blocks;
    }
    // The list first: a stop before the value is written only leaks blocks.
    saveFreeList();
    std::string bytes(size_t(blocks) * m_blockSize, '\0');
    std::copy(kValueMark, kValueMark + 4, bytes.begin());
    putU32(bytes.data() + 4, uint32_t(data.size() + kValueHeader));
    std::copy(data.begin(), data.end(), bytes.begin() + kValueHeader);
    store(uint64_t(block) * m_blockSize, bytes.data(), bytes.size(), block >= usedEnd);
    return block;
}

void MemoFile::release(uint32_t block)
{
    if (m_format == Format::Dbase3 || m_file.isReadOnly())
        return;
    char head[kValueHeader];
    size_t got = 0;
    const uint32_t blocks = blocksFor(valueStart(block, head, sizeof head, got));
    if (uint64_t(block) + blocks > m_endBlock)
        damaged("a memo value lies past the used space");
    auto after = std::lower_bound(m_free.begin(), m_free.end(), block,
                                  [](const Run &r, uint32_t b) { return r.start < b; });
    if (after != m_free.begin()) {
        const Run &before = *std::prev(after);
        if (before.start + before.count > block)
            return; // already free: a second release must not corrupt the list
    }
    if (after != m_free.end() && block + blocks > after->start)
        return;
    after = m_free.insert(after, {block, blocks});
    if (auto next = std::next(after); next != m_free.end() && after->start + after->count == next->start) {
        after->count += next->count;
        m_free.erase(next);
    }
    if (after != m_free.begin()) {
        auto prev = std::prev(after);
        if (prev->start + prev->count == after->start) {
            prev->count += after->count;
            m_free.erase(after);
        }
    }
    // A sole writer saves the list with the next value it stores or when it finishes: a
    // stop before then only leaks these blocks, and a value stored at once into them
    // costs no list write at all.
    if (m_soleWriter) {
        m_freeListUnsaved = true;
        return;
    }
    saveFreeList();
}

bool MemoFile::tryLock()
{
    return m_file.tryLock(kMemo, 1, true);
}

void MemoFile::unlock()
{
    m_file.unlock(kMemo, 1);
}

} // namespace dbase
