#include "store/SortChange.h"
#include "StoreFixtures.h"

#include <gtest/gtest.h>

namespace zendrova {
namespace {

using namespace test;
using Part = SortMenuChoice::Part;

struct ChangeCase
{
    const char *what;
    SortBytes before;
    int menu; // 1 primary, 2 secondary
    SortMenuChoice choice;
    SortBytes after;
};

TEST(SortChange, MenuChoicesChangeTheDescriptor)
{
    // Field tag k names position k + 1.
    const ChangeCase cases[] = {
        { "entry order clears the secondary", { kCardName, true, kPurchase, true }, 1,
            { Part::Field, 0 }, { 0, true, 0, true } },
        { "primary field", { 0, false, 0, false }, 1, { Part::Field, 10 },
            { kPurchase, false, 0, false } },
        { "primary equal to the secondary clears it", { kCardName, false, kPurchase, true }, 1,
            { Part::Field, 10 }, { kPurchase, false, 0, true } },
        { "text secondary takes the text primary's direction", { kCardName, true, 0, false }, 2,
            { Part::Field, 2 }, { kCardName, true, kSport, true } },
        { "number secondary keeps its direction", { kCardName, true, 0, false }, 2,
            { Part::Field, 10 }, { kCardName, true, kPurchase, false } },
        { "NONE", { kCardName, true, kSport, true }, 2, { Part::Field, 0 },
            { kCardName, true, 0, true } },
        { "primary descending, text secondary follows", { kCardName, false, kSport, false }, 1,
            { Part::Direction, 1 }, { kCardName, true, kSport, true } },
        { "primary descending, number secondary stays", { kCardName, false, kPurchase, false }, 1,
            { Part::Direction, 1 }, { kCardName, true, kPurchase, false } },
        { "checked primary direction does nothing", { kCardName, true, kSport, false }, 1,
            { Part::Direction, 1 }, { kCardName, true, kSport, false } },
        { "secondary descending", { kCustom4, false, kPurchase, false }, 2, { Part::Direction, 1 },
            { kCustom4, false, kPurchase, true } },
        { "secondary direction without a secondary", { kCustom4, false, 0, false }, 2,
            { Part::Direction, 1 }, { kCustom4, false, 0, false } },
        { "field tag beyond any position", { kSport, false, 0, false }, 1, { Part::Field, 255 },
            { kSport, false, 0, false } },
    };
    const FieldModel fields = cardFields();
    for (const ChangeCase &c : cases) {
        SCOPED_TRACE(c.what);
        SortDescriptor d;
        d.sort = c.before;
        if (c.menu == 1)
            SortChange::choosePrimary(d, fields, c.choice);
        else
            SortChange::chooseSecondary(d, fields, c.choice);
        EXPECT_EQ(d.sort, c.after);
        EXPECT_EQ(d.applied, c.before);
    }
}

} // namespace
} // namespace zendrova
