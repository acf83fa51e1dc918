#include "dbase/CardTableLayout.h"
#include "dbase/StarterLists.h"

#include "dbase/DbfHeader.h"
#include "dbase/PathNames.h"
#include "dbase/Table.h"

#include <cstdio>

namespace dbase::layout {

namespace {

FieldInfo field(const char *name, char type, int length, int decimals = 0)
{
    return makeField(name, type, length, decimals);
}

} // namespace

std::vector<FieldInfo> cardTableFields()
{
    return {
        field("RECNUM", 'N', 10),           // 0 record number
        field("FILTER", 'C', 1),            // 1 filter mark
        field("CARDNAME", 'C', 50),         // 2 card name
        field("SPORT", 'C', kLookupWidth),  // 3
        field("BRAND", 'C', kLookupWidth),  // 4
        field("CARDTYPE", 'C', kLookupWidth), // 5
        field("TEAM", 'C', kLookupWidth),   // 6
        field("POSITION", 'C', kLookupWidth), // 7
        field("CARDYEAR", 'C', kLookupWidth), // 8
        field("CARDNUM", 'N', 10),          // 9 card number
        field("SMALLPIC", 'B', 10),         // 10 small picture
        field("PURCHASE", 'N', 12, 2),      // 11 purchase price
        field("CURVALUE", 'N', 12, 2),      // 12 current value
        field("SALEPRICE", 'N', 12, 2),     // 13 sale price
        field("STATUS", 'C', kLookupWidth), // 14
        field("CONDITION", 'C', kLookupWidth), // 15
        field("CUSTOM1", 'C', kLookupWidth), // 16 lookup
        field("CUSTOM2", 'C', 50),          // 17
        field("CUSTOM3", 'C', 50),          // 18
        field("CUSTOM4", 'D', 8),           // 19
        field("CUSTOM5", 'N', 12, 2),       // 20
        field("NOTES", 'M', 10),            // 21
        field("PICTURE", 'B', 10),          // 22
    };
}

std::vector<FieldInfo> catalogFields()
{
    return {
        field("FILENAME", 'C', 12),
        field("DBNAME", 'C', 50),
        field("DESCRIPT", 'C', 250),
        field("RECCOUNTER", 'N', 10),
    };
}

std::vector<FieldInfo> lookupListFields()
{
    return {field("ITEM", 'C', kLookupWidth)};
}

namespace {

struct TemplateTag
{
    const char *name;
    const char *expression;
};

// Creates an empty table with its production index holding these ascending tags.
void writeTemplate(const std::string &path, std::vector<FieldInfo> fields, const std::vector<TemplateTag> &tags)
{
    Table::create(path, std::move(fields));
    Table table;
    table.open(path, true);
    for (const TemplateTag &tag : tags)
        table.addIndex(tag.name, tag.expression, false);
    table.close();
}

} // namespace

void writeTemplateTables(const std::string &folder)
{
    // IDX0 is the key of Entry Order, so that sort reuses it; IDX1 sorts by card name.
    writeTemplate(joinPath(folder, "data.dbf"), cardTableFields(),
                  {{"IDX0", "STR(RECNUM, 20, 4)"}, {"IDX1", "UPPER(CARDNAME)"}});
    // The index keeps its customary upper-case name; tables find it whatever the case.
    std::rename(joinPath(folder, "data.mdx").c_str(), joinPath(folder, "DATA.MDX").c_str());
    writeTemplate(joinPath(folder, "master.dbf"), catalogFields(), {{"IDX0", "FILENAME"}});
    writeTemplate(joinPath(folder, "list.dbf"), lookupListFields(), {{"IDX", "ITEM"}});
    for (const StarterList &list : starterLists()) {
        const std::string path = joinPath(folder, starterFileName(list.listFile));
        writeTemplate(path, lookupListFields(), {{"IDX", "ITEM"}});
        Table table;
        table.open(path, true);
        for (const std::string &item : list.items) {
            table.append();
            table.setString(0, item);
            table.post();
        }
        table.close();
    }
}

} // namespace dbase::layout
