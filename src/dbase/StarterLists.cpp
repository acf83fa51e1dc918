#include "dbase/StarterLists.h"

namespace dbase::layout {

const std::vector<StarterList> &starterLists()
{
    // The card's lookup fields take list1 ... list9 in field order: Sport,
    // Brand, Type, Team, Position, Year, Status, Condition, Custom 1.
    static const std::vector<StarterList> lists {
        { "list1.dbf",
            { "Baseball", "Basketball", "Boxing", "Football", "Golf", "Hockey", "Racing", "Soccer",
                "Tennis", "Wrestling" } },
        { "list3.dbf",
            { "Base", "Rookie", "Insert", "Parallel", "Autograph", "Memorabilia", "Short Print",
                "Serial Numbered", "Checklist", "Error" } },
        { "list7.dbf",
            { "In Collection", "For Sale", "For Trade", "Sold", "Traded", "Wanted", "On Order" } },
        // The usual grading scale, best first.
        { "list8.dbf",
            { "Gem Mint", "Mint", "Near Mint-Mint", "Near Mint", "Excellent-Mint", "Excellent",
                "Very Good-Excellent", "Very Good", "Good", "Fair", "Poor" } },
    };
    return lists;
}

std::string starterFileName(const std::string &listFile)
{
    return "starter_" + listFile;
}

} // namespace dbase::layout
