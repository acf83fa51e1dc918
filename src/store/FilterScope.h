#pragma once

#include <QString>

namespace zendrova {

// Which records the list shows by their filter mark.
enum class FilterScope : int { AllRecords = 0, NormalFilter = 1, ReversedFilter = 2 };

inline QString filterScopeCaption(FilterScope scope)
{
    switch (scope) {
    case FilterScope::NormalFilter:
        return QStringLiteral("Normal Filter");
    case FilterScope::ReversedFilter:
        return QStringLiteral("Reversed Filter");
    case FilterScope::AllRecords:
        break;
    }
    return QStringLiteral("All Records");
}

} // namespace zendrova
