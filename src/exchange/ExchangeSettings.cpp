#include "exchange/ExchangeSettings.h"

#include "store/FieldModel.h"

namespace zendrova {

TextLayout ExchangeSettings::layout(const FieldModel &fields) const
{
    TextLayout result { separator, delimiter, {} };
    for (const int position : positions)
        result.memoColumns.push_back(fields.isMemo(position));
    return result;
}

} // namespace zendrova
