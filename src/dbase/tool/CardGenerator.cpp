#include "CardGenerator.h"

#include "CardMaker.h"

#include "dbase/CardTableLayout.h"
#include "dbase/Cp1252.h"
#include "dbase/Error.h"
#include "dbase/PathNames.h"
#include "dbase/Table.h"
#include "dbase/TableFamily.h"

#include <algorithm>
#include <filesystem>
#include <vector>

namespace dbase::cardgen {

namespace {

constexpr const char *kTableFile = "data.dbf";
constexpr const char *kCatalogFile = "master.dbf";

// Field positions of the record table.
enum Position {
    kRecordNumber = 0,
    kFilterMark,
    kCardName,
    kSport,
    kBrand,
    kType,
    kTeam,
    kPlayerPosition,
    kYear,
    kCardNumber,
    kSmallPicture,
    kPurchasePrice,
    kCurrentValue,
    kSalePrice,
    kStatus,
    kCondition,
    kCustom1,
    kCustom2,
    kCustom3,
    kCustom4,
    kCustom5,
    kNotes,
    kPicture,
};

// Catalog columns.
enum Column { kFileName = 0, kDatabaseName, kDescription, kRecordCounter };

struct TextField
{
    int pos;
    std::string Card::*value;
};

constexpr TextField kTextFields[] = {
    { kCardName, &Card::name },
    { kSport, &Card::sport },
    { kBrand, &Card::brand },
    { kType, &Card::type },
    { kTeam, &Card::team },
    { kPlayerPosition, &Card::position },
    { kYear, &Card::year },
    { kStatus, &Card::status },
    { kCondition, &Card::condition },
    { kCustom1, &Card::storage },
    { kCustom2, &Card::serial },
    { kCustom3, &Card::source },
    { kNotes, &Card::notes },
};

struct MoneyField
{
    int pos;
    std::optional<int64_t> Card::*cents;
};

constexpr MoneyField kMoneyFields[] = {
    { kPurchasePrice, &Card::purchaseCents },
    { kCurrentValue, &Card::valueCents },
    { kSalePrice, &Card::saleCents },
    { kCustom5, &Card::gradeCents },
};

// Pictures stay empty; every other field as the card has it (empty ones stay blank).
void writeCard(Table &table, const Card &card, int64_t recordNumber)
{
    table.append();
    table.setInteger(kRecordNumber, recordNumber);
    table.setString(kFilterMark, "2");
    for (const TextField &field : kTextFields) {
        if (const std::string &text = card.*field.value; !text.empty())
            table.setString(field.pos, utf8ToCp1252(text));
    }
    for (const MoneyField &field : kMoneyFields) {
        if (const std::optional<int64_t> &cents = card.*field.cents)
            table.setNumber(field.pos, double(*cents) / 100.0);
    }
    if (card.number)
        table.setInteger(kCardNumber, *card.number);
    if (card.bought)
        table.setDate(kCustom4, card.bought);
    table.post();
}

std::string copyTemplate(
    const std::string &templateFolder, const char *name, const std::string &folder)
{
    const std::string source = joinPath(templateFolder, name);
    if (!TableFamily::exists(source))
        throw Error(ErrorKind::NotFound,
            "No template table " + source + " (dbtool templates DIR writes the template tables)");
    const std::string target = joinPath(folder, name);
    TableFamily::copy(source, target);
    return target;
}

void refuseExisting(const std::string &folder)
{
    for (const char *name : { kTableFile, kCatalogFile }) {
        const std::string path = joinPath(folder, name);
        if (TableFamily::exists(path))
            throw Error(ErrorKind::AlreadyExists,
                path
                    + " already exists; generate into a new folder, or with --replace in its "
                      "place");
    }
}

// Opening a table for exclusive use fails while anyone has it open.
void refuseOpen(const std::string &folder)
{
    for (const char *name : { kTableFile, kCatalogFile }) {
        const std::string path = joinPath(folder, name);
        if (!TableFamily::exists(path))
            continue;
        try {
            Table table;
            table.open(path, true);
            table.close();
        } catch (const Error &error) {
            if (error.kind() != ErrorKind::Locked)
                throw;
            throw Error(ErrorKind::Locked,
                path
                    + " is open, in Zendrova or another program: close it, then run generate "
                      "--replace again");
        }
    }
}

std::vector<std::string> members(const TableFamily::Files &files)
{
    std::vector<std::string> paths { files.dbf };
    for (const auto &member : { files.dbt, files.mdx })
        if (member)
            paths.push_back(*member);
    return paths;
}

// Renames the family of scratch/name over folder/name, member by member, and
// removes the old members the new family has no file for.
void moveFamily(const std::string &scratch, const std::string &folder, const char *name)
{
    namespace fs = std::filesystem;
    const auto old = TableFamily::find(joinPath(folder, name));
    const auto fresh = TableFamily::find(joinPath(scratch, name));
    if (!fresh)
        throw Error(ErrorKind::NotFound, joinPath(scratch, name) + " was not written");
    std::vector<std::string> placed;
    for (const std::string &member : members(*fresh)) {
        const std::string target = joinPath(folder, fs::path(member).filename().string());
        std::error_code error;
        fs::rename(member, target, error);
        if (error)
            throw Error(ErrorKind::Io,
                "Cannot rename " + member + " to " + target + ": " + error.message());
        placed.push_back(target);
    }
    if (!old)
        return;
    for (const std::string &member : members(*old)) {
        if (std::find(placed.begin(), placed.end(), member) == placed.end())
            fs::remove(member);
    }
}

void writeCatalogRow(const std::string &path, int64_t counter)
{
    Table catalog;
    catalog.open(path, true);
    catalog.append();
    catalog.setString(kFileName, kTableFile);
    catalog.setString(kDatabaseName, kTableFile);
    catalog.setInteger(kRecordCounter, counter);
    catalog.post();
    catalog.close();
}

} // namespace

GeneratedDatabase generateCardDatabase(
    const std::string &folder, uint32_t count, uint64_t seed, const std::string &templateFolder)
{
    std::error_code error;
    std::filesystem::create_directories(folder, error);
    if (error)
        throw Error(ErrorKind::Io, "Cannot create the folder " + folder + ": " + error.message());
    refuseExisting(folder);
    GeneratedDatabase result;
    result.counter = 1 + int64_t(count);
    if (count > 0) {
        result.firstNumber = 2;
        result.lastNumber = result.counter;
    }
    // The catalog first: should the run stop early, its counter is ahead of the
    // records written, so numbers given out later never repeat one of them.
    result.catalogPath = copyTemplate(templateFolder, kCatalogFile, folder);
    writeCatalogRow(result.catalogPath, result.counter);

    result.tablePath = copyTemplate(templateFolder, kTableFile, folder);
    Table table;
    table.open(result.tablePath, true);
    if (table.fieldCount() != int(layout::cardTableFields().size()))
        throw Error(ErrorKind::Value, result.tablePath + " is not a card table");
    CardMaker maker(seed);
    for (uint32_t i = 0; i < count; ++i)
        writeCard(table, maker.next(), result.firstNumber + i);
    table.close();
    return result;
}

GeneratedDatabase replaceCardDatabase(
    const std::string &folder, uint32_t count, uint64_t seed, const std::string &templateFolder)
{
    namespace fs = std::filesystem;
    refuseOpen(folder);
    // Inside the folder, so that the renames stay on one file system.
    const std::string scratch = joinPath(folder, "generate.tmp");
    std::error_code ignored;
    fs::remove_all(scratch, ignored);
    GeneratedDatabase result;
    try {
        result = generateCardDatabase(scratch, count, seed, templateFolder);
        // Checked again: the program may have started while the cards were written.
        refuseOpen(folder);
        moveFamily(scratch, folder, kCatalogFile);
        moveFamily(scratch, folder, kTableFile);
    } catch (...) {
        fs::remove_all(scratch, ignored);
        throw;
    }
    fs::remove_all(scratch, ignored);
    result.tablePath = joinPath(folder, kTableFile);
    result.catalogPath = joinPath(folder, kCatalogFile);
    return result;
}

} // namespace dbase::cardgen
