#pragma once

#include <QString>

namespace zendrova {

class DateFormatList;
class StoreTable;

// What a record-list column shows of one field of the list cursor's record.
struct ListCell
{
    QString text;
    bool rightAligned = false;
};

class ListCellText
{
public:
    // dateColumn: how many date columns came before this one in the row; it
    // picks the entry of the date format list. Memo and picture fields and a
    // field index the table does not have show nothing.
    static ListCell of(const StoreTable &record, int fieldIndex, int dateColumn,
        const DateFormatList &dateFormats);
    // Whether the column is a date column (for counting them left to right).
    static bool isDate(const StoreTable &record, int fieldIndex);
};

} // namespace zendrova
