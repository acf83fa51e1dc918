#pragma once

#include <QCoreApplication>
#include <QString>
#include <functional>

namespace zendrova {

class StoreTable;
class TFilterList;

// Re-marks every record of the record table with the filter.
class FilterApply
{
    Q_DECLARE_TR_FUNCTIONS(FilterApply)

public:
    // The caption of the progress window the caller shows meanwhile.
    static QString progressCaption() { return tr("Applying Filter - Please Wait..."); }

    // Told the percentage done whenever it changes, so the window can move its
    // bar and process pending messages; returning false stops the walk.
    using Progress = std::function<bool(int percent)>;

    // Walks the table in physical order without a range, marks each record
    // (storing only those whose mark changes, in short write batches), and
    // ends on the first record.
    // Turns the evaluation switch on. A filter without entries marks every
    // record "2", as storing a record under it does, so the Normal scope then
    // shows every record.
    // Table errors propagate; records already stored keep their new marks.
    // Returns the number of records marked.
    static int run(TFilterList &filter, StoreTable &table, const Progress &progress);
};

} // namespace zendrova
