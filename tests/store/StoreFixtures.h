#pragma once

#include "common/CaptionList.h"
#include "store/FieldModel.h"

#include <QStringList>

namespace zendrova::test {

// The card table's 23 positions with every field kind the sort meets. The two
// wide text fields sit at the edges of the single-key width rule.
inline FieldModel cardFields()
{
    return FieldModel({
        { "RECNO", 'N', 10, 0 },
        { "FILTER", 'C', 1, 0 },
        { "CARDNAME", 'C', 30, 0 },
        { "SPORT", 'C', 20, 0 },
        { "BRAND", 'C', 20, 0 },
        { "TYPE", 'C', 20, 0 },
        { "TEAM", 'C', 30, 0 },
        { "POSITION", 'C', 20, 0 },
        { "YEAR", 'C', 4, 0 },
        { "CARDNUM", 'N', 10, 0 },
        { "SMALLPIC", 'B', 10, 0 },
        { "PURCHASE", 'N', 12, 2 },
        { "CURRENT", 'N', 12, 2 },
        { "SALE", 'N', 12, 2 },
        { "STATUS", 'C', 20, 0 },
        { "CONDITION", 'C', 20, 0 },
        { "CUSTOM1", 'C', 20, 0 },
        { "CUSTOM2", 'C', 100, 0 },
        { "CUSTOM3", 'C', 99, 0 },
        { "CUSTOM4", 'D', 8, 0 },
        { "CUSTOM5", 'F', 12, 2 },
        { "NOTES", 'M', 10, 0 },
        { "PICTURE", 'B', 10, 0 },
    });
}

// Positions of the fixture by kind.
enum CardPosition : uint8_t {
    kRecNo = 0,
    kCardName = 2,
    kSport = 3,
    kYear = 8,
    kSmallPic = 10,
    kPurchase = 11,
    kCurrent = 12,
    kCustom2 = 17,
    kCustom3 = 18,
    kCustom4 = 19,
    kCustom5 = 20,
    kNotes = 21,
    kPicture = 22,
};

inline QStringList cardCaptions()
{
    return CaptionList::builtInCaptions();
}

} // namespace zendrova::test
