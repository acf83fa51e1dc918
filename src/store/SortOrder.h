#pragma once

#include "store/FilterScope.h"
#include "store/SortDescriptor.h"
#include "store/SortTarget.h"

#include <QCoreApplication>
#include <QString>
#include <functional>
#include <optional>

namespace zendrova {

// The sort of the current database and the filter scope shown with it: turns
// the descriptor into a tag of the record table, adding the tag once when no
// tag with the same key exists.
class SortOrder
{
    Q_DECLARE_TR_FUNCTIONS(SortOrder)

public:
    static QString indexFailureText();

    SortDescriptor descriptor;
    FilterScope filterScope = FilterScope::AllRecords;
    // Suppresses the index failure message (the first open of a run).
    bool quiet = false;
    // Run after a successful change of tag, while the table is open.
    std::function<void()> afterSort;

    void readSortFile(const QString &folder, const QString &tableFile);
    bool writeSortFile(const QString &folder, const QString &tableFile) const;

    // The name of the tag holding the descriptor's key, adding it under
    // exclusive use when the index has none; nothing when it could not be
    // added or the descriptor names no field. An empty key gives a fresh name
    // without adding anything.
    std::optional<QString> findOrAddTag(SortTarget &target);
    // Makes the table show the descriptor's sort. On failure the previous tag
    // stays selected, the descriptor returns to the applied sort and the user
    // is told (unless quiet).
    bool applySort(SortTarget &target);

    // After a change from the menus or the Sort Options dialog: applies it when
    // the choice differs from the applied one, showing all records again.
    // False only when a change could not be applied (and was undone).
    bool applyChange(SortTarget &target);
    // Shows the records of a filter scope through the filtered key; on
    // failure the scope and the filtered flag stay as they were.
    bool chooseFilterScope(SortTarget &target, FilterScope scope);

private:
    void fallBack(SortTarget &target, const QString &previousTag);
};

} // namespace zendrova
