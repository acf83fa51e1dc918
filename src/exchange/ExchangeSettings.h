#pragma once

#include "exchange/TextLayout.h"

#include <vector>

namespace zendrova {

class FieldModel;

// What the options dialog settles for one export or import.
struct ExchangeSettings
{
    static constexpr char kTab = '\t';
    static constexpr char kComma = ',';
    static constexpr char kQuote = '"';

    // 0 when "Other:" was chosen with nothing typed.
    char separator = kTab;
    // 0 for none.
    char delimiter = 0;
    // The field positions of the included captions, in list order.
    std::vector<int> positions;
    // The first line holds the captions of the fields.
    bool namesInFirstLine = false;

    // Nothing is exported or imported without a separator or a field.
    bool usable() const { return separator != 0 && !positions.empty(); }
    TextLayout layout(const FieldModel &fields) const;
};

} // namespace zendrova
