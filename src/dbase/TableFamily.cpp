#include "dbase/TableFamily.h"

#include "dbase/DbfHeader.h"
#include "dbase/Error.h"
#include "dbase/File.h"
#include "dbase/FieldCodec.h"
#include "dbase/LockOffsets.h"
#include "dbase/MemoFile.h"
#include "dbase/PathNames.h"
#include "dbase/Table.h"
#include "dbase/index/ProductionIndex.h"

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <fcntl.h>
#include <unistd.h>
#include <algorithm>
#include <memory>
#include <vector>

namespace dbase {

namespace {

constexpr const char *kTempSuffix = ".new$";
constexpr size_t kChunk = 256 * 1024;

[[noreturn]] void ioFailure(const std::string &what, const std::string &path)
{
    throw Error(ErrorKind::Io, what + " " + path + ": " + std::strerror(errno));
}

void syncFolder(const std::string &path)
{
    const int fd = ::open(folderOf(path).c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (fd >= 0) {
        ::fsync(fd);
        ::close(fd);
    }
}

void renameFile(const std::string &from, const std::string &to)
{
    if (::rename(from.c_str(), to.c_str()) != 0)
        ioFailure("Cannot rename " + from + " to", to);
}

void removeFile(const std::string &path)
{
    if (::unlink(path.c_str()) != 0 && errno != ENOENT)
        ioFailure("Cannot delete", path);
}

// Writes a copy of source to target's temporary name and returns that name.
std::string copyToTemp(const std::string &source, const std::string &target)
{
    const std::string temp = target + kTempSuffix;
    File in(source, File::Mode::ReadOnly);
    File out(temp, File::Mode::Create);
    std::string buffer(kChunk, '\0');
    uint64_t at = 0;
    while (size_t got = in.readSome(at, buffer.data(), buffer.size())) {
        out.write(at, buffer.data(), got);
        at += got;
    }
    out.sync();
    return temp;
}

// Replaces target by its temporary and drops members of other case spelling.
void commitTemp(const std::string &temp, const std::string &target)
{
    const auto existing = findFileNoCase(target);
    renameFile(temp, target);
    if (existing && *existing != target)
        removeFile(*existing);
}

void setProductionFlag(const std::string &dbfPath, bool hasIndex)
{
    File file(dbfPath, File::Mode::ReadWrite);
    const char flag = hasIndex ? 1 : 0;
    char current = 0;
    file.readExact(28, &current, 1, "the header");
    if (current != flag) {
        file.write(28, &flag, 1);
        file.sync();
    }
}

// Opens the table file with every other user locked out.
File openExclusive(const std::string &dbfPath)
{
    File file(dbfPath, File::Mode::ReadWrite);
    if (file.isReadOnly())
        throw Error(ErrorKind::Usage, "Table " + dbfPath + " is read-only");
    if (!file.tryLock(locks::kTableStart, locks::kTableLength, true))
        throw Error(ErrorKind::Locked, "Table " + dbfPath + " is in use by another user");
    return file;
}

// Before the records are rewritten: the tags are marked out of date on disk, so a
// stop before they are rebuilt leaves them to be rebuilt at the next open.
void markIndexStale(const TableFamily::Files &files, const DbfHeader &header)
{
    if (files.mdx)
        ProductionIndex::open(*files.mdx, header.fields)->markStale();
}

// After: an exclusive open rebuilds tags marked out of date, beside the old file.
void rebuildIndex(const TableFamily::Files &files)
{
    if (!files.mdx)
        return;
    Table table;
    table.open(files.dbf, true);
    table.close();
}

TableFamily::Files requireFamily(const std::string &dbfPath)
{
    auto files = TableFamily::find(dbfPath);
    if (!files)
        throw Error(ErrorKind::NotFound, "Table " + dbfPath + " does not exist");
    return *files;
}

} // namespace

std::optional<TableFamily::Files> TableFamily::find(const std::string &dbfPath)
{
    const auto dbf = findFileNoCase(dbfPath);
    if (!dbf)
        return std::nullopt;
    return Files {*dbf, findFileNoCase(siblingPath(*dbf, ".dbt")), findFileNoCase(siblingPath(*dbf, ".mdx"))};
}

void TableFamily::syncProductionFlag(const std::string &dbfPath)
{
    const Files files = requireFamily(dbfPath);
    setProductionFlag(files.dbf, files.mdx.has_value());
}

void TableFamily::copy(const std::string &source, const std::string &target)
{
    const Files from = requireFamily(source);
    if (findFileNoCase(target) == from.dbf)
        return;
    const std::string dbt = siblingPath(target, ".dbt");
    const std::string mdx = siblingPath(target, ".mdx");
    const std::string dbfTemp = copyToTemp(from.dbf, target);
    setProductionFlag(dbfTemp, from.mdx.has_value());
    // Members first, the table file last: until then the old table stays whole.
    if (from.dbt)
        commitTemp(copyToTemp(*from.dbt, dbt), dbt);
    else if (const auto old = findFileNoCase(dbt))
        removeFile(*old);
    if (from.mdx)
        commitTemp(copyToTemp(*from.mdx, mdx), mdx);
    else if (const auto old = findFileNoCase(mdx))
        removeFile(*old);
    commitTemp(dbfTemp, target);
    syncFolder(target);
}

void TableFamily::rename(const std::string &from, const std::string &to)
{
    const Files files = requireFamily(from);
    const auto taken = findFileNoCase(to);
    if (taken && *taken != files.dbf)
        throw Error(ErrorKind::AlreadyExists, "Cannot rename " + from + ": " + *taken + " already exists");
    if (files.dbt)
        renameFile(*files.dbt, siblingPath(to, ".dbt"));
    if (files.mdx)
        renameFile(*files.mdx, siblingPath(to, ".mdx"));
    renameFile(files.dbf, to);
    syncFolder(to);
}

void TableFamily::remove(const std::string &dbfPath)
{
    const auto files = find(dbfPath);
    if (!files)
        return;
    if (files->mdx)
        removeFile(*files->mdx);
    removeFile(files->dbf);
    if (files->dbt)
        removeFile(*files->dbt);
    syncFolder(dbfPath);
}

void TableFamily::empty(const std::string &dbfPath)
{
    const Files files = requireFamily(dbfPath);
    File lock = openExclusive(files.dbf);
    DbfHeader header = DbfHeader::read(lock);
    markIndexStale(files, header);
    header.recordCount = 0;
    header.setToday();
    const std::string temp = files.dbf + kTempSuffix;
    {
        std::string bytes = header.serialize();
        bytes += '\x1A';
        File out(temp, File::Mode::Create);
        out.write(0, bytes.data(), bytes.size());
        out.sync();
    }
    // The table file first: an empty table with its old memo file is sound.
    renameFile(temp, files.dbf);
    if (files.dbt) {
        const std::string memoTemp = *files.dbt + kTempSuffix;
        MemoFile::create(memoTemp, MemoFile::formatFor(header.version));
        File(memoTemp, File::Mode::ReadWrite).sync();
        renameFile(memoTemp, *files.dbt);
    }
    syncFolder(files.dbf);
    lock.close();
    rebuildIndex(files);
}

uint32_t TableFamily::pack(const std::string &dbfPath)
{
    const Files files = requireFamily(dbfPath);
    File in = openExclusive(files.dbf);
    DbfHeader header = DbfHeader::read(in);
    const uint64_t size = in.size();
    const uint64_t whole = (size - header.headerLength) / header.recordLength;
    const uint32_t count = uint32_t(std::min<uint64_t>(header.recordCount, whole));
    markIndexStale(files, header);

    // The memo file keeps every live value where it is; only the blocks of
    // deleted records go back to its free list. So the new table file fits
    // the old memo file and the new memo file the old table file, and a stop
    // between the two renames loses nothing.
    std::unique_ptr<MemoFile> memo;
    std::string memoTemp;
    if (files.dbt && header.hasMemoFields()) {
        memoTemp = copyToTemp(*files.dbt, *files.dbt);
        memo = std::make_unique<MemoFile>(
            memoTemp, MemoFile::formatFor(header.version), false);
    }

    const std::string temp = files.dbf + kTempSuffix;
    File out(temp, File::Mode::Create);
    const size_t recordLength = header.recordLength;
    const uint32_t perChunk = uint32_t(std::max<size_t>(1, kChunk / recordLength));
    std::string chunk;
    std::string kept;
    uint64_t writeAt = header.headerLength;
    uint32_t live = 0;
    for (uint32_t first = 1; first <= count; first += perChunk) {
        const uint32_t n = std::min(perChunk, count - first + 1);
        chunk.resize(size_t(n) * recordLength);
        in.readExact(header.headerLength + uint64_t(first - 1) * recordLength, chunk.data(), chunk.size(), "a record");
        kept.clear();
        for (uint32_t i = 0; i < n; ++i) {
            const char *record = chunk.data() + size_t(i) * recordLength;
            if (record[0] != '*') {
                kept.append(record, recordLength);
                ++live;
                continue;
            }
            for (const FieldInfo &f : header.fields) {
                if (!memo || (f.type != 'M' && f.type != 'B' && f.type != 'G'))
                    continue;
                const uint32_t block = codec::parseBlock(std::string_view(record + 1 + f.offset, f.length));
                try {
                    if (block)
                        memo->release(block);
                } catch (const Error &) {
                    // A deleted record's broken memo is not worth failing the pack for.
                }
            }
        }
        out.write(writeAt, kept.data(), kept.size());
        writeAt += kept.size();
    }
    const char end = '\x1A';
    out.write(writeAt, &end, 1);
    header.recordCount = live;
    header.setToday();
    const std::string head = header.serialize();
    out.write(0, head.data(), head.size());
    out.sync();
    if (memo) {
        memo->sync();
        memo.reset();
        renameFile(memoTemp, *files.dbt);
    }
    renameFile(temp, files.dbf);
    syncFolder(files.dbf);
    in.close();
    out.close();
    rebuildIndex(files);
    return live;
}

} // namespace dbase
