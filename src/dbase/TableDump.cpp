#include "dbase/TableDump.h"

#include "dbase/DbfHeader.h"
#include "dbase/Error.h"
#include "dbase/FieldCodec.h"
#include "dbase/File.h"
#include "dbase/MemoFile.h"
#include "dbase/PathNames.h"
#include "dbase/TableFamily.h"

#include <cstdio>
#include <memory>

namespace dbase {

namespace {

std::string hexByte(unsigned value)
{
    char buf[8];
    std::snprintf(buf, sizeof buf, "0x%02X", value & 0xFF);
    return buf;
}

struct OpenedFamily
{
    File dbf;
    DbfHeader header;
    std::unique_ptr<MemoFile> memo;
};

// Read-only and without locks: the tool looks at files, it takes part in no editing.
OpenedFamily openForReading(const std::string &dbfPath)
{
    const auto files = TableFamily::find(dbfPath);
    if (!files)
        throw Error(ErrorKind::NotFound, "Table " + dbfPath + " does not exist");
    OpenedFamily family {File(files->dbf, File::Mode::ReadOnly), {}, nullptr};
    family.header = DbfHeader::read(family.dbf);
    if (family.header.hasMemoFields() && files->dbt)
        family.memo = std::make_unique<MemoFile>(*files->dbt, MemoFile::formatFor(family.header.version), true);
    return family;
}

std::string memoCell(const MemoFile *memo, std::string_view raw)
{
    const uint32_t block = codec::parseBlock(raw);
    if (block == 0)
        return "";
    if (!memo)
        return "[no memo file]";
    try {
        return "[" + std::to_string(memo->read(block).size()) + " bytes]";
    } catch (const Error &) {
        return "[damaged]";
    }
}

} // namespace

void dumpInfo(const std::string &dbfPath, std::ostream &out)
{
    const OpenedFamily family = openForReading(dbfPath);
    const DbfHeader &h = family.header;
    out << "file\t" << family.dbf.path() << "\n"
        << "version\t" << hexByte(h.version) << "\n"
        << "updated\t" << 1900 + h.year << "-" << int(h.month) << "-" << int(h.day) << "\n"
        << "records\t" << h.recordCount << "\n"
        << "header length\t" << h.headerLength << "\n"
        << "record length\t" << h.recordLength << "\n"
        << "production index\t" << int(h.productionIndex) << "\n"
        << "language driver\t" << hexByte(h.languageDriver) << "\n"
        << "memo file\t" << (family.memo ? family.memo->path() : std::string("-")) << "\n"
        << "fields\t" << h.fields.size() << "\n";
    for (size_t i = 0; i < h.fields.size(); ++i) {
        const FieldInfo &f = h.fields[i];
        out << i << "\t" << f.name << "\t" << f.type << "\t" << int(f.length) << "\t" << int(f.decimals) << "\n";
    }
}

void dumpRecords(const std::string &dbfPath, std::ostream &out)
{
    const OpenedFamily family = openForReading(dbfPath);
    const DbfHeader &h = family.header;
    out << "#";
    for (const FieldInfo &f : h.fields)
        out << "\t" << f.name;
    out << "\n";
    std::string record(h.recordLength, '\0');
    const uint64_t size = family.dbf.size();
    for (uint32_t r = 1; r <= h.recordCount; ++r) {
        const uint64_t at = h.headerLength + uint64_t(r - 1) * h.recordLength;
        if (at + h.recordLength > size)
            break;
        family.dbf.readExact(at, record.data(), record.size(), "a record");
        out << (record[0] == '*' ? "*" : " ");
        for (const FieldInfo &f : h.fields) {
            const std::string_view raw = std::string_view(record).substr(1 + f.offset, f.length);
            out << "\t";
            if (f.type == 'M' || f.type == 'B' || f.type == 'G')
                out << memoCell(family.memo.get(), raw);
            else
                out << codec::trim(raw);
        }
        out << "\n";
    }
}

} // namespace dbase
