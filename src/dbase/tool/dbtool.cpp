// dbtool: looks into dBASE tables, writes the template tables and generates card databases.
//   dbtool info FILE            header and fields
//   dbtool dump FILE            records as tab-separated text
//   dbtool templates DIR        writes data.dbf, master.dbf and list.dbf (with their indexes) into DIR
//   dbtool tags FILE            the tags of the table's production index
//   dbtool check FILE           every tag against the records; exit status 0 only when sound
//   dbtool seek FILE TAG KEY    the first record whose key starts with KEY (a number for
//                               numeric tags, YYYYMMDD for date tags)
//   dbtool generate DIR COUNT [--seed N] [--replace] [--templates TEMPLATE_DIR]
//                               a database folder holding COUNT made-up cards: data.dbf
//                               (with data.dbt and data.mdx) and the catalog master.dbf;
//                               the same seed and count give the same records. The
//                               template tables are taken from TEMPLATE_DIR, by
//                               default the folder of this program. --replace writes
//                               them in place of the tables DIR holds (refused while
//                               a program has them open).
#include "dbase/tool/CardGenerator.h"

#include "dbase/CardTableLayout.h"
#include "dbase/Error.h"
#include "dbase/PathNames.h"
#include "dbase/Table.h"
#include "dbase/TableDump.h"
#include "dbase/TableFamily.h"
#include "dbase/index/Decimal.h"
#include "dbase/index/JulianDay.h"
#include "dbase/index/KeyEncoding.h"

#include <charconv>
#include <filesystem>
#include <iostream>
#include <string>

namespace {

const char *const kUsage = "usage: dbtool info FILE | dump FILE | templates DIR | tags FILE | check FILE"
                           " | seek FILE TAG KEY | generate DIR COUNT [--seed N] [--replace] [--templates DIR]\n";

int listTags(const std::string &path)
{
    dbase::Table table;
    table.open(path, false);
    for (const dbase::TagInfo &tag : table.indexDefinitions())
        std::cout << tag.name << "\t" << tag.expression << "\t" << (tag.descending ? "descending" : "ascending")
                  << "\t" << tag.keyType << "(" << tag.keyLength << ")\n";
    return 0;
}

// Reports, never repairs: an index marked stale is a finding, not something to rebuild here.
int check(const std::string &path)
{
    if (const auto family = dbase::TableFamily::find(path); family && family->mdx) {
        const dbase::File dbf(family->dbf, dbase::File::Mode::ReadOnly);
        if (dbase::ProductionIndex::open(*family->mdx, dbase::DbfHeader::read(dbf).fields)->isStale()) {
            std::cout << path << ": the index is marked as being changed (out of date)\n";
            return 1;
        }
    }
    dbase::Table table;
    table.open(path, false);
    const dbase::IndexCheckResult found = table.examineIndexes();
    const std::vector<std::string> &problems = found.problems;
    for (const std::string &problem : problems)
        std::cout << problem << "\n";
    for (const std::string &note : found.notes)
        std::cout << "note: " << note << "\n";
    if (problems.empty())
        std::cout << path << ": sound, " << table.indexDefinitions().size() << " tags, " << table.recordCount()
                  << " records\n";
    return problems.empty() ? 0 : 1;
}

std::string storedKey(char keyType, const std::string &text)
{
    if (keyType == 'N') {
        dbase::Decimal value;
        if (!dbase::Decimal::parse(text, value))
            throw dbase::Error(dbase::ErrorKind::Value, "\"" + text + "\" is not a number");
        return dbase::keys::encodeNumber(value);
    }
    if (keyType == 'D') {
        const auto day = dbase::julian::fromStored(text);
        if (!day)
            throw dbase::Error(dbase::ErrorKind::Value, "\"" + text + "\" is not a date (YYYYMMDD)");
        return dbase::keys::encodeDate(*day);
    }
    return text;
}

int seek(const std::string &path, const std::string &tagName, const std::string &key)
{
    dbase::Table table;
    table.setIndexName(tagName);
    table.open(path, false);
    char keyType = 'C';
    for (const dbase::TagInfo &tag : table.indexDefinitions())
        if (tag.name == table.indexName())
            keyType = tag.keyType;
    if (!table.findStoredKey(storedKey(keyType, key))) {
        std::cout << "not found\n";
        return 1;
    }
    std::cout << table.recno();
    for (int i = 0; i < table.fieldCount(); ++i)
        std::cout << "\t" << table.asString(i);
    std::cout << "\n";
    return 0;
}

template <typename Number>
bool parseNumber(const std::string &text, Number &value)
{
    const char *end = text.data() + text.size();
    const auto [stop, error] = std::from_chars(text.data(), end, value);
    return error == std::errc() && stop == end && !text.empty();
}

// The program folder: where the build writes the template tables beside this tool.
std::string programFolder()
{
    std::error_code error;
    const std::filesystem::path self = std::filesystem::read_symlink("/proc/self/exe", error);
    return error ? std::string(".") : self.parent_path().string();
}

int generate(int argc, char **argv)
{
    uint32_t count = 0;
    uint64_t seed = 1;
    std::string templates = programFolder();
    bool replace = false;
    bool valid = argc >= 4 && parseNumber(argv[3], count);
    for (int i = 4; valid && i < argc; ++i) {
        const std::string option = argv[i];
        if (option == "--replace") {
            replace = true;
            continue;
        }
        valid = i + 1 < argc;
        if (valid && option == "--seed")
            valid = parseNumber(argv[++i], seed);
        else if (valid && option == "--templates")
            templates = argv[++i];
        else
            valid = false;
    }
    if (!valid) {
        std::cerr << kUsage;
        return 2;
    }
    const auto made = replace
        ? dbase::cardgen::replaceCardDatabase(argv[2], count, seed, templates)
        : dbase::cardgen::generateCardDatabase(argv[2], count, seed, templates);
    std::cout << made.tablePath << ": " << count << " cards, seed " << seed;
    if (count > 0)
        std::cout << ", record numbers " << made.firstNumber << " to " << made.lastNumber;
    std::cout << "\n" << made.catalogPath << ": data.dbf, record counter " << made.counter << "\n";
    return 0;
}

} // namespace

int main(int argc, char **argv)
{
    if (argc < 3) {
        std::cerr << kUsage;
        return 2;
    }
    const std::string command = argv[1];
    const std::string target = argv[2];
    try {
        if (command == "templates" && argc == 3) {
            dbase::layout::writeTemplateTables(target);
            return 0;
        }
        if (command == "info" && argc == 3) {
            dbase::dumpInfo(target, std::cout);
            return 0;
        }
        if (command == "dump" && argc == 3) {
            dbase::dumpRecords(target, std::cout);
            return 0;
        }
        if (command == "tags" && argc == 3)
            return listTags(target);
        if (command == "check" && argc == 3)
            return check(target);
        if (command == "generate")
            return generate(argc, argv);
        if (command == "seek" && argc == 5)
            return seek(target, argv[3], argv[4]);
        std::cerr << kUsage;
        return 2;
    } catch (const dbase::Error &e) {
        std::cerr << "dbtool: " << e.what() << "\n";
        return 1;
    }
}
