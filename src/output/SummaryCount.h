#pragma once

#include "output/SummaryList.h"
#include "store/FilterScope.h"

#include <QChar>
#include <QDate>
#include <QString>

namespace zendrova {

class StoreTable;

// Counts the records of a record table by the values of one field. It reads
// the table through an object of its own, without an index, so the records
// come in physical order whatever the main window's sort and letter range;
// the filter mark decides which records count.
class SummaryCount
{
public:
    // The user fields whose sums each group carries, by field number.
    static constexpr int kPurchasePriceField = 10;
    static constexpr int kCurrentValueField = 11;
    static constexpr QChar kDateSeparator = QLatin1Char('/');

    // Whether a record with this filter mark text counts under the scope:
    // the normal filter takes marks above 1, the reversed filter the others.
    static bool passes(FilterScope scope, const QString &mark);
    // A date's key: two-digit year, separator, two-digit month.
    static QString dateKey(QDate date);

    // Counts the table at folder/fileName by the field at position. A table
    // that cannot be opened or read raises StoreError.
    static SummaryList run(
        const QString &folder, const QString &fileName, FilterScope scope, int position);
    // The same for the table another object has open.
    static SummaryList run(const StoreTable &current, FilterScope scope, int position);
};

} // namespace zendrova
