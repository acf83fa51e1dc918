#pragma once

#include "exchange/FieldTextCodec.h"

#include <QString>

namespace zendrova {

// The card's mapping of field values as export and import write and read
// them: numbers as the table keeps them, dates in the system's date order with
// "/" and four-digit years, everything else as its text; reading back goes
// through the card codec, so a value the card would refuse is refused here.
class CardTextCodec
{
public:
    // The system's short date order written as "mm/dd/yyyy", "dd/mm/yyyy" or
    // "yyyy/mm/dd".
    static QString datePattern();
    static FieldTextCodec make();
};

} // namespace zendrova
