#pragma once

#include "store/FieldModel.h"

#include "common/CaptionList.h"

namespace zendrova::test {

// A record table of every field type the filter dialogs tell apart, and
// captions where "Team" and "team" name two fields.
inline FieldModel filterDialogFields()
{
    return FieldModel({
        { "RECNO", 'N', 10, 0 },
        { "FILTER", 'C', 1, 0 },
        { "NAME", 'C', 30, 0 },
        { "TEAM", 'C', 20, 0 },
        { "PRICE", 'N', 12, 2 },
        { "BOUGHT", 'D', 8, 0 },
        { "NOTES", 'M', 10, 0 },
        { "PICTURE", 'B', 10, 0 },
        { "CLUB", 'C', 20, 0 },
    });
}

inline CaptionList filterDialogCaptions()
{
    CaptionList captions;
    captions.setCaptions({ QStringLiteral("Name"), QStringLiteral("Team"), QStringLiteral("Price"),
        QStringLiteral("Bought"), QStringLiteral("Notes"), QStringLiteral("Picture"),
        QStringLiteral("team") });
    return captions;
}

// Field positions of the fixture.
inline constexpr int kNamePos = 2;
inline constexpr int kTeamPos = 3;
inline constexpr int kPricePos = 4;
inline constexpr int kBoughtPos = 5;
inline constexpr int kClubPos = 8;

} // namespace zendrova::test
